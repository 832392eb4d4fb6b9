// documents.h - the fiscal receipt steps that the fuel sales share with the till.
#pragma once

#include "session.h"

namespace tc {

int beginReceipt(Ctx& c);
// kind 1 percent, 2 sum, 3 per unit of quantity; negative values are discounts.
int computeAdjustment(const Item& it, int kind, double value, int64_t& adj);
void printAdjustment(Ctx& c, int64_t adj, const std::string& what);
int addItem(Ctx& c, Item it); // checks the receipt total limit, books and prints the line
// Pays and closes the open receipt. pay: cash 1, credits 1..8, cash 2..4 (the library's order).
int closeReceipt(Ctx& c, const double pay[12], bool goodsReturn);

} // namespace tc
