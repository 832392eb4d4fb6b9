// The Windows-1257 text codec both ways. A text the code page holds goes to one byte per character
// and comes back the same; every other text raises the conversion message. Every byte string reads
// as one character per byte, and one without undefined bytes goes back to the same bytes.
// Input: the first byte chooses the direction; the rest is UTF-16 (to the device) or bytes (back).
#include "FuzzCheck.h"
#include "framework/TextCodec.h"

namespace {

void checkToDevice(const QString& text) {
    QByteArray bytes;
    if (!fuzz::returnsOrRaises([&] { bytes = framework::ToDevice(text); },
                               [&](const QString& m) {
                                   return m == "'" + text +
                                                   "' contains a character that the device code page "
                                                   "cannot represent";
                               },
                               text))
        return;
    FUZZ_CHECK(bytes.size() == text.size(), text);
    FUZZ_CHECK(framework::FromDevice(bytes) == text, text + " came back as " + framework::FromDevice(bytes));
}

void checkFromDevice(const QByteArray& bytes) {
    const QString text = framework::FromDevice(bytes);
    const QString detail = QString::fromLatin1(bytes.toHex());
    FUZZ_CHECK(text.size() == bytes.size(), detail);
    if (text.contains(QChar::ReplacementCharacter))
        return; // an undefined byte: the code page has no way back to it
    FUZZ_CHECK(framework::ToDevice(text) == bytes, detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    if (data[0] % 2 == 0) {
        checkFromDevice(
            QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)));
    } else {
        checkToDevice(fuzz::textFrom(data, size));
    }
    return 0;
}
