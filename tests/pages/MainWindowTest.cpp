#include "FormFixture.h"

#include "framework/Cursor.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>

using namespace testing_support;

namespace {

QStringList visibleTabs(const QTabWidget* control) {
    QStringList captions;
    for (int i = 0; i < control->count(); ++i)
        if (control->isTabVisible(i))
            captions << control->tabText(i);
    return captions;
}

} // namespace

class MainWindow : public FormFixture {};

TEST_F(MainWindow, StartsWithItsCaptionSizeAndPages) {
    EXPECT_EQ(form->objectName(), "FormMain");
    EXPECT_EQ(form->windowTitle(), "Dravik EngineerinG. Tillmate QuentaE v1.1");
    EXPECT_EQ(form->size(), QSize(792, 602));
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the window is not resizable";

    auto* pages = find<QTabWidget>("PageControl1");
    EXPECT_EQ(visibleTabs(pages), QStringList({"Settings", "Information", "Fiscal Receipt",
                                               "NonFiscal Receipt", "Other", "Service", "Journal", "About"}));
    EXPECT_EQ(pages->currentWidget()->objectName(), "TabSheet1");
    EXPECT_EQ(pages->count(), 11) << "Fuel, Load and Info exist with their tabs hidden";

    auto* fuel = find<QTabWidget>("Totals");
    EXPECT_EQ(visibleTabs(fuel), QStringList({"Settings", "Receipt", "Other"}));
    EXPECT_EQ(fuel->currentWidget()->objectName(), "TabSheet8");
    auto* load = find<QTabWidget>("PageControl2");
    EXPECT_EQ(visibleTabs(load), QStringList({"Service", "Report"}));
    EXPECT_EQ(load->currentWidget()->objectName(), "TabSheet10");
}

TEST_F(MainWindow, ChoosesTheConversionTypeByTheStartDate) {
    const std::pair<QDateTime, const char*> cases[] = {
        {QDateTime(QDate(2013, 12, 31), QTime(23, 59, 59)), "cctDirect"},
        {QDateTime(QDate(2014, 1, 1), QTime(0, 0, 0)), "cctIndirect"},
        {QDateTime(QDate(2026, 12, 11), QTime(9, 0, 0)), "cctIndirect"},
    };
    for (const auto& [start, checked] : cases) {
        now = start;
        createForm();
        EXPECT_TRUE(find<QRadioButton>(checked)->isChecked()) << start.toString().toStdString();
    }
}

TEST_F(MainWindow, SetsTheStartUpDefaultsFromOneReadingOfTheClock) {
    for (const char* name : {"Date", "PeriodDate1", "PeriodDate2", "FiscalizationDate",
                             "LoadInitializationDate", "FRDateTimePicker1", "LoadDate"})
        EXPECT_EQ(find<QDateEdit>(name)->date(), now.date()) << name;
    for (const char* name : {"Time", "LoadInitializationTime", "FRDateTimePicker2", "LoadTime"})
        EXPECT_EQ(find<QTimeEdit>(name)->time(), now.time()) << name;
    const std::pair<const char*, QString> selections[] = {
        {"PrinterType", "Epson 210"},
        {"PrinterCodePage", "DOS"},
        {"FiscalReceiptItemDiscountType", "Percent"},
        {"FiscalReceiptDiscountType", "Percent"},
        {"FuelSale_DiscountType", "Percent"},
        {"comboBeginFiscal", "Sale"},
        {"OtherCustomerDiplayType", "Alphanumreic (fixed)"},
        {"DispCodeType", "Dos"},
        {"DispTypeType", "Dec"},
        {"VoidType", "Void"},
        {"SurchargeType", "Surcharge"},
        {"CODE39Type", "UPC-A"},
    };
    for (const auto& [name, item] : selections)
        EXPECT_EQ(find<QComboBox>(name)->currentText(), item) << name;
}

TEST_F(MainWindow, HidesWhatTheUserDoesNotReach) {
    QStringList hidden = {"textSaleCycle",    "Button10",           "GroupBox55",
                          "GroupBox63",       "labelClerkPassword", "ClerkPassword",
                          "comboBeginFiscal", "Label254",           "Label255"};
    for (int i = 1; i <= 8; ++i)
        hidden << QStringLiteral("Credit%1Ext").arg(i) << QStringLiteral("Credit%1Print").arg(i);
    for (const QString& name : hidden)
        EXPECT_TRUE(find(name)->isHidden()) << name.toStdString();
    for (const char* name : {"GroupBox5", "GroupBox6"}) {
        EXPECT_FALSE(find(name)->isHidden()) << name;
        EXPECT_EQ(find(name)->width(), 340) << name;
    }
}

TEST_F(MainWindow, AboutPageShowsTheProductAndOpensTheWebLink) {
    auto* link = find<QLabel>("Label250");
    EXPECT_EQ(link->text(), "WWW: " + TFormMain::WebAddress);
    EXPECT_TRUE(link->font().underline());
    link->ensurePolished();
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
    bool found = false;
    for (auto* label : find("TabSheet16")->findChildren<QLabel*>())
        found = found || label->text() == "Product version 1.1.0.1";
    EXPECT_TRUE(found);

    QList<QUrl> opened;
    form->setUrlOpener([&](const QUrl& url) { opened << url; });
    form->Label250Click();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].host(), TFormMain::WebAddress);
    EXPECT_TRUE(calls().empty());
}

TEST_F(MainWindow, TheMouseOverTheLinkAndThePageDrivesTheirHandlers) {
    int opened = 0;
    form->setUrlOpener([&](const QUrl&) { ++opened; });
    auto send = [](QWidget* target, QEvent::Type type, Qt::MouseButton button) {
        const QPointF at(3, 3);
        QMouseEvent event(type, at, target->mapToGlobal(at), button,
                          type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    send(form->Label250, QEvent::MouseMove, Qt::NoButton);
    EXPECT_EQ(framework::AppCursor(), framework::crHandPoint) << "the move stays with the link";
    send(form->TabSheet16, QEvent::MouseMove, Qt::NoButton);
    EXPECT_EQ(framework::AppCursor(), framework::crArrow);
    send(form->Label250, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(opened, 0);
    send(form->Label250, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(opened, 1);
}

TEST_F(MainWindow, LinkCursorStaysUntilTheBareAboutAreaOrTheNextOperation) {
    form->Label250MouseMove();
    EXPECT_EQ(framework::AppCursor(), framework::crHandPoint);
    form->TabSheet16MouseMove();
    EXPECT_EQ(framework::AppCursor(), framework::crArrow);
    form->Label250MouseMove();
    framework::RunOperation(*form, "PrintXReport", [] { return device::PrintXReport(); });
    EXPECT_EQ(framework::AppCursor(), framework::crDefault) << "EndBusy restores the cursor saved at start";
}

TEST_F(MainWindow, EveryControlNameIsUnique) {
    std::map<QString, int> seen;
    for (const QWidget* widget : form->findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_") &&
            !qobject_cast<const QTabBar*>(widget->parentWidget())) // the tab bars' own scroll buttons
            ++seen[widget->objectName()];
    for (const auto& [name, count] : seen)
        EXPECT_EQ(count, 1) << name.toStdString();
}
