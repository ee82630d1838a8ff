#include "lists/TextDatei.h"

#include <QFile>

#include <array>
#include <cstring>

// The fuzz build shrinks the read buffer, so that small inputs cross many of its boundaries.
#ifndef LERNO_LESEPUFFER
#define LERNO_LESEPUFFER (64 * 1024)
#endif

namespace lerno {

namespace {

constexpr qint64 LesePuffer = LERNO_LESEPUFFER;

// Windows-1252 0x80..0x9F. The five bytes the code page leaves undefined map to the
// C1 control with the same value, so every byte survives a read/write round trip.
constexpr std::array<char16_t, 32> C1Block = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

inline char16_t ZeichenVon(unsigned char b)
{
    return (b >= 0x80 && b < 0xA0) ? C1Block[b - 0x80] : char16_t(b);
}

// -1 when the character has no Windows-1252 byte.
inline int ByteVon(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (C1Block[i] == c)
            return 0x80 + i;
    return -1;
}

QString Dekodieren(const char* bytes, qsizetype laenge)
{
    QString text(laenge, Qt::Uninitialized);
    char16_t* ziel = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < laenge; ++i)
        ziel[i] = ZeichenVon(static_cast<unsigned char>(bytes[i]));
    return text;
}

} // namespace

QString AusCp1252(const QByteArray& bytes)
{
    return Dekodieren(bytes.constData(), bytes.size());
}

std::optional<QByteArray> NachCp1252(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    const char16_t* q = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = ByteVon(q[i]);
        if (b < 0)
            return std::nullopt;
        out[i] = static_cast<char>(b);
    }
    return out;
}

bool IstCp1252(const QString& text)
{
    const char16_t* q = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i)
        if (ByteVon(q[i]) < 0)
            return false;
    return true;
}

std::optional<QStringList> ZeilenLesen(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray alles = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;

    QStringList zeilen;
    zeilen.reserve(alles.count('\n') + 1);
    qsizetype anfang = 0;
    while (anfang < alles.size()) {
        qsizetype ende = alles.indexOf('\n', anfang);
        const bool letzte = ende < 0;
        if (letzte)
            ende = alles.size();
        qsizetype laenge = ende - anfang;
        if (laenge > 0 && alles[ende - 1] == '\r')
            --laenge;
        zeilen.append(Dekodieren(alles.constData() + anfang, laenge));
        anfang = ende + 1;
    }
    return zeilen;
}

std::optional<QString> ZeileLesen(const QString& pfad, qsizetype nummer)
{
    if (nummer < 1)
        return std::nullopt;
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    qsizetype zeile = 1;
    QByteArray gesucht;
    bool abgeschlossen = false; // the wanted line's own line end was seen
    char puffer[LesePuffer];
    while (!abgeschlossen) {
        const qint64 n = f.read(puffer, sizeof puffer);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        qint64 i = 0;
        while (zeile < nummer && i < n) {
            const void* lf = std::memchr(puffer + i, '\n', static_cast<size_t>(n - i));
            if (!lf) {
                i = n;
                break;
            }
            i = static_cast<const char*>(lf) - puffer + 1;
            ++zeile;
        }
        if (zeile < nummer)
            continue;
        const void* lf = std::memchr(puffer + i, '\n', static_cast<size_t>(n - i));
        const qint64 ende = lf ? static_cast<const char*>(lf) - puffer : n;
        gesucht.append(puffer + i, ende - i);
        abgeschlossen = lf != nullptr;
    }
    // At the end of the file a line exists only if it has content.
    if (zeile < nummer || (!abgeschlossen && gesucht.isEmpty()))
        return std::nullopt;
    if (gesucht.endsWith('\r'))
        gesucht.chop(1);
    return AusCp1252(gesucht);
}

std::optional<qsizetype> ZeilenZaehlen(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    qsizetype zahl = 0;
    char letztes = '\n';
    char puffer[LesePuffer];
    for (;;) {
        const qint64 n = f.read(puffer, sizeof puffer);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        for (qint64 i = 0; i < n; ++i)
            if (puffer[i] == '\n')
                ++zahl;
        letztes = puffer[n - 1];
    }
    // A last line without a line end still counts.
    if (letztes != '\n')
        ++zahl;
    return zahl;
}

bool ZeileAnhaengen(const QString& pfad, const QString& zeile)
{
    return ZeilenAnhaengen(pfad, QStringList{zeile});
}

bool ZeilenAnhaengen(const QString& pfad, const QStringList& zeilen)
{
    QByteArray daten;
    for (const QString& z : zeilen) {
        const auto b = NachCp1252(z);
        if (!b)
            return false; // refuse before touching the file
        daten += *b;
        daten += "\r\n";
    }
    QFile f(pfad);
    // Unbuffered: the whole block goes out in one write call, so a record never
    // lands in the file in pieces.
    if (f.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        // A last line without its line end (edited elsewhere) is ended first, so the
        // new record does not run into it. A lone CR only needs its LF: a second CR
        // would become part of that line.
        if (!daten.isEmpty() && f.size() > 0 && f.seek(f.size() - 1)) {
            const QByteArray letztes = f.read(1);
            if (letztes == "\r")
                daten.prepend("\n");
            else if (letztes != "\n")
                daten.prepend("\r\n");
        }
    } else if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        return false;
    }
    return daten.isEmpty() || f.write(daten) == daten.size();
}

bool DateiAnlegen(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    f.close();
    return true;
}

} // namespace lerno
