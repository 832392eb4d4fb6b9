#pragma once

#include <QRect>

// Geometry every page shares. The pages of the window are 788 x 575 pixels; the sub-pages of the
// Fuel and Load pages are 780 x 547 (their own tabs take a row at the bottom).
namespace pages {

constexpr int PageWidth = 788;
constexpr int PageHeight = 575;
constexpr int SubPageWidth = 780;
constexpr int SubPageHeight = 547;

// The "Reset" button stands in the bottom right-hand corner of each page that carries one.
constexpr QRect ResetButtonRect(700, 542, 80, 25);
constexpr QRect SubPageResetButtonRect(692, 514, 80, 25);

} // namespace pages
