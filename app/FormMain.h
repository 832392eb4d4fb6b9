#pragma once

// TFormMain: the console's one window. It owns the page control, the pages and the page modules;
// every module builds its groups onto the pages and holds their click handlers.

#include "framework/Operations.h"
#include "pages/PageHost.h"

#include <QDateTime>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QTabWidget;
class QUrl;

namespace pages {
namespace settings {
class TaxCurrencyClock;
class DepartmentsCredits;
} // namespace settings
namespace receipts {
class FiscalReceipt;
} // namespace receipts
namespace fuel {
class FuelTables;
class FuelStock;
} // namespace fuel
namespace service {
class LoadWorkspace;
} // namespace service
} // namespace pages

class TFormMain : public framework::FormBase, public pages::PageHost {
public:
    using Clock = std::function<QDateTime()>;
    using UrlOpener = std::function<void(const QUrl&)>;

    // `clock` gives the local date and time the start-up defaults are taken from.
    explicit TFormMain(Clock clock = &QDateTime::currentDateTime, QWidget* parent = nullptr);
    ~TFormMain() override;

    static const QString WebAddress;

    // The page control, its pages by their names (the list is in pages/PageHost.h) and the sub-page
    // controls of the Fuel and Load pages.
    QTabWidget* PageControl1 = nullptr;
#define TILLMATE_PAGE_MEMBER(value, name, caption, owner) QWidget* name = nullptr;
    TILLMATE_PAGES(TILLMATE_PAGE_MEMBER)
#undef TILLMATE_PAGE_MEMBER
    QTabWidget* Totals = nullptr;       // the Fuel page's sub-pages
    QTabWidget* PageControl2 = nullptr; // the Load page's sub-pages
    QLabel* Label250 = nullptr;         // the web link on the About page

    // PageHost: what the page modules see of the window.
    framework::FormBase& form() override {
        return *this;
    }
    QWidget* page(pages::Page which) const override;

    // Modules whose routines tests call directly.
    pages::settings::TaxCurrencyClock& taxCurrencyClock() {
        return *taxCurrencyClock_;
    }
    pages::settings::DepartmentsCredits& departmentsCredits() {
        return *departmentsCredits_;
    }
    pages::receipts::FiscalReceipt& fiscalReceipt() {
        return *fiscalReceipt_;
    }

    // The About page's handlers.
    void Label250Click();
    void Label250MouseMove();
    void TabSheet16MouseMove();

    // Where Label250Click sends the web address (the desktop's "open" action by default).
    void setUrlOpener(UrlOpener opener) {
        openUrl_ = std::move(opener);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildPages();
    QTabWidget* SubPageControl(pages::Page owner);
    void BuildAboutPage();
    void BuildModules();
    void PlaceResetButtons();
    void FormCreate();
    // Creates a module on this window, handing it `peers`, and keeps it as long as the window.
    template <class Module, class... Peers> Module& Add(Peers&&... peers);
    // The control that a start-up step names; a missing one is a programming error and throws.
    template <class T = QWidget> T* control(const QString& name) const;

    Clock clock_;
    UrlOpener openUrl_;
    bool centred_ = false;
    std::array<QWidget*, static_cast<size_t>(pages::Page::Count)> pages_{};

    std::vector<std::shared_ptr<void>> modules_;
    pages::settings::TaxCurrencyClock* taxCurrencyClock_ = nullptr;
    pages::settings::DepartmentsCredits* departmentsCredits_ = nullptr;
    pages::receipts::FiscalReceipt* fiscalReceipt_ = nullptr;
    pages::fuel::FuelTables* fuelTables_ = nullptr;
    pages::fuel::FuelStock* fuelStock_ = nullptr;
    pages::service::LoadWorkspace* loadWorkspace_ = nullptr;
};
