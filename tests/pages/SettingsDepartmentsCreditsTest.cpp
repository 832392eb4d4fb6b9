#include "FormFixture.h"

#include "pages/PageLayout.h"
#include "pages/settings/DepartmentsCredits.h"

#include <QPushButton>

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class SettingsDepartmentsCredits : public FormFixture {};

TEST_F(SettingsDepartmentsCredits, SetSendsTheRowIndexAndTheNameAsTyped) {
    type("Depart8Name", "Bread  ");
    click("ButtonDepart8Set");
    click("ButtonDepart1Set");
    type("Credit3Name", QString::fromUtf8("Kortelė "));
    type("Credit3Ext", "99"); // the hidden "Num" column is never sent
    check("Credit3Print", true);
    click("ButtonCredit3Set");
    click("ButtonCredit8Set");
    EXPECT_THAT(calls(), ElementsAre(Call("SetDepartName", 7, std::string("Bread  ")),
                                     Call("SetDepartName", 0, std::string()),
                                     Call("SetCredit", 2, std::string("Kortel\xEB ")),
                                     Call("SetCredit", 7, std::string())));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsDepartmentsCredits, EveryRowSendsItsOwnIndex) {
    for (int n = 1; n <= 8; ++n) {
        type(QStringLiteral("Depart%1Name").arg(n), QStringLiteral("D%1").arg(n));
        type(QStringLiteral("Credit%1Name").arg(n), QStringLiteral("C%1").arg(n));
    }
    for (int n = 1; n <= 8; ++n) {
        device.clearCalls();
        click(QStringLiteral("ButtonDepart%1Set").arg(n));
        click(QStringLiteral("ButtonCredit%1Set").arg(n));
        click(QStringLiteral("ButtonDepart%1Get").arg(n));
        click(QStringLiteral("ButtonCredit%1Get").arg(n));
        EXPECT_THAT(calls(),
                    ElementsAre(Call("SetDepartName", n - 1, QStringLiteral("D%1").arg(n).toStdString()),
                                Call("SetCredit", n - 1, QStringLiteral("C%1").arg(n).toStdString()),
                                Call("GetFiscalInfo", 309 + n), Call("GetFiscalInfo", 59 + n)));
    }
}

TEST_F(SettingsDepartmentsCredits, NamesTheCodePageCannotHoldAreReported) {
    type("Depart2Name", QString::fromUtf8("面包"));
    click("ButtonDepart2Set");
    type("Credit2Name", QString::fromUtf8("卡"));
    click("ButtonCredit2Set");
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(
        boxes(),
        ElementsAre(ExceptionBox("SetDepartName", QString::fromUtf8("'面包' contains a character that "
                                                                    "the device code page cannot represent")),
                    ExceptionBox("SetCredit", QString::fromUtf8("'卡' contains a character that the "
                                                                "device code page cannot represent"))));
}

TEST_F(SettingsDepartmentsCredits, GetDepartmentShowsTheTrimmedName) {
    device.setAnswer(317, "8\x1c"
                          "Bread   \x1c"
                          "125.50\x1c");
    click("ButtonDepart8Get");
    EXPECT_EQ(text("Depart8Name"), "Bread");
    device.setAnswer(310, "1");
    type("Depart1Name", "old");
    click("ButtonDepart1Get");
    EXPECT_EQ(text("Depart1Name"), "") << "a missing name field empties the box";
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsDepartmentsCredits, QueryDepartmentFillsTheTurnoverAsReceivedWhenGivenABox) {
    QLineEdit name, turnover;
    device.setAnswer(312, "3\x1c"
                          "Milk \x1c"
                          " 12.50 ");
    form->departmentsCredits().QueryDepartment(2, &name, &turnover);
    EXPECT_EQ(name.text(), "Milk");
    EXPECT_EQ(turnover.text(), " 12.50 ");
    device.setAnswer(312,
                     "3\x1c"
                     "Milk",
                     4);
    form->departmentsCredits().QueryDepartment(2, &name, &turnover);
    EXPECT_EQ(turnover.text(), " 12.50 ");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(depart): error 4")));
}

TEST_F(SettingsDepartmentsCredits, GetCreditFillsNameNumAndPrint) {
    struct Case {
        QByteArray answer;
        QString name;
        QString ext;
        bool print;
    };
    const Case cases[] = {
        {"1\x1c"
         "Card  \x1c"
         "x\x1c"
         "12  \x1c"
         "1\x1c",
         "Card", "12", true},
        {"1\x1c"
         "Card\x1c"
         "x\x1c"
         "12\x1c"
         "0",
         "Card", "12", false},
        {"1\x1c"
         "Card\x1c"
         "x\x1c"
         "12\x1c",
         "Card", "12", false},
        {"1\x1c"
         "Card\x1c"
         "x\x1c"
         "12\x1c"
         "yes",
         "Card", "12", false},
        {"1\x1c"
         "Card\x1c"
         "x\x1c"
         "12\x1c"
         "2",
         "Card", "12", true},
        {"1\x1c"
         "Voucher\x1c"
         "x",
         "Voucher", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        type("Credit5Ext", "old");
        check("Credit5Print", !c.print);
        device.setAnswer(64, c.answer);
        click("ButtonCredit5Get");
        EXPECT_EQ(text("Credit5Name"), c.name);
        EXPECT_EQ(text("Credit5Ext"), c.ext);
        EXPECT_EQ(find<QCheckBox>("Credit5Print")->isChecked(), c.print);
    }
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsDepartmentsCredits, FailuresAreReportedAndTheBoxesKept) {
    type("Depart4Name", "Fish");
    type("Credit6Name", "Check");
    type("Credit6Ext", "7");
    check("Credit6Print", true);
    device.setAnswer(313,
                     "4\x1c"
                     "Meat\x1c",
                     2);
    device.setAnswer(65,
                     "6\x1c"
                     "Cash\x1c"
                     "x\x1c"
                     "1\x1c"
                     "0\x1c",
                     3);
    device.setResult("SetDepartName", 5);
    device.setResult("SetCredit", -6);
    click("ButtonDepart4Get");
    click("ButtonCredit6Get");
    click("ButtonDepart4Set");
    click("ButtonCredit6Set");
    EXPECT_EQ(text("Depart4Name"), "Fish");
    EXPECT_EQ(text("Credit6Name"), "Check");
    EXPECT_EQ(text("Credit6Ext"), "7");
    EXPECT_TRUE(find<QCheckBox>("Credit6Print")->isChecked());
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(depart): error 2"),
                                     ErrorBox("GetFiscalInfo(credit): error 3"),
                                     ErrorBox("SetDepartName: error 5"), ErrorBox("SetCredit: error -6")));
}

TEST_F(SettingsDepartmentsCredits, GoodsReturnForbiddenSendsAnEmptyTextWithoutReading) {
    EXPECT_FALSE(find<QCheckBox>("GoodsReturnEnable")->isChecked());
    click("ButtonSetAllowGoodsReturn");
    EXPECT_THAT(calls(), ElementsAre(Call("AllowGoodsReturn", std::string())));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsDepartmentsCredits, GoodsReturnAllowedSendsTheUnitNumberUntrimmed) {
    check("GoodsReturnEnable", true);
    device.setAnswer(3, "QN00123456  \x1c"
                        "other");
    click("ButtonSetAllowGoodsReturn");
    EXPECT_THAT(calls(),
                ElementsAre(Call("GetFiscalInfo", 3), Call("AllowGoodsReturn", std::string("QN00123456  "))));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(SettingsDepartmentsCredits, GoodsReturnStopsWhenTheUnitNumberCannotBeRead) {
    struct Case {
        QByteArray answer;
        int result;
        std::vector<ShownBox> boxes;
    };
    const Case cases[] = {
        {"QN001\x1c", 9, {ErrorBox("GetFiscalInfo(3): error 9")}},
        {"\x1c"
         "QN001",
         0,
         {}},
        {"", 0, {}},
    };
    check("GoodsReturnEnable", true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        device.clearCalls();
        messages.clear();
        device.setAnswer(3, c.answer, c.result);
        click("ButtonSetAllowGoodsReturn");
        EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 3)));
        EXPECT_EQ(boxes(), c.boxes);
    }
}

TEST_F(SettingsDepartmentsCredits, GoodsReturnRefusedIsReported) {
    device.setResult("AllowGoodsReturn", 14);
    click("ButtonSetAllowGoodsReturn");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("AllowGoodsReturn: error 14")));
}

TEST_F(SettingsDepartmentsCredits, EveryResetButtonResetsAtOnce) {
    const std::tuple<const char*, QWidget*, QRect> buttons[] = {
        {"ButtonSettingsResetFiscal", form->TabSheet1, pages::ResetButtonRect},
        {"ButtonInfoResetFiscal", form->TabSheet2, pages::ResetButtonRect},
        {"ButtonFiscalReceiptResetFiscal", form->TabSheet3, pages::ResetButtonRect},
        {"ButtonNonFiscalReceiptResetFiscal", form->TabSheet4, pages::ResetButtonRect},
        {"ButtonOtherResetFiscal", form->TabSheet5, pages::ResetButtonRect},
        {"ButtonServiceResetFiscal", form->TabSheet7, pages::ResetButtonRect},
        {"ButtonFuelSale_Reset", form->TabSheet12, pages::SubPageResetButtonRect},
        {"ButtonLoadResetFiscal", form->TabSheet10, pages::SubPageResetButtonRect},
    };
    for (const auto& [name, page, rect] : buttons) {
        SCOPED_TRACE(name);
        device.clearCalls();
        auto* button = find<QPushButton>(name);
        EXPECT_EQ(button->parentWidget(), page);
        EXPECT_EQ(button->text(), "Reset");
        EXPECT_EQ(button->geometry(), rect);
        click(name);
        EXPECT_THAT(calls(), ElementsAre(Call("ResetFiscal")));
    }
    EXPECT_THAT(boxes(), IsEmpty()) << "no question is asked";
    device.setResult("ResetFiscal", 3);
    click("ButtonLoadResetFiscal");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("ResetFiscal: error 3")));
}
