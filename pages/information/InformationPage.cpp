#include "InformationPage.h"

#include "InformationLayout.h"

#include "device/tillcore.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"
#include "pages/InfoQueries.h"
#include "pages/settings/DepartmentsCredits.h"
#include "pages/settings/TaxCurrencyClock.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace framework;

namespace pages::information {

namespace {

struct InfoRow {
    const char* label;
    const char* box;
    const char* button;
    int code; // information code read by the row's "Get"
};

// The "Information" group, top to bottom.
constexpr InfoRow InfoRows[] = {
    {"Total of started receipt", "InfoTotalReceipt", "ButtonGetInfoTotalReceipt",
     TILLCORE_INFO_RECEIPT_TOTAL},
    {"Day's turnover", "InfoDayTurnover", "ButtonGetInfoDayTurnover", TILLCORE_INFO_DAY_TURNOVER},
    {"Total number of the next receipt", "InfoReceiptNumber", "ButtonGetInfoReceiptNumber",
     TILLCORE_INFO_NEXT_RECEIPT},
    {"Fiscal unit current date", "InfoDate", "ButtonGetInfoDate", TILLCORE_INFO_DATE},
    {"Fiscal unit current time", "InfoTime", "ButtonGetInfoTime", TILLCORE_INFO_TIME},
    {"Count of the Z - reports", "InfoZReportNumber", "ButtonGetInfoZReportNumber",
     TILLCORE_INFO_Z_REPORT_COUNT},
    {"Number of the next day's receipt", "InfoNextDayReceipt", "ButtonGetInfoNextDayReceipt",
     TILLCORE_INFO_NEXT_DAY_RECEIPT},
    {"Fiscal unit state", "InfoState", "ButtonGetInfoState", TILLCORE_INFO_STATE},
    {"Number of the Fiscal Unit", "InfoFiscalUnitNumber", "ButtonGetInfoFiscalUnitNumber",
     TILLCORE_INFO_UNIT_NUMBER},
    {"Fiscal unit version", "InfoFiscalUnitVersion", "ButtonGetInfoFiscalUnitVersion",
     TILLCORE_INFO_UNIT_VERSION},
    {"Chassis number", "InfoShassiNumber", "ButtonGetInfoShassiNumber", TILLCORE_INFO_CHASSIS_NUMBER},
    {"Id number", "InfoIdNumber", "ButtonGetInfoIdNumber", TILLCORE_INFO_ID_NUMBER},
};

constexpr int StateFields = 5;
const QString CashInDrawerName = QStringLiteral("GetInfo(cash in drawer)");

QString name(const char* pattern, int row) {
    return QString::fromLatin1(pattern).arg(row);
}

QRect rowRect(int x, int row, int width, int firstRow = layout::FirstRow) {
    return QRect(x, firstRow + row * layout::RowPitch, width, layout::RowHeight);
}

// A row label, vertically centred on its edit box.
void rowLabel(QWidget* parent, const QString& text, int x, int row, int width,
              int firstRow = layout::FirstRow) {
    ui::LabelIn(parent, text, rowRect(x, row, width, firstRow));
}

} // namespace

InformationPage::InformationPage(PageHost& host, settings::TaxCurrencyClock& taxCurrencyClock,
                                 settings::DepartmentsCredits& departmentsCredits)
    : host_(host), form_(host.form()), taxCurrencyClock_(taxCurrencyClock),
      departmentsCredits_(departmentsCredits) {
    BuildInformation();
    BuildCashInDrawer();
    BuildDepartments();
    BuildHardErrors();
}

void InformationPage::BuildInformation() {
    QGroupBox* group = ui::Group(host_.page(Page::Information), QStringLiteral("GroupBoxInformation"),
                                 QStringLiteral("Information"), layout::Information);
    for (int row = 0; row < int(std::size(InfoRows)); ++row) {
        const InfoRow& r = InfoRows[row];
        rowLabel(group, QString::fromLatin1(r.label), 8, row, 190);
        rowBox_[row] = ui::ReadOnlyEdit(group, QString::fromLatin1(r.box), rowRect(200, row, 134));
        ui::Button(group, QString::fromLatin1(r.button), QStringLiteral("Get"), rowRect(338, row, 36),
                   [this, row] { ButtonGetInfoRowClick(row); });
    }
}

void InformationPage::BuildCashInDrawer() {
    using namespace layout::cash;
    cashGroup_ = ui::Group(host_.page(Page::Information), QStringLiteral("GroupBoxCashInDrawer"),
                           QStringLiteral("Cash in drawer"), layout::CashInDrawer);
    const int titleY = 18;
    ui::Label(cashGroup_, QStringLiteral("Name"), NameX, titleY);
    ui::Label(cashGroup_, QStringLiteral("Rate"), RateX, titleY);
    ui::Label(cashGroup_, QStringLiteral("Amount"), AmountX, titleY);
    ui::Label(cashGroup_, QStringLiteral("Money In/Out"), InX, titleY);
    for (int row = 0; row < 4; ++row) {
        const int n = row + 1;
        const int y = rowY(row);
        ui::LabelIn(cashGroup_, QStringLiteral("%1.").arg(n), QRect(RowLabelX, y, 14, layout::RowHeight));
        curName_[row] = ui::ReadOnlyEdit(cashGroup_, name("InfoCur%1Name", n),
                                         QRect(NameX, y, NameWidth, layout::RowHeight));
        curRate_[row] = ui::ReadOnlyEdit(cashGroup_, name("InfoCur%1Rate", n),
                                         QRect(RateX, y, RateWidth, layout::RowHeight));
        curAmount_[row] = ui::Edit(cashGroup_, name("InfoCur%1Amount", n),
                                   QRect(AmountX, y, AmountWidth, layout::RowHeight));
        ui::Button(cashGroup_, name("ButtonGetInfoCur%1Amount", n), QStringLiteral("Get"),
                   QRect(GetX, y, GetWidth, layout::RowHeight),
                   [this, row] { ButtonGetInfoCurAmountClick(row); });
    }
}

void InformationPage::BuildDepartments() {
    QGroupBox* group = ui::Group(host_.page(Page::Information), QStringLiteral("GroupBoxInfoDepartments"),
                                 QStringLiteral("Departments"), layout::Departments);
    const int nameX = 24, nameWidth = 190, summX = 218, summWidth = 120, getX = 342;
    ui::Label(group, QStringLiteral("Name"), nameX, 18);
    ui::Label(group, QStringLiteral("Turnover"), summX, 18);
    for (int row = 0; row < 8; ++row) {
        const int n = row + 1;
        rowLabel(group, QStringLiteral("%1.").arg(n), 8, row, 14, layout::TitledFirstRow);
        departName_[row] = ui::ReadOnlyEdit(group, name("InfoDepart%1Name", n),
                                            rowRect(nameX, row, nameWidth, layout::TitledFirstRow));
        departSumm_[row] = ui::ReadOnlyEdit(group, name("InfoDepart%1Summ", n),
                                            rowRect(summX, row, summWidth, layout::TitledFirstRow));
        ui::Button(group, name("ButtonInfoDepart%1Get", n), QStringLiteral("Get"),
                   rowRect(getX, row, 44, layout::TitledFirstRow),
                   [this, row] { ButtonInfoDepartGetClick(row); });
    }
}

void InformationPage::BuildHardErrors() {
    QGroupBox* group = ui::Group(host_.page(Page::Information), QStringLiteral("GroupBoxHardErrors"),
                                 QStringLiteral("HARD errors"), layout::HardErrors);
    rowLabel(group, QStringLiteral("Hardware mask:"), 8, 0, 128);
    InfoHardwareMask = ui::ReadOnlyEdit(group, QStringLiteral("InfoHardwareMask"), rowRect(140, 0, 40));
    ui::Button(group, QStringLiteral("Button6"), QStringLiteral("Get"), rowRect(342, 0, 44),
               [this] { ButtonGetInfoStateClick(); });
    rowLabel(group, QStringLiteral("Extended status bytes:"), 8, 1, 128);
    InfoHardwareErrorDetails =
        ui::ReadOnlyEdit(group, QStringLiteral("InfoHardwareErrorDetails"), rowRect(140, 1, 246));
}

void InformationPage::ButtonGetInfoRowClick(int row) {
    if (row == StateRow) {
        ButtonGetInfoStateClick();
        return;
    }
    QueryInfoText(form_, InfoRows[row].code, rowBox_[row]);
}

void InformationPage::ButtonGetInfoStateClick() {
    QLineEdit* InfoState = rowBox_[StateRow];
    QByteArray fields[StateFields];
    const int n = QueryInfoFields(form_, TILLCORE_INFO_STATE, StateFields, fields);
    if (n <= 0) {
        // Nothing counted (a failed query, or an answer without FS): the hardware boxes keep their text.
        InfoState->setText(QString());
        return;
    }
    InfoState->setText(FromDevice(fields[0]));
    QString mask;
    QString details;
    if (n >= 2) {
        const unsigned char maskByte = fields[1].isEmpty() ? 0 : static_cast<unsigned char>(fields[1][0]);
        mask = HexText(maskByte, 2);
        for (int k = 3; k <= n; ++k) {
            if (k > 3)
                details += QLatin1Char(' ');
            details += FromDevice(fields[k - 1]);
        }
    }
    InfoHardwareMask->setText(mask);
    InfoHardwareErrorDetails->setText(details);
}

void InformationPage::ButtonGetInfoCurAmountClick(int row) {
    QueryCashInDrawer(row, curName_[row], curRate_[row], curAmount_[row]);
}

void InformationPage::QueryCashInDrawer(int index, QLineEdit* nameBox, QLineEdit* rateBox,
                                        QLineEdit* amountBox) {
    // The currency read is an operation of its own; the cash read follows whatever its outcome.
    taxCurrencyClock_.QueryCurrency(index, nameBox, rateBox);
    RunQuery(form_, CashInDrawerName, TILLCORE_INFO_CASH_IN_DRAWER_BASE + index, 2,
             [amountBox](const std::vector<QByteArray>& fields, int) {
                 amountBox->setText(FromDevice(TrimRight(fields[1])));
             });
}

void InformationPage::ButtonInfoDepartGetClick(int row) {
    departmentsCredits_.QueryDepartment(row, departName_[row], departSumm_[row]);
}

} // namespace pages::information
