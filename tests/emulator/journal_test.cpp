// The paper roll is the electronic journal: read in pieces, checked with CRC-32.
#include <zlib.h>

#include <cstring>

#include "module_fixture.h"

class JournalTest : public ModuleTest {
protected:
    void SetUp() override {
        ModuleTest::SetUp();
        ASSERT_EQ(PrintVatTable(), 0);
        ASSERT_EQ(BeginFiscalReceipt(), 0);
        ASSERT_EQ(PrintRecItemDepart("Milk", 1, 1.00, 0, "", 0), 0);
        ASSERT_EQ(pay(1), 0);
    }
    // Reads the journal as the console does: pieces into a buffer that doubles on 163.
    static int readAll(size_t capacity, std::string& text, int& doublings) {
        std::vector<char> buf(capacity, 0);
        size_t pos = 0;
        doublings = 0;
        for (;;) {
            int rc = GetFiscalInfo2Ex(911, int(pos), buf.data() + pos, int(buf.size() - pos));
            if (rc == 163) {
                buf.resize(buf.size() * 2, 0);
                ++doublings;
                continue;
            }
            size_t piece = strnlen(buf.data() + pos, buf.size() - pos);
            pos += piece;
            if (piece == 0) {
                text.assign(buf.data(), pos);
                return rc == 21 ? 0 : rc;
            }
        }
    }
};

TEST_F(JournalTest, LengthAndCrcDescribeTheTextReadInPieces) {
    auto head = info(910);
    ASSERT_EQ(head.size(), 2u);
    for (size_t capacity : {size_t(4), size_t(8), size_t(41), size_t(100000)}) {
        std::string text;
        int doublings = 0;
        ASSERT_EQ(readAll(capacity, text, doublings), 0) << capacity;
        EXPECT_EQ(std::to_string(text.size()), head[0]);
        unsigned crc = LoadJournalCrc(0, text.c_str(), int(text.size()));
        char hex[16];
        snprintf(hex, sizeof hex, "%08X", crc);
        EXPECT_EQ(hex, head[1]);
        EXPECT_EQ(crc, unsigned(crc32(0, reinterpret_cast<const Bytef*>(text.data()), uInt(text.size()))));
        if (capacity == 4) {
            EXPECT_GT(doublings, 0);
        }
    }
}

TEST_F(JournalTest, PiecesNeverExceedTheRoom) {
    char buf[64];
    for (int room = 1; room <= 64; ++room) {
        memset(buf, 'X', sizeof buf);
        int rc = GetFiscalInfo2Ex(911, 0, buf, room);
        if (rc == 163)
            continue;
        ASSERT_EQ(rc, 0);
        size_t n = strnlen(buf, sizeof buf);
        EXPECT_LT(n, size_t(room));
        EXPECT_EQ(buf[n - 1], '\n') << "whole lines only";
        for (int i = room; i < 64; ++i)
            ASSERT_EQ(buf[i], 'X') << "wrote past the room " << room;
    }
    EXPECT_EQ(GetFiscalInfo2Ex(911, 0, buf, 0), 163);
}

TEST_F(JournalTest, EndAndBadPositions) {
    int len = std::stoi(info(910)[0]);
    char buf[256] = "junk";
    EXPECT_EQ(GetFiscalInfo2Ex(911, len, buf, sizeof buf), 21);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(GetFiscalInfo2Ex(911, len + 1, buf, sizeof buf), 2);
    EXPECT_EQ(GetFiscalInfo2Ex(911, -1, buf, sizeof buf), 2);
    EXPECT_EQ(LoadJournalCrc(0, nullptr, 10), 0u);
    EXPECT_EQ(LoadJournalCrc(0, "abc", 100), LoadJournalCrc(0, "abc", 3)) << "stops at the zero";
}

TEST_F(JournalTest, CopyOfLastReceiptReprintsItAsCopy) {
    int before = std::stoi(info(910)[0]);
    ASSERT_EQ(PrintCopyOfLastReceipt(), 0);
    std::vector<char> buf(100000, 0);
    ASSERT_EQ(GetFiscalInfo2Ex(911, before, buf.data(), int(buf.size())), 0);
    std::string copy = buf.data();
    EXPECT_NE(copy.find("*** COPY ***"), std::string::npos);
    EXPECT_NE(copy.find("Milk"), std::string::npos);
    EXPECT_EQ(field(2, 1), "2") << "a copy is not a receipt";
}
