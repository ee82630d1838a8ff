#include "lists/Utf8Roh.h"

namespace lerno {

namespace {

constexpr char16_t Rohbyte = 0xDC00; // + the byte, 0x80..0xFF

// The length of the well-formed sequence at i, 0 if there is none (cut off, a stray
// continuation byte, an overlong form, a surrogate, past U+10FFFF); its code point in cp.
int Folge(QByteArrayView b, qsizetype i, char32_t& cp)
{
    const auto c = static_cast<unsigned char>(b[i]);
    const int n = c < 0x80 ? 1 : (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3 : (c >= 0xF0 && c <= 0xF4) ? 4 : 0;
    if (n == 0 || i + n > b.size())
        return 0;
    cp = n == 1 ? c : n == 2 ? c & 0x1F : n == 3 ? c & 0x0F : c & 0x07;
    for (int j = 1; j < n; ++j) {
        const auto f = static_cast<unsigned char>(b[i + j]);
        if ((f & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (f & 0x3F);
    }
    if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

void Anhaengen(QByteArray& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

} // namespace

QString Utf8RohDekodieren(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const int n = Folge(bytes, i, cp);
        if (n == 0) {
            out += QChar(char16_t(Rohbyte + static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        if (QChar::requiresSurrogates(cp)) {
            out += QChar(QChar::highSurrogate(cp));
            out += QChar(QChar::lowSurrogate(cp));
        } else {
            out += QChar(char16_t(cp));
        }
        i += n;
    }
    return out;
}

std::optional<QByteArray> Utf8RohKodieren(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            Anhaengen(out, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            ++i;
        } else if (c >= Rohbyte + 0x80 && c <= Rohbyte + 0xFF) {
            out += char(c - Rohbyte);
        } else if (QChar::isSurrogate(c)) {
            return std::nullopt;
        } else {
            Anhaengen(out, c);
        }
    }
    return out;
}

} // namespace lerno
