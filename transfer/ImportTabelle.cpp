#include "transfer/ImportTabelle.h"

#include "lists/Listensprache.h"

#include "lists/Paarpruefung.h"
#include "lists/TextDatei.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <bit>
#include <cstring>

namespace lerno {

namespace {

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

const QChar Ersatz(0xFFFD);

// An Anki export's "#key:value" line at the top; key lower-cased.
bool AnkiZeile(QStringView zeile, QString* schluessel = nullptr, QString* wert = nullptr)
{
    static const QRegularExpression muster(QStringLiteral("^#([A-Za-z ]+):(.*)$"));
    const auto m = muster.match(zeile.toString());
    if (!m.hasMatch())
        return false;
    if (schluessel)
        *schluessel = m.captured(1).trimmed().toLower();
    if (wert)
        *wert = m.captured(2).trimmed();
    return true;
}

QChar AnkiTrenner(const QString& wert)
{
    static const QHash<QString, QChar> namen = {
        {QStringLiteral("tab"), u'\t'},   {QStringLiteral("comma"), u','}, {QStringLiteral("semicolon"), u';'},
        {QStringLiteral("space"), u' '},  {QStringLiteral("pipe"), u'|'},  {QStringLiteral("colon"), u':'},
    };
    const QString w = wert.toLower();
    if (namen.contains(w))
        return namen.value(w);
    return wert.size() == 1 ? wert[0] : QChar();
}

// Tags that word lists from flash-card programs carry; any of them makes a field HTML.
bool HatTags(const QString& text)
{
    static const QRegularExpression tag(
        QStringLiteral("<(/?(b|i|u|p|div|span|font|strong|em|sub|sup)\\b[^>]*|br\\s*/?)>|&(nbsp|amp|lt|gt|quot);"),
        QRegularExpression::CaseInsensitiveOption);
    return tag.match(text).hasMatch();
}

QString HtmlZuText(const QString& feld)
{
    static const QRegularExpression br(QStringLiteral("<br\\s*/?>"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^<>]*>"));
    static const QRegularExpression entity(QStringLiteral("&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z]+);"));
    static const QHash<QString, QString> namen = {
        {QStringLiteral("amp"), QStringLiteral("&")},   {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},    {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},  {QStringLiteral("nbsp"), QString(QChar(0xA0))},
        {QStringLiteral("auml"), QStringLiteral("ä")},  {QStringLiteral("ouml"), QStringLiteral("ö")},
        {QStringLiteral("uuml"), QStringLiteral("ü")},  {QStringLiteral("Auml"), QStringLiteral("Ä")},
        {QStringLiteral("Ouml"), QStringLiteral("Ö")},  {QStringLiteral("Uuml"), QStringLiteral("Ü")},
        {QStringLiteral("szlig"), QStringLiteral("ß")}, {QStringLiteral("eacute"), QStringLiteral("é")},
        {QStringLiteral("egrave"), QStringLiteral("è")}, {QStringLiteral("agrave"), QStringLiteral("à")},
        {QStringLiteral("ccedil"), QStringLiteral("ç")}, {QStringLiteral("ndash"), QStringLiteral("–")},
        {QStringLiteral("mdash"), QStringLiteral("—")}, {QStringLiteral("hellip"), QStringLiteral("…")},
        {QStringLiteral("euro"), QStringLiteral("€")},
    };
    QString t = feld;
    t.replace(br, QStringLiteral(" "));
    t.remove(tag);
    QString out;
    qsizetype von = 0;
    for (auto it = entity.globalMatch(t); it.hasNext();) {
        const auto m = it.next();
        const QString name = m.captured(1);
        QString ersatz = m.captured(0);
        if (name.startsWith(u'#')) {
            bool ok = false;
            const uint code = name[1] == u'x' || name[1] == u'X' ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok);
            if (ok && code > 0 && code <= 0x10FFFF)
                ersatz = ZeichenText(code);
        } else if (namen.contains(name)) {
            ersatz = namen.value(name);
        }
        out += QStringView(t).mid(von, m.capturedStart() - von);
        out += ersatz;
        von = m.capturedEnd();
    }
    out += QStringView(t).mid(von);
    return out;
}

bool Zeilenende(char c) { return c == '\n' || c == '\r'; }

// The first place after the line end at pos: CR LF, a lone CR or LF.
qsizetype NachZeilenende(const char* t, qsizetype n, qsizetype pos)
{
    return t[pos] == '\r' && pos + 1 < n && t[pos + 1] == '\n' ? pos + 2 : pos + 1;
}

// As QString::trimmed().isEmpty() on the decoded cell, without decoding plain ASCII.
bool HatInhalt(const char* p, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(p[i]);
        if (b >= 0x80)
            return !QString::fromUtf8(p, n).trimmed().isEmpty();
        if (b != ' ' && (b < 0x09 || b > 0x0D))
            return true;
    }
    return false;
}

// RFC 4180 on UTF-8 text with any line ends, by hand so that a broken quote costs one
// line, not the rest of the file. A quote opens a quoted field only at the start of a
// field; a field whose closing quote is followed by other text was no quoted field and is
// read as it stands. Cells are kept as places in the text, not copied.
class CsvLeser {
public:
    CsvLeser(QChar trenner, ImportTabelle& tabelle)
        : t_(tabelle.text.constData()), n_(tabelle.text.size()), trenner_(QString(trenner).toUtf8()),
          tab_(tabelle) {}

    bool Lesen(qsizetype ab, int zeile, const ImportFortschritt& fortschritt)
    {
        pos_ = ab;
        zeile_ = zeile;
        for (int n = 1; pos_ < n_; ++n) {
            Datensatz();
            if (fortschritt && n % 4096 == 0 && !fortschritt(pos_, n_))
                return false;
        }
        return true;
    }

private:
    bool IstTrenner(qsizetype pos) const
    {
        if (trenner_.size() == 1)
            return t_[pos] == trenner_[0];
        return pos + trenner_.size() <= n_ && std::memcmp(t_ + pos, trenner_.constData(), trenner_.size()) == 0;
    }

    ImportFeld OhneAnfuehrung(qsizetype von)
    {
        qsizetype ende = von;
        if (trenner_.size() == 1) {
            const char tr = trenner_[0];
            while (ende < n_ && t_[ende] != tr && !Zeilenende(t_[ende]))
                ++ende;
        } else {
            while (ende < n_ && !IstTrenner(ende) && !Zeilenende(t_[ende]))
                ++ende;
        }
        pos_ = ende;
        return {static_cast<qint32>(von), static_cast<qint32>(ende - von)};
    }

    std::optional<ImportFeld> MitAnfuehrung()
    {
        qsizetype q = pos_ + 1;
        bool verdoppelt = false;
        for (;;) {
            const char* k0 = static_cast<const char*>(std::memchr(t_ + q, '"', n_ - q));
            if (!k0)
                return std::nullopt;
            const qsizetype k = k0 - t_;
            if (k + 1 < n_ && t_[k + 1] == '"') {
                verdoppelt = true;
                q = k + 2;
                continue;
            }
            if (k + 1 < n_ && !Zeilenende(t_[k + 1]) && !IstTrenner(k + 1))
                return OhneAnfuehrung(pos_);
            const QByteArrayView innen(t_ + pos_ + 1, k - pos_ - 1);
            const qsizetype cr = innen.count('\r');
            // Line breaks inside count as lines; CR LF counts once.
            zeile_ += static_cast<int>(innen.count('\n') + cr - innen.count("\r\n"));
            ImportFeld feld{static_cast<qint32>(pos_ + 1), static_cast<qint32>(innen.size())};
            if (verdoppelt || cr > 0) {
                // A changed cell: doubled quotes made one, line breaks LF as in the rest.
                QByteArray g = innen.toByteArray();
                g.replace("\"\"", "\"").replace("\r\n", "\n").replace('\r', '\n');
                feld = {static_cast<qint32>(-tab_.geaendert.size() - 1), static_cast<qint32>(g.size())};
                tab_.geaendert += g;
            }
            pos_ = k + 1;
            return feld;
        }
    }

    const char* Anfang(const ImportFeld& f) const
    {
        return f.von >= 0 ? t_ + f.von : tab_.geaendert.constData() - f.von - 1;
    }

    void Datensatz()
    {
        ImportZeile z;
        z.stelle = zeile_;
        z.erstes = static_cast<int>(tab_.felder.size());
        const qsizetype geaendert = tab_.geaendert.size();
        bool inhalt = false;
        for (;;) {
            ImportFeld feld;
            if (t_[pos_] == '"') {
                const int quoteZeile = zeile_;
                auto f = MitAnfuehrung();
                if (!f) {
                    tab_.fehler.append(
                        {z.stelle, quoteZeile == z.stelle
                                       ? QStringLiteral("Das Anführungszeichen wird nicht geschlossen")
                                       : QStringLiteral("Das Anführungszeichen aus Zeile %1 wird nicht "
                                                        "geschlossen").arg(quoteZeile)});
                    qsizetype lf = pos_;
                    while (lf < n_ && !Zeilenende(t_[lf]))
                        ++lf;
                    pos_ = lf < n_ ? NachZeilenende(t_, n_, lf) : n_;
                    zeile_ = quoteZeile + 1;
                    tab_.felder.resize(z.erstes);
                    tab_.geaendert.truncate(geaendert);
                    return;
                }
                feld = *f;
            } else {
                feld = OhneAnfuehrung(pos_);
            }
            inhalt = inhalt || HatInhalt(Anfang(feld), feld.laenge);
            tab_.felder.append(feld);
            if (pos_ >= n_)
                break;
            if (IstTrenner(pos_)) {
                pos_ += trenner_.size();
                if (pos_ < n_)
                    continue;
                tab_.felder.append(ImportFeld{});
                break;
            }
            pos_ = NachZeilenende(t_, n_, pos_);
            ++zeile_;
            break;
        }
        // A row without content (";;" left by a spreadsheet) is no row at all.
        if (!inhalt) {
            tab_.felder.resize(z.erstes);
            tab_.geaendert.truncate(geaendert);
            return;
        }
        tab_.spalten = std::max(tab_.spalten, static_cast<int>(tab_.felder.size() - z.erstes));
        tab_.zeilen.append(z);
    }

    const char* t_;
    const qsizetype n_;
    const QByteArray trenner_;
    ImportTabelle& tab_;
    qsizetype pos_ = 0;
    int zeile_ = 1;
};

// Where the rows begin after Anki's "#key:value" lines, and the line number there.
qsizetype AnkiKopf(const QByteArray& text, qsizetype pos, int& zeile, QHash<QString, QString>* werte = nullptr)
{
    zeile = 1;
    const qsizetype n = text.size();
    while (pos < n && text[pos] == '#') {
        qsizetype ende = pos;
        while (ende < n && !Zeilenende(text[ende]))
            ++ende;
        QString k, w;
        if (!AnkiZeile(QString::fromUtf8(text.constData() + pos, ende - pos), &k, &w))
            break;
        if (werte)
            werte->insert(k, w);
        pos = ende < n ? NachZeilenende(text.constData(), n, ende) : n;
        ++zeile;
    }
    return pos;
}

// What a column title says about its column.
enum class Titel { Keiner, Deutsch, Bedeutung, Wort, Sprache, Nummer };

// A title as the list below knows it: additions like "(Unit 3)" gone, lower case, "ae" as "ä".
QString TitelWort(QString feld)
{
    static const QRegularExpression zusatz(QStringLiteral("\\(.*\\)|\\[.*\\]|[:.]$"));
    feld = feld.remove(zusatz).trimmed().toLower();
    feld.replace(QLatin1String("ae"), QStringLiteral("ä")).replace(QLatin1String("oe"), QStringLiteral("ö"));
    feld.replace(QLatin1String("ue"), QStringLiteral("ü"));
    return feld;
}

Titel TitelArt(const QString& roh)
{
    const QString feld = TitelWort(roh);
    static const QHash<QString, Titel> titel = [] {
        QHash<QString, Titel> t;
        for (const char* s : {"deutsch", "german", "de", "deu", "ger"})
            t.insert(QString::fromUtf8(s), Titel::Deutsch);
        for (const char* s : {"bedeutung", "bedeutungen", "übersetzung", "meaning", "translation", "definition",
                              "back", "rückseite", "antwort", "answer"})
            t.insert(QString::fromUtf8(s), Titel::Bedeutung);
        for (const char* s : {"vokabel", "vokabeln", "wort", "wörter", "begriff", "begriffe", "fremdwort",
                              "fremdsprache", "word", "words", "term", "vocabulary", "vocab", "front",
                              "vorderseite", "frage", "question"})
            t.insert(QString::fromUtf8(s), Titel::Wort);
        for (const char* s : {"englisch", "französisch", "spanisch", "italienisch", "latein", "lateinisch",
                              "russisch", "griechisch", "niederländisch", "portugiesisch", "polnisch", "türkisch",
                              "english", "french", "français", "spanish", "español", "italian", "italiano", "latin",
                              "russian", "greek", "dutch", "portuguese", "polish", "turkish", "en", "fr", "es",
                              "it", "la"})
            t.insert(QString::fromUtf8(s), Titel::Sprache);
        for (const char* s : {"level", "stufe", "unit", "lektion", "kapitel", "chapter", "lesson", "page", "seite",
                              "nr", "nummer", "number", "no", "id", "#"})
            t.insert(QString::fromUtf8(s), Titel::Nummer);
        return t;
    }();
    return titel.value(feld, Titel::Keiner);
}

bool NurZahl(const QString& feld)
{
    static const QRegularExpression zahl(QStringLiteral("^[\\s0-9.,:/+-]*[0-9][\\s0-9.,:/+-]*$"));
    return zahl.match(feld).hasMatch();
}

// Signs of a German word: an article, an umlaut or ß, a capital first letter.
bool SiehtDeutschAus(const QString& feld)
{
    static const QRegularExpression zeichen(
        QStringLiteral("^(der|die|das|ein|eine|den|dem) |[äöüÄÖÜß]|^\\p{Lu}"));
    return zeichen.match(feld.trimmed()).hasMatch();
}

// Whether a first row is column titles. Two titles of different kinds are ("Deutsch;
// Englisch", "Vokabel;Bedeutung", "Nr;Deutsch"); two of the same kind are a word and its
// translation ("word;Wort", "German;Deutsch", "Seite;page") unless they name two
// different languages ("Englisch;Französisch").
bool IstKopfzeile(const QStringList& erste)
{
    int bekannt = 0;
    unsigned arten = 0;
    QSet<QString> sprachen;
    for (const QString& f : erste) {
        const Titel art = TitelArt(f);
        if (art == Titel::Keiner)
            continue;
        ++bekannt;
        arten |= 1u << static_cast<int>(art);
        if (art == Titel::Sprache || art == Titel::Deutsch) {
            const QString wort = TitelWort(f);
            const QString sprache = SpracheAusKennung(wort);
            sprachen.insert(sprache.isEmpty() ? wort : sprache);
        }
    }
    if (bekannt == 1)
        return erste.size() == 1;
    if (bekannt < 2)
        return false;
    if (std::popcount(arten) >= 2)
        return true;
    return arten == 1u << static_cast<int>(Titel::Sprache) && sprachen.size() >= 2;
}

// Text this far into a file is enough to detect its settings.
constexpr qsizetype KopfBytes = 4 << 20;

} // namespace

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

ImportEinstellungen CsvEinstellungenErkennen(const QByteArray& bytes)
{
    ImportEinstellungen e;
    e.kodierung = KodierungErkennen(bytes);
    qsizetype ab = 0;
    const QByteArray kopf = ImportUtf8(bytes.left(KopfBytes), e.kodierung, ab);
    int zeile = 1;
    QHash<QString, QString> anki;
    ab = AnkiKopf(kopf, ab, zeile, &anki);
    const QString text = QString::fromUtf8(QByteArrayView(kopf).sliced(ab));
    const QChar anki_trenner = AnkiTrenner(anki.value(QStringLiteral("separator")));
    e.trenner = anki_trenner.isNull() ? TrennzeichenErkennen(text) : anki_trenner;
    if (anki.contains(QStringLiteral("html")))
        e.html = anki.value(QStringLiteral("html")).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    else
        e.html = HatTags(text.left(1 << 20));
    return e;
}

std::optional<ImportTabelle> CsvTabelle(const QByteArray& bytes, Kodierung kodierung, QChar trenner,
                                        const ImportFortschritt& fortschritt)
{
    ImportTabelle tab;
    qsizetype ab = 0;
    tab.text = ImportUtf8(bytes, kodierung, ab);
    int zeile = 1;
    QHash<QString, QString> anki;
    ab = AnkiKopf(tab.text, ab, zeile, &anki);
    if (anki.contains(QStringLiteral("columns")))
        tab.titel = anki.value(QStringLiteral("columns")).split(trenner);
    if (!CsvLeser(trenner, tab).Lesen(ab, zeile, fortschritt))
        return std::nullopt;
    tab.spalten = std::max(tab.spalten, static_cast<int>(tab.titel.size()));
    tab.felder.squeeze();
    tab.zeilen.squeeze();
    return tab;
}

int ImportTabelle::Felder(qsizetype zeile) const
{
    const qsizetype ende = zeile + 1 < zeilen.size() ? zeilen[zeile + 1].erstes : felder.size();
    return static_cast<int>(ende - zeilen[zeile].erstes);
}

QString ImportTabelle::Zelle(qsizetype zeile, int spalte) const
{
    if (spalte < 0 || spalte >= Felder(zeile))
        return {};
    const ImportFeld f = felder[zeilen[zeile].erstes + spalte];
    const char* p = f.von >= 0 ? text.constData() + f.von : geaendert.constData() - f.von - 1;
    return QString::fromUtf8(p, f.laenge);
}

QStringList ImportTabelle::Zeile(qsizetype zeile) const
{
    QStringList out;
    for (int c = 0, n = Felder(zeile); c < n; ++c)
        out.append(Zelle(zeile, c));
    return out;
}

void ImportTabelle::ZeileAnhaengen(int stelle, const QStringList& zellen)
{
    zeilen.append({stelle, static_cast<int>(felder.size())});
    for (const QString& z : zellen) {
        const QByteArray b = z.toUtf8();
        felder.append({static_cast<qint32>(text.size()), static_cast<qint32>(b.size())});
        text += b;
    }
    spalten = std::max(spalten, static_cast<int>(zellen.size()));
}

void SpaltenErkennen(const ImportTabelle& tab, ImportEinstellungen& e)
{
    const int n = tab.spalten;
    e.wortSpalte = 0;
    e.bedeutungSpalte = n > 1 ? 1 : 0;
    e.kopfzeile = false;

    // Titles: the file's own (KVTML, Anki) or a first row made of at least two of them.
    QStringList titel = tab.titel;
    if (titel.isEmpty() && !tab.zeilen.isEmpty()) {
        const QStringList erste = tab.Zeile(0);
        if (IstKopfzeile(erste)) {
            e.kopfzeile = true;
            titel = erste;
        }
    }
    const qsizetype ab = e.kopfzeile ? 1 : 0;

    // Columns that may give a word or meaning: not number-only, not empty.
    QList<bool> moeglich(n, false);
    QList<int> deutsch(n, 0), gefuellt(n, 0);
    const qsizetype bis = std::min<qsizetype>(tab.zeilen.size(), ab + 200);
    QList<bool> nurZahl(n, true);
    for (qsizetype r = ab; r < bis; ++r) {
        const QStringList f = tab.Zeile(r);
        for (int c = 0; c < f.size(); ++c) {
            if (f[c].trimmed().isEmpty())
                continue;
            ++gefuellt[c];
            nurZahl[c] = nurZahl[c] && NurZahl(f[c]);
            deutsch[c] += SiehtDeutschAus(f[c]);
        }
    }
    for (int c = 0; c < n; ++c)
        moeglich[c] = gefuellt[c] > 0 && !nurZahl[c];
    if (bis <= ab) // nothing below the header: go by the titles alone
        moeglich.fill(true);

    int wort = -1, bedeutung = -1;
    for (int c = 0; c < titel.size() && c < n; ++c) {
        const Titel art = TitelArt(titel[c]);
        if (!moeglich[c] || art == Titel::Nummer)
            moeglich[c] = false;
        else if (bedeutung < 0 && (art == Titel::Deutsch || art == Titel::Bedeutung))
            bedeutung = c;
    }
    for (int c = 0; c < titel.size() && c < n && wort < 0; ++c)
        if (moeglich[c] && c != bedeutung && TitelArt(titel[c]) == Titel::Wort)
            wort = c;
    for (int c = 0; c < titel.size() && c < n && wort < 0; ++c)
        if (moeglich[c] && c != bedeutung && TitelArt(titel[c]) == Titel::Sprache)
            wort = c;
    if (wort < 0 || bedeutung < 0) {
        // The first two usable columns; the German-looking one gives the meaning.
        QList<int> frei;
        for (int c = 0; c < n; ++c)
            if (moeglich[c] && c != wort && c != bedeutung)
                frei.append(c);
        if (wort < 0 && bedeutung < 0 && frei.size() >= 2) {
            const int a = frei[0], b = frei[1];
            const bool aDeutsch = deutsch[a] * 5 >= gefuellt[a] * 3, bDeutsch = deutsch[b] * 5 >= gefuellt[b] * 3;
            wort = aDeutsch && !bDeutsch ? b : a;
            bedeutung = wort == a ? b : a;
        } else if (wort < 0 && bedeutung >= 0 && !frei.isEmpty()) {
            wort = frei.first();
        } else if (bedeutung < 0 && wort >= 0 && !frei.isEmpty()) {
            bedeutung = frei.first();
        }
    }
    // Too few usable columns: the first other one beside a column the titles name,
    // else the first two as they stand.
    if (wort < 0 && bedeutung >= 0)
        wort = bedeutung == 0 ? 1 : 0;
    else if (bedeutung < 0 && wort >= 0)
        bedeutung = wort == 0 ? 1 : 0;
    else if (wort < 0 && bedeutung < 0) {
        wort = 0;
        bedeutung = 1; // with one column only, a column that is empty everywhere
    }
    if (wort >= 0)
        e.wortSpalte = wort;
    if (bedeutung >= 0 && bedeutung != wort)
        e.bedeutungSpalte = bedeutung;
    else if (wort == 0)
        e.bedeutungSpalte = 1;
}

QString FeldNormalisieren(const QString& feld, bool html)
{
    QString t = html ? HtmlZuText(feld) : feld;
    QString out;
    out.reserve(t.size());
    for (QChar c : std::as_const(t)) {
        const char16_t u = c.unicode();
        if (u == 0xA0 || u == 0x202F || u == 0x2007 || u == u'\n' || u == u'\r')
            c = u' ';
        if (c == u' ' && (out.isEmpty() || out.back() == u' '))
            continue;
        out += c;
    }
    if (out.endsWith(u' '))
        out.chop(1);
    return out;
}

std::optional<QList<Ausgelassen>> PaareDurchgehen(const ImportTabelle& tab, const ImportEinstellungen& e,
                                                  const std::function<void(ImportPaar&&)>& paar,
                                                  const ImportFortschritt& fortschritt)
{
    QList<Ausgelassen> ausgelassen = tab.fehler;
    const bool utf8 = e.kodierung == Kodierung::Utf8 || e.kodierung == Kodierung::Utf8MitBom;
    QString grund;
    for (qsizetype r = e.kopfzeile ? 1 : 0; r < tab.zeilen.size(); ++r) {
        if (fortschritt && r % 4096 == 4095 && !fortschritt(r, tab.zeilen.size()))
            return std::nullopt;
        const int stelle = tab.zeilen[r].stelle;
        const QString vokabel = FeldNormalisieren(tab.Zelle(r, e.wortSpalte), e.html);
        const QString bedeutung = FeldNormalisieren(tab.Zelle(r, e.bedeutungSpalte), e.html);
        if (UnsichtbaresEntfernen(vokabel).isEmpty() && UnsichtbaresEntfernen(bedeutung).isEmpty()) {
            // Something only in other columns: a row, but no pair.
            ausgelassen.append({stelle, QStringLiteral("Vokabel und Bedeutung sind leer")});
            continue;
        }
        if (utf8 && (vokabel.contains(Ersatz) || bedeutung.contains(Ersatz))) {
            ausgelassen.append({stelle, QStringLiteral("Die Zeile enthält Bytes, die kein UTF-8 sind")});
            continue;
        }
        if (auto p = ImportPaarPruefen(stelle, vokabel, bedeutung, &grund))
            paar(std::move(*p));
        else
            ausgelassen.append({stelle, grund});
    }
    std::stable_sort(ausgelassen.begin(), ausgelassen.end(),
                     [](const Ausgelassen& a, const Ausgelassen& b) { return a.stelle < b.stelle; });
    return ausgelassen;
}

std::optional<ImportUebersicht> PaareZaehlen(const ImportTabelle& tab, const ImportEinstellungen& e,
                                             int ersteAnzahl, const ImportFortschritt& fortschritt)
{
    ImportUebersicht u;
    auto ausgelassen = PaareDurchgehen(
        tab, e,
        [&u, ersteAnzahl](ImportPaar&& p) {
            if (u.erste.size() < ersteAnzahl)
                u.erste.append(std::move(p));
            ++u.anzahl;
        },
        fortschritt);
    if (!ausgelassen)
        return std::nullopt;
    u.ausgelassen = std::move(*ausgelassen);
    return u;
}

ImportInhalt PaareBilden(const ImportTabelle& tab, const ImportEinstellungen& e)
{
    ImportInhalt inhalt;
    inhalt.eintraege = tab.eintraege;
    inhalt.ausgelassen = *PaareDurchgehen(tab, e, [&inhalt](ImportPaar&& p) { inhalt.paare.append(std::move(p)); });
    return inhalt;
}

std::optional<ImportTabelle> KvtmlTabelle(const QByteArray& bytes, QString* fehler)
{
    auto scheitern = [&](const QString& grund) -> std::optional<ImportTabelle> {
        if (fehler)
            *fehler = grund;
        return std::nullopt;
    };
    ImportTabelle tab;
    tab.eintraege = true;
    {
        QXmlStreamReader xml(bytes);
        if (!xml.readNextStartElement() || xml.name() != QLatin1String("kvtml"))
            return scheitern(QStringLiteral("Die Datei ist keine KVTML-Vokabeldatei."));
    }
    auto dok = KvtmlZerlegen(bytes, fehler);
    if (!dok)
        return std::nullopt;
    for (const KvtmlSprache& s : dok->sprachen) {
        tab.titel.append(s.name.isEmpty() ? s.id : s.name);
        tab.kennungen.append(s.locale.isEmpty() ? s.id : s.locale);
    }
    tab.spalten = static_cast<int>(tab.titel.size());
    for (qsizetype i = 0; i < dok->eintraege.size(); ++i) {
        QStringList zellen;
        bool inhalt = false;
        for (const KvtmlSprache& s : dok->sprachen) {
            zellen.append(dok->eintraege[i].value(s.id));
            inhalt = inhalt || !UnsichtbaresEntfernen(zellen.constLast()).trimmed().isEmpty();
        }
        if (inhalt)
            tab.ZeileAnhaengen(static_cast<int>(i + 1), zellen);
    }
    if (tab.spalten < 2)
        return scheitern(tab.spalten == 0 ? QStringLiteral("Die Datei enthält keine Vokabeln.")
                                          : QStringLiteral("Die Datei enthält nur eine Sprache. Lerno braucht zu "
                                                           "jeder Vokabel eine Bedeutung."));
    return tab;
}

namespace {

// KVTML by its languages: German gives the meaning, the first other the word.
void KvtmlSpaltenErkennen(const QByteArray& bytes, ImportEinstellungen& e)
{
    const auto dok = KvtmlZerlegen(bytes);
    qsizetype deutsch = -1;
    for (qsizetype i = 0; dok && i < dok->sprachen.size() && deutsch < 0; ++i)
        if (dok->sprachen[i].deutsch)
            deutsch = i;
    e.bedeutungSpalte = deutsch < 0 ? 1 : static_cast<int>(deutsch);
    e.wortSpalte = deutsch == 0 ? 1 : 0;
}

} // namespace

std::optional<ImportVorlage> ImportVorlageAus(const QByteArray& bytes, bool kvtml, QString* fehler,
                                              const ImportFortschritt& fortschritt)
{
    ImportVorlage v;
    v.bytes = bytes;
    v.kvtml = kvtml;
    if (kvtml) {
        auto tab = KvtmlTabelle(bytes, fehler);
        if (!tab)
            return std::nullopt;
        v.tabelle = std::move(*tab);
        KvtmlSpaltenErkennen(bytes, v.einstellungen);
        return v;
    }
    v.einstellungen = CsvEinstellungenErkennen(bytes);
    auto tab = CsvTabelle(bytes, v.einstellungen.kodierung, v.einstellungen.trenner, fortschritt);
    if (!tab) {
        if (fehler)
            fehler->clear();
        return std::nullopt;
    }
    v.tabelle = std::move(*tab);
    SpaltenErkennen(v.tabelle, v.einstellungen);
    return v;
}

bool VorlageNeuLesen(ImportVorlage& v, Kodierung kodierung, QChar trenner, const ImportFortschritt& fortschritt)
{
    if (v.kvtml)
        return true;
    auto tab = CsvTabelle(v.bytes, kodierung, trenner, fortschritt);
    if (!tab)
        return false;
    ImportEinstellungen e = v.einstellungen;
    e.kodierung = kodierung;
    e.trenner = trenner;
    SpaltenErkennen(*tab, e);
    v.tabelle = std::move(*tab);
    v.einstellungen = e;
    return true;
}

std::optional<ImportVorlage> ImportVorlageLesen(const QString& pfad, QString* fehler,
                                                const ImportFortschritt& fortschritt)
{
    const auto bytes = ImportBytesLesen(pfad, fehler);
    if (!bytes)
        return std::nullopt;
    return ImportVorlageAus(*bytes, pfad.endsWith(QLatin1String(".kvtml"), Qt::CaseInsensitive), fehler,
                            fortschritt);
}

QString ImportSprache(const ImportVorlage& vorlage)
{
    const ImportTabelle& tab = vorlage.tabelle;
    const int c = vorlage.einstellungen.wortSpalte;
    QStringList angaben;
    if (c >= 0 && c < tab.kennungen.size())
        angaben << tab.kennungen[c];
    if (c >= 0 && c < tab.titel.size())
        angaben << tab.titel[c];
    if (vorlage.einstellungen.kopfzeile && !tab.zeilen.isEmpty() && c >= 0 && c < tab.Felder(0))
        angaben << tab.Zelle(0, c);
    for (const QString& a : angaben)
        if (const QString s = SpracheAusKennung(a); !s.isEmpty())
            return s;
    return {};
}

} // namespace lerno
