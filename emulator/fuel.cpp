// fuel.cpp - fuel sales through pumps and nozzles, replenishment and overfilling.
// A fuel item moves the tank figures and the pump totalizers when its receipt closes.
#include <cmath>

#include "api.h"
#include "documents.h"

namespace tc {

namespace {

// The tank and fuel behind a pump's nozzle.
int nozzleFuel(const Module& m, int pump, int nozzle, int& tank, int& fuel) {
    if (pump < 0 || pump >= kPumps || nozzle < 0 || nozzle >= kNozzles)
        return E_RANGE;
    tank = m.pump[size_t(pump)].nozzle[size_t(nozzle)];
    if (tank < 0 || m.tank[size_t(tank)].name.empty())
        return E_NOZZLE;
    fuel = m.tank[size_t(tank)].fuel;
    return m.fuel[size_t(fuel)].name.empty() ? E_FUEL_ABSENT : OK;
}

// A quantity in thousandths, with no more decimals than the fuel allows.
int fuelQuantity(const Fuel& f, double quantity, int64_t& q) {
    if (int rc = toPositive(quantity, 1000, kQtyMax, q))
        return rc;
    int64_t step = f.decimals >= 3 ? 1 : f.decimals == 2 ? 10 : f.decimals == 1 ? 100 : 1000;
    return q % step == 0 ? OK : E_VALUE;
}

struct FuelArgs {
    int pump, nozzle;
    double quantity, sum;
    int kind;
    double discount;
};

// Adds a fuel sale (or, with isVoid, the void of one sold in this receipt) to the open receipt.
int fuelItem(Ctx& c, const FuelArgs& a, bool isVoid) {
    if (c.m.doc != D_FISCAL)
        return E_NO_RECEIPT;
    if (c.m.receiptAdjusted)
        return E_ADJUSTED;
    int tank = 0, fuel = 0;
    if (int rc = nozzleFuel(c.m, a.pump, a.nozzle, tank, fuel))
        return rc;
    const Fuel& f = c.m.fuel[size_t(fuel)];
    Item it;
    it.kind = isVoid ? I_FUEL_VOID : I_FUEL;
    it.name = f.name;
    it.unit = f.unit;
    it.tax = f.tax;
    it.pump = a.pump;
    it.nozzle = a.nozzle;
    it.tank = tank;
    if (int rc = fuelQuantity(f, a.quantity, it.qty))
        return rc;
    // The sum comes from the dispenser; the unit price printed is the one programmed.
    if (int rc = toPositive(a.sum, 100, kMoneyMax, it.amount))
        return rc;
    it.price = f.price;
    if (a.kind < 0 || a.kind > 3)
        return E_RANGE;
    if (std::isnan(a.discount) || (a.kind == 0 && a.discount != 0))
        return E_VALUE;
    if (a.discount != 0) {
        if (int rc = computeAdjustment(it, a.kind, a.discount, it.adj))
            return rc;
        it.adjusted = 1;
    }
    if (isVoid) {
        int64_t left = 0;
        for (const Item& s : c.m.items)
            if (s.pump == a.pump && s.nozzle == a.nozzle)
                left += s.kind == I_FUEL ? s.qty : s.kind == I_FUEL_VOID ? -s.qty : 0;
        if (left < it.qty)
            return E_NO_MATCH;
        it.amount = -it.amount;
        it.adj = -it.adj;
    }
    if (int rc = addItem(c, it))
        return rc;
    if (isVoid)
        c.paper.line("Void");
    c.paper.line(f.name + "  pump " + std::to_string(a.pump) + " nozzle " + std::to_string(a.nozzle));
    c.paper.pair("  " + qty(it.qty) + " " + f.unit + " x " + money(f.price),
                 money(it.amount) + " " + "ABCD"[it.tax]);
    if (it.adj)
        printAdjustment(c, it.adj, "");
    return OK;
}

// What an automat sale changes: a whole receipt, opened and closed, with a fuel item.
constexpr unsigned kAutomatSale = S_DOC | S_ITEMS | S_SHIFT | S_LAST | S_TANKS;

// An automat sale is a whole receipt: the item, paid in full by one payment kind.
// Pay codes: 0..3 cash in currency 1..4, 10..17 credit 1..8.
int automatSale(Ctx& c, const FuelArgs& a, int payCode, const std::vector<std::string>& customer) {
    if (!((payCode >= 0 && payCode <= 3) || (payCode >= 10 && payCode <= 17)))
        return E_RANGE;
    if (int rc = beginReceipt(c))
        return rc;
    if (int rc = fuelItem(c, a, false))
        return rc;
    for (const std::string& line : customer)
        if (!line.empty())
            c.paper.line(line);
    double pay[12] = {};
    int64_t total = c.m.receiptTotal();
    if (payCode >= 10) {
        pay[1 + payCode - 10] = double(total) / 100;
    } else {
        const Currency& cur = c.m.currency[size_t(payCode)];
        if (cur.name.empty() || cur.rateMicro <= 0)
            return E_CURRENCY;
        // Enough foreign cash to cover the total; any rounding comes back as change.
        int64_t cents = (__int128(total) * 1000000 + cur.rateMicro - 1) / cur.rateMicro;
        pay[payCode == 0 ? 0 : 8 + payCode] = double(cents) / 100;
    }
    return closeReceipt(c, pay, false);
}

} // namespace

int PrRecItemFuel(int pump, int nozzle, double quantity, double sum) {
    return run(S_ITEMS, [&](Ctx& c) { return fuelItem(c, {pump, nozzle, quantity, sum, 0, 0}, false); });
}

int PrRecItemFuelVoid(int pump, int nozzle, double quantity, double sum, int kind, double discount) {
    return run(S_ITEMS, [&](Ctx& c) {
        return fuelItem(c, {pump, nozzle, quantity, sum, kind, discount}, true);
    });
}

int PrRecItemFuelAutomat(int pump, int nozzle, double quantity, double sum, int kind, double discount,
                         int payCode) {
    return run(kAutomatSale, [&](Ctx& c) {
        return automatSale(c, {pump, nozzle, quantity, sum, kind, discount}, payCode, {});
    });
}

int PrRecItemFuelAutomatEx(int pump, int nozzle, double quantity, double sum, int kind, double discount,
                           int payCode, int subclient, int checkNumber, const char* yyyymmdd,
                           const char* hhmm, const char* name, const char* address, const char* registration,
                           const char* remark) {
    if (subclient < 0 || checkNumber < 0)
        return E_RANGE;
    for (const char* t : {name, address, registration, remark})
        if (int rc = checkText(t, 40))
            return rc;
    int y, mo, d, h, mi;
    if (!yyyymmdd || !hhmm)
        return E_NULL;
    if (!parseDate(yyyymmdd, y, mo, d) || !parseTime(hhmm, h, mi))
        return E_DATE;
    std::string when = std::string(yyyymmdd) + " " + hhmm;
    std::vector<std::string> customer = {"Client " + std::to_string(subclient) + "  check " +
                                             std::to_string(checkNumber),
                                         when,
                                         name,
                                         address,
                                         registration,
                                         remark};
    return run(kAutomatSale, [&](Ctx& c) {
        return automatSale(c, {pump, nozzle, quantity, sum, kind, discount}, payCode, customer);
    });
}

// Adjusts the last fuel item; mode 1 prints the comment before the adjustment, 2 after it.
int DiscountAdditionForFuelItem(int kind, double discount, const char* comment, int mode) {
    if (int rc = checkText(comment, 40))
        return rc;
    if (kind < 1 || kind > 3 || mode < 1 || mode > 2)
        return E_RANGE;
    return run(S_ITEMS, [&](Ctx& c) {
        if (c.m.doc != D_FISCAL)
            return int(E_NO_RECEIPT);
        if (c.m.items.empty() || c.m.items.back().kind != I_FUEL)
            return int(E_NO_ITEM);
        if (c.m.receiptAdjusted)
            return int(E_ADJUSTED);
        Item& last = c.m.items.back();
        if (last.adjusted)
            return int(E_ADJUSTED);
        int64_t adj = 0;
        if (int rc = computeAdjustment(last, kind, discount, adj))
            return rc;
        if (c.m.receiptTotal() + adj > kMoneyMax)
            return int(E_OVERFLOW);
        last.adj = adj;
        last.adjusted = 1;
        if (mode == 1 && comment[0])
            c.paper.line(comment);
        printAdjustment(c, adj, "");
        if (mode == 2 && comment[0])
            c.paper.line(comment);
        return int(OK);
    });
}

int AddFuel(int tank, double quantity) {
    if (tank < 0 || tank >= kTanks)
        return E_RANGE;
    int64_t q = 0;
    if (int rc = toPositive(quantity, 1000, kQtyMax * 1000, q))
        return rc;
    return run(S_TANKS, [&](Ctx& c) {
        Tank& t = c.m.tank[size_t(tank)];
        if (t.name.empty())
            return int(E_NOZZLE);
        if (c.m.fuel[size_t(t.fuel)].name.empty())
            return int(E_FUEL_ABSENT);
        if (c.m.doc == D_FISCAL)
            return int(E_DOC_OPEN);
        if (t.max > 0 && t.stock() + q > t.max)
            return int(E_CAPACITY);
        if (t.replenish > kQtyMax * 1000000)
            return int(E_OVERFLOW);
        t.replenish += q;
        c.paper.center("REPLENISHMENT");
        c.paper.pair(t.name + " " + c.m.fuel[size_t(t.fuel)].name, qty(q));
        c.paper.pair("Stock", qty(t.stock()));
        c.paper.line("");
        return int(OK);
    });
}

// Fuel that a nozzle delivered beyond the sale: it leaves the tank and moves the totalizer.
int FuelOverfilling(int pump, int nozzle, double quantity) {
    int64_t q = 0;
    if (int rc = toPositive(quantity, 1000, kQtyMax, q))
        return rc;
    return run(S_TANKS, [&](Ctx& c) {
        int tank = 0, fuel = 0;
        if (int rc = nozzleFuel(c.m, pump, nozzle, tank, fuel))
            return rc;
        if (c.m.doc == D_FISCAL)
            return int(E_DOC_OPEN);
        Tank& t = c.m.tank[size_t(tank)];
        if (t.overflow > kQtyMax * 1000000)
            return int(E_OVERFLOW);
        t.overflow += q;
        int64_t& total = c.m.pump[size_t(pump)].totalQty[size_t(nozzle)];
        total = (total + q) % kTotalizerWrap;
        c.paper.center("OVERFILLING");
        c.paper.pair("Pump " + std::to_string(pump) + " nozzle " + std::to_string(nozzle), qty(q));
        c.paper.line("");
        return int(OK);
    });
}

} // namespace tc
