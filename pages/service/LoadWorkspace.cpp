#include "LoadWorkspace.h"

#include "device/tillcore.h"
#include "framework/Widgets.h"
#include "pages/fuel/FuelGrids.h"
#include "pages/fuel/FuelTables.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace pages::service {

namespace {

constexpr int FieldHeight = 21;
constexpr int ButtonHeight = 25;

using Handler = void (LoadWorkspace::*)();

QString Name(const char* pattern, int i) {
    return QString::fromLatin1(pattern).arg(i);
}

} // namespace

LoadWorkspace::LoadWorkspace(PageHost& host) : host_(host) {
    BuildServicePage();
    BuildReportPage();
    BuildFuelPage();
}

// ---- Sub-page "Service" ----

void LoadWorkspace::BuildServicePage() {
    QWidget* page = host_.page(Page::LoadService);
    auto button = [this](QWidget* parent, const char* name, const char* caption, const QRect& geometry,
                         Handler handler) {
        ui::Button(parent, QString::fromLatin1(name), QString::fromLatin1(caption), geometry,
                   [this, handler] { (this->*handler)(); });
    };
    const QDate today = QDate::currentDate();
    const QTime now = QTime::currentTime();

    QGroupBox* init = ui::Group(page, {}, QStringLiteral("Initialization"), QRect(6, 4, 380, 110));
    ui::Label(init, QStringLiteral("Date:"), 10, 24);
    ui::DatePicker(init, QStringLiteral("LoadInitializationDate"), QRect(90, 20, 100, FieldHeight), today);
    ui::Label(init, QStringLiteral("Time"), 204, 24);
    ui::TimePicker(init, QStringLiteral("LoadInitializationTime"), QRect(236, 20, 90, FieldHeight), now);
    ui::Label(init, QStringLiteral("Unit number:"), 10, 50);
    ui::Edit(init, QStringLiteral("LoadInitializationNumber"), QRect(90, 46, 236, FieldHeight));
    button(init, "ButtonLoadInitialization", "Initialize", QRect(10, 76, 90, ButtonHeight),
           &LoadWorkspace::ButtonLoadInitializationClick);

    QGroupBox* clock = ui::Group(page, {}, QStringLiteral("Date/Time"), QRect(392, 4, 382, 110));
    ui::Label(clock, QStringLiteral("Date"), 10, 24);
    ui::DatePicker(clock, QStringLiteral("LoadDate"), QRect(90, 20, 100, FieldHeight), today);
    ui::Label(clock, QStringLiteral("Time"), 204, 24);
    ui::TimePicker(clock, QStringLiteral("LoadTime"), QRect(236, 20, 90, FieldHeight), now);
    ui::Label(clock, QStringLiteral("Calibration"), 10, 50);
    ui::SpinEdit(clock, QStringLiteral("LoadCalibration"), QStringLiteral("LoadCalibrationUpDown"),
                 QRect(90, 46, 70, FieldHeight), 0, 64, 0);
    button(clock, "ButtonLoadSetDate", "Set", QRect(10, 76, 70, ButtonHeight),
           &LoadWorkspace::ButtonLoadSetDateClick);
    button(clock, "ButtonLoadGetDate", "Get", QRect(86, 76, 70, ButtonHeight),
           &LoadWorkspace::ButtonLoadGetDateClick);

    QGroupBox* flash = ui::Group(page, {}, QStringLiteral("Flash tools"), QRect(6, 120, 380, 84));
    ui::Label(flash, QStringLiteral("Sector"), 10, 24);
    ui::SpinEdit(flash, QStringLiteral("LoadSectorNumber"), QStringLiteral("LoadSectorNumberUpDown"),
                 QRect(90, 20, 90, FieldHeight), 0, 9999, 0);
    button(flash, "ButtonLoadClearAll", "ClearAll", QRect(10, 50, 90, ButtonHeight),
           &LoadWorkspace::ButtonLoadClearAllClick);
    button(flash, "ButtonLoadClearSector", "Clear Sector", QRect(106, 50, 90, ButtonHeight),
           &LoadWorkspace::ButtonLoadClearSectorClick);

    QGroupBox* journal =
        ui::Group(page, {}, QStringLiteral("Current journal parameters"), QRect(392, 120, 382, 110));
    ui::Label(journal, QStringLiteral("Journal length, bytes:"), 10, 24);
    ui::Edit(journal, QStringLiteral("LoadCurrentJournalLength"), QRect(140, 20, 120, FieldHeight));
    ui::Label(journal, QStringLiteral("CRC, hex:"), 10, 50);
    ui::Edit(journal, QStringLiteral("LoadCurrentJournalCrc"), QRect(140, 46, 120, FieldHeight));
    button(journal, "ButtonLoadSetJournalParameters", "Set", QRect(10, 76, 70, ButtonHeight),
           &LoadWorkspace::ButtonLoadSetJournalParametersClick);
    button(journal, "ButtonLoadGetJournalParameters", "Get", QRect(86, 76, 70, ButtonHeight),
           &LoadWorkspace::ButtonLoadGetJournalParametersClick);
    button(journal, "ButtonLoadCurrentJournalCalculateCrc", "Calculate CRC",
           QRect(162, 76, 100, ButtonHeight), &LoadWorkspace::ButtonLoadCurrentJournalCalculateCrcClick);
}

// ---- Sub-page "Report" ----

void LoadWorkspace::BuildReportPage() {
    QWidget* page = host_.page(Page::LoadReport);
    BuildCountersGroup(page);
    BuildReportZGroup(page);
    BuildNameGroup(page, "Credit", "LoadCredit%1Name", 188, 4, &LoadWorkspace::ButtonLoadCreditSetClick,
                   &LoadWorkspace::ButtonLoadCreditGetClick, "ButtonLoadCredit");
    BuildNameGroup(page, "Depart", "LoadDepart%1Name", 188, 150, &LoadWorkspace::ButtonLoadDepartSetClick,
                   &LoadWorkspace::ButtonLoadDepartGetClick, "ButtonLoadDepart");
    BuildTurnover1Group(page);
    BuildTurnover2Group(page);
    BuildCurrencyGroup(page);
}

namespace {

// "Set" and "Get" side by side at (x, y), named <stem>Set and <stem>Get.
void SetGetButtons(LoadWorkspace* workspace, QWidget* group, const QString& stem, int x, int y, Handler set,
                   Handler get, int width = 60) {
    ui::Button(group, stem + QStringLiteral("Set"), QStringLiteral("Set"), QRect(x, y, width, ButtonHeight),
               [workspace, set] { (workspace->*set)(); });
    ui::Button(group, stem + QStringLiteral("Get"), QStringLiteral("Get"),
               QRect(x + width + 6, y, width, ButtonHeight), [workspace, get] { (workspace->*get)(); });
}

// Eight edit boxes "1." to "8." in two columns of four.
void EightFields(QWidget* group, const char* pattern, int top, int fieldWidth) {
    for (int i = 1; i <= 8; ++i) {
        const int x = 8 + ((i - 1) / 4) * (fieldWidth + 24);
        const int y = top + ((i - 1) % 4) * 22;
        ui::LabelIn(group, QStringLiteral("%1.").arg(i), QRect(x, y, 14, FieldHeight));
        ui::Edit(group, Name(pattern, i), QRect(x + 16, y, fieldWidth, FieldHeight));
    }
}

} // namespace

void LoadWorkspace::BuildCountersGroup(QWidget* page) {
    QGroupBox* group = ui::Group(page, {}, QStringLiteral("Counters"), QRect(6, 4, 176, 260));
    const std::pair<const char*, const char*> rows[] = {{"Receipt", "LoadReceiptNumber"},
                                                        {"Z", "LoadReportNumber"},
                                                        {"G.Total", "LoadGTotal"},
                                                        {"CRC, hex:", "LoadCRC"}};
    int y = 18;
    for (const auto& [label, name] : rows) {
        ui::LabelIn(group, QString::fromLatin1(label), QRect(8, y, 56, FieldHeight));
        ui::Edit(group, QString::fromLatin1(name), QRect(66, y, 100, FieldHeight));
        y += 22;
    }
    QGroupBox* departments = ui::Group(group, {}, QStringLiteral("Departments"), QRect(6, 108, 164, 114));
    EightFields(departments, "LoadDepart%1", 18, 52);
    SetGetButtons(this, group, QStringLiteral("ButtonLoadCounters"), 8, 228,
                  &LoadWorkspace::ButtonLoadCountersSetClick, &LoadWorkspace::ButtonLoadCountersGetClick);
}

void LoadWorkspace::BuildNameGroup(QWidget* page, const char* caption, const char* fieldPattern, int x, int y,
                                   Handler set, Handler get, const char* buttonStem) {
    QGroupBox* group = ui::Group(page, {}, QString::fromLatin1(caption), QRect(x, y, 172, 142));
    EightFields(group, fieldPattern, 18, 56);
    SetGetButtons(this, group, QString::fromLatin1(buttonStem), 8, 110, set, get);
}

void LoadWorkspace::BuildTurnover1Group(QWidget* page) {
    QGroupBox* group = ui::Group(page, {}, QStringLiteral("Turnover 1"), QRect(366, 4, 180, 398));
    for (int i = 1; i <= 9; ++i) {
        const int y = 18 + (i - 1) * 21;
        const bool cash = i == 9;
        ui::LabelIn(group, cash ? QStringLiteral("Cash") : QStringLiteral("Credit %1.").arg(i),
                    QRect(8, y, 52, FieldHeight));
        ui::Edit(group, cash ? QStringLiteral("LoadCashTurnover") : Name("LoadCredit%1Turnover", i),
                 QRect(62, y, 108, FieldHeight));
    }
    QGroupBox* tax = ui::Group(group, {}, QStringLiteral("Tax"), QRect(6, 208, 168, 150));
    ui::Label(tax, QStringLiteral("Rate,%"), 24, 20);
    ui::Label(tax, QStringLiteral("Turnover"), 78, 20);
    for (int i = 1; i <= 5; ++i) {
        const int y = 36 + (i - 1) * 21;
        ui::LabelIn(tax, QStringLiteral("%1.").arg(i), QRect(6, y, 14, FieldHeight));
        // The fifth tax group has no rate of its own.
        if (i == 5)
            ui::ReadOnlyEdit(tax, QStringLiteral("LoadTax5Rate"), QRect(22, y, 50, FieldHeight),
                             QStringLiteral("0"));
        else
            ui::Edit(tax, Name("LoadTax%1Rate", i), QRect(22, y, 50, FieldHeight));
        ui::Edit(tax, Name("LoadTax%1Turnover", i), QRect(76, y, 84, FieldHeight));
    }
    SetGetButtons(this, group, QStringLiteral("ButtonLoadTurnover1"), 8, 366,
                  &LoadWorkspace::ButtonLoadTurnover1SetClick, &LoadWorkspace::ButtonLoadTurnover1GetClick);
}

void LoadWorkspace::BuildTurnover2Group(QWidget* page) {
    QGroupBox* group = ui::Group(page, {}, QStringLiteral("Turnover 2"), QRect(552, 4, 222, 296));
    ui::Label(group, QStringLiteral("Summ"), 86, 20);
    ui::Label(group, QStringLiteral("Count"), 160, 20);
    const std::pair<const char*, const char*> rows[] = {
        {"TareOut", "TareOut"},       {"TareIn", "TareIn"},     {"DepositIn", "DepositIn"},
        {"DepositOut", "DepositOut"}, {"Discount", "Discount"}, {"Add", "Add"},
        {"Correct.", "Correct"},      {"Anulate", "Anulate"},   {"Receipts", "Receipts"},
        {"Returns", "Returns"}};
    int y = 36;
    for (const auto& [label, stem] : rows) {
        ui::LabelIn(group, QString::fromLatin1(label), QRect(8, y, 74, FieldHeight));
        ui::Edit(group, QStringLiteral("Load%1Summ").arg(QLatin1String(stem)), QRect(84, y, 70, FieldHeight));
        ui::Edit(group, QStringLiteral("Load%1Count").arg(QLatin1String(stem)),
                 QRect(158, y, 56, FieldHeight));
        y += 22;
    }
    SetGetButtons(this, group, QStringLiteral("ButtonLoadTurnover2"), 8, 262,
                  &LoadWorkspace::ButtonLoadTurnover2SetClick, &LoadWorkspace::ButtonLoadTurnover2GetClick);
}

void LoadWorkspace::BuildCurrencyGroup(QWidget* page) {
    QGroupBox* group = ui::Group(page, {}, QStringLiteral("Currency"), QRect(6, 403, 768, 142));
    // The boxes of one currency row, left to right, with their column titles.
    struct Box {
        const char* title;
        const char* suffix;
        int x;
        int width;
    };
    const Box boxes[] = {
        {"Name", "Name", 66, 60},         {"Rate", "Rate", 130, 50},      {"Get", "Get", 184, 50},
        {"PayIn 1", "PayIn1", 238, 50},   {"PayIn 2", "PayIn2", 292, 50}, {"PayOut 1", "PayOut1", 346, 50},
        {"PayOut 2", "PayOut2", 400, 50}, {"Payed", "Payed", 454, 50},    {"Returned", "Return", 508, 50}};
    for (const Box& box : boxes)
        ui::Label(group, QString::fromLatin1(box.title), box.x, 18);

    const Handler setHandlers[] = {
        &LoadWorkspace::ButtonLoadCurrency1SetClick, &LoadWorkspace::ButtonLoadCurrency2SetClick,
        &LoadWorkspace::ButtonLoadCurrency3SetClick, &LoadWorkspace::ButtonLoadCurrency4SetClick};
    const Handler getHandlers[] = {
        &LoadWorkspace::ButtonLoadCurrency1GetClick, &LoadWorkspace::ButtonLoadCurrency2GetClick,
        &LoadWorkspace::ButtonLoadCurrency3GetClick, &LoadWorkspace::ButtonLoadCurrency4GetClick};
    for (int i = 1; i <= 4; ++i) {
        const int y = 34 + (i - 1) * 26;
        ui::LabelIn(group, QStringLiteral("%1.").arg(i), QRect(8, y, 14, FieldHeight));
        ui::Check(group, Name("LoadCurrency%1Active", i), QStringLiteral("Act"),
                  QRect(22, y, 42, FieldHeight));
        for (const Box& box : boxes)
            ui::Edit(group, QStringLiteral("LoadCurrency%1%2").arg(i).arg(QLatin1String(box.suffix)),
                     QRect(box.x, y, box.width, FieldHeight));
        ui::Check(group, Name("LoadCurrency%1Type", i), QStringLiteral("Typ"),
                  QRect(564, y, 44, FieldHeight));
        ui::Check(group, Name("LoadCurrency%1_46", i), QStringLiteral("4/6"), QRect(610, y, 44, FieldHeight));
        SetGetButtons(this, group, Name("ButtonLoadCurrency%1", i), 660, y - 2, setHandlers[i - 1],
                      getHandlers[i - 1], 46);
    }
}

void LoadWorkspace::BuildReportZGroup(QWidget* page) {
    QGroupBox* group = ui::Group(page, {}, QStringLiteral("Z-Report"), QRect(6, 270, 176, 130));
    ui::Label(group, QStringLiteral("Number"), 8, 22);
    ui::SpinEdit(group, QStringLiteral("LoadActiveReportNumber"),
                 QStringLiteral("LoadActiveReportNumberUpDown"), QRect(56, 18, 80, FieldHeight), 1, 10000, 1);
    LoadIsZ = ui::Check(group, QStringLiteral("LoadIsZ"), QStringLiteral("Work with Z-report"),
                        QRect(8, 44, 160, 20), [this] { LoadIsZClick(); });
    const struct {
        const char* name;
        const char* caption;
        QRect geometry;
        Handler handler;
    } buttons[] = {
        {"ButtonLoadReadReport", "Read Z", QRect(8, 68, 78, ButtonHeight),
         &LoadWorkspace::ButtonLoadReadReportClick},
        {"ButtonLoadWriteReport", "Write Z", QRect(92, 68, 78, ButtonHeight),
         &LoadWorkspace::ButtonLoadWriteReportClick},
        {"ButtonLoadReadX", "Read X", QRect(8, 98, 78, ButtonHeight), &LoadWorkspace::ButtonLoadReadXClick},
        {"ButtonLoadWriteX", "Write X", QRect(92, 98, 78, ButtonHeight),
         &LoadWorkspace::ButtonLoadWriteXClick},
    };
    for (const auto& b : buttons)
        ui::Button(group, QString::fromLatin1(b.name), QString::fromLatin1(b.caption), b.geometry,
                   [this, handler = b.handler] { (this->*handler)(); });
}

// ---- Sub-page "Fuel" ----

void LoadWorkspace::LayOutGrids() {
    using fuel::FuelTables;
    FuelTables::LayOutGrid(TableFuelLoadFuels, fuel::FuelColumns(), TILLCORE_FUELS, 1);
    FuelTables::LayOutGrid(TableFuelLoadPumps, fuel::PumpColumns(), TILLCORE_PUMPS, 0);
    FuelTables::LayOutGrid(TableFuelLoadTanks, fuel::TankInfoColumns(), fuel::TankInfoRows, 0,
                           fuel::TankInfoRowTitles());
}

void LoadWorkspace::BuildFuelPage() {
    using fuel::GridButton;
    QWidget* page = host_.page(Page::LoadFuel);
    auto run = [this](Handler handler) { return [this, handler] { (this->*handler)(); }; };

    TableFuelLoadFuels = fuel::GridGroup(
        page, QStringLiteral("Fuel"), QRect(4, 4, 464, 226), QStringLiteral("TableFuelLoadFuels"), 11,
        {{QStringLiteral("ButtonFuelLoad_FuelGet"), QStringLiteral("Get"),
          run(&LoadWorkspace::ButtonFuelLoad_FuelGetClick)},
         {QStringLiteral("ButtonFuelLoad_FuelSet"), QStringLiteral("Set"),
          run(&LoadWorkspace::ButtonFuelLoad_FuelSetClick)},
         {QStringLiteral("ButtonFuelLoad_FuelGetAll"), QStringLiteral("Get All"),
          run(&LoadWorkspace::ButtonFuelLoad_FuelGetAllClick)},
         {QStringLiteral("ButtonFuelLoad_FuelSetAll"), QStringLiteral("Set All"),
          run(&LoadWorkspace::ButtonFuelLoad_FuelSetAllClick)}});
    TableFuelLoadPumps = fuel::GridGroup(
        page, QStringLiteral("Pumps"), QRect(472, 4, 308, 366), QStringLiteral("TableFuelLoadPumps"), 17,
        {{QStringLiteral("ButtonFuelLoad_PumpGet"), QStringLiteral("Get"),
          run(&LoadWorkspace::ButtonFuelLoad_PumpGetClick)},
         {QStringLiteral("ButtonFuelLoad_PumpSet"), QStringLiteral("Set"),
          run(&LoadWorkspace::ButtonFuelLoad_PumpSetClick)},
         {QStringLiteral("ButtonFuelLoad_PumpGetAll"), QStringLiteral("Get All"),
          run(&LoadWorkspace::ButtonFuelLoad_PumpGetAllClick)},
         {QStringLiteral("ButtonFuelLoad_PumpSetAll"), QStringLiteral("Set All"),
          run(&LoadWorkspace::ButtonFuelLoad_PumpSetAllClick)}},
        fuel::ButtonsAt::Below);
    TableFuelLoadTanks = fuel::GridGroup(
        page, QStringLiteral("Tanks info"), QRect(6, 376, 768, 166), QStringLiteral("TableFuelLoadTanks"), 0,
        {{QStringLiteral("ButtonFuelLoad_TankGet"), QStringLiteral("Get"),
          run(&LoadWorkspace::ButtonFuelLoad_TankGetClick)},
         {QStringLiteral("ButtonFuelLoad_TankGetAll"), QStringLiteral("Get All"),
          run(&LoadWorkspace::ButtonFuelLoad_TankGetAllClick)}});

    QGroupBox* z = ui::Group(page, {}, QStringLiteral("Z-Report"), QRect(4, 236, 464, 98));
    ui::Label(z, QStringLiteral("Number"), 8, 24);
    ui::SpinEdit(z, QStringLiteral("LoadFuelActiveReportNumber"),
                 QStringLiteral("LoadFuelActiveReportNumberUpDown"), QRect(56, 20, 80, FieldHeight), 1, 10000,
                 1);
    LoadFuelIsZ = ui::Check(z, QStringLiteral("LoadFuelIsZ"), QStringLiteral("Work with Z-report"),
                            QRect(150, 20, 180, 20), [this] { LoadFuelIsZClick(); });
    const struct {
        const char* name;
        const char* caption;
        Handler handler;
    } buttons[] = {
        {"ButtonLoadFuelReadReport", "Read Z", &LoadWorkspace::ButtonLoadFuelReadReportClick},
        {"ButtonLoadFuelWriteReport", "Write Z", &LoadWorkspace::ButtonLoadWriteReportClick},
        {"ButtonLoadFuelReadX", "Read X", &LoadWorkspace::ButtonLoadFuelReadXClick},
        {"ButtonLoadFuelWriteX", "Write X", &LoadWorkspace::ButtonLoadFuelWriteXClick},
    };
    int x = 8;
    for (const auto& b : buttons) {
        ui::Button(z, QString::fromLatin1(b.name), QString::fromLatin1(b.caption),
                   QRect(x, 56, 84, ButtonHeight), run(b.handler));
        x += 92;
    }
}

// ---- The Z-report check boxes and the X buttons ----

void LoadWorkspace::SetWorkWithZ(bool state) {
    LoadIsZ->setChecked(state);
    LoadFuelIsZ->setChecked(state);
}

void LoadWorkspace::LoadIsZClick() {
    SetWorkWithZ(LoadIsZ->isChecked());
}

void LoadWorkspace::LoadFuelIsZClick() {
    SetWorkWithZ(LoadFuelIsZ->isChecked());
}

void LoadWorkspace::ButtonLoadReadXClick() {
    LoadIsZ->setChecked(false);
    ButtonLoadCountersGetClick();
    ButtonLoadCreditGetClick();
    ButtonLoadDepartGetClick();
    ButtonLoadTurnover1GetClick();
    ButtonLoadTurnover2GetClick();
    ButtonLoadCurrency1GetClick();
    ButtonLoadCurrency2GetClick();
    ButtonLoadCurrency3GetClick();
    ButtonLoadCurrency4GetClick();
}

void LoadWorkspace::ButtonLoadWriteXClick() {
    LoadIsZ->setChecked(false);
    ButtonLoadCountersSetClick();
    ButtonLoadCreditSetClick();
    ButtonLoadDepartSetClick();
    ButtonLoadTurnover1SetClick();
    ButtonLoadTurnover2SetClick();
    ButtonLoadCurrency1SetClick();
    ButtonLoadCurrency2SetClick();
    ButtonLoadCurrency3SetClick();
    ButtonLoadCurrency4SetClick();
}

void LoadWorkspace::ButtonLoadFuelReadXClick() {
    SetWorkWithZ(false);
    ButtonFuelLoad_FuelGetAllClick();
    ButtonFuelLoad_PumpGetAllClick();
    ButtonFuelLoad_TankGetAllClick();
}

void LoadWorkspace::ButtonLoadFuelWriteXClick() {
    SetWorkWithZ(false);
}

} // namespace pages::service
