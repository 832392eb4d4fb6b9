#include "AnswerFields.h"

#include <algorithm>

namespace device {

int SplitFields(const char* buffer, QByteArray* fields, int n) {
    if (n <= 0 || buffer == nullptr)
        return 0;
    int count = 0;
    const char* start = buffer;
    for (const char* p = buffer;; ++p) {
        if (*p == TILLCORE_FS) {
            fields[count] = QByteArray(start, p - start);
            ++count;
            start = p + 1;
            if (count >= n)
                break;
        } else if (*p == '\0') {
            fields[count] = QByteArray(start, p - start);
            break;
        }
    }
    return count;
}

int SplitFields(const char* buffer, std::vector<QByteArray>& fields) {
    return SplitFields(buffer, fields.data(), static_cast<int>(fields.size()));
}

std::vector<QByteArray> SplitAnswer(const char* buffer, int n, int* count) {
    std::vector<QByteArray> fields(static_cast<size_t>(std::max(n, 0)));
    const int counted = SplitFields(buffer, fields);
    if (count)
        *count = counted;
    return fields;
}

const char* NextField(const char* position) {
    while (*position != '\0' && *position != TILLCORE_FS)
        ++position;
    return *position == TILLCORE_FS ? position + 1 : position;
}

} // namespace device
