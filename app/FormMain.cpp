#include "FormMain.h"

#include "Access.h"
#include "Logo.h"
#include "app/Version.h"

#include "framework/Widgets.h"
#include "pages/PageLayout.h"
#include "pages/fuel/FuelSales.h"
#include "pages/fuel/FuelStock.h"
#include "pages/fuel/FuelTables.h"
#include "pages/information/InformationPage.h"
#include "pages/information/RawRequests.h"
#include "pages/information/Reports.h"
#include "pages/receipts/Barcode.h"
#include "pages/receipts/Clerk.h"
#include "pages/receipts/FiscalReceipt.h"
#include "pages/receipts/NonFiscalReceipt.h"
#include "pages/receipts/ReceiptOptions.h"
#include "pages/receipts/TillOperations.h"
#include "pages/service/Journal.h"
#include "pages/service/LoadWorkspace.h"
#include "pages/service/ServiceOperations.h"
#include "pages/settings/DepartmentsCredits.h"
#include "pages/settings/HeaderFooter.h"
#include "pages/settings/PrinterSettings.h"
#include "pages/settings/TaxCurrencyClock.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimeEdit>
#include <QUrl>
#include <clocale>

using namespace framework;

const QString TFormMain::WebAddress = QStringLiteral("www.tillmate.example");

TFormMain::TFormMain(Clock clock, QWidget* parent)
    : FormBase(parent), clock_(std::move(clock)),
      openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Dravik EngineerinG. Tillmate QuentaE"));
    setWindowIcon(QIcon(DrawIcon()));
    setFixedSize(792, 602);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    BuildPages();
    BuildAboutPage();
    BuildModules();
    FormCreate();
    PrepareAccess(*this);
}

TFormMain::~TFormMain() = default;

namespace {

QWidget* addPage(QTabWidget* control, const char* name, const QString& caption) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    control->addTab(page, caption);
    return page;
}

// Sub-pages show their tabs at the bottom and fill their page.
QTabWidget* subPageControl(QWidget* page, const char* name) {
    auto* control = new QTabWidget(page);
    control->setObjectName(QString::fromLatin1(name));
    control->setTabPosition(QTabWidget::South);
    control->setGeometry(0, 0, pages::PageWidth, pages::PageHeight);
    return control;
}

void hideTab(QTabWidget* control, QWidget* page) {
    control->setTabVisible(control->indexOf(page), false);
}

} // namespace

void TFormMain::BuildPages() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 792, 602);
    PageControl1->setUsesScrollButtons(false);
    PageControl1->tabBar()->setExpanding(false);

    struct PageEntry {
        pages::Page value;
        QWidget* TFormMain::*member;
        const char* name;
        const char* caption;
        pages::Page owner;
    };
    const PageEntry entries[] = {
#define TILLMATE_PAGE_ENTRY(value, name, caption, owner)                                                     \
    {pages::Page::value, &TFormMain::name, #name, caption, pages::Page::owner},
        TILLMATE_PAGES(TILLMATE_PAGE_ENTRY)
#undef TILLMATE_PAGE_ENTRY
    };
    for (const PageEntry& entry : entries) {
        QTabWidget* control = entry.owner == pages::Page::None ? PageControl1 : SubPageControl(entry.owner);
        QWidget* page = addPage(control, entry.name, QString::fromLatin1(entry.caption));
        this->*entry.member = page;
        pages_[static_cast<size_t>(entry.value)] = page;
    }
}

// The Fuel and Load pages hold their sub-pages in page controls of their own, made with the first
// sub-page.
QTabWidget* TFormMain::SubPageControl(pages::Page owner) {
    QTabWidget*& control = owner == pages::Page::Fuel ? Totals : PageControl2;
    if (!control)
        control = subPageControl(page(owner), owner == pages::Page::Fuel ? "Totals" : "PageControl2");
    return control;
}

QWidget* TFormMain::page(pages::Page which) const {
    return pages_.at(static_cast<size_t>(which));
}

template <class Module, class... Peers> Module& TFormMain::Add(Peers&&... peers) {
    auto module =
        std::make_shared<Module>(static_cast<pages::PageHost&>(*this), std::forward<Peers>(peers)...);
    modules_.push_back(module);
    return *module;
}

// Each module builds its groups onto its pages as it is made; the order of the lines is the order
// in which controls are created, and so the order of the keyboard focus on each page.
void TFormMain::BuildModules() {
    using namespace pages;
    Add<settings::HeaderFooter>();
    taxCurrencyClock_ = &Add<settings::TaxCurrencyClock>();
    Add<settings::PrinterSettings>();
    departmentsCredits_ = &Add<settings::DepartmentsCredits>();
    PlaceResetButtons();
    auto& informationPage = Add<information::InformationPage>(*taxCurrencyClock_, *departmentsCredits_);
    Add<information::RawRequests>();
    auto& reports = Add<information::Reports>();
    fiscalReceipt_ = &Add<receipts::FiscalReceipt>();
    Add<receipts::NonFiscalReceipt>();
    Add<receipts::TillOperations>(informationPage);
    Add<receipts::Clerk>();
    Add<receipts::Barcode>();
    Add<receipts::ReceiptOptions>();
    fuelTables_ = &Add<fuel::FuelTables>();
    Add<fuel::FuelSales>(*fiscalReceipt_);
    fuelStock_ = &Add<fuel::FuelStock>(reports.tankReportsGroup());
    Add<service::ServiceOperations>();
    Add<service::Journal>();
    loadWorkspace_ = &Add<service::LoadWorkspace>();
}

// The "Reset" button in the bottom right-hand corner of eight pages, all running the one handler.
void TFormMain::PlaceResetButtons() {
    using pages::Page;
    struct Placement {
        Page page;
        const char* name;
        QRect rect;
    };
    const Placement placements[] = {
        {Page::Settings, "ButtonSettingsResetFiscal", pages::ResetButtonRect},
        {Page::Information, "ButtonInfoResetFiscal", pages::ResetButtonRect},
        {Page::FiscalReceipt, "ButtonFiscalReceiptResetFiscal", pages::ResetButtonRect},
        {Page::NonFiscalReceipt, "ButtonNonFiscalReceiptResetFiscal", pages::ResetButtonRect},
        {Page::Other, "ButtonOtherResetFiscal", pages::ResetButtonRect},
        {Page::Service, "ButtonServiceResetFiscal", pages::ResetButtonRect},
        {Page::FuelReceipt, "ButtonFuelSale_Reset", pages::SubPageResetButtonRect},
        {Page::LoadService, "ButtonLoadResetFiscal", pages::SubPageResetButtonRect},
    };
    pages::settings::DepartmentsCredits* handler = departmentsCredits_;
    for (const Placement& p : placements)
        ui::Button(page(p.page), QString::fromLatin1(p.name), QStringLiteral("Reset"), p.rect,
                   [handler] { handler->ButtonResetFiscalClick(); });
}

template <class T> T* TFormMain::control(const QString& name) const {
    return ui::Require<T>(this, name);
}

void TFormMain::FormCreate() {
    // 1. Version in the caption.
    setWindowTitle(windowTitle() + QStringLiteral(" v" TILLMATE_VERSION_MAJOR_MINOR));

    // 2. Active pages.
    PageControl1->setCurrentWidget(TabSheet1);
    PageControl2->setCurrentWidget(TabSheet10);

    // 3, 4. Pages and controls the user does not reach.
    hideTab(PageControl1, TabSheet18);
    auto hide = [this](const QString& name) { control(name)->hide(); };
    hide("textSaleCycle");
    hide("Button10");
    hideTab(Totals, TabSheet17);
    hideTab(PageControl1, TabSheet9);
    hideTab(PageControl1, TabSheet6);
    hide("GroupBox55");
    hideTab(PageControl2, TabSheet14);
    Totals->setCurrentWidget(TabSheet8);

    // 5. The credits' "Num" column.
    for (int i = 1; i <= 8; ++i)
        hide(QStringLiteral("Credit%1Ext").arg(i));

    // 6. Header and footer groups shown at their working width.
    for (const char* name : {"GroupBox5", "GroupBox6"}) {
        QWidget* group = control(name);
        group->show();
        group->resize(340, group->height());
    }

    // 7. Wider credit names.
    for (int i = 1; i <= 8; ++i) {
        QWidget* edit = control(QStringLiteral("Credit%1Name").arg(i));
        edit->resize(82, edit->height());
    }

    // 8. FR options.
    hide("GroupBox63");

    // 9. Printer settings tall enough for its lower rows.
    QWidget* printer = control("GroupBox2");
    printer->resize(printer->width(), 170);

    // 10. Clerk password.
    hide("labelClerkPassword");
    hide("ClerkPassword");

    // 11. Credit buttons 30 to the left.
    for (int i = 1; i <= 8; ++i) {
        for (const QString& name :
             {QStringLiteral("ButtonCredit%1Set").arg(i), QStringLiteral("ButtonCredit%1Get").arg(i)}) {
            QWidget* button = control(name);
            button->move(button->x() - 30, button->y());
        }
    }

    // 12. Credits group width.
    QWidget* credits = control("GroupBox12");
    credits->resize(220, credits->height());

    // 13. The credits' "Print" column and the two column titles.
    for (int i = 1; i <= 8; ++i)
        hide(QStringLiteral("Credit%1Print").arg(i));
    hide("Label254");
    hide("Label255");

    // 14. Departments and credits moved right; departments narrower.
    QWidget* departments = control("GroupBox40");
    departments->move(departments->x() + 70, departments->y());
    departments->resize(205, departments->height());
    credits->move(credits->x() + 50, credits->y());

    // 15. The receipt type list is not used.
    hide("comboBeginFiscal");

    // 16. Void and surcharge names.
    auto select = [this](const QString& name, int index) {
        control<QComboBox>(name)->setCurrentIndex(index);
    };
    select("VoidType", 0);
    select("SurchargeType", 0);

    // 17. The currency conversion type: indirect from 1 January 2014 on.
    const QDateTime now = clock_();
    const QDateTime changeover(QDate(2014, 1, 1), QTime(0, 0, 0), now.timeSpec());
    control<QRadioButton>(changeover > now ? "cctDirect" : "cctIndirect")->setChecked(true);

    // 18. Barcode symbology.
    select("CODE39Type", 0);

    // 19. Start-up defaults, all from the one reading of the clock above.
    auto setDate = [this, &now](const QString& name) { control<QDateEdit>(name)->setDate(now.date()); };
    auto setTime = [this, &now](const QString& name) { control<QTimeEdit>(name)->setTime(now.time()); };
    setDate("Date");
    setTime("Time");
    setDate("PeriodDate1");
    setDate("PeriodDate2");
    select("PrinterType", 0);
    select("PrinterCodePage", 0);
    select("FiscalReceiptItemDiscountType", 0);
    select("FiscalReceiptDiscountType", 0);
    select("FuelSale_DiscountType", 0);
    select("comboBeginFiscal", 0);
    select("OtherCustomerDiplayType", 1);
    setDate("FiscalizationDate");
    setDate("LoadInitializationDate");
    setTime("LoadInitializationTime");
    setDate("FRDateTimePicker1");
    setTime("FRDateTimePicker2");
    setDate("LoadDate");
    setTime("LoadTime");
    FSavedCursor = AppCursor();
    select("DispCodeType", 0);
    select("DispTypeType", 0);
    // Numbers are converted with the full stop whatever the user's locale says.
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, "C");

    // 20. The fuel grids, each laid out by the module that owns it.
    fuelTables_->LayOutGrids();
    fuelStock_->LayOutGrids();
    loadWorkspace_->LayOutGrids();
}

void TFormMain::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

void TFormMain::Label250Click() {
    openUrl_(QUrl(QStringLiteral("https://") + WebAddress));
}

void TFormMain::Label250MouseMove() {
    SetAppCursor(crHandPoint);
}

void TFormMain::TabSheet16MouseMove() {
    SetAppCursor(crArrow);
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label250) {
        if (event->type() == QEvent::MouseMove) {
            Label250MouseMove();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && Label250->rect().contains(mouse->position().toPoint()))
                Label250Click();
            return true;
        }
    } else if (watched == TabSheet16 && event->type() == QEvent::MouseMove) {
        TabSheet16MouseMove();
    }
    return FormBase::eventFilter(watched, event);
}
