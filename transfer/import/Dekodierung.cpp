#include "transfer/import/Dekodierung.h"

#include "lists/TextDatei.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace lerno {

namespace {

const QByteArray Bom("\xEF\xBB\xBF");

// Bytes 0x80..0xFF of the old Mac character set.
constexpr char16_t MacRoman[128] = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5,
    0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, 0x00F2, 0x00F4,
    0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6,
    0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8, 0x221E, 0x00B1, 0x2264, 0x2265,
    0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF,
    0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB, 0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5,
    0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044,
    0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02, 0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9,
    0x0131, 0x02C6, 0x02DC, 0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7,
};

QString AusMacRoman(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = b < 0x80 ? QChar(b) : QChar(MacRoman[b - 0x80]);
    }
    return text;
}

// Decodes bytes in the given encoding (a BOM of it dropped); CR LF and a lone CR become LF.
QString ImportDekodieren(const QByteArray& bytes, Kodierung kodierung)
{
    QString text;
    switch (kodierung) {
    case Kodierung::Utf8MitBom:
    case Kodierung::Utf8:
        text = QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
        break;
    case Kodierung::Utf16LE:
    case Kodierung::Utf16BE: {
        const bool le = kodierung == Kodierung::Utf16LE;
        QStringDecoder d(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless);
        const bool bom = bytes.startsWith(le ? "\xFF\xFE" : "\xFE\xFF");
        text = d(bom ? bytes.mid(2) : bytes);
        break;
    }
    case Kodierung::Windows1252:
        text = AusCp1252(bytes);
        break;
    case Kodierung::MacRoman:
        text = AusMacRoman(bytes);
        break;
    }
    // Line ends of every kind, an old Mac's lone CR included, become LF.
    if (text.contains(u'\r')) {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(u'\r', u'\n');
    }
    return text;
}

} // namespace

bool IstTextdatei(const QByteArray& bytes)
{
    const Kodierung k = KodierungErkennen(bytes);
    if (k == Kodierung::Utf16LE || k == Kodierung::Utf16BE) {
        const QString text = ImportDekodieren(bytes, k);
        qsizetype fremd = 0;
        for (const QChar c : text)
            fremd += c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\f';
        return !text.contains(QChar(0)) && fremd * 20 <= text.size();
    }
    if (bytes.contains('\0'))
        return false;
    const bool utf8 = k != Kodierung::Windows1252;
    // Control bytes no text holds, and in Windows-1252 the five bytes it leaves undefined.
    qsizetype fremd = 0;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f') || b == 0x7F)
            ++fremd;
        else if (!utf8 && (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D))
            ++fremd;
    }
    return fremd * 20 <= bytes.size();
}

Kodierung KodierungErkennen(const QByteArray& bytes)
{
    if (bytes.startsWith(Bom))
        return Kodierung::Utf8MitBom;
    if (bytes.startsWith("\xFF\xFE"))
        return Kodierung::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return Kodierung::Utf16BE;
    if (QByteArrayView(bytes).isValidUtf8())
        return Kodierung::Utf8;
    // Every invalid byte becomes one U+FFFD; every valid multi-byte character is one
    // character for two to four bytes. Slice by slice: a large file is never held decoded.
    // Slices end after an ASCII byte, which no multi-byte sequence holds.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    qsizetype ersatz = 0;
    for (qsizetype von = 0; von < bytes.size();) {
        qsizetype bis = std::min<qsizetype>(von + (1 << 20), bytes.size());
        for (qsizetype b = bis; bis < bytes.size() && b > von + 1; --b)
            if (static_cast<unsigned char>(bytes[b - 1]) < 0x80) {
                bis = b;
                break;
            }
        const QString teil = utf8(QByteArrayView(bytes).sliced(von, bis - von));
        ersatz += teil.count(QChar(0xFFFD));
        von = bis;
    }
    qsizetype hoch = 0;
    for (const char c : bytes)
        hoch += static_cast<unsigned char>(c) >= 0x80;
    const qsizetype mehrbyte = (hoch - ersatz) / 2; // at least this many bytes pairs, at most
    return mehrbyte > ersatz ? Kodierung::Utf8 : Kodierung::Windows1252;
}

QString KodierungName(Kodierung k)
{
    switch (k) {
    case Kodierung::Utf8MitBom:
    case Kodierung::Utf8:
        return QStringLiteral("UTF-8");
    case Kodierung::Utf16LE:
        return QStringLiteral("UTF-16 LE");
    case Kodierung::Utf16BE:
        return QStringLiteral("UTF-16 BE");
    case Kodierung::Windows1252:
        return QStringLiteral("Windows-1252");
    case Kodierung::MacRoman:
        return QStringLiteral("Mac Roman");
    }
    return {};
}

QByteArray ImportUtf8(const QByteArray& bytes, Kodierung kodierung, qsizetype& ab)
{
    ab = 0;
    if (kodierung == Kodierung::Utf8 || kodierung == Kodierung::Utf8MitBom) {
        ab = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        return bytes;
    }
    // Slice by slice, so that the whole file is never held as UTF-16 as well.
    constexpr qsizetype Stueck = 1 << 20;
    QByteArray text;
    text.reserve(bytes.size() + bytes.size() / 8);
    const bool le = kodierung == Kodierung::Utf16LE;
    QStringDecoder utf16(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    qsizetype von = 0;
    if (kodierung == Kodierung::Utf16LE || kodierung == Kodierung::Utf16BE)
        von = bytes.startsWith(le ? "\xFF\xFE" : "\xFE\xFF") ? 2 : 0;
    QString teil;
    for (; von < bytes.size(); von += Stueck) {
        const QByteArrayView b = QByteArrayView(bytes).sliced(von, std::min(Stueck, bytes.size() - von));
        switch (kodierung) {
        case Kodierung::Utf16LE:
        case Kodierung::Utf16BE:
            teil = utf16(b);
            break;
        case Kodierung::Windows1252:
            teil = AusCp1252(b.toByteArray());
            break;
        case Kodierung::MacRoman:
            teil = AusMacRoman(b);
            break;
        default:
            break;
        }
        text += teil.toUtf8();
    }
    // An odd last byte of UTF-16 shows as what it is, an unreadable character.
    const bool utf16Art = kodierung == Kodierung::Utf16LE || kodierung == Kodierung::Utf16BE;
    if (utf16Art && (bytes.size() - (bytes.startsWith(le ? "\xFF\xFE" : "\xFE\xFF") ? 2 : 0)) % 2 != 0)
        text += "\xEF\xBF\xBD";
    return text;
}

std::optional<QByteArray> ImportBytesLesen(const QString& pfad, QString* fehler)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei „%1“ lässt sich nicht öffnen.").arg(QFileInfo(pfad).fileName());
        return std::nullopt;
    }
    // Far beyond any word list (a million pairs fit in 64 MB): most likely a wrong file,
    // which must not be read into memory whole.
    if (f.size() > 64 * 1024 * 1024) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei „%1“ ist zu groß für eine Vokabelliste.").arg(QFileInfo(pfad).fileName());
        return std::nullopt;
    }
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei „%1“ lässt sich nicht lesen.").arg(QFileInfo(pfad).fileName());
        return std::nullopt;
    }
    if (!IstTextdatei(bytes)) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei „%1“ ist keine Textdatei.").arg(QFileInfo(pfad).fileName());
        return std::nullopt;
    }
    return bytes;
}

} // namespace lerno
