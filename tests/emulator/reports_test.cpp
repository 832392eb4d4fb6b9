// Z reports book the shift as a fiscal record; periodic reports read those records back.
#include <cstring>

#include "module_fixture.h"

class ReportTest : public ModuleTest {
protected:
    void sell(double price) {
        ASSERT_EQ(BeginFiscalReceipt(), 0);
        ASSERT_EQ(PrintRecItemDepart("Item", 1, price, 0, "", 0), 0);
        ASSERT_EQ(pay(price), 0);
    }
    // The last document on the paper roll.
    static std::string journalTail(size_t n) {
        std::vector<char> buf(1 << 20);
        std::string text;
        int pos = 0, rc;
        while ((rc = GetFiscalInfo2Ex(911, pos, buf.data() + 0, int(buf.size()))) == 0) {
            text += buf.data();
            pos += int(strlen(buf.data()));
        }
        return text.size() > n ? text.substr(text.size() - n) : text;
    }
};

TEST_F(ReportTest, ZBooksARecordAndClearsTheShift) {
    sell(2.00);
    sell(3.00);
    ASSERT_EQ(PrintZReport(), 0);
    EXPECT_EQ(field(7, 1), "1");
    EXPECT_EQ(field(1, 1), "0.00");
    EXPECT_EQ(field(8, 1), "1");
    EXPECT_EQ(field(310, 3), "0.00");
    EXPECT_EQ(field(2, 1), "3") << "receipt numbers run on across shifts";
    EXPECT_EQ(field(50, 2), "5.00") << "the cash is still in the drawer";
}

TEST_F(ReportTest, PeriodicReportsSumTheStoredRecords) {
    sell(2.00);
    ASSERT_EQ(PrintZReport(), 0);
    sell(3.00);
    sell(4.00);
    ASSERT_EQ(PrintZReport(), 0);
    ASSERT_EQ(PrintSumPeriodicReportByNumber(1, 2), 0);
    std::string tail = journalTail(2000);
    size_t total = tail.rfind("TOTAL");
    ASSERT_NE(total, std::string::npos);
    std::string summary = tail.substr(total);
    EXPECT_NE(summary.find("Receipts                               3"), std::string::npos) << summary;
    EXPECT_NE(summary.find("Sales                               9.00"), std::string::npos) << summary;

    ASSERT_EQ(PrintPeriodicReportByNumber(2, 2), 0);
    summary = journalTail(4000);
    summary = summary.substr(summary.rfind("PERIODIC REPORT"));
    EXPECT_NE(summary.find("From Z 2"), std::string::npos) << summary;
    EXPECT_EQ(summary.find("Z 1"), std::string::npos) << summary;

    char today[16];
    GetFiscalInfo(5, today);
    today[8] = '\0';
    EXPECT_EQ(PrintSumPeriodicReport(today, today), 0);
    EXPECT_EQ(PrintPeriodicReport("20000101", "20000102"), 24);
    EXPECT_EQ(PrintSumPeriodicReportByNumber(3, 5), 24);
    EXPECT_EQ(PrintSumPeriodicReportByNumber(2, 1), 2);
    EXPECT_EQ(PrintTankSumPeriodicReportByNumber(1, 2), 0);
}

TEST_F(ReportTest, ClockCannotGoBehindTheLastRecord) {
    ASSERT_EQ(SetDate("20300105"), 0);
    ASSERT_EQ(PrintZReport(), 0);
    EXPECT_EQ(SetDate("20300104"), 22);
    EXPECT_EQ(SetDate("20300105"), 0);
    EXPECT_EQ(field(5, 1), "20300105");
}
