// Documents: what receipts, non-fiscal documents, cash movements and fuel sales do to the
// module's counters and totals.
#include "module_fixture.h"

using DocumentTest = ModuleTest;

TEST_F(DocumentTest, SaleBooksTotalsCountersDrawerAndChange) {
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Milk", 2, 1.25, 0, "l", 0), 0);    // 2.50 A, dept 1
    ASSERT_EQ(PrintRecItemDepart("Bread", 3, 0.99, 1, "pcs", 1), 0); // 2.97 B, dept 2
    ASSERT_EQ(DiscountAdditionForItem(2, -0.47), 0);                 // bread 2.50
    EXPECT_EQ(field(0, 1), "5.00");
    ASSERT_EQ(pay(10), 0);
    EXPECT_EQ(field(0, 1), "0.00");
    EXPECT_EQ(field(1, 1), "5.00");  // day's turnover
    EXPECT_EQ(field(2, 1), "2");     // next receipt
    EXPECT_EQ(field(8, 1), "2");     // next day's receipt
    EXPECT_EQ(field(50, 2), "5.00"); // 10 paid, 5 change
    EXPECT_EQ(field(310, 3), "2.50");
    EXPECT_EQ(field(311, 3), "2.50");
}

TEST_F(DocumentTest, ReceiptDiscountIsSharedOverDepartmentsExactly) {
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("A", 1, 1.00, 0, "", 0), 0);
    ASSERT_EQ(PrintRecItemDepart("B", 1, 2.00, 0, "", 1), 0);
    ASSERT_EQ(DiscountAdditionForReceipt(1, -10), 0); // 3.00 - 0.30
    EXPECT_EQ(PrintRecItemDepart("C", 1, 1, 0, "", 0), 14) << "no items after a receipt discount";
    ASSERT_EQ(pay(0, 2.70), 0);
    EXPECT_EQ(field(1, 1), "2.70");
    EXPECT_EQ(field(310, 3), "0.90");
    EXPECT_EQ(field(311, 3), "1.80");
    EXPECT_EQ(field(60, 3), "2.70"); // credit 1 turnover
    EXPECT_EQ(field(50, 2), "0.00");
}

TEST_F(DocumentTest, ShortPaymentIsRefusedAndReceiptStaysOpen) {
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Milk", 1, 3.00, 0, "", 0), 0);
    EXPECT_EQ(pay(2.99), 15);
    EXPECT_EQ(pay(0, 3.01), 16) << "card payment above the total";
    EXPECT_EQ(field(0, 1), "3.00");
    EXPECT_EQ(pay(3.00), 0);
    EXPECT_EQ(field(2, 1), "2");
}

TEST_F(DocumentTest, ItemReturnNeedsAMatchingSale) {
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Milk", 2, 1.00, 0, "", 0), 0);
    EXPECT_EQ(ItemReturnEx("Milk", 3, 1.00, 0, "", 0, 1, 0), 32);
    EXPECT_EQ(ItemReturnEx("Cola", 1, 1.00, 0, "", 0, 1, 0), 32);
    EXPECT_EQ(ItemReturnEx("Milk", 1, 1.00, 0, "", 0, 1, 0), 0);
    EXPECT_EQ(field(0, 1), "1.00");
}

TEST_F(DocumentTest, ForeignCashIsConvertedAndChangeGivenInHomeCurrency) {
    ASSERT_EQ(SetCurrency(1, "USD", 0.5), 0); // 1 USD = 0.50 EUR
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Tea", 1, 4.00, 0, "", 0), 0);
    EXPECT_EQ(MoneyInCurr(0, 5), 11) << "no cash movement inside a receipt";
    EXPECT_EQ(pay(0, 0, 7.98), 15);
    ASSERT_EQ(pay(0, 0, 8), 0);
    EXPECT_EQ(field(51, 2), "8.00");
    EXPECT_EQ(field(50, 2), "0.00");
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Tea", 1, 3.00, 0, "", 0), 0);
    EXPECT_EQ(pay(0, 0, 10), 17) << "2.00 change, but no home currency in the drawer";
}

TEST_F(DocumentTest, GoodsReturnNeedsPermissionAndPaysOutExactly) {
    ASSERT_EQ(MoneyInCurr(0, 20), 0);
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Lamp", 1, 12.00, 0, "", 2), 0);
    EXPECT_EQ(GoodsReturnCurrEx(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 18);
    ASSERT_EQ(ResetFiscal(), 0);
    ASSERT_EQ(AllowGoodsReturn("someone else"), 19);
    ASSERT_EQ(AllowGoodsReturn(field(3, 1).c_str()), 0);
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrintRecItemDepart("Lamp", 1, 12.00, 0, "", 2), 0);
    EXPECT_EQ(GoodsReturnCurrEx(11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 16);
    ASSERT_EQ(GoodsReturnCurrEx(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(field(50, 2), "8.00");
    EXPECT_EQ(field(1, 1), "-12.00");
    EXPECT_EQ(field(312, 3), "-12.00");
}

TEST_F(DocumentTest, NonFiscalDepositsAndMoneyOutMoveTheDrawer) {
    ASSERT_EQ(BeginNonFiscalReceipt(), 0);
    ASSERT_EQ(PrintNonFiscalLine("hello", 0x41), 0);
    ASSERT_EQ(PrintDepositReceive("Bottle", 10, 0.10), 0);
    EXPECT_EQ(PrintDepositRefund("Bottle", 11, 0.10), 17) << "more than the drawer holds";
    ASSERT_EQ(PrintDepositRefund("Bottle", 4, 0.10), 0);
    ASSERT_EQ(EndNonFiscalReceipt(), 0);
    EXPECT_EQ(field(50, 2), "0.60");
    EXPECT_EQ(MoneyOutCurr(0, 0.61), 17);
    ASSERT_EQ(MoneyOutCurr(0, 0.60), 0);
    EXPECT_EQ(field(50, 2), "0.00");
    EXPECT_EQ(field(2, 1), "1") << "non-fiscal documents take no receipt number";
}

TEST_F(DocumentTest, FuelSaleMovesTankFiguresAndPumpTotalsWhenPaid) {
    ASSERT_EQ(BeginFiscalReceipt(), 0);
    ASSERT_EQ(PrRecItemFuel(0, 0, 10.5, 16.70), 0); // pump 0 nozzle 0: tank 0, diesel
    EXPECT_EQ(field(330, 12), "0.000") << "nothing booked before payment";
    ASSERT_EQ(EndFiscalReceiptCurrEx(0, 16.70, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
    auto tank = info(330);
    ASSERT_EQ(tank.size(), 27u);
    EXPECT_EQ(tank[9], "0.000");   // sold for cash
    EXPECT_EQ(tank[11], "10.500"); // sold with credit 1
    EXPECT_EQ(tank[12], "16.70");
    char buf[256];
    ASSERT_EQ(GetFiscalInfo2Ex(357, 0, buf, sizeof buf), 0);
    auto totals = fields(buf);
    ASSERT_GE(totals.size(), 4u);
    EXPECT_EQ(totals[1], "0");
    EXPECT_EQ(totals[2], "10.500");
    EXPECT_EQ(totals[3], "16.70");
}

TEST_F(DocumentTest, ReplenishAndOverfillingChangeStockWithinCapacity) {
    ASSERT_EQ(AddFuel(0, 1000), 0);
    EXPECT_EQ(AddFuel(0, 9000.001), 31) << "above the maximum level";
    ASSERT_EQ(FuelOverfilling(0, 0, 2.5), 0);
    auto tank = info(330);
    EXPECT_EQ(tank[6], "1000.000");
    EXPECT_EQ(tank[8], "2.500");
    ASSERT_EQ(PrintZReport(), 0);
    EXPECT_EQ(field(330, 6), "10997.500") << "the next shift starts from the stock";
}

TEST_F(DocumentTest, AutomatSaleIsAWholeReceipt) {
    ASSERT_EQ(PrRecItemFuelAutomat(0, 1, 2, 3.38, 0, 0, 10), 0); // credit 1
    EXPECT_EQ(field(2, 1), "2");
    EXPECT_EQ(field(60, 3), "3.38");
    EXPECT_EQ(PrRecItemFuelAutomatEx(0, 1, 2, 3.38, 0, 0, 0, 1, 4444, "20060707", "1018", "Name", "Street 1",
                                     "Reg 432", "Remark"),
              0);
    EXPECT_EQ(field(50, 2), "3.38");
}
