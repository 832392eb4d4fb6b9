// Keyboard and screen-reader access: what a screen reader is told about each page, where the keys
// and the mouse wheel can take the user, the order Tab walks a page, captions as they are shown.

#include "FormFixture.h"

#include "framework/Accessibility.h"
#include "framework/MessageBox.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>
#include <stdexcept>

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

const char* const ShownPages[] = {"TabSheet1", "TabSheet2", "TabSheet3",  "TabSheet4",
                                  "TabSheet5", "TabSheet7", "TabSheet15", "TabSheet16"};

bool isControlRole(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Table:
    case QAccessible::Link:
    case QAccessible::ButtonDropDown:
    case QAccessible::ButtonMenu:
    case QAccessible::Slider:
    case QAccessible::ScrollBar:
        return true;
    default:
        return false;
    }
}

// What a screen reader finds on a page: every shown control, by role and name. The inside of a
// grid, a drop-down or a date picker is the control's own business.
struct Spoken {
    QAccessible::Role role;
    QString name;
    QString object;
};

void walk(QAccessibleInterface* node, std::vector<Spoken>& found) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        const QAccessible::Role role = child->role();
        if (isControlRole(role)) {
            // A scroll bar that cannot scroll is not something to reach.
            if (role != QAccessible::ScrollBar || child->state().focusable)
                found.push_back({role, child->text(QAccessible::Name),
                                 child->object() ? child->object()->objectName() : QString()});
            if (role == QAccessible::Table || role == QAccessible::ComboBox || role == QAccessible::SpinBox)
                continue;
        }
        walk(child, found);
    }
}

} // namespace

class Accessibility : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    QTabWidget* pages() const { return form->PageControl1; }
    QString current() const { return pages()->currentWidget()->objectName(); }
    void open(const QString& page) const { pages()->setCurrentWidget(find(page)); }

    // Tab from the tab bar around the page until the tab bar has the focus again.
    QList<QWidget*> tabWalk(Qt::Key key = Qt::Key_Tab) const {
        pages()->tabBar()->setFocus(Qt::TabFocusReason);
        QList<QWidget*> walked;
        for (int step = 0; step < 400; ++step) {
            QTest::keyClick(form->focusWidget(), key);
            QWidget* now = form->focusWidget();
            if (now == pages()->tabBar())
                return walked;
            walked << now;
        }
        ADD_FAILURE() << "Tab never came back to the tab bar";
        return walked;
    }
};

TEST_F(Accessibility, EveryShownControlHasANameOfItsOwnOnItsPage) {
    for (const char* page : ShownPages) {
        SCOPED_TRACE(page);
        open(page);
        std::vector<Spoken> found;
        walk(QAccessible::queryAccessibleInterface(find(page)), found);
        EXPECT_GT(found.size(), 0u);
        std::map<QString, QString> byName;
        for (const Spoken& s : found) {
            EXPECT_FALSE(s.name.trimmed().isEmpty()) << "role " << s.role << " " << s.object.toStdString();
            const auto [at, fresh] = byName.emplace(s.name.toLower(), s.object);
            EXPECT_TRUE(fresh) << "\"" << s.name.toStdString() << "\" names both " << at->second.toStdString()
                               << " and " << s.object.toStdString();
        }
    }
}

TEST_F(Accessibility, NamesComeFromTheCaptionsOnScreen) {
    const std::pair<const char*, const char*> cases[] = {
        {"HeaderLine1", "Header Line 1"},
        {"HeaderAttribute1", "Header 1. Attribute"},
        {"ButtonSetHeader", "Set Header"},
        {"ButtonSetFooter", "Set Footer"},
        {"ButtonSetFooterEnabled", "Set Footer Enabled"},
        {"FooterEnabled", "Footer Enabled"},
        {"Depart3Name", "Departments 3 Name"},
        {"ButtonDepart3Get", "Get Departments 3"},
        {"Credit2Name", "Credits 2 Name"},
        {"JournalText", "Journal text"},
    };
    for (const auto& [object, name] : cases)
        EXPECT_EQ(find(object)->accessibleName().toStdString(), name) << object;
}

TEST_F(Accessibility, RowLabelsAreBuddiesOfTheirBoxes) {
    int buddies = 0;
    for (const QLabel* label : find("GroupBox40")->findChildren<QLabel*>()) {
        if (!label->buddy())
            continue;
        ++buddies;
        EXPECT_EQ(label->buddy()->objectName().toStdString(),
                  ("Depart" + label->text().chopped(1) + "Name").toStdString());
    }
    EXPECT_EQ(buddies, 8) << "the label of each department row";
}

TEST_F(Accessibility, SpinnerArrowsGridsAndDropDownsAreNamed) {
    for (const char* name : {"JournalText", "VoidType", "SurchargeType", "PrinterType"})
        EXPECT_FALSE(find(name)->accessibleName().isEmpty()) << name;
    const auto grids = form->findChildren<QTableWidget*>();
    EXPECT_GT(grids.size(), 0);
    for (const QTableWidget* grid : grids)
        EXPECT_FALSE(grid->accessibleName().isEmpty()) << grid->objectName().toStdString();
    int arrows = 0;
    for (const QToolButton* arrow : form->findChildren<QToolButton*>()) {
        if (arrow->arrowType() != Qt::UpArrow && arrow->arrowType() != Qt::DownArrow)
            continue;
        if (!arrow->isVisibleTo(form.get()))
            continue;
        ++arrows;
        EXPECT_TRUE(arrow->accessibleName().endsWith(arrow->arrowType() == Qt::UpArrow ? " up" : " down"))
            << arrow->accessibleName().toStdString();
    }
    EXPECT_GT(arrows, 0);
}

TEST_F(Accessibility, TheWindowIsAFrameAndTheLogoIsDescribed) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name).toStdString(), "Dravik EngineerinG. Tillmate QuentaE v1.1");
    QAccessibleInterface* logo = QAccessible::queryAccessibleInterface(find("ImageLogo"));
    EXPECT_FALSE(logo->text(QAccessible::Name).isEmpty());
    EXPECT_FALSE(logo->text(QAccessible::Description).isEmpty());
}

TEST_F(Accessibility, TheTabBarsShowAScreenReaderTheirShownTabsOnly) {
    const std::pair<const char*, QStringList> cases[] = {
        {"PageControl1",
         {"Settings", "Information", "Fiscal Receipt", "NonFiscal Receipt", "Other", "Service", "Journal",
          "About"}},
        {"Totals", {"Settings", "Receipt", "Other"}},
        {"PageControl2", {"Service", "Report"}},
    };
    for (const auto& [control, captions] : cases) {
        auto* tabs = find<QTabWidget>(control);
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabs->tabBar());
        QStringList spoken;
        for (int i = 0; i < bar->childCount(); ++i)
            spoken << bar->child(i)->text(QAccessible::Name);
        EXPECT_EQ(spoken.join('|').toStdString(), captions.join('|').toStdString()) << control;
        // Pressing each tab the screen reader offers opens that page and never a hidden one.
        for (int i = bar->childCount() - 1; i >= 0; --i) {
            QAccessibleInterface* tab = bar->child(i);
            tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            EXPECT_EQ(tabs->tabText(tabs->currentIndex()).toStdString(), captions[i].toStdString())
                << control;
            EXPECT_TRUE(tab->state().selected);
        }
    }
}

TEST_F(Accessibility, NoKeyOrWheelOpensAHiddenPage) {
    struct Case {
        const char* from;
        int key; // 0: the mouse wheel over the tab bar, one notch down (+1) or up (-1) as `modifiers`
        Qt::KeyboardModifiers modifiers;
        bool onTabBar;
        const char* to;
    };
    const Case cases[] = {
        {"TabSheet5", Qt::Key_Tab, Qt::ControlModifier, false, "TabSheet7"},
        {"TabSheet7", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, false, "TabSheet5"},
        {"TabSheet7", Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, false, "TabSheet5"},
        {"TabSheet16", Qt::Key_Tab, Qt::ControlModifier, false, "TabSheet1"},
        {"TabSheet1", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, false, "TabSheet16"},
        {"TabSheet5", Qt::Key_PageDown, Qt::ControlModifier, false, "TabSheet7"},
        {"TabSheet7", Qt::Key_PageUp, Qt::ControlModifier, false, "TabSheet5"},
        {"TabSheet5", Qt::Key_Right, Qt::NoModifier, true, "TabSheet7"},
        {"TabSheet5", Qt::Key_Down, Qt::NoModifier, true, "TabSheet7"},
        {"TabSheet7", Qt::Key_Left, Qt::NoModifier, true, "TabSheet5"},
        {"TabSheet7", Qt::Key_Up, Qt::NoModifier, true, "TabSheet5"},
        {"TabSheet16", Qt::Key_Right, Qt::NoModifier, true, "TabSheet16"},
        {"TabSheet16", Qt::Key_Home, Qt::NoModifier, true, "TabSheet1"},
        {"TabSheet1", Qt::Key_End, Qt::NoModifier, true, "TabSheet16"},
        {"TabSheet5", 0, Qt::KeyboardModifiers(+1), true, "TabSheet7"},
        {"TabSheet7", 0, Qt::KeyboardModifiers(-1 & 0xff), true, "TabSheet5"},
    };
    QTabBar* bar = pages()->tabBar();
    auto press = [&](const Case& c) {
        if (c.key == 0) {
            const int notch = c.modifiers == Qt::KeyboardModifiers(+1) ? -120 : 120;
            const QPointF at = bar->tabRect(bar->currentIndex()).center();
            QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, notch), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar, &wheel);
        } else if (c.onTabBar) {
            bar->setFocus();
            QTest::keyClick(bar, Qt::Key(c.key), c.modifiers);
        } else {
            // From inside the page, as the user types it into whatever control has the focus.
            QWidget* inside = framework::access::ReadingOrder(pages()->currentWidget()).value(0);
            inside->setFocus();
            QTest::keyClick(inside, Qt::Key(c.key), c.modifiers);
        }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " key " + std::to_string(c.key));
        open(c.from);
        press(c);
        EXPECT_EQ(current().toStdString(), c.to);
        // Held down for a whole round, it never stops on a hidden page.
        for (int i = 0; i < pages()->count() + 1; ++i) {
            press(c);
            EXPECT_TRUE(pages()->isTabVisible(pages()->currentIndex())) << current().toStdString();
        }
    }
}

TEST_F(Accessibility, AnythingElseThatOpensAHiddenPageIsUndone) {
    open("TabSheet5");
    for (QWidget* hidden : {form->TabSheet6, form->TabSheet9, form->TabSheet18}) {
        pages()->tabBar()->setCurrentIndex(pages()->indexOf(hidden));
        EXPECT_EQ(current().toStdString(), "TabSheet5");
    }
    form->Totals->setCurrentWidget(form->TabSheet17);
    EXPECT_EQ(form->Totals->currentWidget(), form->TabSheet8);
}

TEST_F(Accessibility, TabWalksEachPageGroupByGroupAndEndsOnReset) {
    // The groups (or loose controls) of each page in the order Tab reaches them: the left column top
    // to bottom, then the next column; "Reset" last.
    const std::pair<const char*, QStringList> cases[] = {
        {"TabSheet1",
         {"GroupBox5", "GroupBox6", "GroupBox7", "GroupBox2", "GroupBox40", "GroupBoxVat", "GroupBoxDate",
          "GroupBoxTime", "GroupBoxClerk", "GroupBox12", "GroupBoxCurrency", "GroupBoxCCT",
          "GoodsReturnEnable", "ButtonSetAllowGoodsReturn", "ButtonSettingsResetFiscal"}},
        {"TabSheet2",
         {"GroupBoxInformation", "GroupBoxTables", "GroupBoxReports", "GroupBoxCashInDrawer",
          "GroupBoxInfoDepartments", "GroupBoxHardErrors", "GroupBoxPeriodicReports",
          "ButtonInfoResetFiscal"}},
        {"TabSheet3",
         {"GroupBoxFiscalItems", "GroupBoxFiscalReceiptDiscount", "GroupBoxFiscalComment",
          "GroupBoxCustomerMoney", "ButtonBeginFiscalReceipt", "ButtonFiscalReceiptItemSale",
          "ButtonFiscalReceiptItemDiscount", "ButtonFiscalReceiptItemVoid", "ButtonFiscalReceiptDiscount",
          "ButtonFiscalReceiptComment", "ButtonEndFiscalReceipt", "ButtonFiscalReceiptReturn",
          "ButtonFiscalReceiptCopy", "ButtonFiscalReceiptResetFiscal"}},
        {"TabSheet4",
         {"GroupBoxNonFiscalLine", "GroupBoxNonFiscalReceiptTare", "GroupBoxNonFiscalReceiptDeposit",
          "boxPrintBarCode", "boxTG2480Status", "ButtonBeginNonFiscalReceipt", "ButtonNonFiscalReceiptLine",
          "ButtonNonFiscalReceiptTareSale", "ButtonNonFiscalReceiptTareVoid",
          "ButtonNonFiscalReceiptDepositSale", "ButtonNonFiscalReceiptDepositVoid",
          "ButtonEndNonFiscalReceipt", "ButtonPrintHeader", "ButtonNonFiscalReceiptResetFiscal"}},
        {"TabSheet5",
         {"GroupBoxCustomerDisplay", "GroupBoxCustomerDisplayFuel", "ButtonOpenDrawer",
          "ButtonOtherCustomerDisplay", "Button15", "Button16", "ButtonOtherResetFiscal"}},
        {"TabSheet7",
         {"GroupBoxFiscalization", "GroupBoxNumbers", "GroupBoxBadBlocks", "ButtonServiceGetBadBlocks",
          "GroupBoxVoidName", "GroupBoxPrintCurrency", "GroupBoxSurchargeName", "ButtonServiceResetFiscal"}},
        {"TabSheet15", {"JournalText", "JournalPanel"}},
        {"TabSheet16", {"Label250"}},
    };
    for (const auto& [page, groups] : cases) {
        SCOPED_TRACE(page);
        open(page);
        QStringList reached;
        for (QWidget* w : tabWalk()) {
            QWidget* top = w;
            while (top->parentWidget() != find(page))
                top = top->parentWidget();
            if (reached.isEmpty() || reached.last() != top->objectName())
                reached << top->objectName();
        }
        EXPECT_EQ(reached.join(' ').toStdString(), groups.join(' ').toStdString());
    }
}

TEST_F(Accessibility, GridsAndTheJournalHandTabOnBothWays) {
    const std::pair<const char*, const char*> boxes[] = {{"ServiceBadBlocks", "TabSheet7"},
                                                         {"JournalText", "TabSheet15"}};
    for (const auto& [name, page] : boxes) {
        SCOPED_TRACE(name);
        QWidget* box = find(name);
        open(page);
        const QList<QWidget*> order = framework::access::ReadingOrder(pages()->currentWidget());
        const qsizetype at = order.indexOf(box);
        ASSERT_GE(at, 0);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Tab);
        EXPECT_EQ(form->focusWidget(), order.value(at + 1));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(form->focusWidget(), at > 0 ? order.value(at - 1) : pages()->tabBar());
    }
    EXPECT_TRUE(find<QPlainTextEdit>("JournalText")->toPlainText().isEmpty()) << "Tab typed no character";
}

TEST_F(Accessibility, EnterAndSpacePressTheFocusedButton) {
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Enter"}, {Qt::Key_Space, "Space"}};
    for (const auto& [key, label] : keys) {
        SCOPED_TRACE(label);
        device.clearCalls();
        auto* button = find<QPushButton>("ButtonGetDate");
        button->setFocus();
        QTest::keyClick(button, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 5)));
    }
}

TEST_F(Accessibility, TheWebLinkIsReachedByTabAndOpensOnEnterOrSpace) {
    QList<QUrl> opened;
    form->setUrlOpener([&](const QUrl& url) { opened << url; });
    open("TabSheet16");
    EXPECT_THAT(tabWalk(), ElementsAre(form->Label250));
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        form->Label250->setFocus();
        QTest::keyClick(form->Label250, key);
    }
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(form->Label250);
    EXPECT_EQ(link->role(), QAccessible::Link);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(opened.size(), 3);
    for (const QUrl& url : opened)
        EXPECT_EQ(url.host().toStdString(), TFormMain::WebAddress.toStdString());
    EXPECT_EQ(form->Label250->focusPolicy(), Qt::TabFocus) << "a click does not take the focus";
}

TEST_F(Accessibility, CaptionsAreShownWithNothingAppended) {
    // The platform appends the application display name to every window caption once one is set;
    // the console sets none, so the name shown follows the application name.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName().toStdString(), "probe");
    QCoreApplication::setApplicationName(name);
    EXPECT_EQ(name.toStdString(), framework::ApplicationTitle);
    EXPECT_EQ(form->windowTitle().toStdString(), "Dravik EngineerinG. Tillmate QuentaE v1.1");

    framework::ShowApplicationException(std::runtime_error("out of paper"));
    EXPECT_THAT(boxes(), ElementsAre(ShownBox{"Tillmate", "out of paper", 16}));
}

TEST_F(Accessibility, TheLinkReadsOnALightAndOnADarkPalette) {
    const QPalette light = QApplication::palette();
    form->Label250->ensurePolished();
    EXPECT_EQ(form->Label250->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    QPalette dark = light;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
        dark.setColor(role, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
    QApplication::setPalette(dark);
    form->Label250->ensurePolished();
    const QColor shown = form->Label250->palette().color(QPalette::WindowText);
    QApplication::setPalette(light);
    EXPECT_NE(shown, QColor(0, 0, 255));
    EXPECT_GE(framework::access::ContrastRatio(shown, dark.color(QPalette::Window)), 4.5);
    EXPECT_LT(framework::access::ContrastRatio(QColor(0, 0, 255), dark.color(QPalette::Window)), 4.5)
        << "pure blue would not do";
    form->Label250->ensurePolished();
    EXPECT_EQ(form->Label250->palette().color(QPalette::WindowText), QColor(0, 0, 255)) << "blue again";
}

TEST_F(Accessibility, DatePickersTakeEveryDateFromYear100) {
    struct Case {
        const char* answer;
        QDate shown; // invalid: refused, the picker keeps its date
    };
    const Case cases[] = {
        {"01500615", QDate(150, 6, 15)}, {"01000101", QDate(100, 1, 1)}, {"17520913", QDate(1752, 9, 13)},
        {"00991231", QDate()},           {"00010101", QDate()},
    };
    const QDate before(2020, 6, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        messages.clear();
        device.clearCalls();
        find<QDateEdit>("Date")->setDate(before);
        device.setAnswer(5, QByteArray(c.answer) + "\x1c");
        click("ButtonGetDate");
        if (c.shown.isValid()) {
            EXPECT_THAT(boxes(), IsEmpty());
            EXPECT_EQ(find<QDateEdit>("Date")->date(), c.shown);
            click("ButtonSetDate"); // and back to the module as it came
            EXPECT_THAT(calls(),
                        ElementsAre(Call("GetFiscalInfo", 5), Call("SetDate", std::string(c.answer))));
        } else {
            EXPECT_THAT(boxes(),
                        ElementsAre(ExceptionBox("GetFiscalInfo(date)", "Invalid argument to date encode")));
            EXPECT_EQ(find<QDateEdit>("Date")->date(), before);
        }
    }
}

TEST_F(Accessibility, APrintCurrencyDayBeforeYear100IsRefusedAndThePickerKept) {
    device.setAnswer(303, "1\x1c"
                          "1\x1c"
                          "9.9\x1c"
                          "00500101\x1c"
                          "01501231\x1c");
    click("pvGet1");
    EXPECT_EQ(find<QDateEdit>("pvDateFrom1")->date(), QDate(2013, 8, 15));
    EXPECT_EQ(find<QDateEdit>("pvDateTill1")->date(), QDate(2014, 7, 1));
    EXPECT_THAT(boxes(),
                ElementsAre(ExceptionBox("GetInfoData(infoPrnVal1)", "Invalid argument to date encode")));
}
