#include "transfer/ImportLesen.h"

#include "lists/Paarpruefung.h"
#include "lists/TextDatei.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <QXmlStreamReader>

namespace lerno {

namespace {

const QByteArray Bom("\xEF\xBB\xBF");

// Column titles that spreadsheets and textbooks put above word lists; a first row made
// of two of these is a header, not a pair.
bool IstSpaltentitel(const QString& feld)
{
    static const QSet<QString> titel = {
        QStringLiteral("vokabel"), QStringLiteral("vokabeln"), QStringLiteral("wort"),
        QStringLiteral("wörter"), QStringLiteral("bedeutung"), QStringLiteral("bedeutungen"),
        QStringLiteral("übersetzung"), QStringLiteral("fremdwort"), QStringLiteral("fremdsprache"),
        QStringLiteral("deutsch"), QStringLiteral("englisch"), QStringLiteral("französisch"),
        QStringLiteral("spanisch"), QStringLiteral("italienisch"), QStringLiteral("latein"),
        QStringLiteral("lateinisch"), QStringLiteral("russisch"), QStringLiteral("griechisch"),
        QStringLiteral("niederländisch"), QStringLiteral("portugiesisch"), QStringLiteral("polnisch"),
        QStringLiteral("türkisch"), QStringLiteral("word"), QStringLiteral("words"),
        QStringLiteral("meaning"), QStringLiteral("translation"), QStringLiteral("term"),
        QStringLiteral("definition"), QStringLiteral("german"), QStringLiteral("english"),
        QStringLiteral("french"), QStringLiteral("français"), QStringLiteral("spanish"),
        QStringLiteral("español"), QStringLiteral("italian"), QStringLiteral("italiano"),
        QStringLiteral("latin"), QStringLiteral("russian"), QStringLiteral("vocabulary"),
    };
    return titel.contains(feld.trimmed().toLower());
}

// Deeper than any vocabulary file nests the text of a translation; a file beyond it is
// refused rather than read.
constexpr int MaxTextTiefe = 64;

// Fields 0 and 1 of one record, and whether any field holds more than blanks.
struct Datensatz {
    int anfang = 0; // line on which the record began
    int felder = 0;
    QString vokabel, bedeutung;
    bool inhalt = false;

    void Feld(QString feld)
    {
        inhalt = inhalt || !feld.trimmed().isEmpty();
        if (felder == 0)
            vokabel = std::move(feld);
        else if (felder == 1)
            bedeutung = std::move(feld);
        ++felder;
    }
};

// RFC 4180 on decoded text, by hand so that a broken quote costs one line, not the rest
// of the file. A quote opens a quoted field only at the start of a field; a field whose
// closing quote is followed by other text was no quoted field, and is read as it stands
// up to the next separator on its line. A quote that never closes is reported with the
// line it began on, and reading goes on at the next line.
class CsvLeser {
public:
    CsvLeser(const QString& text, QChar trenner) : t_(text), trenner_(trenner) {}

    ImportInhalt Lesen()
    {
        while (pos_ < t_.size())
            Datensatzlesen();
        return std::move(inhalt_);
    }

private:
    bool Zeilenende(qsizetype i) const
    {
        return i >= t_.size() || t_[i] == u'\n'
            || (t_[i] == u'\r' && (i + 1 >= t_.size() || t_[i + 1] == u'\n'));
    }

    qsizetype ZeileEnde(qsizetype i) const
    {
        const qsizetype lf = t_.indexOf(u'\n', i);
        return lf < 0 ? t_.size() : lf;
    }

    // Up to the next separator or line end; a CR before the LF belongs to the line end.
    QString OhneAnfuehrung(qsizetype von)
    {
        qsizetype ende = von;
        while (ende < t_.size() && t_[ende] != trenner_ && t_[ende] != u'\n')
            ++ende;
        qsizetype laenge = ende - von;
        if (ende < t_.size() && t_[ende] == u'\n' && laenge > 0 && t_[ende - 1] == u'\r')
            --laenge;
        pos_ = ende;
        return t_.mid(von, laenge);
    }

    // The quoted field at pos_, or nullopt when its quote never closes (pos_ unchanged).
    std::optional<QString> MitAnfuehrung()
    {
        QString feld;
        qsizetype q = pos_ + 1;
        for (;;) {
            const qsizetype k = t_.indexOf(u'"', q);
            if (k < 0)
                return std::nullopt;
            feld += QStringView(t_).mid(q, k - q);
            if (k + 1 < t_.size() && t_[k + 1] == u'"') {
                feld += u'"';
                q = k + 2;
                continue;
            }
            if (!Zeilenende(k + 1) && t_[k + 1] != trenner_)
                return OhneAnfuehrung(pos_);
            zeile_ += static_cast<int>(QStringView(t_).mid(pos_, k - pos_).count(u'\n'));
            pos_ = k + 1;
            return feld;
        }
    }

    void Datensatzlesen()
    {
        Datensatz d;
        d.anfang = zeile_;
        for (;;) {
            if (pos_ < t_.size() && t_[pos_] == u'"') {
                const int quoteZeile = zeile_;
                auto feld = MitAnfuehrung();
                if (!feld) {
                    inhalt_.ausgelassen.append(
                        {d.anfang, quoteZeile == d.anfang
                                       ? QStringLiteral("Das Anführungszeichen wird nicht geschlossen")
                                       : QStringLiteral("Das Anführungszeichen aus Zeile %1 wird nicht "
                                                        "geschlossen").arg(quoteZeile)});
                    kopfGeprueft_ = true;
                    pos_ = ZeileEnde(pos_) + 1;
                    zeile_ = quoteZeile + 1;
                    return;
                }
                d.Feld(std::move(*feld));
            } else {
                d.Feld(OhneAnfuehrung(pos_));
            }
            if (pos_ >= t_.size())
                break;
            if (t_[pos_] == trenner_) {
                ++pos_;
                continue;
            }
            if (t_[pos_] == u'\r')
                ++pos_;
            ++pos_; // the LF
            ++zeile_;
            break;
        }
        Fertig(d);
    }

    void Fertig(const Datensatz& d)
    {
        const bool erste = !kopfGeprueft_;
        kopfGeprueft_ = true;
        if (erste && d.felder >= 2 && IstSpaltentitel(d.vokabel) && IstSpaltentitel(d.bedeutung))
            return;
        // A row without any content (";;" left over by a spreadsheet) is no pair at all.
        if (!d.inhalt)
            return;
        ImportPaarAufnehmen(inhalt_, d.anfang, d.vokabel, d.bedeutung);
    }

    const QString& t_;
    const QChar trenner_;
    qsizetype pos_ = 0;
    int zeile_ = 1;
    bool kopfGeprueft_ = false;
    ImportInhalt inhalt_;
};

// The text of the current element and of everything nested in it, as
// readElementText(IncludeChildElements) gives it but without recursion; nullopt when it
// nests deeper than MaxTextTiefe.
std::optional<QString> TextLesen(QXmlStreamReader& xml)
{
    QString text;
    int tiefe = 1;
    while (tiefe > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++tiefe > MaxTextTiefe)
                return std::nullopt;
            break;
        case QXmlStreamReader::EndElement:
            --tiefe;
            break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            text += xml.text();
            break;
        default:
            break;
        }
    }
    return text;
}

} // namespace

void ImportPaarAufnehmen(ImportInhalt& inhalt, int stelle, const QString& vokabel, const QString& bedeutung)
{
    ImportPaar paar{stelle, UnsichtbaresEntfernen(vokabel), UnsichtbaresEntfernen(bedeutung)};
    const PaarUrteil urteil = PaarPruefen(paar.Vokabel, paar.Bedeutung);
    if (urteil.ok())
        inhalt.paare.append(std::move(paar));
    else
        inhalt.ausgelassen.append({stelle, PaarMeldung(urteil)});
}

bool IstTextdatei(const QByteArray& bytes)
{
    if (bytes.contains('\0'))
        return false;
    const bool utf8 = KodierungErkennen(bytes) != Kodierung::Windows1252;
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
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8(bytes));
    return utf8.hasError() ? Kodierung::Windows1252 : Kodierung::Utf8;
}

namespace {

// nullopt when a quote opened in the first line never closes.
std::optional<char> TrennzeichenSuchen(const QByteArray& bytes, bool anfuehrungBeachten)
{
    bool inAnfuehrung = false;
    bool feldAnfang = true; // a quote opens a quoted field only here
    bool tab = false, semikolon = false, komma = false, inhalt = false;
    for (qsizetype i = bytes.startsWith(Bom) ? 3 : 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inAnfuehrung) {
            inAnfuehrung = c != '"';
            continue;
        }
        if (c == '\n' || c == '\r') {
            if (inhalt)
                break;
            feldAnfang = true;
            continue;
        }
        inhalt = true;
        if (c == '"' && feldAnfang && anfuehrungBeachten)
            inAnfuehrung = true;
        tab = tab || c == '\t';
        semikolon = semikolon || c == ';';
        komma = komma || c == ',';
        feldAnfang = c == '\t' || c == ';' || c == ',';
    }
    if (inAnfuehrung)
        return std::nullopt;
    return tab ? '\t' : semikolon ? ';' : ',';
}

} // namespace

char TrennzeichenErkennen(const QByteArray& bytes)
{
    // A first line whose quote never closes is reported as broken; the separator then
    // comes from that line read as it stands.
    if (const auto t = TrennzeichenSuchen(bytes, true))
        return *t;
    return *TrennzeichenSuchen(bytes, false);
}

ImportInhalt CsvLesen(const QByteArray& bytes)
{
    QString text;
    switch (KodierungErkennen(bytes)) {
    case Kodierung::Utf8MitBom:
        text = QString::fromUtf8(bytes.mid(Bom.size()));
        break;
    case Kodierung::Utf8:
        text = QString::fromUtf8(bytes);
        break;
    case Kodierung::Windows1252:
        text = AusCp1252(bytes);
        break;
    }
    return CsvLeser(text, QLatin1Char(TrennzeichenErkennen(bytes))).Lesen();
}

std::optional<KvtmlDokument> KvtmlZerlegen(const QByteArray& bytes, QString* fehler)
{
    auto scheitern = [&](const QString& grund) -> std::optional<KvtmlDokument> {
        if (fehler)
            *fehler = grund;
        return std::nullopt;
    };

    KvtmlDokument dok;
    QList<KvtmlSprache>& sprachen = dok.sprachen;
    QList<QMap<QString, QString>>& eintraege = dok.eintraege;

    QXmlStreamReader xml(bytes);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("kvtml"))
        return scheitern(QStringLiteral("Die Datei ist keine KVTML-Vokabeldatei."));
    if (!xml.attributes().value(QLatin1String("version")).startsWith(u'2'))
        return scheitern(QStringLiteral("Lerno liest nur KVTML-Dateien der Version 2."));

    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("identifiers")) {
            while (xml.readNextStartElement()) {
                if (xml.name() != QLatin1String("identifier")) {
                    xml.skipCurrentElement();
                    continue;
                }
                KvtmlSprache s;
                s.id = xml.attributes().value(QLatin1String("id")).toString();
                while (xml.readNextStartElement()) {
                    const bool locale = xml.name() == QLatin1String("locale");
                    const bool name = xml.name() == QLatin1String("name");
                    const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                    if (locale)
                        s.deutsch = s.deutsch || text.left(2).compare(QLatin1String("de"), Qt::CaseInsensitive) == 0;
                    if (name)
                        s.deutsch = s.deutsch || text.compare(QLatin1String("Deutsch"), Qt::CaseInsensitive) == 0
                            || text.compare(QLatin1String("German"), Qt::CaseInsensitive) == 0;
                }
                sprachen.append(s);
            }
        } else if (xml.name() == QLatin1String("entries")) {
            while (xml.readNextStartElement()) {
                if (xml.name() != QLatin1String("entry")) {
                    xml.skipCurrentElement();
                    continue;
                }
                QMap<QString, QString> eintrag;
                while (xml.readNextStartElement()) {
                    if (xml.name() != QLatin1String("translation")) {
                        xml.skipCurrentElement();
                        continue;
                    }
                    const QString id = xml.attributes().value(QLatin1String("id")).toString();
                    // Only the translation's own <text>; conjugations nest texts of their own.
                    while (xml.readNextStartElement()) {
                        if (xml.name() != QLatin1String("text")) {
                            xml.skipCurrentElement();
                            continue;
                        }
                        const auto text = TextLesen(xml);
                        if (!text)
                            return scheitern(QStringLiteral("Die KVTML-Datei ist zu tief verschachtelt "
                                                            "(Zeile %1).").arg(xml.lineNumber()));
                        eintrag.insert(id, *text);
                    }
                }
                eintraege.append(eintrag);
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        // Qt's own error text is English: the line number is what helps.
        return scheitern(QStringLiteral("Die KVTML-Datei ist beschädigt (Zeile %1).").arg(xml.lineNumber()));
    return dok;
}

std::optional<ImportInhalt> KvtmlLesen(const QByteArray& bytes, QString* fehler)
{
    const auto dok = KvtmlZerlegen(bytes, fehler);
    if (!dok)
        return std::nullopt;
    const QList<KvtmlSprache>& sprachen = dok->sprachen;
    const QList<QMap<QString, QString>>& eintraege = dok->eintraege;
    if (sprachen.size() < 2) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei enthält nur eine Sprache. Lerno braucht zu jeder "
                                     "Vokabel eine Bedeutung.");
        return std::nullopt;
    }

    // The German identifier gives the meaning, the first other one the word;
    // without a German one, the first two in the file's order.
    qsizetype deutsch = -1;
    for (qsizetype i = 0; i < sprachen.size() && deutsch < 0; ++i)
        if (sprachen[i].deutsch)
            deutsch = i;
    QString wortId, bedeutungId;
    if (deutsch < 0) {
        wortId = sprachen[0].id;
        bedeutungId = sprachen[1].id;
    } else {
        bedeutungId = sprachen[deutsch].id;
        wortId = sprachen[deutsch == 0 ? 1 : 0].id;
    }

    ImportInhalt inhalt;
    inhalt.eintraege = true;
    for (qsizetype i = 0; i < eintraege.size(); ++i) {
        const int stelle = static_cast<int>(i + 1);
        const QString vokabel = eintraege[i].value(wortId);
        const QString bedeutung = eintraege[i].value(bedeutungId);
        if (UnsichtbaresEntfernen(vokabel).isEmpty() && UnsichtbaresEntfernen(bedeutung).isEmpty())
            inhalt.ausgelassen.append({stelle, QStringLiteral("Eintrag ist leer")});
        else
            ImportPaarAufnehmen(inhalt, stelle, vokabel, bedeutung);
    }
    return inhalt;
}

std::optional<ImportInhalt> ImportDateiLesen(const QString& pfad, QString* fehler)
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
    const QByteArray bytes = f.readAll();
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
    if (pfad.endsWith(QLatin1String(".kvtml"), Qt::CaseInsensitive))
        return KvtmlLesen(bytes, fehler);
    return CsvLesen(bytes);
}

} // namespace lerno
