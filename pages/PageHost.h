#pragma once

// What a page module sees of the window: the form its operations run on and the pages it builds
// its groups onto, by name. The modules whose routines a module borrows are handed to it through
// its constructor; nothing else of the window is in reach.

class QWidget;

namespace framework {
class FormBase;
}

namespace pages {

// The window's pages in the order of their tabs: X(value, object name, caption, owner), where the
// owner is None for a page of the window's own page control, or the page whose sub-pages it is.
#define TILLMATE_PAGES(X)                                                                                    \
    X(Settings, TabSheet1, "Settings", None)                                                                 \
    X(Information, TabSheet2, "Information", None)                                                           \
    X(FiscalReceipt, TabSheet3, "Fiscal Receipt", None)                                                      \
    X(NonFiscalReceipt, TabSheet4, "NonFiscal Receipt", None)                                                \
    X(Other, TabSheet5, "Other", None)                                                                       \
    X(Fuel, TabSheet6, "Fuel", None)                                                                         \
    X(Service, TabSheet7, "Service", None)                                                                   \
    X(Load, TabSheet9, "Load", None)                                                                         \
    X(Journal, TabSheet15, "Journal", None)                                                                  \
    X(About, TabSheet16, "About", None)                                                                      \
    X(Info, TabSheet18, "Info", None)                                                                        \
    X(FuelSettings, TabSheet8, "Settings", Fuel)                                                             \
    X(FuelReceipt, TabSheet12, "Receipt", Fuel)                                                              \
    X(FuelOther, TabSheet13, "Other", Fuel)                                                                  \
    X(FuelTotals, TabSheet17, "Totals", Fuel)                                                                \
    X(LoadService, TabSheet10, "Service", Load)                                                              \
    X(LoadReport, TabSheet11, "Report", Load)                                                                \
    X(LoadFuel, TabSheet14, "Fuel", Load)

enum class Page {
#define TILLMATE_PAGE_VALUE(value, name, caption, owner) value,
    TILLMATE_PAGES(TILLMATE_PAGE_VALUE)
#undef TILLMATE_PAGE_VALUE
        Count,
    None = Count // the owner of the window's own pages
};

class PageHost {
public:
    // The window the operation runner works on (busy cursor, result and exception reports).
    virtual framework::FormBase& form() = 0;
    virtual QWidget* page(Page which) const = 0;

protected:
    ~PageHost() = default;
};

} // namespace pages
