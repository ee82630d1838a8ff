#include "transfer/import/CsvLeser.h"

#include <QHash>
#include <QRegularExpression>

#include <cstring>

namespace lerno {

namespace {

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

// nullopt when a quote opened in the first line never closes.
std::optional<QChar> TrennzeichenSuchen(QStringView text, bool anfuehrungBeachten)
{
    bool inAnfuehrung = false;
    bool feldAnfang = true; // a quote opens a quoted field only here
    bool tab = false, semikolon = false, komma = false, inhalt = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inAnfuehrung) {
            inAnfuehrung = c != u'"';
            continue;
        }
        if (c == u'\n' || c == u'\r') {
            if (inhalt)
                break;
            feldAnfang = true;
            continue;
        }
        inhalt = true;
        if (c == u'"' && feldAnfang && anfuehrungBeachten)
            inAnfuehrung = true;
        tab = tab || c == u'\t';
        semikolon = semikolon || c == u';';
        komma = komma || c == u',';
        feldAnfang = c == u'\t' || c == u';' || c == u',';
    }
    if (inAnfuehrung)
        return std::nullopt;
    return QChar(tab ? u'\t' : semikolon ? u';' : u',');
}

// Text this far into a file is enough to detect its settings.
constexpr qsizetype KopfBytes = 4 << 20;

QChar TrennzeichenErkennen(QStringView text)
{
    // A first line whose quote never closes is reported as broken; the separator then
    // comes from that line read as it stands.
    if (const auto t = TrennzeichenSuchen(text, true))
        return *t;
    return *TrennzeichenSuchen(text, false);
}

} // namespace

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

} // namespace lerno
