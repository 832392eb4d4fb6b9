#pragma once

#include <QRect>

// Where the groups of the Information page stand. The page is dense: a left column with the
// read-outs and the report buttons, a right column with the per-currency and per-department
// tables, the state details and the periodic reports; the bottom right corner is the "Reset"
// button's. The "Cash in drawer" group is shared: the Information page builds it with its read-out
// columns and the till operations add the "Money In/Out" buttons in its last column.
namespace pages::information::layout {

constexpr int RowPitch = 21; // one row of edit boxes and buttons
constexpr int RowHeight = 20;
constexpr int FirstRow = 20;       // first row inside a group without column titles
constexpr int TitledFirstRow = 34; // first row inside a group with column titles

// Left column.
constexpr QRect Information(4, 4, 380, 276);
constexpr QRect Tables(4, 284, 380, 46);
constexpr QRect Reports(4, 334, 380, 46);
// "Tank Periodic Reports": hidden at start-up; filled by the fuel stock operations.
constexpr QRect TankPeriodicReports(4, 384, 380, 160);

// Right column.
constexpr QRect CashInDrawer(390, 4, 394, 122);
constexpr QRect Departments(390, 130, 394, 206);
constexpr QRect HardErrors(390, 340, 394, 66);
constexpr QRect PeriodicReports(390, 410, 394, 124);

// Columns of "Cash in drawer", relative to the group.
namespace cash {
constexpr int RowLabelX = 8;
constexpr int NameX = 24, NameWidth = 86;
constexpr int RateX = 114, RateWidth = 64;
constexpr int AmountX = 182, AmountWidth = 74;
constexpr int GetX = 260, GetWidth = 34;
constexpr int InX = 300, InWidth = 40;
constexpr int OutX = 344, OutWidth = 42;
constexpr int rowY(int row) {
    return TitledFirstRow + row * RowPitch;
} // row 0..3
} // namespace cash

} // namespace pages::information::layout
