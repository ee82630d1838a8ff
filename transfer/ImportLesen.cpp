#include "transfer/ImportLesen.h"

#include "lists/Paarpruefung.h"
#include "lists/TextDatei.h"
#include "transfer/ImportTabelle.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <QXmlStreamReader>

namespace lerno {

namespace {

const QByteArray Bom("\xEF\xBB\xBF");

// Deeper than any vocabulary file nests the text of a translation; a file beyond it is
// refused rather than read.
constexpr int MaxTextTiefe = 64;

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

std::optional<ImportPaar> ImportPaarPruefen(int stelle, const QString& vokabel, const QString& bedeutung,
                                            QString* grund)
{
    ImportPaar paar{stelle, UnsichtbaresEntfernen(vokabel), UnsichtbaresEntfernen(bedeutung)};
    const PaarUrteil urteil = PaarPruefen(paar.Vokabel, paar.Bedeutung);
    if (urteil.ok())
        return paar;
    if (grund)
        *grund = PaarMeldung(urteil);
    return std::nullopt;
}

void ImportPaarAufnehmen(ImportInhalt& inhalt, int stelle, const QString& vokabel, const QString& bedeutung)
{
    QString grund;
    if (auto paar = ImportPaarPruefen(stelle, vokabel, bedeutung, &grund))
        inhalt.paare.append(std::move(*paar));
    else
        inhalt.ausgelassen.append({stelle, grund});
}

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

namespace {

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

} // namespace

QChar TrennzeichenErkennen(QStringView text)
{
    // A first line whose quote never closes is reported as broken; the separator then
    // comes from that line read as it stands.
    if (const auto t = TrennzeichenSuchen(text, true))
        return *t;
    return *TrennzeichenSuchen(text, false);
}

char TrennzeichenErkennen(const QByteArray& bytes)
{
    return static_cast<char>(CsvEinstellungenErkennen(bytes).trenner.unicode());
}

ImportInhalt CsvLesen(const QByteArray& bytes)
{
    ImportEinstellungen e = CsvEinstellungenErkennen(bytes);
    const ImportTabelle tab = *CsvTabelle(bytes, e.kodierung, e.trenner);
    SpaltenErkennen(tab, e);
    return PaareBilden(tab, e);
}

namespace {

// KVTML 1.0: entries <e> anywhere (lessons nest them), each with its original <o> and
// translations <t>, the language given as an attribute l; columns by position.
std::optional<KvtmlDokument> Kvtml1Zerlegen(QXmlStreamReader& xml, QString* fehler)
{
    KvtmlDokument dok;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("e"))
            continue;
        QMap<QString, QString> eintrag;
        int spalte = 0;
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("o") && xml.name() != QLatin1String("t")) {
                xml.skipCurrentElement();
                continue;
            }
            const QString sprache = xml.attributes().value(QLatin1String("l")).toString();
            const auto text = TextLesen(xml);
            if (!text) {
                if (fehler)
                    *fehler = QStringLiteral("Die KVTML-Datei ist zu tief verschachtelt (Zeile %1).").arg(xml.lineNumber());
                return std::nullopt;
            }
            const QString id = QString::number(spalte);
            if (spalte >= dok.sprachen.size())
                dok.sprachen.append({id, {}, false, {}});
            KvtmlSprache& s = dok.sprachen[spalte];
            if (s.name.isEmpty() && !sprache.isEmpty()) {
                s.name = sprache;
                s.deutsch = sprache.left(2).compare(QLatin1String("de"), Qt::CaseInsensitive) == 0;
            }
            eintrag.insert(id, *text);
            ++spalte;
        }
        dok.eintraege.append(eintrag);
    }
    if (xml.hasError()) {
        if (fehler)
            *fehler = QStringLiteral("Die KVTML-Datei ist beschädigt (Zeile %1).").arg(xml.lineNumber());
        return std::nullopt;
    }
    return dok;
}

} // namespace

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
    const auto version = xml.attributes().value(QLatin1String("version"));
    if (version.isEmpty() || version.startsWith(u'1'))
        return Kvtml1Zerlegen(xml, fehler);
    if (!version.startsWith(u'2'))
        return scheitern(QStringLiteral("Lerno liest nur KVTML-Dateien der Versionen 1 und 2."));

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
                        s.locale = text;
                    if (locale)
                        s.deutsch = s.deutsch || text.left(2).compare(QLatin1String("de"), Qt::CaseInsensitive) == 0;
                    if (name)
                        s.name = text;
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
    const auto v = ImportVorlageAus(bytes, true, fehler);
    if (!v)
        return std::nullopt;
    return PaareBilden(v->tabelle, v->einstellungen);
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

std::optional<ImportInhalt> ImportDateiLesen(const QString& pfad, QString* fehler)
{
    const auto v = ImportVorlageLesen(pfad, fehler);
    if (!v)
        return std::nullopt;
    return PaareBilden(v->tabelle, v->einstellungen);
}

} // namespace lerno
