#include "FormFixture.h"

#include <QPushButton>

using namespace testing_support;
using ::testing::IsEmpty;

namespace {

// Every edit box and check box of the Load page, by name, with what it shows.
std::map<QString, QString> Snapshot(const QWidget* page) {
    std::map<QString, QString> state;
    for (const QLineEdit* edit : page->findChildren<QLineEdit*>())
        if (!edit->objectName().isEmpty())
            state[edit->objectName()] = edit->text();
    for (const QCheckBox* box : page->findChildren<QCheckBox*>())
        state[box->objectName()] = box->isChecked() ? "checked" : "clear";
    return state;
}

} // namespace

class LoadWorkspace : public FormFixture {
protected:
    bool checked(const char* box) const { return find<QCheckBox>(box)->isChecked(); }
};

TEST_F(LoadWorkspace, StartsWithItsDesignedValues) {
    EXPECT_EQ(form->PageControl2->currentWidget(), form->TabSheet10);
    EXPECT_EQ(find<QDateEdit>("LoadInitializationDate")->date(), now.date());
    EXPECT_EQ(find<QTimeEdit>("LoadTime")->time(), now.time());
    EXPECT_EQ(text("LoadCalibration"), "0");
    EXPECT_EQ(text("LoadSectorNumber"), "0");
    EXPECT_EQ(text("LoadActiveReportNumber"), "1");
    EXPECT_EQ(text("LoadFuelActiveReportNumber"), "1");
    EXPECT_EQ(text("LoadTax5Rate"), "0");
    EXPECT_TRUE(find<QLineEdit>("LoadTax5Rate")->isReadOnly());
    EXPECT_EQ(text("LoadCurrency4Return"), "");
    EXPECT_EQ(text("LoadReturnsCount"), "");
    EXPECT_FALSE(checked("LoadIsZ"));
    EXPECT_FALSE(checked("LoadFuelIsZ"));
}

TEST_F(LoadWorkspace, TheTwoZReportBoxesAlwaysShowTheSameState) {
    struct Step {
        const char* box;
        bool state;
    };
    const Step steps[] = {
        {"LoadIsZ", true}, {"LoadFuelIsZ", false}, {"LoadFuelIsZ", true}, {"LoadIsZ", false}};
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.box) + (step.state ? " checked" : " cleared"));
        check(step.box, step.state);
        EXPECT_EQ(checked("LoadIsZ"), step.state);
        EXPECT_EQ(checked("LoadFuelIsZ"), step.state);
    }
}

TEST_F(LoadWorkspace, ReadAndWriteXClearBothBoxesAndChangeNothingElse) {
    type("LoadReceiptNumber", "17");
    type("LoadCurrency2Rate", "1.5");
    for (const char* button :
         {"ButtonLoadReadX", "ButtonLoadWriteX", "ButtonLoadFuelReadX", "ButtonLoadFuelWriteX"}) {
        SCOPED_TRACE(button);
        check("LoadIsZ", true);
        ASSERT_TRUE(checked("LoadFuelIsZ"));
        auto before = Snapshot(form->TabSheet9);
        click(button);
        EXPECT_FALSE(checked("LoadIsZ"));
        EXPECT_FALSE(checked("LoadFuelIsZ"));
        auto after = Snapshot(form->TabSheet9);
        before["LoadIsZ"] = before["LoadFuelIsZ"] = "clear";
        EXPECT_EQ(after, before);
    }
    EXPECT_EQ(text("LoadReceiptNumber"), "17");
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(LoadWorkspace, EveryOtherButtonIsInert) {
    const char* inert[] = {"ButtonLoadInitialization",
                           "ButtonLoadSetDate",
                           "ButtonLoadGetDate",
                           "ButtonLoadClearAll",
                           "ButtonLoadClearSector",
                           "ButtonLoadSetJournalParameters",
                           "ButtonLoadGetJournalParameters",
                           "ButtonLoadCurrentJournalCalculateCrc",
                           "ButtonLoadCountersSet",
                           "ButtonLoadCountersGet",
                           "ButtonLoadCreditSet",
                           "ButtonLoadCreditGet",
                           "ButtonLoadTurnover1Set",
                           "ButtonLoadTurnover1Get",
                           "ButtonLoadTurnover2Set",
                           "ButtonLoadTurnover2Get",
                           "ButtonLoadCurrency1Set",
                           "ButtonLoadCurrency4Set",
                           "ButtonLoadCurrency1Get",
                           "ButtonLoadCurrency4Get",
                           "ButtonLoadDepartSet",
                           "ButtonLoadDepartGet",
                           "ButtonLoadReadReport",
                           "ButtonLoadWriteReport",
                           "ButtonLoadFuelReadReport",
                           "ButtonLoadFuelWriteReport",
                           "ButtonFuelLoad_FuelGet",
                           "ButtonFuelLoad_FuelSet",
                           "ButtonFuelLoad_FuelGetAll",
                           "ButtonFuelLoad_FuelSetAll",
                           "ButtonFuelLoad_PumpGet",
                           "ButtonFuelLoad_PumpSet",
                           "ButtonFuelLoad_PumpGetAll",
                           "ButtonFuelLoad_PumpSetAll",
                           "ButtonFuelLoad_TankGet",
                           "ButtonFuelLoad_TankGetAll"};
    type("LoadInitializationNumber", "A1");
    type("LoadCurrentJournalCrc", "BEEF");
    check("LoadCurrency3Active", true);
    check("LoadIsZ", true);
    const auto before = Snapshot(form->TabSheet9);
    for (const char* button : inert)
        click(button);
    // The rest of the page's buttons: none does anything but the X buttons and "Reset".
    for (QPushButton* button : form->TabSheet9->findChildren<QPushButton*>()) {
        const QString name = button->objectName();
        if (!name.contains("ReadX") && !name.contains("WriteX") && name != "ButtonLoadResetFiscal")
            button->click();
    }
    EXPECT_EQ(Snapshot(form->TabSheet9), before);
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(boxes(), IsEmpty());
}
