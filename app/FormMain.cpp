#include "FormMain.h"

#include "Access.h"
#include "Logo.h"
#include "app/Version.h"

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

    headerFooter_ = std::make_unique<pages::settings::HeaderFooter>(*this);
    taxCurrencyClock_ = std::make_unique<pages::settings::TaxCurrencyClock>(*this);
    printerSettings_ = std::make_unique<pages::settings::PrinterSettings>(*this);
    departmentsCredits_ = std::make_unique<pages::settings::DepartmentsCredits>(*this);
    informationPage_ = std::make_unique<pages::information::InformationPage>(*this);
    rawRequests_ = std::make_unique<pages::information::RawRequests>(*this);
    reports_ = std::make_unique<pages::information::Reports>(*this);
    fiscalReceipt_ = std::make_unique<pages::receipts::FiscalReceipt>(*this);
    nonFiscalReceipt_ = std::make_unique<pages::receipts::NonFiscalReceipt>(*this);
    tillOperations_ = std::make_unique<pages::receipts::TillOperations>(*this);
    clerk_ = std::make_unique<pages::receipts::Clerk>(*this);
    barcode_ = std::make_unique<pages::receipts::Barcode>(*this);
    receiptOptions_ = std::make_unique<pages::receipts::ReceiptOptions>(*this);
    fuelTables_ = std::make_unique<pages::fuel::FuelTables>(*this);
    fuelSales_ = std::make_unique<pages::fuel::FuelSales>(*this);
    fuelStock_ = std::make_unique<pages::fuel::FuelStock>(*this);
    serviceOperations_ = std::make_unique<pages::service::ServiceOperations>(*this);
    journal_ = std::make_unique<pages::service::Journal>(*this);
    loadWorkspace_ = std::make_unique<pages::service::LoadWorkspace>(*this);

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

    TabSheet1 = addPage(PageControl1, "TabSheet1", QStringLiteral("Settings"));
    TabSheet2 = addPage(PageControl1, "TabSheet2", QStringLiteral("Information"));
    TabSheet3 = addPage(PageControl1, "TabSheet3", QStringLiteral("Fiscal Receipt"));
    TabSheet4 = addPage(PageControl1, "TabSheet4", QStringLiteral("NonFiscal Receipt"));
    TabSheet5 = addPage(PageControl1, "TabSheet5", QStringLiteral("Other"));
    TabSheet6 = addPage(PageControl1, "TabSheet6", QStringLiteral("Fuel"));
    TabSheet7 = addPage(PageControl1, "TabSheet7", QStringLiteral("Service"));
    TabSheet9 = addPage(PageControl1, "TabSheet9", QStringLiteral("Load"));
    TabSheet15 = addPage(PageControl1, "TabSheet15", QStringLiteral("Journal"));
    TabSheet16 = addPage(PageControl1, "TabSheet16", QStringLiteral("About"));
    TabSheet18 = addPage(PageControl1, "TabSheet18", QStringLiteral("Info"));

    Totals = subPageControl(TabSheet6, "Totals");
    TabSheet8 = addPage(Totals, "TabSheet8", QStringLiteral("Settings"));
    TabSheet12 = addPage(Totals, "TabSheet12", QStringLiteral("Receipt"));
    TabSheet13 = addPage(Totals, "TabSheet13", QStringLiteral("Other"));
    TabSheet17 = addPage(Totals, "TabSheet17", QStringLiteral("Totals"));

    PageControl2 = subPageControl(TabSheet9, "PageControl2");
    TabSheet10 = addPage(PageControl2, "TabSheet10", QStringLiteral("Service"));
    TabSheet11 = addPage(PageControl2, "TabSheet11", QStringLiteral("Report"));
    TabSheet14 = addPage(PageControl2, "TabSheet14", QStringLiteral("Fuel"));
}

template <class T> T* TFormMain::control(const char* name) const {
    return findChild<T*>(QString::fromLatin1(name));
}

void TFormMain::FormCreate() {
    // 1. Version in the caption.
    setWindowTitle(windowTitle() + QStringLiteral(" v" TILLMATE_VERSION_MAJOR_MINOR));

    // 2. Active pages.
    PageControl1->setCurrentWidget(TabSheet1);
    PageControl2->setCurrentWidget(TabSheet10);

    // 3, 4. Pages and controls the user does not reach.
    hideTab(PageControl1, TabSheet18);
    auto hide = [this](const char* name) {
        if (auto* w = control<QWidget>(name))
            w->hide();
    };
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
        hide(qPrintable(QStringLiteral("Credit%1Ext").arg(i)));

    // 6. Header and footer groups shown at their working width.
    for (const char* name : {"GroupBox5", "GroupBox6"}) {
        if (auto* group = control<QWidget>(name)) {
            group->show();
            group->resize(340, group->height());
        }
    }

    // 7. Wider credit names.
    for (int i = 1; i <= 8; ++i)
        if (auto* edit = control<QWidget>(qPrintable(QStringLiteral("Credit%1Name").arg(i))))
            edit->resize(82, edit->height());

    // 8. FR options.
    hide("GroupBox63");

    // 9. Printer settings tall enough for its lower rows.
    if (auto* group = control<QWidget>("GroupBox2"))
        group->resize(group->width(), 170);

    // 10. Clerk password.
    hide("labelClerkPassword");
    hide("ClerkPassword");

    // 11. Credit buttons 30 to the left.
    for (int i = 1; i <= 8; ++i) {
        for (const QString& name :
             {QStringLiteral("ButtonCredit%1Set").arg(i), QStringLiteral("ButtonCredit%1Get").arg(i)})
            if (auto* button = control<QWidget>(qPrintable(name)))
                button->move(button->x() - 30, button->y());
    }

    // 12. Credits group width.
    auto* credits = control<QWidget>("GroupBox12");
    if (credits)
        credits->resize(220, credits->height());

    // 13. The credits' "Print" column and the two column titles.
    for (int i = 1; i <= 8; ++i)
        hide(qPrintable(QStringLiteral("Credit%1Print").arg(i)));
    hide("Label254");
    hide("Label255");

    // 14. Departments and credits moved right; departments narrower.
    if (auto* departments = control<QWidget>("GroupBox40")) {
        departments->move(departments->x() + 70, departments->y());
        departments->resize(205, departments->height());
    }
    if (credits)
        credits->move(credits->x() + 50, credits->y());

    // 15. The receipt type list is not used.
    hide("comboBeginFiscal");

    // 16. Void and surcharge names.
    for (const char* name : {"VoidType", "SurchargeType"})
        if (auto* combo = control<QComboBox>(name))
            combo->setCurrentIndex(0);

    // 17. The currency conversion type: indirect from 1 January 2014 on.
    const QDateTime now = clock_();
    const QDateTime changeover(QDate(2014, 1, 1), QTime(0, 0, 0), now.timeSpec());
    if (changeover > now) {
        if (auto* direct = control<QRadioButton>("cctDirect"))
            direct->setChecked(true);
    } else if (auto* indirect = control<QRadioButton>("cctIndirect")) {
        indirect->setChecked(true);
    }

    // 18. Barcode symbology.
    if (auto* combo = control<QComboBox>("CODE39Type"))
        combo->setCurrentIndex(0);

    // 19. Start-up defaults, all from the one reading of the clock above.
    auto setDate = [this, &now](const char* name) {
        if (auto* picker = control<QDateEdit>(name))
            picker->setDate(now.date());
    };
    auto setTime = [this, &now](const char* name) {
        if (auto* picker = control<QTimeEdit>(name))
            picker->setTime(now.time());
    };
    auto select = [this](const char* name, int index) {
        if (auto* combo = control<QComboBox>(name))
            combo->setCurrentIndex(index);
    };
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

    // 20. The fuel grids.
    fuelTables_->LayOutAllGrids();
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
