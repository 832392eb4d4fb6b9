#pragma once

#include "pages/PageHost.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

class QLineEdit;
class QPlainTextEdit;

namespace pages::service {

// The buffer the journal is read into, piece by piece. It starts at the length the module
// announces and doubles when the library says the room is too small, but never grows past
// `limit` (512 MiB unless a caller says otherwise): a journal needing more raises
// "Journal is larger than 512 MiB". Everything from the received text to the end is zero, and one
// zero byte beyond the capacity keeps the text terminated even when the last piece filled the room.
class JournalBuffer {
public:
    static constexpr int64_t MaxCapacity = int64_t(512) * 1024 * 1024;

    explicit JournalBuffer(int64_t capacity, int64_t limit = MaxCapacity);

    int capacity() const { return capacity_; }
    char* at(int position) { return bytes_.data() + position; }
    // Doubles the capacity (held at the limit), keeping the first `position` bytes; everything
    // after them is zero afterwards.
    void grow(int position);
    // The characters from `position` to the next zero byte, never counting past the capacity.
    int pieceLength(int position) const;
    // The first `length` bytes, as received.
    QByteArray text(int length) const { return QByteArray(bytes_.data(), length); }

private:
    std::vector<char> bytes_;
    int capacity_ = 0;
    int64_t limit_;
};

// Reads information code `code` with GetFiscalInfo2Ex into `buffer` piece by piece, growing it on
// TILLCORE_ROOM_TOO_SMALL. Returns 0 when the reading ended with TILLCORE_END_OF_JOURNAL, otherwise
// the last result; the number of characters received goes to *received.
int ReadLongInfo(int code, JournalBuffer& buffer, int* received);

// Appends `text` to the box, one line per line-feed-ended piece; a carriage return stays in its
// line (shown as the carriage-return symbol, since the text box would take it for a line break).
void AddTextLines(QPlainTextEdit* lines, const QByteArray& text);

// The electronic journal read with its checksum comparison, and the card space.
class Journal {
public:
    explicit Journal(PageHost& host);

    void ButtonJournalReadClick();
    void ButtonJournalGetDiskSpaceClick();

private:
    void BuildPage();

    PageHost& host_;
    framework::FormBase& form_;
    QPlainTextEdit* JournalText = nullptr;
    QLineEdit* JournalCurrentCrc = nullptr;
    QLineEdit* JournalCalculatedCrc = nullptr;
    QLineEdit* JournalTotalSpace = nullptr;
    QLineEdit* JournalFreeSpace = nullptr;
};

} // namespace pages::service
