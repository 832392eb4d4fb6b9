#pragma once

// TFormMain: the console's one window. It owns the page control, the pages and the page modules;
// every module builds its groups onto the pages and holds their click handlers.

#include "framework/Operations.h"

#include <QDateTime>
#include <functional>
#include <memory>

class QLabel;
class QTabWidget;
class QUrl;

namespace pages {
namespace settings {
class HeaderFooter;
class TaxCurrencyClock;
class PrinterSettings;
class DepartmentsCredits;
} // namespace settings
namespace information {
class InformationPage;
class RawRequests;
class Reports;
} // namespace information
namespace receipts {
class FiscalReceipt;
class NonFiscalReceipt;
class TillOperations;
class Clerk;
class Barcode;
class ReceiptOptions;
} // namespace receipts
namespace fuel {
class FuelTables;
class FuelSales;
class FuelStock;
} // namespace fuel
namespace service {
class ServiceOperations;
class Journal;
class LoadWorkspace;
} // namespace service
} // namespace pages

class TFormMain : public framework::FormBase {
public:
    using Clock = std::function<QDateTime()>;
    using UrlOpener = std::function<void(const QUrl&)>;

    // `clock` gives the local date and time the start-up defaults are taken from.
    explicit TFormMain(Clock clock = &QDateTime::currentDateTime, QWidget* parent = nullptr);
    ~TFormMain() override;

    static const QString WebAddress;

    // The page control and its pages, by their names.
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;       // Settings
    QWidget* TabSheet2 = nullptr;       // Information
    QWidget* TabSheet3 = nullptr;       // Fiscal Receipt
    QWidget* TabSheet4 = nullptr;       // NonFiscal Receipt
    QWidget* TabSheet5 = nullptr;       // Other
    QWidget* TabSheet6 = nullptr;       // Fuel
    QWidget* TabSheet7 = nullptr;       // Service
    QWidget* TabSheet9 = nullptr;       // Load
    QWidget* TabSheet15 = nullptr;      // Journal
    QWidget* TabSheet16 = nullptr;      // About
    QWidget* TabSheet18 = nullptr;      // Info
    QTabWidget* Totals = nullptr;       // the Fuel page's sub-pages
    QWidget* TabSheet8 = nullptr;       // Fuel: Settings
    QWidget* TabSheet12 = nullptr;      // Fuel: Receipt
    QWidget* TabSheet13 = nullptr;      // Fuel: Other
    QWidget* TabSheet17 = nullptr;      // Fuel: Totals
    QTabWidget* PageControl2 = nullptr; // the Load page's sub-pages
    QWidget* TabSheet10 = nullptr;      // Load: Service
    QWidget* TabSheet11 = nullptr;      // Load: Report
    QWidget* TabSheet14 = nullptr;      // Load: Fuel
    QLabel* Label250 = nullptr;         // the web link on the About page

    // The modules, for the routines one module lends another.
    pages::settings::HeaderFooter& headerFooter() { return *headerFooter_; }
    pages::settings::TaxCurrencyClock& taxCurrencyClock() { return *taxCurrencyClock_; }
    pages::settings::PrinterSettings& printerSettings() { return *printerSettings_; }
    pages::settings::DepartmentsCredits& departmentsCredits() { return *departmentsCredits_; }
    pages::information::InformationPage& informationPage() { return *informationPage_; }
    pages::information::RawRequests& rawRequests() { return *rawRequests_; }
    pages::information::Reports& reports() { return *reports_; }
    pages::receipts::FiscalReceipt& fiscalReceipt() { return *fiscalReceipt_; }
    pages::receipts::NonFiscalReceipt& nonFiscalReceipt() { return *nonFiscalReceipt_; }
    pages::receipts::TillOperations& tillOperations() { return *tillOperations_; }
    pages::receipts::Clerk& clerk() { return *clerk_; }
    pages::receipts::Barcode& barcode() { return *barcode_; }
    pages::receipts::ReceiptOptions& receiptOptions() { return *receiptOptions_; }
    pages::fuel::FuelTables& fuelTables() { return *fuelTables_; }
    pages::fuel::FuelSales& fuelSales() { return *fuelSales_; }
    pages::fuel::FuelStock& fuelStock() { return *fuelStock_; }
    pages::service::ServiceOperations& serviceOperations() { return *serviceOperations_; }
    pages::service::Journal& journal() { return *journal_; }
    pages::service::LoadWorkspace& loadWorkspace() { return *loadWorkspace_; }

    // The About page's handlers.
    void Label250Click();
    void Label250MouseMove();
    void TabSheet16MouseMove();

    // Where Label250Click sends the web address (the desktop's "open" action by default).
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildPages();
    void BuildAboutPage();
    void FormCreate();
    template <class T> T* control(const char* name) const;

    Clock clock_;
    UrlOpener openUrl_;
    bool centred_ = false;

    std::unique_ptr<pages::settings::HeaderFooter> headerFooter_;
    std::unique_ptr<pages::settings::TaxCurrencyClock> taxCurrencyClock_;
    std::unique_ptr<pages::settings::PrinterSettings> printerSettings_;
    std::unique_ptr<pages::settings::DepartmentsCredits> departmentsCredits_;
    std::unique_ptr<pages::information::InformationPage> informationPage_;
    std::unique_ptr<pages::information::RawRequests> rawRequests_;
    std::unique_ptr<pages::information::Reports> reports_;
    std::unique_ptr<pages::receipts::FiscalReceipt> fiscalReceipt_;
    std::unique_ptr<pages::receipts::NonFiscalReceipt> nonFiscalReceipt_;
    std::unique_ptr<pages::receipts::TillOperations> tillOperations_;
    std::unique_ptr<pages::receipts::Clerk> clerk_;
    std::unique_ptr<pages::receipts::Barcode> barcode_;
    std::unique_ptr<pages::receipts::ReceiptOptions> receiptOptions_;
    std::unique_ptr<pages::fuel::FuelTables> fuelTables_;
    std::unique_ptr<pages::fuel::FuelSales> fuelSales_;
    std::unique_ptr<pages::fuel::FuelStock> fuelStock_;
    std::unique_ptr<pages::service::ServiceOperations> serviceOperations_;
    std::unique_ptr<pages::service::Journal> journal_;
    std::unique_ptr<pages::service::LoadWorkspace> loadWorkspace_;
};
