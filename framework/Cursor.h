#pragma once

#include <cstdint>

namespace framework {

// The application-wide cursor is one value, not a stack: setting it replaces whatever was set.
// Values are the toolkit's cursor identifiers; crDefault means no override.
enum Cursor : int16_t {
    crDefault = 0,
    crArrow = -2,
    crHourGlass = -11,
    crHandPoint = -21,
};

void SetAppCursor(int16_t cursor);
int16_t AppCursor();

} // namespace framework
