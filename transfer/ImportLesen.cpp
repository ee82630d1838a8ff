#include "transfer/ImportLesen.h"

#include "lists/TextDatei.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <csv.h>

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

bool IstLeer(const QByteArray& zeile)
{
    for (char c : zeile)
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t')
            return false;
    return true;
}

// libcsv callbacks collect the fields of one record and hand it over at its end.
struct CsvSammler {
    Kodierung kodierung = Kodierung::Utf8;
    QList<QString> felder;
    bool offen = false;    // a record has begun and not yet ended
    int anfang = 0;        // line on which the open record began
    int zeile = 0;         // line being fed
    bool kopfGeprueft = false;
    ImportInhalt inhalt;

    QString Dekodieren(const char* p, size_t n) const
    {
        return kodierung == Kodierung::Windows1252
            ? AusCp1252(QByteArray::fromRawData(p, static_cast<qsizetype>(n)))
            : QString::fromUtf8(p, static_cast<qsizetype>(n));
    }

    void RecordEnde()
    {
        const int stelle = anfang;
        offen = false;
        QList<QString> f = std::move(felder);
        felder.clear();
        const bool erste = !kopfGeprueft;
        kopfGeprueft = true;
        const QString vokabel = f.value(0);
        const QString bedeutung = f.value(1);
        if (erste && f.size() >= 2 && IstSpaltentitel(vokabel) && IstSpaltentitel(bedeutung))
            return;
        // A row without any content (";;" left over by a spreadsheet) is no pair at all.
        bool leer = true;
        for (const QString& s : f)
            leer = leer && s.trimmed().isEmpty();
        if (leer)
            return;
        if (const auto grund = PaarFehler(vokabel, bedeutung))
            inhalt.ausgelassen.append({stelle, *grund});
        else
            inhalt.paare.append({stelle, vokabel, bedeutung});
    }
};

void FeldFertig(void* s, size_t n, void* daten)
{
    auto* c = static_cast<CsvSammler*>(daten);
    c->felder.append(c->Dekodieren(static_cast<const char*>(s), s ? n : 0));
}

void ZeileFertig(int, void* daten)
{
    static_cast<CsvSammler*>(daten)->RecordEnde();
}

// Blanks belong to the word: nothing is trimmed around unquoted fields.
int KeinLeerraum(unsigned char) { return 0; }

} // namespace

Kodierung KodierungErkennen(const QByteArray& bytes)
{
    if (bytes.startsWith(Bom))
        return Kodierung::Utf8MitBom;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8(bytes));
    return utf8.hasError() ? Kodierung::Windows1252 : Kodierung::Utf8;
}

char TrennzeichenErkennen(const QByteArray& bytes)
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
        if (c == '"' && feldAnfang)
            inAnfuehrung = true;
        tab = tab || c == '\t';
        semikolon = semikolon || c == ';';
        komma = komma || c == ',';
        feldAnfang = c == '\t' || c == ';' || c == ',';
    }
    return tab ? '\t' : semikolon ? ';' : ',';
}

std::optional<QString> PaarFehler(const QString& vokabel, const QString& bedeutung)
{
    if (vokabel.isEmpty())
        return QStringLiteral("Vokabel ist leer");
    if (bedeutung.isEmpty())
        return QStringLiteral("Bedeutung ist leer");
    for (const QString* text : {&vokabel, &bedeutung}) {
        for (QChar c : *text) {
            if (c == u'#')
                return QStringLiteral("enthält das Zeichen „#“");
            if (c == u'\r' || c == u'\n')
                return QStringLiteral("enthält einen Zeilenumbruch");
            // Tabs and other control characters would break the grid and the lines.
            if (c.category() == QChar::Other_Control)
                return QStringLiteral("enthält ein Steuerzeichen");
        }
        const QString zeichen = ErstesFremdesZeichen(*text);
        if (!zeichen.isEmpty())
            return QStringLiteral("das Zeichen „%1“ kann Lerno nicht speichern").arg(zeichen);
    }
    return std::nullopt;
}

ImportInhalt CsvLesen(const QByteArray& bytes)
{
    CsvSammler sammler;
    sammler.kodierung = KodierungErkennen(bytes);
    const qsizetype start = sammler.kodierung == Kodierung::Utf8MitBom ? Bom.size() : 0;

    csv_parser p;
    csv_init(&p, 0);
    csv_set_delim(&p, static_cast<unsigned char>(TrennzeichenErkennen(bytes)));
    csv_set_space_func(&p, KeinLeerraum);

    // Fed line by line so that every record knows the line it began on.
    qsizetype pos = start;
    while (pos < bytes.size()) {
        qsizetype ende = bytes.indexOf('\n', pos);
        ende = ende < 0 ? bytes.size() : ende + 1;
        ++sammler.zeile;
        const QByteArray stueck = QByteArray::fromRawData(bytes.constData() + pos, ende - pos);
        if (!sammler.offen && !IstLeer(stueck)) {
            sammler.offen = true;
            sammler.anfang = sammler.zeile;
        }
        csv_parse(&p, stueck.constData(), static_cast<size_t>(stueck.size()), FeldFertig,
                  ZeileFertig, &sammler);
        pos = ende;
    }
    csv_fini(&p, FeldFertig, ZeileFertig, &sammler);
    csv_free(&p);
    return std::move(sammler.inhalt);
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
                        if (xml.name() == QLatin1String("text"))
                            eintrag.insert(id, xml.readElementText(QXmlStreamReader::IncludeChildElements));
                        else
                            xml.skipCurrentElement();
                    }
                }
                eintraege.append(eintrag);
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    if (xml.hasError())
        return scheitern(QStringLiteral("Die KVTML-Datei ist beschädigt (Zeile %1: %2).")
                             .arg(xml.lineNumber())
                             .arg(xml.errorString()));
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
        if (vokabel.isEmpty() && bedeutung.isEmpty())
            inhalt.ausgelassen.append({stelle, QStringLiteral("Eintrag ist leer")});
        else if (const auto grund = PaarFehler(vokabel, bedeutung))
            inhalt.ausgelassen.append({stelle, *grund});
        else
            inhalt.paare.append({stelle, vokabel, bedeutung});
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
    if (pfad.endsWith(QLatin1String(".kvtml"), Qt::CaseInsensitive))
        return KvtmlLesen(bytes, fehler);
    return CsvLesen(bytes);
}

} // namespace lerno
