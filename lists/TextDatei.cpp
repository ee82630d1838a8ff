#include "lists/TextDatei.h"

#include "lists/DateiErsetzen.h"
#include "lists/Utf8Roh.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

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

QString AusCp1252Roh(const char* bytes, qsizetype laenge)
{
    QString text(laenge, Qt::Uninitialized);
    char16_t* ziel = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < laenge; ++i)
        ziel[i] = ZeichenVon(static_cast<unsigned char>(bytes[i]));
    return text;
}

bool NurAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
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
    return AusCp1252Roh(bytes.constData(), bytes.size());
}

Listenkodierung KodierungErkennen(QByteArrayView bytes)
{
    if (bytes.startsWith(Kopf(Listenkodierung::Utf8MitMarke)))
        return Listenkodierung::Utf8MitMarke;
    if (NurAscii(bytes))
        return Listenkodierung::Cp1252;
    // Overlong forms, surrogates and cut sequences are errors: such a file is no UTF-8.
    return bytes.isValidUtf8() ? Listenkodierung::Utf8 : Listenkodierung::Cp1252;
}

QByteArrayView Kopf(Listenkodierung k)
{
    return k == Listenkodierung::Utf8MitMarke ? QByteArrayView("\xEF\xBB\xBF", 3) : QByteArrayView();
}

QString Dekodieren(QByteArrayView bytes, Listenkodierung k)
{
    if (k == Listenkodierung::Cp1252)
        return AusCp1252Roh(bytes.data(), bytes.size());
    // Only a list with the mark can hold bytes that are no UTF-8: they are kept.
    if (!bytes.isValidUtf8())
        return Utf8RohDekodieren(bytes);
    // A U+FEFF inside a line is text and stays; only the file's own mark was cut off.
    // fromUtf8 would drop one at the start of the line: there it takes a decoder, which
    // costs more for each line than the conversion itself.
    if (!bytes.startsWith(Kopf(Listenkodierung::Utf8MitMarke)))
        return QString::fromUtf8(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8(bytes);
}

std::optional<QByteArray> Kodieren(const QString& text, Listenkodierung k)
{
    if (k == Listenkodierung::Cp1252)
        return NachCp1252(text);
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless | QStringEncoder::Flag::ConvertInitialBom);
    QByteArray out = utf8(text);
    // A lone surrogate: a byte kept from a damaged line goes back as it was; any other has
    // no UTF-8 form.
    if (utf8.hasError())
        return Utf8RohKodieren(text);
    return out;
}

std::optional<QByteArray> DateiInhalt(const QStringList& zeilen, Listenkodierung k)
{
    QByteArray inhalt = Kopf(k).toByteArray();
    for (const QString& z : zeilen) {
        const auto bytes = Kodieren(z, k);
        if (!bytes)
            return std::nullopt;
        inhalt += *bytes;
        inhalt += "\r\n";
    }
    return inhalt;
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

std::optional<char32_t> ErstesUnspeicherbaresZeichen(const QString& text)
{
    const char16_t* q = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = q[i];
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(q[i + 1])) {
            c = QChar::surrogateToUcs4(q[i], q[i + 1]);
            ++i;
        } else if (QChar::isSurrogate(c)) {
            return c; // no encoding has a form for half a character
        }
        const QChar::Category art = QChar::category(c);
        if (art == QChar::Other_PrivateUse || art == QChar::Other_NotAssigned)
            return c;
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
    qsizetype anfang = QByteArrayView(alles).startsWith(Kopf(Listenkodierung::Utf8MitMarke)) ? 3 : 0;
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
    const Listenkodierung k = KodierungErkennen(alles);
    zeilen.reserve(qsizetype(stellen.size()));
    for (const Zeilenstelle& z : stellen)
        zeilen.append(Dekodieren(QByteArrayView(alles).sliced(z.anfang, z.laenge), k));
    return zeilen;
}

std::optional<QStringList> ZeilenLesen(const QString& pfad)
{
    const auto alles = BytesLesen(pfad);
    if (!alles)
        return std::nullopt;
    return ZeilenAus(*alles);
}

std::optional<QByteArray> AnhangBytes(const QByteArray& bisher, const QStringList& zeilen, Listenkodierung sonst)
{
    QByteArray daten;
    if (zeilen.isEmpty())
        return daten;
    // A UTF-8 list stays UTF-8, a Windows-1252 one Windows-1252; ASCII is both.
    Listenkodierung k = KodierungErkennen(bisher);
    if (k == Listenkodierung::Cp1252 && NurAscii(bisher)) {
        k = sonst;
        if (bisher.isEmpty())
            daten += Kopf(sonst).toByteArray();
    }
    if (k == Listenkodierung::Utf8MitMarke)
        k = Listenkodierung::Utf8; // its mark is at the start already
    // A last line without its line end (edited elsewhere) is ended first, so the new
    // record does not run into it; a lone CR only lacks its LF.
    if (bisher.endsWith('\r'))
        daten += '\n';
    else if (!bisher.isEmpty() && !bisher.endsWith('\n') && QByteArrayView(bisher) != Kopf(Listenkodierung::Utf8MitMarke))
        daten += "\r\n";
    const auto neu = DateiInhalt(zeilen, k); // no mark: k is no longer Utf8MitMarke
    if (!neu)
        return std::nullopt;
    return daten + *neu;
}

QByteArray AlsUtf8(const QByteArray& bytes)
{
    if (KodierungErkennen(bytes) != Listenkodierung::Cp1252)
        return bytes;
    QByteArray out = Kopf(Listenkodierung::Utf8MitMarke).toByteArray();
    out.reserve(bytes.size() + bytes.size() / 4 + 3);
    for (const Zeilenstelle& z : ZeilenStellen(bytes)) {
        out += AusCp1252Roh(bytes.constData() + z.anfang, z.laenge).toUtf8();
        out += QByteArrayView(bytes).sliced(z.anfang + z.laenge, z.endeLaenge);
    }
    return out;
}

bool InhaltErweitern(QByteArray& inhalt, const QStringList& zeilen, Listenkodierung sonst)
{
    if (zeilen.isEmpty())
        return true;
    const bool passt = std::all_of(zeilen.cbegin(), zeilen.cend(), IstCp1252);
    // Only then can the content's encoding matter: the common case reads it once, below.
    if (!passt || sonst == Listenkodierung::Utf8MitMarke) {
        const bool cp1252 = KodierungErkennen(inhalt) == Listenkodierung::Cp1252;
        // ASCII is UTF-8 already: a list that is to stay without a mark needs no rewrite.
        const bool ohneMarke = sonst == Listenkodierung::Utf8 && NurAscii(inhalt);
        if (cp1252 && (sonst == Listenkodierung::Utf8MitMarke || !ohneMarke)) {
            QByteArray utf8 = AlsUtf8(inhalt);
            const auto anhang = AnhangBytes(utf8, zeilen, sonst);
            if (!anhang)
                return false;
            inhalt = std::move(utf8) + *anhang;
            return true;
        }
    }
    const auto anhang = AnhangBytes(inhalt, zeilen, sonst);
    if (!anhang)
        return false;
    inhalt += *anhang;
    return true;
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
    if (nummer == 1 && gesucht.startsWith(Kopf(Listenkodierung::Utf8MitMarke)))
        gesucht.remove(0, 3);
    // At the end of the file a line exists only if it has content (a mark is none).
    if (zeile < nummer || (!abgeschlossen && gesucht.isEmpty()))
        return std::nullopt;
    if (gesucht.endsWith('\r'))
        gesucht.chop(1);
    // Only a line with non-ASCII bytes needs the file's encoding: the mark tells it at
    // once, else it takes all of the file.
    if (!NurAscii(gesucht)) {
        if (!f.seek(0))
            return std::nullopt;
        const QByteArray kopf = f.read(3);
        if (kopf == Kopf(Listenkodierung::Utf8MitMarke))
            return Dekodieren(gesucht, Listenkodierung::Utf8MitMarke);
        if (!f.seek(0))
            return std::nullopt;
        const QByteArray alles = f.readAll();
        if (f.error() != QFileDevice::NoError)
            return std::nullopt;
        return Dekodieren(gesucht, KodierungErkennen(alles));
    }
    return AusCp1252(gesucht);
}

std::optional<qsizetype> ZeilenZaehlen(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    qsizetype zahl = 0;
    char letztes = '\n';
    qint64 gesamt = 0;
    bool marke = false;
    char puffer[LesePuffer];
    for (;;) {
        const qint64 n = f.read(puffer, sizeof puffer);
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        if (gesamt == 0)
            marke = QByteArrayView(puffer, n).startsWith(Kopf(Listenkodierung::Utf8MitMarke));
        gesamt += n;
        for (qint64 i = 0; i < n; ++i)
            if (puffer[i] == '\n')
                ++zahl;
        letztes = puffer[n - 1];
    }
    // A last line without a line end still counts; a file of just the UTF-8 mark has none.
    if (letztes != '\n' && !(gesamt == 3 && marke))
        ++zahl;
    return zahl;
}

DateiErgebnis ZeileAnhaengen(const QString& pfad, const QString& zeile)
{
    return ZeilenAnhaengen(pfad, QStringList{zeile});
}

DateiErgebnis ZeilenAnhaengen(const QString& pfad, const QStringList& zeilen)
{
    // A text Windows-1252 lacks turns a Windows-1252 file into UTF-8 with mark: that is
    // no append but a new content, written whole and renamed over the file.
    if (!std::all_of(zeilen.cbegin(), zeilen.cend(), IstCp1252)) {
        auto bisher = BytesLesen(pfad);
        if (!bisher && bisher.Ergebnis().Fehlernummer() != ENOENT)
            return bisher.Ergebnis();
        QByteArray inhalt = bisher.value_or(QByteArray());
        if (KodierungErkennen(inhalt) == Listenkodierung::Cp1252) {
            if (!InhaltErweitern(inhalt, zeilen))
                return DateiErgebnis::Fehler(0);
            return DateiErsetzen(pfad, inhalt);
        }
    }

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
    // The whole list: its last byte tells the missing line end, all of it the encoding.
    QByteArray bisher;
    if (lesbar && alt > 0) {
        bisher.resize(alt);
        qsizetype gelesen = 0;
        while (gelesen < alt) {
            const ssize_t n = ::pread(fd, bisher.data() + gelesen, size_t(alt - gelesen), gelesen);
            if (n <= 0)
                break;
            gelesen += n;
        }
        if (gelesen != alt) {
            const DateiErgebnis fehler = DateiErgebnis::Fehler(errno ? errno : EIO);
            ::close(fd); // half a list would tell a wrong encoding
            return fehler;
        }
    }
    const auto daten = AnhangBytes(bisher, zeilen);
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
