#include "TextCodec.h"

#include "Exception.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace framework {

namespace {

// One iconv conversion descriptor per direction, opened on first use. The console has one thread.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; false when a character cannot be converted.
    bool convert(const QByteArray& in, QByteArray& out) const {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::vector<char> buffer(static_cast<size_t>(in.size()) * 4 + 16);
        char* inPtr = const_cast<char*>(in.constData());
        size_t inLeft = static_cast<size_t>(in.size());
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
            return false;
        out = QByteArray(buffer.data(), static_cast<qsizetype>(buffer.size() - outLeft));
        return true;
    }

private:
    iconv_t cd_;
};

const Converter& toDevice() {
    static const Converter c("WINDOWS-1257", "UTF-8");
    return c;
}

const Converter& fromDevice() {
    static const Converter c("UTF-8", "WINDOWS-1257");
    return c;
}

// True when every surrogate is half of a pair. QString::toUtf8 would turn a lone one into '?',
// which the code page then holds, so it is caught before the conversion.
bool surrogatesPaired(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return false;
    }
    return true;
}

} // namespace

QByteArray ToDevice(const QString& text) {
    QByteArray out;
    if (!surrogatesPaired(text) || !toDevice().convert(text.toUtf8(), out))
        throw Exception(
            QStringLiteral("'%1' contains a character that the device code page cannot represent").arg(text));
    return out;
}

QString FromDevice(const QByteArray& bytes) {
    QByteArray utf8;
    if (fromDevice().convert(bytes, utf8))
        return QString::fromUtf8(utf8);
    // Windows-1257 leaves a few byte values undefined; show those one character each.
    QString text;
    for (char c : bytes) {
        QByteArray one;
        text += fromDevice().convert(QByteArray(1, c), one) ? QString::fromUtf8(one) : QChar(0xFFFD);
    }
    return text;
}

} // namespace framework
