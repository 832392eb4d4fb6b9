#include "FuelTables.h"

#include "FuelGrids.h"

#include "device/AnswerFields.h"
#include "device/DeviceLibrary.h"
#include "framework/Operations.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"
#include "pages/InfoQueries.h"

#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <cmath>

using namespace framework;

namespace pages::fuel {

namespace {

constexpr int FuelCount = TILLCORE_FUELS;
constexpr int TankCount = TILLCORE_TANKS;
constexpr int PumpCount = TILLCORE_PUMPS;

const QString FuelReadName = QStringLiteral("GetFiscalInfo(fuel fuel)");
const QString TankReadName = QStringLiteral("GetFiscalInfo(fuel tank)");
const QString PumpReadName = QStringLiteral("GetFiscalInfo(fuel pump)");

// Columns of TableFuels; of TableTanks; of TablePumps.
enum FuelColumn { FuelName = 1, FuelPrice, FuelTax, FuelUnit, FuelDecimal };
enum TankColumn { TankName = 1, TankFuel, TankMin, TankMax };
constexpr int PumpDec = 1;
constexpr int PumpFirstNozzle = 2;

// Runs `step` for 0 .. count-1 and stops after the first that fails.
template <class Step> void ForEachUntilFailure(int count, Step step) {
    for (int n = 0; n < count; ++n)
        if (!step(n))
            return;
}

// The data row selected in `grid` as a table index from 0, or -1 when the selection is not one of
// the `count` data rows.
int SelectedRow(const StringGrid* grid, int count) {
    const int row = grid->row();
    return row >= 1 && row <= count ? row - 1 : -1;
}

} // namespace

const std::vector<GridColumn>& FuelColumns() {
    static const std::vector<GridColumn> columns{
        {QStringLiteral("Nr."), 1}, {QStringLiteral("Name"), 5}, {QStringLiteral("Price"), 3},
        {QStringLiteral("Tax"), 2}, {QStringLiteral("Unit"), 2}, {QStringLiteral("Decimal"), 2}};
    return columns;
}

const std::vector<GridColumn>& PumpColumns() {
    static const std::vector<GridColumn> columns = [] {
        std::vector<GridColumn> list{{QStringLiteral("Nr."), 1}, {QStringLiteral("Dec"), 1}};
        for (int nozzle = 0; nozzle < TILLCORE_NOZZLES; ++nozzle)
            list.push_back({QString::number(nozzle), 1});
        return list;
    }();
    return columns;
}

const std::vector<GridColumn>& TankInfoColumns() {
    static const std::vector<GridColumn> columns = [] {
        std::vector<GridColumn> list{{QString(), 2}};
        for (int tank = 0; tank < TankCount; ++tank)
            list.push_back({QString::number(tank), 1});
        return list;
    }();
    return columns;
}

const QStringList& TankInfoRowTitles() {
    static const QStringList titles = [] {
        QStringList list{QStringLiteral("Name"),       QStringLiteral("Fuel"),
                         QStringLiteral("Min"),        QStringLiteral("Max"),
                         QStringLiteral("Start"),      QStringLiteral("Replanish"),
                         QStringLiteral("Underflow"),  QStringLiteral("Overflow"),
                         QStringLiteral("Saled cash"), QStringLiteral("Summ cash")};
        for (int i = 1; i <= 8; ++i)
            list << QStringLiteral("Saled %1").arg(i) << QStringLiteral("Summ %1").arg(i);
        return list;
    }();
    return titles;
}

FuelTables::FuelTables(PageHost& host) : host_(host), form_(host.form()) {
    BuildSettingsPage();
    BuildTanksInfo();
}

void FuelTables::BuildSettingsPage() {
    QWidget* page = host_.page(Page::FuelSettings);

    TableFuels =
        GridGroup(page, QStringLiteral("Fuel"), QRect(4, 4, 464, 226), QStringLiteral("TableFuels"), 11,
                  {{QStringLiteral("ButtonFuel_FuelsGet"), QStringLiteral("Get"),
                    [this] { ButtonFuel_FuelsGetClick(); }},
                   {QStringLiteral("ButtonFuel_FuelsSet"), QStringLiteral("Set"),
                    [this] { ButtonFuel_FuelsSetClick(); }},
                   {QStringLiteral("ButtonFuel_FuelsGetAll"), QStringLiteral("Get All"),
                    [this] { ButtonFuel_FuelsGetAllClick(); }},
                   {QStringLiteral("ButtonFuel_FuelsSetAll"), QStringLiteral("Set All"),
                    [this] { ButtonFuel_FuelsSetAllClick(); }}});
    TableTanks =
        GridGroup(page, QStringLiteral("Tanks"), QRect(4, 236, 464, 226), QStringLiteral("TableTanks"), 11,
                  {{QStringLiteral("ButtonFuel_TanksGet"), QStringLiteral("Get"),
                    [this] { ButtonFuel_TanksGetClick(); }},
                   {QStringLiteral("ButtonFuel_TanksSet"), QStringLiteral("Set"),
                    [this] { ButtonFuel_TanksSetClick(); }},
                   {QStringLiteral("ButtonFuel_TanksGetAll"), QStringLiteral("Get All"),
                    [this] { ButtonFuel_TanksGetAllClick(); }},
                   {QStringLiteral("ButtonFuel_TanksSetAll"), QStringLiteral("Set All"),
                    [this] { ButtonFuel_TanksSetAllClick(); }}});
    TablePumps =
        GridGroup(page, QStringLiteral("Pumps"), QRect(472, 4, 308, 366), QStringLiteral("TablePumps"), 17,
                  {{QStringLiteral("ButtonFuel_PumpsGet"), QStringLiteral("Get"),
                    [this] { ButtonFuel_PumpsGetClick(); }},
                   {QStringLiteral("ButtonFuel_PumpsSet"), QStringLiteral("Set"),
                    [this] { ButtonFuel_PumpsSetClick(); }},
                   {QStringLiteral("ButtonFuel_PumpsGetAll"), QStringLiteral("Get All"),
                    [this] { ButtonFuel_PumpsGetAllClick(); }},
                   {QStringLiteral("ButtonFuel_PumpsSetAll"), QStringLiteral("Set All"),
                    [this] { ButtonFuel_PumpsSetAllClick(); }}},
                  ButtonsAt::Below);

    // The panel naming the module family these tables are for.
    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(472, 376, 308, 56);
    QFont bold = panel->font();
    bold.setBold(true);
    for (auto [text, y] :
         {std::pair{QStringLiteral("Only for:"), 9}, std::pair{QStringLiteral("Dravik QuentaE!"), 29}}) {
        QLabel* label = ui::LabelIn(panel, text, QRect(12, y, 285, 18));
        label->setFont(bold);
    }
}

void FuelTables::BuildTanksInfo() {
    TableTankInfo = GridGroup(
        host_.page(Page::FuelOther), QStringLiteral("Tanks info"), QRect(6, 104, 768, 438),
        QStringLiteral("TableTankInfo"), 0,
        {{QStringLiteral("ButtonTankInfo_Get"), QStringLiteral("Get"), [this] { ButtonTankInfo_GetClick(); }},
         {QStringLiteral("ButtonTankInfo_GetAll"), QStringLiteral("Get All"),
          [this] { ButtonTankInfo_GetAllClick(); }}});
    TableTankInfo->setEditable(false);
}

void FuelTables::LayOutGrid(StringGrid* grid, const std::vector<GridColumn>& columns, int dataRows,
                            int remainderColumn, const QStringList& rowTitles) {
    const int columnCount = static_cast<int>(columns.size());
    grid->setRowCount(dataRows + 1);
    grid->setColCount(columnCount);

    int space = GridClientWidth(grid) - (columnCount - 1) * grid->gridLineWidth();
    int units = 0;
    for (const GridColumn& column : columns)
        units += column.relativeWidth;
    const double unit = units > 0 ? static_cast<double>(space) / units : 0.0;

    for (int i = 0; i < columnCount; ++i) {
        grid->setCell(i, 0, columns[i].title);
        grid->setColWidth(i, static_cast<int>(std::trunc(columns[i].relativeWidth * unit)));
        space -= grid->colWidth(i);
    }
    if (remainderColumn >= 0 && remainderColumn < columnCount)
        grid->setColWidth(remainderColumn, grid->colWidth(remainderColumn) + space);

    for (int r = 1; r <= dataRows; ++r)
        grid->setCell(0, r, r - 1 < rowTitles.size() ? rowTitles[r - 1] : QString::number(r - 1));
}

void FuelTables::LayOutGrids() {
    const std::vector<GridColumn> tankColumns{{QStringLiteral("Nr."), 1},
                                              {QStringLiteral("Name"), 4},
                                              {QStringLiteral("Fuel"), 2},
                                              {QStringLiteral("Min"), 2},
                                              {QStringLiteral("Max"), 2}};
    LayOutGrid(TableFuels, FuelColumns(), FuelCount, 1);
    LayOutGrid(TableTanks, tankColumns, TankCount, 1);
    LayOutGrid(TablePumps, PumpColumns(), PumpCount, 0);
    LayOutGrid(TableTankInfo, TankInfoColumns(), TankInfoRows, 0, TankInfoRowTitles());
}

// ---- Fuels ----

void FuelTables::ButtonFuel_FuelsGetClick() {
    if (const int n = SelectedRow(TableFuels, FuelCount); n >= 0)
        ReadFuelRow(n, false);
}

void FuelTables::ButtonFuel_FuelsSetClick() {
    if (const int n = SelectedRow(TableFuels, FuelCount); n >= 0)
        WriteFuelRow(n);
}

void FuelTables::ButtonFuel_FuelsGetAllClick() {
    ForEachUntilFailure(FuelCount, [this](int n) { return ReadFuelRow(n, true); });
}

void FuelTables::ButtonFuel_FuelsSetAllClick() {
    ForEachUntilFailure(FuelCount, [this](int n) { return WriteFuelRow(n); });
}

bool FuelTables::ReadFuelRow(int n, bool tolerant) {
    BusySection busy(form_);
    try {
        device::AnswerBuffer answer;
        const int result = device::GetFiscalInfo(TILLCORE_INFO_FUEL_BASE + n, answer.data());
        if (tolerant && result == TILLCORE_FUEL_ABSENT)
            return true;
        if (!CheckResult(form_, FuelReadName, result))
            return false;
        const std::vector<QByteArray> fields = device::SplitAnswer(answer.text(), 6);
        const int row = n + 1;
        TableFuels->setCell(FuelName, row, FromDevice(fields[1]));
        TableFuels->setCell(FuelPrice, row, FromDevice(fields[5]));
        TableFuels->setCell(FuelTax, row, FromDevice(fields[2]));
        TableFuels->setCell(FuelUnit, row, FromDevice(fields[4]));
        TableFuels->setCell(FuelDecimal, row, FromDevice(fields[3]));
        return true;
    } catch (const Exception& e) {
        ReportException(form_, FuelReadName, e);
        return false;
    }
}

bool FuelTables::WriteFuelRow(int n) {
    // The name under which a failure is reported follows the call being made.
    QString operation = QStringLiteral("SetFuel");
    BusySection busy(form_);
    try {
        const int row = n + 1;
        const QString nameCell = TableFuels->cell(FuelName, row);
        const QByteArray name = ToDevice(nameCell);
        const int decimal = StrToIntDef(TableFuels->cell(FuelDecimal, row), 0);
        const int tax = StrToIntDef(TableFuels->cell(FuelTax, row), 0);
        const QByteArray unit = ToDevice(TableFuels->cell(FuelUnit, row));
        // The fuel's own result is shown, but only the price decides whether "Set All" goes on.
        CheckResult(form_, operation, device::SetFuel(n, name.constData(), decimal, tax, unit.constData()));
        if (nameCell.isEmpty())
            return true;
        operation = QStringLiteral("SetFuelPrice");
        const double price = ParseAmount(TableFuels->cell(FuelPrice, row));
        return CheckResult(form_, operation, device::SetFuelPrice(n, price));
    } catch (const Exception& e) {
        ReportException(form_, operation, e);
        return false;
    }
}

// ---- Tanks ----

void FuelTables::ButtonFuel_TanksGetClick() {
    if (const int n = SelectedRow(TableTanks, TankCount); n >= 0)
        ReadTankRow(n);
}

void FuelTables::ButtonFuel_TanksSetClick() {
    if (const int n = SelectedRow(TableTanks, TankCount); n >= 0)
        WriteTankRow(n);
}

void FuelTables::ButtonFuel_TanksGetAllClick() {
    ForEachUntilFailure(TankCount, [this](int n) { return ReadTankRow(n); });
}

void FuelTables::ButtonFuel_TanksSetAllClick() {
    ForEachUntilFailure(TankCount, [this](int n) { return WriteTankRow(n); });
}

bool FuelTables::ReadTankRow(int n) {
    return RunQuery(form_, TankReadName, TILLCORE_INFO_TANK_BASE + n, 5,
                    [this, n](const std::vector<QByteArray>& fields, int) {
                        for (int column = TankName; column <= TankMax; ++column)
                            TableTanks->setCell(column, n + 1, FromDevice(fields[column]));
                    });
}

bool FuelTables::WriteTankRow(int n) {
    return RunOperation(form_, QStringLiteral("SetFuelTank"), [this, n] {
        const int row = n + 1;
        const QByteArray name = ToDevice(TableTanks->cell(TankName, row));
        const int fuel = StrToIntDef(TableTanks->cell(TankFuel, row), 0);
        const double minLevel = ParseAmount(TableTanks->cell(TankMin, row));
        const double maxLevel = ParseAmount(TableTanks->cell(TankMax, row));
        return device::SetFuelTank(n, name.constData(), fuel, minLevel, maxLevel);
    });
}

// ---- Pumps ----

void FuelTables::ButtonFuel_PumpsGetClick() {
    if (const int n = SelectedRow(TablePumps, PumpCount); n >= 0)
        ReadPumpRow(n);
}

void FuelTables::ButtonFuel_PumpsSetClick() {
    if (const int n = SelectedRow(TablePumps, PumpCount); n >= 0)
        WritePumpRow(n);
}

void FuelTables::ButtonFuel_PumpsGetAllClick() {
    ForEachUntilFailure(PumpCount, [this](int n) { return ReadPumpRow(n); });
}

void FuelTables::ButtonFuel_PumpsSetAllClick() {
    ForEachUntilFailure(PumpCount, [this](int n) { return WritePumpRow(n); });
}

bool FuelTables::ReadPumpRow(int n) {
    return RunQuery(form_, PumpReadName, TILLCORE_INFO_PUMP_BASE + n, 10,
                    [this, n](const std::vector<QByteArray>& fields, int) {
                        // Fields 2 to 10: the "Dec" value, then nozzles 0 to 7.
                        for (int column = PumpDec; column <= PumpFirstNozzle + 7; ++column)
                            TablePumps->setCell(column, n + 1, FromDevice(fields[column]));
                    });
}

bool FuelTables::WritePumpRow(int n) {
    return RunOperation(form_, QStringLiteral("SetFuelPump"), [this, n] {
        const int row = n + 1;
        const int dec = StrToIntDef(TablePumps->cell(PumpDec, row), 2);
        int nozzle[8];
        for (int k = 0; k < 8; ++k)
            nozzle[k] = StrToIntDef(TablePumps->cell(PumpFirstNozzle + k, row), -1);
        return device::SetFuelPump(n, dec, nozzle[0], nozzle[1], nozzle[2], nozzle[3], nozzle[4], nozzle[5],
                                   nozzle[6], nozzle[7]);
    });
}

// ---- Tanks info ----

void FuelTables::ButtonTankInfo_GetClick() {
    const int column = TableTankInfo->col();
    if (column >= 1 && column <= TankCount)
        ReadTankInfo(column - 1);
}

void FuelTables::ButtonTankInfo_GetAllClick() {
    ForEachUntilFailure(TankCount, [this](int n) { return ReadTankInfo(n); });
}

bool FuelTables::ReadTankInfo(int n) {
    return RunQuery(form_, TankReadName, TILLCORE_INFO_TANK_BASE + n, 27,
                    [this, n](const std::vector<QByteArray>& fields, int) {
                        // Rows "Name" to "Summ 8" receive fields 2 to 27.
                        for (int row = 1; row <= 26; ++row)
                            TableTankInfo->setCell(n + 1, row, FromDevice(fields[row]));
                    });
}

} // namespace pages::fuel
