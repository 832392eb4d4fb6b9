#include "FuelStock.h"

#include "FuelGrids.h"
#include "FuelTables.h"

#include "device/AnswerFields.h"
#include "device/DeviceLibrary.h"
#include "framework/Operations.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace framework;

namespace pages::fuel {

namespace {

constexpr int PumpCount = TILLCORE_PUMPS;
constexpr int DataBlockSize = TILLCORE_DATA_BLOCK_SIZE;
constexpr int BytesPerRow = 16;
// The room the module is told it may fill with pump totals.
constexpr int PumpTotalsRoom = TILLCORE_ANSWER_SIZE;

const QString DataBlockReadName = QStringLiteral("GetFiscalInfo(data block)");
const QString PumpTotalsName = QStringLiteral("GetFiscalInfo( pump totals )");

// A label and an edit box (with spinner when max > min) on one row of a group.
QLineEdit* LabelledField(QWidget* group, const QString& label, int y, const QString& name,
                         const QString& upDownName = {}, int min = 0, int max = 0) {
    ui::LabelIn(group, label, QRect(10, y, 134, 21));
    if (upDownName.isEmpty())
        return ui::Edit(group, name, QRect(146, y, 100, 21));
    return ui::SpinEdit(group, name, upDownName, QRect(146, y, 64, 21), min, max, min)->buddy();
}

} // namespace

FuelStock::FuelStock(PageHost& host, QGroupBox* tankReports) : host_(host), form_(host.form()) {
    BuildStockGroups();
    BuildDataBlock();
    BuildPumpTotals();
    BuildTankReports(tankReports);
}

void FuelStock::BuildStockGroups() {
    QWidget* page = host_.page(Page::FuelReceipt);
    QGroupBox* replenish = ui::Group(page, QStringLiteral("GroupBoxReplenish"), QStringLiteral("Replenish"),
                                     QRect(6, 224, 262, 112));
    FuelReplenish_Tank =
        LabelledField(replenish, QStringLiteral("Tank number (0...9)"), 20,
                      QStringLiteral("FuelReplenish_Tank"), QStringLiteral("FuelReplenish_UpDown"), 0, 9);
    FuelReplenish_Quantity =
        LabelledField(replenish, QStringLiteral("Quantity"), 46, QStringLiteral("FuelReplenish_Quantity"));
    ui::Button(replenish, QStringLiteral("ButtonFuelReplenish"), QStringLiteral("Make"),
               QRect(146, 76, 80, 25), [this] { ButtonFuelReplenishClick(); });

    QGroupBox* overfilling = ui::Group(page, QStringLiteral("GroupBoxOverfilling"),
                                       QStringLiteral("Overfilling"), QRect(274, 224, 262, 138));
    FuelOverfilling_Pump = LabelledField(overfilling, QStringLiteral("Pump number (0...15)"), 20,
                                         QStringLiteral("FuelOverfilling_Pump"),
                                         QStringLiteral("FuelOverfilling_UpDown"), 0, 15);
    FuelOverfilling_Nozzle =
        LabelledField(overfilling, QStringLiteral("Nozzle number (0...7)"), 46,
                      QStringLiteral("FuelOverfilling_Nozzle"), QStringLiteral("UpDown1"), 0, 7);
    FuelOverfilling_Quantity = LabelledField(overfilling, QStringLiteral("Quantity"), 72,
                                             QStringLiteral("FuelOverfilling_Quantity"));
    ui::Button(overfilling, QStringLiteral("ButtonFuelOverfilling"), QStringLiteral("Make"),
               QRect(146, 102, 80, 25), [this] { ButtonFuelOverfillingClick(); });
}

void FuelStock::BuildDataBlock() {
    QWidget* page = host_.page(Page::FuelOther);
    QGroupBox* group = ui::Group(page, QStringLiteral("GroupBoxDataBlock"), QStringLiteral("Data block"),
                                 QRect(6, 4, 640, 92));
    FuelDataBlock_Number =
        LabelledField(group, QStringLiteral("Block number (1...128)"), 20,
                      QStringLiteral("FuelDataBlock_Number"), QStringLiteral("FuelDataBlock_UpDown"), 1, 128);
    ui::Button(group, QStringLiteral("ButtonFuelDataBlock_Get"), QStringLiteral("Get"), QRect(10, 54, 60, 25),
               [this] { ButtonFuelDataBlock_GetClick(); });
    ui::Button(group, QStringLiteral("ButtonFuelDataBlock_Set"), QStringLiteral("Set"), QRect(76, 54, 60, 25),
               [this] { ButtonFuelDataBlock_SetClick(); });
    TableFuelData = ui::Grid(group, QStringLiteral("TableFuelData"), QRect(218, 18, 414, 10));
    TableFuelData->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TableFuelData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TableFuelData->resize(TableFuelData->width(), 3 * GridRowHeight + 2 * TableFuelData->frameWidth());

    ui::Button(page, QStringLiteral("ButtonFuel_PrintTankReport"), QStringLiteral("Print tank report"),
               QRect(652, 12, 122, 25), [this] { ButtonFuel_PrintTankReportClick(); });
    ui::Edit(page, QStringLiteral("NozzleTotal"), QRect(652, 46, 122, 21));
}

void FuelStock::BuildPumpTotals() {
    TablePumpsTotals =
        GridGroup(host_.page(Page::FuelTotals), QStringLiteral("Pumps"), QRect(6, 4, 768, 538),
                  QStringLiteral("TablePumpsTotals"), 0,
                  {{QStringLiteral("Button7"), QStringLiteral("Get"), [this] { Button7Click(); }},
                   {QStringLiteral("Button9"), QStringLiteral("Get All"), [this] { Button9Click(); }}});
}

void FuelStock::BuildTankReports(QGroupBox* group) {
    // Dates and their two reports, then report numbers and theirs; the long captions of the
    // by-number reports take a whole row each.
    const int inner = group->width() - 16;
    const int half = (inner - 6) / 2;
    const QDate designed(2006, 7, 7);
    ui::LabelIn(group, QStringLiteral("Period:"), QRect(8, 20, 92, 21));
    ui::LabelIn(group, QStringLiteral("From"), QRect(100, 20, 30, 21));
    TankPeriodDate1 =
        ui::DatePicker(group, QStringLiteral("TankPeriodDate1"), QRect(130, 20, 100, 21), designed);
    ui::LabelIn(group, QStringLiteral("To"), QRect(240, 20, 20, 21));
    TankPeriodDate2 =
        ui::DatePicker(group, QStringLiteral("TankPeriodDate2"), QRect(262, 20, 100, 21), designed);
    ui::Button(group, QStringLiteral("Button2"), QStringLiteral("Sum Periodic Report"),
               QRect(8, 44, half, 22), [this] { Button2Click(); });
    ui::Button(group, QStringLiteral("Button3"), QStringLiteral("Periodic Report"),
               QRect(14 + half, 44, half, 22), [this] { Button3Click(); });

    ui::LabelIn(group, QStringLiteral("Report Numbers"), QRect(8, 72, 92, 21));
    ui::LabelIn(group, QStringLiteral("From"), QRect(100, 72, 30, 21));
    UpDownTankPeriodNumber1 =
        ui::SpinEdit(group, QStringLiteral("TankPeriodNumber1"), QStringLiteral("UpDownTankPeriodNumber1"),
                     QRect(130, 72, 100, 21), 0, 10000, 0);
    ui::LabelIn(group, QStringLiteral("To"), QRect(240, 72, 20, 21));
    UpDownTankPeriodNumber2 =
        ui::SpinEdit(group, QStringLiteral("TankPeriodNumber2"), QStringLiteral("UpDownTankPeriodNumber2"),
                     QRect(262, 72, 100, 21), 0, 10000, 0);
    ui::Button(group, QStringLiteral("Button4"), QStringLiteral("Sum Periodic Report by number"),
               QRect(8, 96, inner, 22), [this] { Button4Click(); });
    ui::Button(group, QStringLiteral("Button5"), QStringLiteral("Periodic Report by number"),
               QRect(8, 122, inner, 22), [this] { Button5Click(); });
}

void FuelStock::LayOutGrids() {
    QStringList totalsRows;
    for (int pump = 0; pump < PumpCount; ++pump)
        totalsRows << QString::number(pump) << QString();
    std::vector<GridColumn> totalsColumns{{QStringLiteral("Nr."), 1}, {QStringLiteral("Dec"), 1}};
    for (int nozzle = 0; nozzle < TILLCORE_NOZZLES; ++nozzle)
        totalsColumns.push_back({QStringLiteral("Totals%1").arg(nozzle), 2});
    FuelTables::LayOutGrid(TablePumpsTotals, totalsColumns, 2 * PumpCount, 0, totalsRows);

    std::vector<GridColumn> dataColumns{{QString(), 1}};
    for (int i = 1; i <= BytesPerRow; ++i)
        dataColumns.push_back({QString::number(i), 1});
    FuelTables::LayOutGrid(TableFuelData, dataColumns, DataBlockSize / BytesPerRow, 0);
}

// ---- Replenish and overfilling ----

void FuelStock::ButtonFuelReplenishClick() {
    RunOperation(form_, QStringLiteral("SetFuelReplenish"), [this] {
        const int tank = StrToInt(FuelReplenish_Tank->text());
        const double quantity = StrToFloat(FuelReplenish_Quantity->text());
        return device::AddFuel(tank, quantity);
    });
}

void FuelStock::ButtonFuelOverfillingClick() {
    RunOperation(form_, QStringLiteral("SetFuelOverfilling"), [this] {
        const int pump = StrToInt(FuelOverfilling_Pump->text());
        const int nozzle = StrToInt(FuelOverfilling_Nozzle->text());
        const double quantity = StrToFloat(FuelOverfilling_Quantity->text());
        return device::FuelOverfilling(pump, nozzle, quantity);
    });
}

// ---- Data blocks ----

void FuelStock::ButtonFuelDataBlock_GetClick() {
    device::AnswerBuffer answer;
    RunOperation(
        form_, DataBlockReadName,
        [&] {
            return device::GetFiscalInfo(
                TILLCORE_INFO_DATA_BLOCK_BASE + StrToInt(FuelDataBlock_Number->text()), answer.data());
        },
        [&] {
            // The block's bytes follow the first field as raw values, zeros and FS included.
            const char* bufferEnd = answer.text() + device::AnswerBuffer::Size;
            const char* byte = device::NextField(answer.text());
            for (int i = 0; i < DataBlockSize; ++i) {
                const int column = i % BytesPerRow + 1;
                const int row = i / BytesPerRow + 1;
                // An answer cut short by the end of the buffer leaves the rest of the block blank
                // rather than showing the previous block's bytes as this one's.
                TableFuelData->setCell(column, row,
                                       byte < bufferEnd ? HexText(static_cast<unsigned char>(*byte++), 2)
                                                        : QString());
            }
        });
}

void FuelStock::ButtonFuelDataBlock_SetClick() {
    RunOperation(form_, QStringLiteral("WriteData"), [this] {
        unsigned char data[DataBlockSize];
        for (int i = 0; i < DataBlockSize; ++i)
            data[i] = static_cast<unsigned char>(
                ParseHex(TableFuelData->cell(i % BytesPerRow + 1, i / BytesPerRow + 1)) & 0xFF);
        // Blocks are numbered from 1 on the page and indexed from 0 by the library.
        const int index = StrToInt(FuelDataBlock_Number->text()) - 1;
        return device::WriteData(index, data);
    });
}

void FuelStock::ButtonFuel_PrintTankReportClick() {
    RunOperation(form_, QStringLiteral("FuelPrintTankReport"), [] { return device::FuelPrintTankReport(); });
}

// ---- Pump totals ----

void FuelStock::Button7Click() {
    // Each pump has two rows: rows 1 and 2 are pump 0, rows 31 and 32 pump 15. The header row
    // stands for no pump.
    const int row = TablePumpsTotals->row();
    if (row < 1)
        return;
    const int pump = (row - 1) / 2;
    if (pump < PumpCount)
        ReadPumpTotals(pump);
}

void FuelStock::Button9Click() {
    for (int pump = 0; pump < PumpCount; ++pump)
        if (!ReadPumpTotals(pump))
            return;
}

bool FuelStock::ReadPumpTotals(int n) {
    device::AnswerBuffer answer;
    return RunOperation(
        form_, PumpTotalsName,
        [&] { return device::GetFiscalInfo2Ex(TILLCORE_INFO_PUMP_TOTALS, n, answer.data(), PumpTotalsRoom); },
        [&] {
            // Tokens after the first: nozzle, first total, second total, ... up to an empty token.
            QByteArray rest(answer.text());
            TakeToken(rest, TILLCORE_FS);
            for (QByteArray token = TakeToken(rest, TILLCORE_FS); !token.isEmpty();
                 token = TakeToken(rest, TILLCORE_FS)) {
                const int nozzle = StrToIntDef(FromDevice(token), -1);
                if (nozzle < 0 || nozzle >= TILLCORE_NOZZLES)
                    continue;
                TablePumpsTotals->setCell(2 + nozzle, 2 * n + 1, FromDevice(TakeToken(rest, TILLCORE_FS)));
                TablePumpsTotals->setCell(2 + nozzle, 2 * n + 2, FromDevice(TakeToken(rest, TILLCORE_FS)));
            }
        });
}

// ---- Tank periodic reports ----

void FuelStock::Button2Click() {
    RunOperation(form_, QStringLiteral("PrintTankSumPeriodicReport"), [this] {
        const QByteArray first = DateText(TankPeriodDate1->date());
        const QByteArray last = DateText(TankPeriodDate2->date());
        return device::PrintTankSumPeriodicReport(first.constData(), last.constData());
    });
}

void FuelStock::Button3Click() {
    RunOperation(form_, QStringLiteral("PrintTankPeriodicReport"), [this] {
        const QByteArray first = DateText(TankPeriodDate1->date());
        const QByteArray last = DateText(TankPeriodDate2->date());
        return device::PrintTankPeriodicReport(first.constData(), last.constData());
    });
}

void FuelStock::Button4Click() {
    RunOperation(form_, QStringLiteral("PrintTankSumPeriodicReportByNumber"), [this] {
        return device::PrintTankSumPeriodicReportByNumber(UpDownTankPeriodNumber1->position(),
                                                          UpDownTankPeriodNumber2->position());
    });
}

void FuelStock::Button5Click() {
    RunOperation(form_, QStringLiteral("PrintTankPeriodicReportByNumber"), [this] {
        return device::PrintTankPeriodicReportByNumber(UpDownTankPeriodNumber1->position(),
                                                       UpDownTankPeriodNumber2->position());
    });
}

} // namespace pages::fuel
