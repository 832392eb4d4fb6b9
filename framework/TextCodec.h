#pragma once

#include <QByteArray>
#include <QString>

namespace framework {

// The device speaks 8-bit Windows-1257. A character that code page cannot hold raises
// "'%s' contains a character that the device code page cannot represent"; nothing is sent then.
QByteArray ToDevice(const QString& text);
// Answers are decoded from Windows-1257 (every byte maps to a character).
QString FromDevice(const QByteArray& bytes);

} // namespace framework
