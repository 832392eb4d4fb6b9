#include "FormFixture.h"

#include "framework/Widgets.h"

#include <QGroupBox>

using namespace testing_support;
using framework::StringGrid;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const char FS = '\x1c';

std::string Bytes(std::initializer_list<int> values, int fill = 0, size_t size = 32) {
    std::string bytes;
    for (int v : values)
        bytes.push_back(static_cast<char>(v));
    bytes.resize(size, static_cast<char>(fill));
    return bytes;
}

} // namespace

class FuelStock : public FormFixture {
protected:
    StringGrid* dataGrid() const { return find<StringGrid>("TableFuelData"); }
    StringGrid* totals() const { return find<StringGrid>("TablePumpsTotals"); }
};

TEST_F(FuelStock, ReplenishAndOverfillingSendStrictlyConvertedFields) {
    struct Case {
        const char* button;
        std::vector<std::pair<const char*, QString>> fields;
        std::vector<DeviceCall> calls;
        std::vector<ShownBox> boxes;
    };
    const Case cases[] = {
        {"ButtonFuelReplenish",
         {{"FuelReplenish_Tank", "3"}, {"FuelReplenish_Quantity", "250.5"}},
         {Call("AddFuel", 3, 250.5)},
         {}},
        {"ButtonFuelReplenish",
         {{"FuelReplenish_Tank", "3"}, {"FuelReplenish_Quantity", ""}},
         {},
         {ExceptionBox("SetFuelReplenish", "'' is not a valid floating point value")}},
        {"ButtonFuelReplenish",
         {{"FuelReplenish_Tank", "x"}, {"FuelReplenish_Quantity", "1"}},
         {},
         {ExceptionBox("SetFuelReplenish", "'x' is not a valid integer value")}},
        {"ButtonFuelOverfilling",
         {{"FuelOverfilling_Pump", "15"},
          {"FuelOverfilling_Nozzle", "7"},
          {"FuelOverfilling_Quantity", " 1e1 "}},
         {Call("FuelOverfilling", 15, 7, 10.0)},
         {}},
        {"ButtonFuelOverfilling",
         {{"FuelOverfilling_Pump", "1"}, {"FuelOverfilling_Nozzle", ""}, {"FuelOverfilling_Quantity", "2"}},
         {},
         {ExceptionBox("SetFuelOverfilling", "'' is not a valid integer value")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        device.clearCalls();
        messages.clear();
        for (const auto& [name, value] : c.fields)
            type(name, value);
        click(c.button);
        EXPECT_EQ(calls(), c.calls);
        EXPECT_EQ(boxes(), c.boxes);
    }

    device.setResult("AddFuel", 12);
    type("FuelReplenish_Tank", "0");
    type("FuelReplenish_Quantity", "1");
    click("ButtonFuelReplenish");
    EXPECT_EQ(boxes().back(), ErrorBox("SetFuelReplenish: error 12"));
}

TEST_F(FuelStock, BlockNumbersAreReadAsCodeFrom370AndWrittenAsIndexFrom0) {
    struct Case {
        const char* block;
        int readCode;
        int writeIndex;
    };
    const Case cases[] = {{"1", 370, 0}, {"128", 497, 127}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.block);
        device.clearCalls();
        type("FuelDataBlock_Number", c.block);
        click("ButtonFuelDataBlock_Get");
        click("ButtonFuelDataBlock_Set");
        EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", c.readCode),
                                         Call("WriteData", c.writeIndex, Bytes({}))));
    }

    device.clearCalls();
    type("FuelDataBlock_Number", "");
    click("ButtonFuelDataBlock_Get");
    click("ButtonFuelDataBlock_Set");
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(boxes(),
                ElementsAre(ExceptionBox("GetFiscalInfo(data block)", "'' is not a valid integer value"),
                            ExceptionBox("WriteData", "'' is not a valid integer value")));
}

TEST_F(FuelStock, ABlockIsShownByteByByteAfterTheFirstFieldZerosAndFsIncluded) {
    QByteArray answer("head");
    answer.append(FS);
    for (int b = 0; b < 32; ++b)
        answer.append(static_cast<char>(b));
    device.setAnswer(372, answer);
    type("FuelDataBlock_Number", "3");
    click("ButtonFuelDataBlock_Get");

    EXPECT_THAT(boxes(), IsEmpty());
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(dataGrid()->cell(i % 16 + 1, i / 16 + 1),
                  QStringLiteral("%1").arg(i, 2, 16, QChar('0')).toUpper())
            << i;

    // What was read goes back unchanged.
    device.clearCalls();
    click("ButtonFuelDataBlock_Set");
    EXPECT_THAT(calls(), ElementsAre(Call("WriteData", 2, answer.mid(5).toStdString())));
}

TEST_F(FuelStock, AnAnswerWithoutBlockBytesShowsZerosAndAFailedReadChangesNothing) {
    dataGrid()->setCell(1, 1, "AB");
    device.setAnswer(370, "no separator", 0);
    click("ButtonFuelDataBlock_Get");
    EXPECT_EQ(dataGrid()->cell(1, 1), "00");
    EXPECT_EQ(dataGrid()->cell(16, 2), "00");

    dataGrid()->setCell(1, 1, "AB");
    device.setAnswer(370, QByteArray("x\x1c\x41", 3), 2);
    click("ButtonFuelDataBlock_Get");
    EXPECT_EQ(dataGrid()->cell(1, 1), "AB");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(data block): error 2")));
}

TEST_F(FuelStock, CellsAreWrittenAsTheLowByteOfTheirHexValue) {
    dataGrid()->setCell(1, 1, "1FF");
    dataGrid()->setCell(2, 1, "");
    dataGrid()->setCell(3, 1, "41");
    dataGrid()->setCell(4, 1, "zz");
    dataGrid()->setCell(16, 2, "7");
    device.setResult("WriteData", 5);
    click("ButtonFuelDataBlock_Set");
    std::string expected = Bytes({0xFF, 0x00, 0x41, 0x00});
    expected[31] = 0x07;
    EXPECT_THAT(calls(), ElementsAre(Call("WriteData", 0, expected)));
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("WriteData: error 5")));
}

TEST_F(FuelStock, PumpTotalsWalkNozzleAndTwoTotalsUpToAnEmptyToken) {
    totals()->setCell(9, 5, "old");
    totals()->setCell(9, 6, "old");
    totals()->setCell(3, 5, "kept");
    device.setAnswer(357, QByteArray("first\x1c"
                                     "2\x1c"
                                     "10.5\x1c"
                                     "99.00\x1c"
                                     "9\x1c"
                                     "7"));
    totals()->setCurrentCell(5, 1);
    click("Button7");

    EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo2Ex", 357, 2, 256)));
    EXPECT_EQ(totals()->cell(4, 5), "10.5");
    EXPECT_EQ(totals()->cell(4, 6), "99.00");
    EXPECT_EQ(totals()->cell(9, 5), "");
    EXPECT_EQ(totals()->cell(9, 6), "");
    EXPECT_EQ(totals()->cell(3, 5), "kept");

    // An empty token ends the walk.
    device.setAnswer(357, QByteArray("first\x1c"
                                     "0\x1c"
                                     "1\x1c"
                                     "2\x1c\x1c"
                                     "1\x1c"
                                     "8\x1c"
                                     "9"));
    totals()->setCurrentCell(1, 1);
    click("Button7");
    EXPECT_EQ(totals()->cell(2, 1), "1");
    EXPECT_EQ(totals()->cell(2, 2), "2");
    EXPECT_EQ(totals()->cell(3, 1), "");
}

TEST_F(FuelStock, GetReadsThePumpOfTheSelectedTotalsRow) {
    struct Case {
        int row;
        std::vector<DeviceCall> calls;
    };
    const Case cases[] = {{1, {Call("GetFiscalInfo2Ex", 357, 0, 256)}},
                          {2, {Call("GetFiscalInfo2Ex", 357, 0, 256)}},
                          {5, {Call("GetFiscalInfo2Ex", 357, 2, 256)}},
                          {32, {Call("GetFiscalInfo2Ex", 357, 15, 256)}},
                          {-1, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        device.clearCalls();
        totals()->setCurrentCell(c.row, c.row < 0 ? -1 : 1);
        ASSERT_EQ(totals()->row(), c.row);
        click("Button7");
        EXPECT_EQ(calls(), c.calls);
    }
}

TEST_F(FuelStock, GetAllReadsEveryPumpAndStopsAtTheFirstFailure) {
    click("Button9");
    EXPECT_EQ(calls().size(), 16u);
    EXPECT_EQ(calls().back(), Call("GetFiscalInfo2Ex", 357, 15, 256));

    device.clearCalls();
    device.queueAnswers(357, {{0, "a"}, {0, "a"}, {0, "a"}, {4, ""}});
    click("Button9");
    EXPECT_EQ(calls().size(), 4u);
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo( pump totals ): error 4")));
}

TEST_F(FuelStock, TankReportsSendTheirDatesAndReportNumbers) {
    auto* group = form->TabSheet2->findChild<QGroupBox*>("GroupBox55");
    ASSERT_NE(group, nullptr);
    EXPECT_FALSE(group->isVisibleTo(form->TabSheet2));
    EXPECT_EQ(find<QDateEdit>("TankPeriodDate1")->date(), QDate(2006, 7, 7));
    EXPECT_EQ(find<QDateEdit>("TankPeriodDate2")->date(), QDate(2006, 7, 7));
    EXPECT_EQ(text("TankPeriodNumber1"), "0");

    find<QDateEdit>("TankPeriodDate1")->setDate(QDate(2024, 1, 5));
    find<QDateEdit>("TankPeriodDate2")->setDate(QDate(2024, 2, 10));
    type("TankPeriodNumber1", "12");
    type("TankPeriodNumber2", "20000");
    click("Button2");
    click("Button3");
    click("Button4");
    type("TankPeriodNumber2", "abc");
    click("Button5");
    click("ButtonFuel_PrintTankReport");
    EXPECT_THAT(calls(),
                ElementsAre(Call("PrintTankSumPeriodicReport", Text("20240105"), Text("20240210")),
                            Call("PrintTankPeriodicReport", Text("20240105"), Text("20240210")),
                            Call("PrintTankSumPeriodicReportByNumber", 12, 10000),
                            Call("PrintTankPeriodicReportByNumber", 12, 10000), Call("FuelPrintTankReport")));

    device.setResult("PrintTankPeriodicReportByNumber", 7);
    click("Button5");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("PrintTankPeriodicReportByNumber: error 7")));
}
