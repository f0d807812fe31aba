#include "cp932.h"

#include <cerrno>
#include <iconv.h>

namespace cp932 {
namespace {

class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != iconv_t(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts in, replacing each unconvertible input unit (skipLen bytes) by replacement.
    QByteArray run(const QByteArray &in, int skipLen, const QByteArray &replacement, bool *ok)
    {
        if (ok)
            *ok = true;
        QByteArray out;
        if (m_cd == iconv_t(-1)) {
            if (ok)
                *ok = false;
            return out;
        }
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        out.resize(in.size() * 4 + 16);
        char *src = const_cast<char *>(in.constData());
        size_t srcLeft = size_t(in.size());
        char *dst = out.data();
        size_t dstLeft = size_t(out.size());
        while (srcLeft > 0) {
            const size_t r = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            if (r != size_t(-1))
                break;
            if (errno == E2BIG) {
                const qsizetype used = dst - out.data();
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dstLeft = size_t(out.size() - used);
                continue;
            }
            // EILSEQ or EINVAL: an invalid or truncated sequence; replace and skip it.
            if (ok)
                *ok = false;
            const size_t skip = std::min(size_t(skipLen), srcLeft);
            src += skip;
            srcLeft -= skip;
            if (dstLeft < size_t(replacement.size()) + 1) {
                const qsizetype used = dst - out.data();
                out.resize(out.size() * 2 + replacement.size());
                dst = out.data() + used;
                dstLeft = size_t(out.size() - used);
            }
            memcpy(dst, replacement.constData(), size_t(replacement.size()));
            dst += replacement.size();
            dstLeft -= size_t(replacement.size());
        }
        out.resize(dst - out.data());
        return out;
    }

private:
    iconv_t m_cd;
};

} // namespace

QString decode(const QByteArray &bytes, bool *ok)
{
    Converter c("UTF-16LE", "CP932");
    const QByteArray replacement("\xFD\xFF", 2); // U+FFFD in UTF-16LE
    const QByteArray u16 = c.run(bytes, 1, replacement, ok);
    return QString(reinterpret_cast<const QChar *>(u16.constData()), u16.size() / 2);
}

QByteArray encode(const QString &text, bool *ok)
{
    Converter c("CP932", "UTF-16LE");
    const QByteArray in(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return c.run(in, 2, QByteArray("?"), ok);
}

bool canEncode(const QString &text)
{
    // A few characters (the minus sign, the wave dash) are written with the code of a look-alike
    // and come back as that one; text holding them would not read back as itself.
    bool ok = true;
    const QByteArray bytes = encode(text, &ok);
    return ok && decode(bytes) == text;
}

} // namespace cp932
