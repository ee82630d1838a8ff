#include "lists/TextDatei.h"

#include "lists/DateiErsetzen.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

AnhaengenFehlerHook& Hook()
{
    static AnhaengenFehlerHook hook;
    return hook;
}

// Writes everything or reports failure; the hook may stop it part-way like a full disk.
bool AnhangSchreiben(int fd, const QByteArray& daten)
{
    const qint64 erlaubt = Hook() ? Hook()(daten.size()) : -1;
    if (erlaubt < 0 || erlaubt >= daten.size())
        return AllesSchreiben(fd, daten);
    if (AllesSchreiben(fd, QByteArrayView(daten).first(erlaubt)))
        errno = ENOSPC;
    return false;
}

} // namespace

void SetzeAnhaengenFehlerHook(AnhaengenFehlerHook hook) { Hook() = std::move(hook); }

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

std::optional<char32_t> ErstesFremdesZeichen(const QString& text)
{
    // Per code unit against ByteVon, not through a conversion: QString::fromUcs4 drops
    // U+FEFF, so a check built on it let a byte order mark pass and then fail to encode.
    const char16_t* q = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (ByteVon(q[i]) >= 0)
            continue;
        if (QChar::isHighSurrogate(q[i]) && i + 1 < text.size() && QChar::isLowSurrogate(q[i + 1]))
            return QChar::surrogateToUcs4(q[i], q[i + 1]);
        return q[i];
    }
    return std::nullopt;
}

DateiWert<QByteArray> BytesLesen(const QString& pfad)
{
    // POSIX rather than QFile: the cause of a failure is errno at the failing call.
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return DateiErgebnis::Errno();
    QByteArray alles;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size > 0)
        alles.reserve(qsizetype(st.st_size));
    char puffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const DateiErgebnis fehler = DateiErgebnis::Errno();
            ::close(fd);
            return fehler;
        }
        if (n == 0)
            break;
        alles.append(puffer, n);
    }
    ::close(fd);
    return alles;
}

std::vector<Zeilenstelle> ZeilenStellen(const QByteArray& alles)
{
    std::vector<Zeilenstelle> stellen;
    stellen.reserve(size_t(alles.count('\n')) + 1);
    qsizetype anfang = 0;
    while (anfang < alles.size()) {
        qsizetype ende = alles.indexOf('\n', anfang);
        const bool letzte = ende < 0;
        if (letzte)
            ende = alles.size();
        qsizetype laenge = ende - anfang;
        if (laenge > 0 && alles[ende - 1] == '\r')
            --laenge;
        const qsizetype weiter = letzte ? ende : ende + 1;
        stellen.push_back({anfang, laenge, weiter - anfang - laenge});
        anfang = weiter;
    }
    return stellen;
}

QStringList ZeilenAus(const QByteArray& alles)
{
    QStringList zeilen;
    const auto stellen = ZeilenStellen(alles);
    zeilen.reserve(qsizetype(stellen.size()));
    for (const Zeilenstelle& z : stellen)
        zeilen.append(Dekodieren(alles.constData() + z.anfang, z.laenge));
    return zeilen;
}

std::optional<QStringList> ZeilenLesen(const QString& pfad)
{
    const auto alles = BytesLesen(pfad);
    if (!alles)
        return std::nullopt;
    return ZeilenAus(*alles);
}

std::optional<QByteArray> AnhangBytes(const QByteArray& bisher, const QStringList& zeilen)
{
    QByteArray daten;
    if (zeilen.isEmpty())
        return daten;
    // A last line without its line end (edited elsewhere) is ended first, so the new
    // record does not run into it; a lone CR only lacks its LF.
    if (bisher.endsWith('\r'))
        daten += '\n';
    else if (!bisher.isEmpty() && !bisher.endsWith('\n'))
        daten += "\r\n";
    for (const QString& z : zeilen) {
        const auto b = NachCp1252(z);
        if (!b)
            return std::nullopt;
        daten += *b;
        daten += "\r\n";
    }
    return daten;
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

DateiErgebnis ZeileAnhaengen(const QString& pfad, const QString& zeile)
{
    return ZeilenAnhaengen(pfad, QStringList{zeile});
}

DateiErgebnis ZeilenAnhaengen(const QString& pfad, const QStringList& zeilen)
{
    for (const QString& z : zeilen)
        if (!IstCp1252(z))
            return DateiErgebnis::Fehler(0); // refuse before touching the file

    const QByteArray name = QFile::encodeName(pfad);
    bool lesbar = true;
    int fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EACCES) {
        lesbar = false; // a write-only list: its last byte stays unknown
        fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    }
    if (fd < 0)
        return DateiErgebnis::Errno();
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const DateiErgebnis fehler = DateiErgebnis::Errno();
        ::close(fd);
        return fehler;
    }
    const off_t alt = st.st_size;
    QByteArray letztes;
    char c = 0;
    if (lesbar && alt > 0 && ::pread(fd, &c, 1, alt - 1) == 1)
        letztes = QByteArray(1, c);
    const auto daten = AnhangBytes(letztes, zeilen);
    if (!daten) {
        ::close(fd); // checked above; never an empty record in place of a line
        return DateiErgebnis::Fehler(0);
    }

    // One write call, so a record never lands in pieces; whatever a failing or short
    // write left is cut off again, so the list keeps its old content, whole.
    DateiErgebnis ergebnis;
    if (!AnhangSchreiben(fd, *daten)) {
        ergebnis = DateiErgebnis::Errno();
        // The write's cause is what is reported; a failed cut could not be helped.
        [[maybe_unused]] const int gekuerzt = ::ftruncate(fd, alt);
    }
    if (::close(fd) != 0 && ergebnis)
        ergebnis = DateiErgebnis::Errno();
    return ergebnis;
}

DateiErgebnis DateiAnlegen(const QString& pfad)
{
    const int fd = ::open(QFile::encodeName(pfad).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return DateiErgebnis::Errno();
    ::close(fd);
    return {};
}

} // namespace lerno
