#include "FormFixture.h"

#include "framework/Widgets.h"
#include "pages/fuel/FuelTables.h"

#include <QStringList>

using namespace testing_support;
using framework::StringGrid;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// An answer of FS-separated fields.
QByteArray Answer(const QStringList& fields) {
    return fields.join(QChar(0x1c)).toLatin1();
}

std::vector<QString> RowCells(const StringGrid* grid, int row, int firstCol, int lastCol) {
    std::vector<QString> cells;
    for (int c = firstCol; c <= lastCol; ++c)
        cells.push_back(grid->cell(c, row));
    return cells;
}

} // namespace

class FuelTables : public FormFixture {
protected:
    StringGrid* grid(const char* name) const { return find<StringGrid>(QString::fromLatin1(name)); }
    void fillRow(const char* name, int row, const QStringList& cells) const {
        for (int c = 0; c < cells.size(); ++c)
            grid(name)->setCell(c + 1, row, cells[c]);
    }
    std::vector<int> readCodes() const {
        std::vector<int> codes;
        for (const DeviceCall& call : calls())
            if (call.name == "GetFiscalInfo")
                codes.push_back(std::get<int>(call.args[0]));
        return codes;
    }
};

TEST_F(FuelTables, LayOutGridSharesTheClientWidthAndGivesTheRestToTheRemainderColumn) {
    QWidget parent;
    StringGrid table(&parent);
    table.resize(331 + 2 * table.frameWidth(), 300);
    ASSERT_EQ(table.clientWidth(), 331);
    table.setRowCount(3);
    table.setColCount(6);
    table.setCell(2, 2, QStringLiteral("kept"));

    pages::fuel::FuelTables::LayOutGrid(&table, pages::fuel::FuelColumns(), 10, 1);

    std::vector<int> widths;
    for (int c = 0; c < table.colCount(); ++c)
        widths.push_back(table.colWidth(c));
    EXPECT_THAT(widths, ElementsAre(21, 111, 65, 43, 43, 43));
    EXPECT_EQ(table.rowCount(), 11);
    EXPECT_THAT(RowCells(&table, 0, 0, 5), ElementsAre("Nr.", "Name", "Price", "Tax", "Unit", "Decimal"));
    EXPECT_EQ(table.cell(0, 1), "0");
    EXPECT_EQ(table.cell(0, 10), "9");
    EXPECT_EQ(table.cell(2, 2), "kept");
}

TEST_F(FuelTables, StartUpLaysOutEveryFuelGridWithItsTitles) {
    struct Case {
        const char* grid;
        int rows;
        int cols;
        std::vector<QString> header;
        std::vector<QString> firstRowTitles;
    };
    const Case cases[] = {
        {"TableFuels", 11, 6, {"Nr.", "Name", "Price"}, {"0", "1", "2"}},
        {"TableTanks", 11, 5, {"Nr.", "Name", "Fuel"}, {"0", "1", "2"}},
        {"TablePumps", 17, 10, {"Nr.", "Dec", "0"}, {"0", "1", "2"}},
        {"TablePumpsTotals", 33, 10, {"Nr.", "Dec", "Totals0"}, {"0", "", "1"}},
        {"TableFuelData", 3, 17, {"", "1", "2"}, {"0", "1"}},
        {"TableTankInfo", 27, 11, {"", "0", "1"}, {"Name", "Fuel", "Min"}},
        {"TableFuelLoadFuels", 11, 6, {"Nr.", "Name", "Price"}, {"0", "1", "2"}},
        {"TableFuelLoadPumps", 17, 10, {"Nr.", "Dec", "0"}, {"0", "1", "2"}},
        {"TableFuelLoadTanks", 27, 11, {"", "0", "1"}, {"Name", "Fuel", "Min"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grid);
        StringGrid* g = grid(c.grid);
        EXPECT_EQ(g->rowCount(), c.rows);
        EXPECT_EQ(g->colCount(), c.cols);
        EXPECT_EQ(RowCells(g, 0, 0, 2), c.header);
        std::vector<QString> titles;
        for (int r = 1; r <= static_cast<int>(c.firstRowTitles.size()); ++r)
            titles.push_back(g->cell(0, r));
        EXPECT_EQ(titles, c.firstRowTitles);
        // The columns fill the grid's width up to the lines between them.
        int sum = 0;
        for (int col = 0; col < g->colCount(); ++col)
            sum += g->colWidth(col);
        EXPECT_LE(sum + g->colCount() - 1, g->clientWidth());
        EXPECT_GT(sum + g->colCount() - 1, g->clientWidth() - 20);
    }
    EXPECT_EQ(grid("TableTankInfo")->cell(0, 26), "Summ 8");
    EXPECT_EQ(grid("TablePumpsTotals")->cell(9, 0), "Totals7");
    EXPECT_EQ(grid("TablePumpsTotals")->cell(0, 31), "15");
}

TEST_F(FuelTables, GetAllPassesOverAnAbsentFuelButStopsAtAnyOtherFailure) {
    struct Case {
        int fuel3Result;
        std::vector<int> codesRead;
        std::vector<ShownBox> boxes;
    };
    const Case cases[] = {
        {87, {320, 321, 322, 323, 324, 325, 326, 327, 328, 329}, {}},
        {5, {320, 321, 322, 323}, {ErrorBox("GetFiscalInfo(fuel fuel): error 5")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fuel3Result);
        createForm();
        device.clearCalls();
        messages.clear();
        for (int n = 0; n < 10; ++n)
            device.setAnswer(320 + n, Answer({"x", QStringLiteral("Fuel%1").arg(n), "1", "2", "l", "1.50"}));
        device.setAnswer(323, Answer({"x", "Wrong", "9", "9", "kg", "9.99"}), c.fuel3Result);
        fillRow("TableFuels", 4, {"old", "", "", "", ""});

        click("ButtonFuel_FuelsGetAll");

        EXPECT_EQ(readCodes(), c.codesRead);
        EXPECT_EQ(boxes(), c.boxes);
        EXPECT_EQ(grid("TableFuels")->cell(1, 3), "Fuel2");
        EXPECT_EQ(grid("TableFuels")->cell(1, 4), "old");
        EXPECT_EQ(grid("TableFuels")->cell(1, 5), c.fuel3Result == 87 ? "Fuel4" : "");
    }
}

TEST_F(FuelTables, GetOfTheSelectedFuelShowsEachFieldInItsColumn) {
    device.setAnswer(322, Answer({"first", "Diesel ", "3", "2", "l", "1.459"}));
    grid("TableFuels")->setCurrentCell(3, 2);
    click("ButtonFuel_FuelsGet");
    EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 322)));
    // Name, price, tax, unit, decimal: as received, nothing trimmed.
    EXPECT_THAT(RowCells(grid("TableFuels"), 3, 1, 5), ElementsAre("Diesel ", "1.459", "3", "l", "2"));

    // A single Get does not pass over an absent fuel.
    device.setAnswer(322, Answer({"x"}), 87);
    click("ButtonFuel_FuelsGet");
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("GetFiscalInfo(fuel fuel): error 87")));
}

TEST_F(FuelTables, GetAndSetDoNothingWithoutADataRowSelected) {
    const char* buttons[] = {"ButtonFuel_FuelsGet", "ButtonFuel_FuelsSet", "ButtonFuel_TanksGet",
                             "ButtonFuel_TanksSet", "ButtonFuel_PumpsGet", "ButtonFuel_PumpsSet"};
    for (const char* table : {"TableFuels", "TableTanks", "TablePumps"}) {
        grid(table)->setCurrentCell(-1, -1);
        ASSERT_EQ(grid(table)->row(), -1);
    }
    grid("TableTankInfo")->setCurrentCell(-1, -1);
    for (const char* button : buttons)
        click(button);
    click("ButtonTankInfo_Get");
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(FuelTables, SetAllWritesNameThenPriceAndSkipsThePriceOfAnUnnamedFuel) {
    fillRow("TableFuels", 1, {"Diesel", "1.25", "2", "l", "3"});
    fillRow("TableFuels", 2, {"", "7", "x", "m", "y"});
    fillRow("TableFuels", 3, {"A95", "abc", "1", "l", "2"});

    click("ButtonFuel_FuelsSetAll");

    EXPECT_THAT(calls(),
                ElementsAre(Call("SetFuel", 0, Text("Diesel"), 3, 2, Text("l")),
                            Call("SetFuelPrice", 0, 1.25), Call("SetFuel", 1, Text(""), 0, 0, Text("m")),
                            Call("SetFuel", 2, Text("A95"), 2, 1, Text("l"))));
    // A price that is no number ends the loop, reported under the price's name.
    EXPECT_THAT(boxes(),
                ElementsAre(ExceptionBox("SetFuelPrice", "'abc' is not a valid floating point value")));
}

TEST_F(FuelTables, AFailingSetFuelStillWritesThePriceAndOnlyThePriceDecidesSetAll) {
    for (int row = 1; row <= 10; ++row)
        fillRow("TableFuels", row, {QStringLiteral("F%1").arg(row), "1", "1", "l", "2"});
    device.setResult("SetFuel", 4);
    device.queueResults("SetFuelPrice", {0, 9});

    click("ButtonFuel_FuelsSetAll");

    EXPECT_EQ(device.callNames(),
              (std::vector<std::string>{"SetFuel", "SetFuelPrice", "SetFuel", "SetFuelPrice"}));
    EXPECT_THAT(boxes(), ElementsAre(ErrorBox("SetFuel: error 4"), ErrorBox("SetFuel: error 4"),
                                     ErrorBox("SetFuelPrice: error 9")));
}

TEST_F(FuelTables, AFuelNameTheDeviceCodePageCannotHoldIsReportedAndNothingIsSent) {
    fillRow("TableFuels", 1, {QString::fromUtf8("Dīzelis ☃"), "1", "1", "l", "2"});
    grid("TableFuels")->setCurrentCell(1, 1);
    click("ButtonFuel_FuelsSet");
    EXPECT_THAT(calls(), IsEmpty());
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxes()[0].text.startsWith("SetFuel: raised Exception.")) << boxes()[0].text.toStdString();
}

TEST_F(FuelTables, TanksAreReadIntoTheirColumnsAndWrittenWithDefaults) {
    device.setAnswer(331, Answer({"x", "North", "2", "100.0", "9000.5"}));
    grid("TableTanks")->setCurrentCell(2, 1);
    click("ButtonFuel_TanksGet");
    EXPECT_THAT(RowCells(grid("TableTanks"), 2, 1, 4), ElementsAre("North", "2", "100.0", "9000.5"));

    device.clearCalls();
    fillRow("TableTanks", 2, {"North", "two", "", "9000.5"});
    click("ButtonFuel_TanksSet");
    EXPECT_THAT(calls(), ElementsAre(Call("SetFuelTank", 1, Text("North"), 0, 0.0, 9000.5)));

    device.clearCalls();
    fillRow("TableTanks", 2, {"North", "1", "1,5", "9000.5"});
    click("ButtonFuel_TanksSet");
    EXPECT_THAT(calls(), IsEmpty());
    EXPECT_EQ(boxes().back(), ExceptionBox("SetFuelTank", "'1,5' is not a valid floating point value"));
}

TEST_F(FuelTables, AllLoopsOfTanksPumpsAndTankInfoStopAtTheFirstFailure) {
    struct Case {
        const char* button;
        std::string function;
        int failingCode; // the read that fails, or 0 for a write
        size_t callsMade;
        ShownBox box;
    };
    const Case cases[] = {
        {"ButtonFuel_TanksGetAll", "GetFiscalInfo", 332, 3, ErrorBox("GetFiscalInfo(fuel tank): error 6")},
        {"ButtonFuel_PumpsGetAll", "GetFiscalInfo", 342, 3, ErrorBox("GetFiscalInfo(fuel pump): error 6")},
        {"ButtonTankInfo_GetAll", "GetFiscalInfo", 332, 3, ErrorBox("GetFiscalInfo(fuel tank): error 6")},
        {"ButtonFuel_TanksSetAll", "SetFuelTank", 0, 3, ErrorBox("SetFuelTank: error 6")},
        {"ButtonFuel_PumpsSetAll", "SetFuelPump", 0, 3, ErrorBox("SetFuelPump: error 6")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        createForm();
        device.clearCalls();
        messages.clear();
        if (c.failingCode)
            device.setAnswer(c.failingCode, "x", 6);
        else
            device.queueResults(c.function, {0, 0, 6});
        click(c.button);
        EXPECT_EQ(calls().size(), c.callsMade);
        EXPECT_THAT(boxes(), ElementsAre(c.box));
        device.setAnswer(c.failingCode, "x", 0);
    }
}

TEST_F(FuelTables, AnEmptyPumpRowSendsDecTwoAndMinusOneForEveryNozzle) {
    grid("TablePumps")->setCurrentCell(16, 3);
    click("ButtonFuel_PumpsSet");
    fillRow("TablePumps", 16, {"3", "0", "1", "", "x", "7", "", "", "12"});
    click("ButtonFuel_PumpsSet");
    EXPECT_THAT(calls(), ElementsAre(Call("SetFuelPump", 15, 2, -1, -1, -1, -1, -1, -1, -1, -1),
                                     Call("SetFuelPump", 15, 3, 0, 1, -1, -1, 7, -1, -1, 12)));
}

TEST_F(FuelTables, APumpReadFillsDecAndTheEightNozzles) {
    device.setAnswer(340, Answer({"x", "3", "10", "11", "12", "13", "14", "15", "16", "17"}));
    grid("TablePumps")->setCurrentCell(1, 1);
    click("ButtonFuel_PumpsGet");
    EXPECT_THAT(RowCells(grid("TablePumps"), 1, 1, 9),
                ElementsAre("3", "10", "11", "12", "13", "14", "15", "16", "17"));
}

TEST_F(FuelTables, TankInfoOfTheSelectedColumnFillsItsTwentySixRows) {
    QStringList fields{"x"};
    for (int i = 2; i <= 27; ++i)
        fields << QStringLiteral("f%1").arg(i);
    device.setAnswer(333, Answer(fields));
    grid("TableTankInfo")->setCurrentCell(5, 4);
    click("ButtonTankInfo_Get");
    EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 333)));
    EXPECT_EQ(grid("TableTankInfo")->cell(4, 1), "f2");
    EXPECT_EQ(grid("TableTankInfo")->cell(4, 26), "f27");
    EXPECT_EQ(grid("TableTankInfo")->cell(3, 1), "");
    EXPECT_EQ(grid("TableTankInfo")->editTriggers(), QAbstractItemView::NoEditTriggers);
}
