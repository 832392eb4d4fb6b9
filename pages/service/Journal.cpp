#include "Journal.h"

#include "device/AnswerFields.h"
#include "device/DeviceLibrary.h"
#include "framework/Codecs.h"
#include "framework/TextCodec.h"
#include "framework/Widgets.h"
#include "pages/InfoQueries.h"
#include "pages/PageLayout.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <cstring>
#include <new>

using namespace framework;

namespace pages::service {

namespace {

Exception TooLarge() {
    return Exception(QStringLiteral("Journal is larger than 512 MiB"));
}

std::vector<char> ZeroedBytes(int64_t size) {
    try {
        return std::vector<char>(static_cast<size_t>(size), '\0');
    } catch (const std::bad_alloc&) {
        throw Exception(QStringLiteral("Out of memory"));
    }
}

// Repainting is suspended while lines are added, and resumed however the adding ends.
class NoRepaint {
public:
    explicit NoRepaint(QWidget* widget) : widget_(widget) { widget_->setUpdatesEnabled(false); }
    ~NoRepaint() { widget_->setUpdatesEnabled(true); }
    NoRepaint(const NoRepaint&) = delete;
    NoRepaint& operator=(const NoRepaint&) = delete;

private:
    QWidget* widget_;
};

} // namespace

JournalBuffer::JournalBuffer(int64_t capacity, int64_t limit) : limit_(limit) {
    if (capacity > limit_)
        throw TooLarge();
    capacity = std::max<int64_t>(capacity, 1);
    bytes_ = ZeroedBytes(capacity + 1);
    capacity_ = static_cast<int>(capacity);
}

void JournalBuffer::grow(int position) {
    if (capacity_ >= limit_)
        throw TooLarge();
    const int64_t next = std::min<int64_t>(int64_t(capacity_) * 2, limit_);
    std::vector<char> bigger = ZeroedBytes(next + 1);
    std::memcpy(bigger.data(), bytes_.data(), static_cast<size_t>(position));
    bytes_.swap(bigger);
    capacity_ = static_cast<int>(next);
}

int JournalBuffer::pieceLength(int position) const {
    const char* start = bytes_.data() + position;
    const auto room = static_cast<size_t>(capacity_ - position);
    const void* zero = std::memchr(start, '\0', room);
    return zero ? static_cast<int>(static_cast<const char*>(zero) - start) : static_cast<int>(room);
}

// Pieces are requested at the end of what has been received, with the room left behind it. A
// request refused for want of room is repeated at the same position after the buffer has grown. The reading
// goes on while pieces bring characters, whatever their result codes, and stops at the first call
// that brings none.
int ReadLongInfo(int code, JournalBuffer& buffer, int* received) {
    int position = 0;
    int result = 0;
    for (;;) {
        result = device::GetFiscalInfo2Ex(code, position, buffer.at(position), buffer.capacity() - position);
        if (result == TILLCORE_ROOM_TOO_SMALL) {
            buffer.grow(position);
            continue;
        }
        const int piece = buffer.pieceLength(position);
        position += piece;
        if (piece == 0)
            break;
    }
    *received = position;
    return result == TILLCORE_END_OF_JOURNAL ? 0 : result;
}

void AddTextLines(QPlainTextEdit* lines, const QByteArray& text) {
    if (text.isEmpty())
        return;
    QString shown = FromDevice(text);
    if (shown.endsWith(u'\n'))
        shown.chop(1); // the last line's own line feed starts no further line
    shown.replace(u'\r', QChar(0x240D));
    NoRepaint suspended(lines);
    lines->appendPlainText(shown);
}

Journal::Journal(PageHost& host) : host_(host), form_(host.form()) {
    BuildPage();
}

void Journal::BuildPage() {
    QWidget* page = host_.page(Page::Journal);
    constexpr int panelWidth = 161;

    JournalText = new QPlainTextEdit(page);
    JournalText->setObjectName(QStringLiteral("JournalText"));
    JournalText->setGeometry(0, 0, pages::PageWidth - panelWidth, pages::PageHeight);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                       QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFixedPitch(true);
    fixed.setPointSize(8);
    JournalText->setFont(fixed);
    JournalText->setLineWrapMode(QPlainTextEdit::NoWrap);
    JournalText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    JournalText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("JournalPanel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(pages::PageWidth - panelWidth, 0, panelWidth, pages::PageHeight);

    QGroupBox* actions = ui::Group(panel, "GroupBoxJournalActions", "Journal actions", QRect(4, 4, 153, 144));
    ui::Label(actions, "Current CRC:, hex:", 8, 22);
    JournalCurrentCrc = ui::ReadOnlyEdit(actions, "JournalCurrentCrc", QRect(8, 38, 137, 21));
    ui::Label(actions, "Calculated CRC, hex:", 8, 66);
    JournalCalculatedCrc = ui::ReadOnlyEdit(actions, "JournalCalculatedCrc", QRect(8, 82, 137, 21));
    ui::Button(actions, "ButtonJournalRead", "Read journal", QRect(8, 112, 137, 25),
               [this] { ButtonJournalReadClick(); });

    QGroupBox* card = ui::Group(panel, "GroupBoxMicroSd", "Micro SD information", QRect(4, 156, 153, 144));
    ui::Label(card, "Total space, KB:", 8, 22);
    JournalTotalSpace = ui::ReadOnlyEdit(card, "JournalTotalSpace", QRect(8, 38, 137, 21));
    ui::Label(card, "Free space, KB:", 8, 66);
    JournalFreeSpace = ui::ReadOnlyEdit(card, "JournalFreeSpace", QRect(8, 82, 137, 21));
    ui::Button(card, "ButtonJournalGetDiskSpace", "Get", QRect(8, 112, 137, 25),
               [this] { ButtonJournalGetDiskSpaceClick(); });

    for (auto [text, y] : {std::pair{"Only for:", 312}, std::pair{"Dravik QuentaE!", 330}}) {
        QLabel* label = ui::Label(panel, text, 12, y);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->adjustSize();
    }
}

// The announced length sizes the buffer (plus 4); the module's checksum is shown as received and
// compared by value with the one computed over the text actually received.
void Journal::ButtonJournalReadClick() {
    QString operation = QStringLiteral("GetFiscalInfo(current journal info)");
    BusySection busy(form_);
    JournalText->clear();
    try {
        device::AnswerBuffer info;
        if (!CheckResult(form_, operation, device::GetFiscalInfo(TILLCORE_INFO_JOURNAL_INFO, info.data())))
            return;
        const std::vector<QByteArray> fields = device::SplitAnswer(info.text(), 2);
        const int32_t length = StrToInt(FromDevice(fields[0]));
        JournalCurrentCrc->setText(FromDevice(fields[1]));
        // A negative length announces nothing: the buffer then starts at 4 and grows as needed.
        JournalBuffer buffer(std::max<int64_t>(length, 0) + 4);
        operation = QStringLiteral("GetFiscalInfo(journal)");

        int received = 0;
        if (!CheckResult(form_, operation, ReadLongInfo(TILLCORE_INFO_JOURNAL, buffer, &received)))
            return;
        AddTextLines(JournalText, QByteArray::fromRawData(buffer.at(0), received));

        const uint32_t computed = device::LoadJournalCrc(0, buffer.at(0), received);
        JournalCalculatedCrc->setText(HexText(computed, 8));
        const auto kept =
            static_cast<uint32_t>(StrToIntDef(QStringLiteral("0x") + JournalCurrentCrc->text(), 0));
        QPalette palette = JournalCalculatedCrc->palette();
        palette.setColor(QPalette::Text, kept == computed ? JournalCurrentCrc->palette().color(QPalette::Text)
                                                          : QColor(255, 0, 0));
        JournalCalculatedCrc->setPalette(palette);
    } catch (const Exception& e) {
        ReportException(form_, operation, e);
    }
}

// Field 1 is the free space, field 2 the total; an answer without any FS changes nothing.
void Journal::ButtonJournalGetDiskSpaceClick() {
    std::array<QByteArray, 2> fields;
    if (QueryInfoFields(form_, TILLCORE_INFO_CARD_SPACE, 2, fields.data()) > 0) {
        JournalFreeSpace->setText(FromDevice(fields[0]));
        JournalTotalSpace->setText(FromDevice(fields[1]));
    }
}

} // namespace pages::service
