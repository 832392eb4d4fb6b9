#include "ServiceOperations.h"

#include "device/AnswerFields.h"
#include "device/DeviceLibrary.h"
#include "framework/Codecs.h"
#include "framework/Operations.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace framework;

namespace pages::service {

namespace {

constexpr int BadBlockRows = 10;

} // namespace

ServiceOperations::ServiceOperations(PageHost& host) : host_(host), form_(host.form()) {
    BuildGroups();
}

// Everything here stays left of x = 395; the right part of the page holds the receipt options.
void ServiceOperations::BuildGroups() {
    QWidget* page = host_.page(Page::Service);

    QGroupBox* fiscalization =
        ui::Group(page, "GroupBoxFiscalization", "Fiscalization", QRect(8, 8, 190, 82));
    ui::Label(fiscalization, "Date:", 10, 24);
    FiscalizationDate = ui::DatePicker(fiscalization, "FiscalizationDate", QRect(50, 20, 128, 21), QDate());
    ui::Button(fiscalization, "ButtonServiceFiscalization", "Fiscalize", QRect(50, 48, 128, 25),
               [this] { ButtonServiceFiscalizationClick(); });

    QGroupBox* numbers = ui::Group(page, "GroupBoxNumbers", "Numbers", QRect(8, 98, 380, 82));
    ui::Label(numbers, "Chassis Nr.", 10, 24);
    ServiceShassiNumber = ui::Edit(numbers, "ServiceShassiNumber", QRect(80, 20, 210, 21));
    ui::Button(numbers, "ButtonServiceSetShassi", "Set", QRect(298, 18, 72, 25),
               [this] { ButtonServiceSetShassiClick(); });
    ui::Label(numbers, "Id number", 10, 52);
    ServiceIdNumber = ui::Edit(numbers, "ServiceIdNumber", QRect(80, 48, 210, 21));
    ui::Button(numbers, "ButtonServiceSetIdNumber", "Set", QRect(298, 46, 72, 25),
               [this] { ButtonServiceSetIdNumberClick(); });

    // Ten numbered rows of 16 pixels; the grid fills its group.
    QGroupBox* badBlocks = ui::Group(page, "GroupBoxBadBlocks", "Bad blocks", QRect(8, 188, 190, 190));
    ServiceBadBlocks = ui::Grid(badBlocks, "ServiceBadBlocks", QRect(8, 18, 174, 164), 0, 0);
    ServiceBadBlocks->setDefaultRowHeight(16);
    ServiceBadBlocks->setColCount(2);
    ServiceBadBlocks->setRowCount(BadBlockRows);
    ServiceBadBlocks->setColWidth(0, 64);
    ServiceBadBlocks->setColWidth(1, 103);
    ServiceBadBlocks->setEditable(false);
    ServiceBadBlocks->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ServiceBadBlocks->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ServiceBadBlocks->setCurrentCell(-1, -1);
    const int frame = 2 * ServiceBadBlocks->frameWidth();
    ServiceBadBlocks->resize(64 + 103 + frame, 16 * BadBlockRows + frame);
    badBlocks->resize(ServiceBadBlocks->width() + 16, ServiceBadBlocks->height() + 26);
    ui::Button(page, "ButtonServiceGetBadBlocks", "Get Bad Blocks",
               QRect(8, badBlocks->geometry().bottom() + 9, badBlocks->width(), 25),
               [this] { ButtonServiceGetBadBlocksClick(); });

    // Built as designed but never shown; nothing reads its fields.
    QGroupBox* initialization =
        ui::Group(page, "FRInitialization", "Initialization", QRect(206, 188, 182, 132));
    ui::Label(initialization, "Date:", 10, 24);
    ui::DatePicker(initialization, "FRDateTimePicker1", QRect(82, 20, 90, 21), QDate());
    ui::Label(initialization, "Time", 10, 50);
    ui::TimePicker(initialization, "FRDateTimePicker2", QRect(82, 46, 90, 21), QTime());
    ui::Label(initialization, "Unit number:", 10, 76);
    ui::Edit(initialization, "FRInitialize", QRect(82, 72, 90, 21));
    ui::Button(initialization, "Button8", "Initialize", QRect(82, 100, 90, 25), [this] { Button8Click(); });
    initialization->hide();
}

void ServiceOperations::ButtonServiceFiscalizationClick() {
    if (!ConfirmAction(form_,
                       QStringLiteral("Fiscalization function is restricted to authorized personal only.\n"
                                      "Are You sure to proceed with operation ?")))
        return;
    RunOperation(form_, "Fiscalization", [this] {
        const QByteArray date = DateText(FiscalizationDate->date());
        return device::Fiscalization(date.constData());
    });
}

// Every successful read rewrites all ten rows: numbers 1 to 10 and the fields as received, rows
// the answer lacks emptied. A failed read leaves the grid as it was.
void ServiceOperations::ButtonServiceGetBadBlocksClick() {
    device::AnswerBuffer answer;
    RunOperation(
        form_, "GetBadBlocks", [&] { return device::GetBadBlocks(answer.data()); },
        [&] {
            const std::vector<QByteArray> fields = device::SplitAnswer(answer.text(), BadBlockRows);
            for (int r = 0; r < BadBlockRows; ++r) {
                ServiceBadBlocks->setCell(0, r, QString::number(r + 1));
                ServiceBadBlocks->setCell(1, r, FromDevice(fields[r]));
            }
        });
}

void ServiceOperations::SetNumber(const char* operation, int (*set)(const char*), const QLineEdit* box) {
    RunOperation(form_, operation, [&] {
        const QByteArray number = ToDevice(box->text());
        return set(number.constData());
    });
}

void ServiceOperations::ButtonServiceSetShassiClick() {
    SetNumber("SetShassi", &device::SetShassi, ServiceShassiNumber);
}

void ServiceOperations::ButtonServiceSetIdNumberClick() {
    SetNumber("SetId", &device::SetId, ServiceIdNumber);
}

void ServiceOperations::Button8Click() {}

} // namespace pages::service
