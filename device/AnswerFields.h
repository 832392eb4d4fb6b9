#pragma once

// The module's information answers: zero-terminated texts of fields, each ended by TILLCORE_FS.

#include "tillcore.h"

#include <QByteArray>
#include <vector>

namespace device {

// Cuts the zero-terminated buffer at TILLCORE_FS into fields[0..n-1]. Returns the number of fields that an
// FS ended; the field ended by the zero is stored (when room is left) but not counted. Elements not
// assigned keep their value.
int SplitFields(const char* buffer, QByteArray* fields, int n);
// The same into a vector whose size is the maximum count; missing fields stay as they were.
int SplitFields(const char* buffer, std::vector<QByteArray>& fields);
// n empty fields filled from the buffer; the count SplitFields returned goes to *count.
std::vector<QByteArray> SplitAnswer(const char* buffer, int n, int* count = nullptr);

// Position of the next field: just after the next FS, or the terminating zero itself.
const char* NextField(const char* position);

} // namespace device
