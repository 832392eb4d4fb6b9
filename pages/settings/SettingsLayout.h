#pragma once

#include <QRect>

// The grid of the "Settings" page (788 x 575), in one place because four modules share the page.
// Rects are the designed geometry; the window's start-up then shows and widens "Header" and "Footer"
// to 340, makes "Printer settings" 170 high, moves "Departments" to 348 (205 wide) and "Credits" to
// 567 (220 wide). The plan after start-up:
//
//   x: 4 ............. 344 | 348 ......... 553 | 567 ................ 787
//   "Header"    2..158     | "Departments"     | "Credits"        2..215
//   "Footer"  160..296     | "VAT Table"  217..364 | "Currency Table" 217..342 (from 522)
//   "Footer 2" 298..390    | "Date"  368..414  | "Currency Conversion Type" 346..392 (from 557)
//   "Printer settings"     | "Time"  418..464  | "Allow goods return" + Set 398..421
//            392..562      | "Clerk" 468..538  | "FR options" (hidden) 426..496
//                          |                   |               "Reset" 700,542
namespace pages::settings::layout {

// Rows of the edit-box tables: an edit box or button every RowPitch pixels from the first row.
constexpr int RowPitch = 22;
constexpr int RowHeight = 21;
constexpr int ButtonHeight = 22;
constexpr int FirstRow = 18;       // first row inside a group box, below its caption
constexpr int TitledFirstRow = 32; // first row when the group has column titles
constexpr int ColumnTitleY = 16;

constexpr int LeftX = 4;
constexpr int LeftWidth = 340;

constexpr QRect Header(LeftX, 2, 173, 156);   // designed hidden, 173 wide
constexpr QRect Footer(LeftX, 160, 177, 136); // designed hidden, 177 wide
constexpr QRect Footer2(LeftX, 298, LeftWidth, 92);
constexpr QRect PrinterSettings(LeftX, 392, LeftWidth, 126); // start-up makes it 170 high

constexpr QRect Departments(278, 2, 231, 213); // start-up: left 348, 205 wide
constexpr QRect Credits(517, 2, 248, 213);     // start-up: left 567, 220 wide

constexpr QRect VatTable(348, 217, 170, 147);
constexpr QRect CurrencyTable(522, 217, 263, 125);
constexpr QRect Date(348, 368, 205, 46);
constexpr QRect Time(348, 418, 205, 46);
constexpr QRect Clerk(348, 468, 205, 70);

constexpr QRect ConversionType(557, 346, 228, 46);
constexpr QRect GoodsReturnCheck(565, 400, 130, 19);
constexpr QRect GoodsReturnSet(700, 398, 42, ButtonHeight);
constexpr QRect FrOptions(557, 426, 228, 70);

} // namespace pages::settings::layout
