#include "FormFixture.h"

#include "framework/Exception.h"
#include "pages/service/Journal.h"

#include <QPlainTextEdit>
#include <cstring>

using namespace testing_support;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr int RoomTooSmall = 163;
const QColor Red(255, 0, 0);

// A module serving `journal` from the position it is asked for, in pieces of at most `pieceSize`
// characters. A piece that does not fit the room with its terminating zero is refused with 163;
// once the journal is exhausted an empty piece is answered with `endCode`.
FakeDevice::Handler JournalServer(std::string journal, size_t pieceSize, int endCode = 21) {
    return [=](const DeviceCall& call, char* buffer) {
        const auto position = static_cast<size_t>(std::get<int>(call.args[1]));
        const int room = std::get<int>(call.args[2]);
        const std::string piece = journal.substr(std::min(position, journal.size()), pieceSize);
        if (static_cast<int>(piece.size()) + 1 > room)
            return RoomTooSmall;
        std::memcpy(buffer, piece.data(), piece.size());
        buffer[piece.size()] = '\0';
        return piece.empty() ? endCode : 0;
    };
}

DeviceCall Piece(int position, int room) {
    return Call("GetFiscalInfo2Ex", 911, position, room);
}

QStringList Lines(const QPlainTextEdit* box) {
    return box->document()->isEmpty() ? QStringList() : box->toPlainText().split(u'\n');
}

} // namespace

class JournalPage : public FormFixture {
protected:
    QPlainTextEdit* journalText() const { return find<QPlainTextEdit>("JournalText"); }
    QColor calculatedColour() const {
        return find<QLineEdit>("JournalCalculatedCrc")->palette().color(QPalette::Text);
    }
    QColor normalColour() const {
        return find<QLineEdit>("JournalCurrentCrc")->palette().color(QPalette::Text);
    }
    std::vector<DeviceCall> pieceCalls() const {
        std::vector<DeviceCall> pieces;
        for (const DeviceCall& call : calls())
            if (call.name == "GetFiscalInfo2Ex")
                pieces.push_back(call);
        return pieces;
    }
    // The announcement of code 910 (length, module checksum) and the journal itself.
    void serve(const QByteArray& info, const std::string& journal, size_t pieceSize, int endCode = 21) {
        device.setAnswer(910, info);
        device.setHandler("GetFiscalInfo2Ex", JournalServer(journal, pieceSize, endCode));
    }
    void keepOldTexts() {
        journalText()->setPlainText("old journal");
        type("JournalCurrentCrc", "OLD");
        type("JournalCalculatedCrc", "OLD");
    }
};

TEST_F(JournalPage, ReadsThePiecesAtTheirPositionsAndComparesTheChecksums) {
    serve("12\x1c"
          "abcd\x1c",
          "line1\nline2\n", 5);
    device.setHandler("LoadJournalCrc", [](const DeviceCall&, char*) { return 0xABCD; });
    click("ButtonJournalRead");
    EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 910), Piece(0, 16), Piece(5, 11), Piece(10, 6),
                                     Piece(12, 4), Call("LoadJournalCrc", 0, Text("line1\nline2\n"), 12)));
    EXPECT_EQ(Lines(journalText()), QStringList({"line1", "line2"}));
    EXPECT_EQ(text("JournalCurrentCrc"), "abcd");
    EXPECT_EQ(text("JournalCalculatedCrc"), "0000ABCD");
    EXPECT_EQ(calculatedColour(), normalColour());
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(JournalPage, TheBufferDoublesUntilThePieceFitsAndItIsAskedForAgainAtTheSamePosition) {
    serve("0\x1c"
          "0\x1c",
          "0123456789abcdefghij", 100);
    click("ButtonJournalRead");
    EXPECT_THAT(pieceCalls(),
                ElementsAre(Piece(0, 4), Piece(0, 8), Piece(0, 16), Piece(0, 32), Piece(20, 12)));
    EXPECT_EQ(Lines(journalText()), QStringList({"0123456789abcdefghij"}));
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(JournalPage, ADoublingKeepsWhatWasReceived) {
    serve("4\x1c"
          "0\x1c",
          "abcdefghijklmnopqrstuvwxyz", 6);
    click("ButtonJournalRead");
    EXPECT_THAT(pieceCalls(), ElementsAre(Piece(0, 8), Piece(6, 2), Piece(6, 10), Piece(12, 4), Piece(12, 20),
                                          Piece(18, 14), Piece(24, 8), Piece(26, 6)));
    EXPECT_EQ(Lines(journalText()), QStringList({"abcdefghijklmnopqrstuvwxyz"}));
    EXPECT_EQ(calls().back(), Call("LoadJournalCrc", 0, Text("abcdefghijklmnopqrstuvwxyz"), 26));
}

TEST_F(JournalPage, TheEndCodeOfTheEmptyPieceDecides) {
    struct Case {
        int endCode;
        QStringList lines;
        std::vector<ShownBox> shown;
    };
    const Case cases[] = {
        {21, {"AB"}, {}},
        {0, {"AB"}, {}},
        {7, {}, {ErrorBox("GetFiscalInfo(journal): error 7")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.endCode);
        messages.clear();
        device.clearCalls();
        keepOldTexts();
        serve("2\x1c"
              "0\x1c",
              "AB", 10, c.endCode);
        click("ButtonJournalRead");
        EXPECT_EQ(Lines(journalText()), c.lines);
        EXPECT_EQ(boxes(), c.shown);
        EXPECT_EQ(text("JournalCurrentCrc"), "0");
        if (c.shown.empty()) {
            EXPECT_EQ(calls().back().name, "LoadJournalCrc");
        } else {
            EXPECT_EQ(calls().back(), Piece(2, 4)) << "no checksum after a failed read";
            EXPECT_EQ(text("JournalCalculatedCrc"), "OLD");
        }
    }
}

TEST_F(JournalPage, APieceWithCharactersKeepsTheReadingGoingWhateverItsCode) {
    device.setAnswer(910, "10\x1c"
                          "0\x1c");
    int served = 0;
    device.setHandler("GetFiscalInfo2Ex", [&](const DeviceCall&, char* buffer) {
        const char* pieces[] = {"AB", "CD", ""};
        std::strcpy(buffer, pieces[served]);
        return served++ < 2 ? 5 : 21;
    });
    click("ButtonJournalRead");
    EXPECT_THAT(pieceCalls(), ElementsAre(Piece(0, 14), Piece(2, 12), Piece(4, 10)));
    EXPECT_EQ(Lines(journalText()), QStringList({"ABCD"}));
    EXPECT_THAT(boxes(), IsEmpty());
}

// A piece that fills its whole room without a terminating zero is measured only up to the end of
// the buffer, and the text handed on stays terminated.
TEST_F(JournalPage, APieceFillingTheWholeRoomIsNotMeasuredPastTheBuffer) {
    device.setAnswer(910, "0\x1c"
                          "0\x1c");
    device.setHandler("GetFiscalInfo2Ex", [](const DeviceCall& call, char* buffer) {
        const int room = std::get<int>(call.args[2]);
        if (std::get<int>(call.args[1]) == 0) {
            std::memcpy(buffer, "WXYZ", 4);
            return 0;
        }
        EXPECT_EQ(room, 0);
        return 21;
    });
    click("ButtonJournalRead");
    EXPECT_THAT(pieceCalls(), ElementsAre(Piece(0, 4), Piece(4, 0)));
    EXPECT_EQ(calls().back(), Call("LoadJournalCrc", 0, Text("WXYZ"), 4));
    EXPECT_EQ(Lines(journalText()), QStringList({"WXYZ"}));
}

TEST_F(JournalPage, ACarriageReturnStaysInItsLine) {
    serve("5\x1c"
          "0\x1c",
          "A\r\nB\n", 100);
    click("ButtonJournalRead");
    EXPECT_EQ(Lines(journalText()), QStringList({QStringLiteral("A\u240D"), "B"}));
    EXPECT_EQ(calls().back(), Call("LoadJournalCrc", 0, Text("A\r\nB\n"), 5));
}

TEST_F(JournalPage, AddTextLinesCutsAtLineFeeds) {
    struct Case {
        QByteArray text;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {"before"}},
        {"A\n", {"before", "A"}},
        {"A", {"before", "A"}},
        {"A\n\nB", {"before", "A", "", "B"}},
        {"A\nB\n\n", {"before", "A", "B", ""}},
        {"\xc0\xe8\n", {"before", QString::fromUtf8("\xc4\x84\xc4\x8d")}}, // Windows-1257 letters
    };
    for (const Case& c : cases) {
        QPlainTextEdit box;
        box.setPlainText("before");
        pages::service::AddTextLines(&box, c.text);
        EXPECT_EQ(Lines(&box), c.lines) << c.text.toStdString();
        EXPECT_TRUE(box.updatesEnabled());
    }
}

TEST_F(JournalPage, ChecksumsAreComparedByValue) {
    struct Case {
        QByteArray kept;
        unsigned computed;
        const char* shown;
        bool red;
    };
    const Case cases[] = {
        {"abcd", 0xABCD, "0000ABCD", false},     {"ABCE", 0xABCD, "0000ABCD", true},
        {"0000abcd", 0xABCD, "0000ABCD", false}, {"FFFFFFFF", 0xFFFFFFFF, "FFFFFFFF", false},
        {" abcd", 0xABCD, "0000ABCD", true},     {"xyz", 0xABCD, "0000ABCD", true},
        {"xyz", 0, "00000000", false},           {"", 0, "00000000", false},
        {"100000000", 0, "00000000", false},     {"100000000", 1, "00000001", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kept.toStdString());
        serve("1\x1c" + c.kept + "\x1c", "J", 10);
        device.setHandler("LoadJournalCrc",
                          [&](const DeviceCall&, char*) { return static_cast<int>(c.computed); });
        click("ButtonJournalRead");
        EXPECT_EQ(text("JournalCurrentCrc"), QString::fromLatin1(c.kept));
        EXPECT_EQ(text("JournalCalculatedCrc"), c.shown);
        EXPECT_EQ(calculatedColour(), c.red ? Red : normalColour());
    }
    EXPECT_NE(normalColour(), Red);
    EXPECT_THAT(boxes(), IsEmpty());
}

TEST_F(JournalPage, FailuresAreReportedUnderTheCurrentOperation) {
    struct Case {
        const char* title;
        QByteArray info;
        int infoResult;
        bool removeChecksum;
        ShownBox shown;
        bool piecesRead;
        const char* currentCrc;
    };
    const Case cases[] = {
        {"journal info refused",
         "12\x1c"
         "abcd\x1c",
         3, false, ErrorBox("GetFiscalInfo(current journal info): error 3"), false, "OLD"},
        {"length not a number",
         "12x\x1c"
         "abcd\x1c",
         0, false, ExceptionBox("GetFiscalInfo(current journal info)", "'12x' is not a valid integer value"),
         false, "OLD"},
        {"length missing", "", 0, false,
         ExceptionBox("GetFiscalInfo(current journal info)", "'' is not a valid integer value"), false,
         "OLD"},
        {"announced beyond 512 MiB",
         "536870909\x1c"
         "abcd\x1c",
         0, false, ExceptionBox("GetFiscalInfo(current journal info)", "Journal is larger than 512 MiB"),
         false, "abcd"},
        {"checksum function missing",
         "2\x1c"
         "abcd\x1c",
         0, true, ExceptionBox("GetFiscalInfo(journal)", "Device library has no function LoadJournalCrc"),
         true, "abcd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        createForm();
        messages.clear();
        device.clearCalls();
        keepOldTexts();
        device.setAnswer(910, c.info, c.infoResult);
        device.setHandler("GetFiscalInfo2Ex", JournalServer("AB", 10));
        if (c.removeChecksum)
            device.removeFunction("LoadJournalCrc");
        click("ButtonJournalRead");
        EXPECT_THAT(boxes(), ElementsAre(c.shown));
        EXPECT_EQ(pieceCalls().empty(), !c.piecesRead);
        EXPECT_EQ(text("JournalCalculatedCrc"), "OLD");
        if (!c.piecesRead) {
            EXPECT_TRUE(Lines(journalText()).isEmpty()) << "the text box is emptied first";
        }
        EXPECT_EQ(text("JournalCurrentCrc"), c.currentCrc);
    }
}

TEST_F(JournalPage, ANegativeAnnouncedLengthStartsAtTheSmallestBuffer) {
    serve("-10\x1c"
          "0\x1c",
          "AB", 10);
    click("ButtonJournalRead");
    EXPECT_THAT(pieceCalls(), ElementsAre(Piece(0, 4), Piece(2, 2)));
    EXPECT_EQ(Lines(journalText()), QStringList({"AB"}));
}

// The limit is a parameter of the buffer so that growing into it needs no 512 MiB in a test.
TEST_F(JournalPage, TheBufferDoesNotGrowPastItsLimit) {
    struct Case {
        int capacity;
        std::vector<DeviceCall> pieces;
    };
    const Case cases[] = {
        {4, {Piece(0, 4), Piece(0, 8), Piece(0, 16)}},
        {12, {Piece(0, 12), Piece(0, 16)}},
    };
    device.setResult("GetFiscalInfo2Ex", RoomTooSmall);
    for (const Case& c : cases) {
        device.clearCalls();
        pages::service::JournalBuffer buffer(c.capacity, 16);
        int received = -1;
        try {
            pages::service::ReadLongInfo(911, buffer, &received);
            ADD_FAILURE() << "a journal that never fits must end the reading";
        } catch (const framework::Exception& e) {
            EXPECT_EQ(e.message(), "Journal is larger than 512 MiB");
        }
        EXPECT_EQ(calls(), c.pieces);
        EXPECT_EQ(buffer.capacity(), 16);
    }
}

TEST_F(JournalPage, CardSpaceNeedsAnFsEndedField) {
    struct Case {
        QByteArray answer;
        int result;
        QString free;
        QString total;
        std::vector<ShownBox> shown;
    };
    const Case cases[] = {
        {"100 \x1c"
         "2000\x1c",
         0,
         "100 ",
         "2000",
         {}},
        {"100\x1c", 0, "100", "", {}},
        {"100", 0, "old", "old", {}},
        {"100\x1c"
         "2000\x1c",
         2,
         "old",
         "old",
         {ErrorBox("GetFiscalInfo(914): error 2")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        messages.clear();
        type("JournalFreeSpace", "old");
        type("JournalTotalSpace", "old");
        device.setAnswer(914, c.answer, c.result);
        device.clearCalls();
        click("ButtonJournalGetDiskSpace");
        EXPECT_THAT(calls(), ElementsAre(Call("GetFiscalInfo", 914)));
        EXPECT_EQ(text("JournalFreeSpace"), c.free);
        EXPECT_EQ(text("JournalTotalSpace"), c.total);
        EXPECT_EQ(boxes(), c.shown);
    }
}

TEST_F(JournalPage, JournalTextUsesAFixedPitchFont) {
    const QFont font = journalText()->font();
    EXPECT_EQ(font.family(), "Courier New");
    EXPECT_EQ(font.pointSize(), 8);
    EXPECT_TRUE(QFontInfo(font).fixedPitch())
        << "falls back to a monospace font: " << QFontInfo(font).family().toStdString();
}
