#include "transfer/import/KvtmlLeser.h"

#include "lists/Paarpruefung.h"

#include <QXmlStreamReader>

namespace lerno {

namespace {

// Deeper than any vocabulary file nests the text of a translation; a file beyond it is
// refused rather than read.
constexpr int MaxTextTiefe = 64;

// The text of the current element and of everything nested in it, as
// readElementText(IncludeChildElements) gives it but without recursion; with nurEigener
// only the element's own text, not that of the elements nested in it. nullopt when it
// nests deeper than MaxTextTiefe.
std::optional<QString> TextLesen(QXmlStreamReader& xml, bool nurEigener)
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
            if (!nurEigener || tiefe == 1)
                text += xml.text();
            break;
        default:
            break;
        }
    }
    return text;
}

// KVTML 1.0: entries <e> anywhere (lessons nest them), each with its original <o> and
// translations <t>, the language given as an attribute l; columns by position. A field
// holds its word as its own text; the forms of a conjugation (<conjugation>) or a
// comparison (<comp>) nested in it are not part of the word.
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
            const auto text = TextLesen(xml, true);
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
                        const auto text = TextLesen(xml, false);
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

std::optional<ImportTabelle> KvtmlTabelle(const QByteArray& bytes, ImportEinstellungen& einstellungen,
                                          QString* fehler)
{
    const auto dok = KvtmlZerlegen(bytes, fehler);
    if (!dok)
        return std::nullopt;
    ImportTabelle tab;
    tab.eintraege = true;
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
    if (tab.spalten < 2) {
        if (fehler)
            *fehler = tab.spalten == 0 ? QStringLiteral("Die Datei enthält keine Vokabeln.")
                                       : QStringLiteral("Die Datei enthält nur eine Sprache. Lerno braucht zu "
                                                        "jeder Vokabel eine Bedeutung.");
        return std::nullopt;
    }
    // By its languages: German gives the meaning, the first other the word.
    qsizetype deutsch = -1;
    for (qsizetype i = 0; i < dok->sprachen.size() && deutsch < 0; ++i)
        if (dok->sprachen[i].deutsch)
            deutsch = i;
    einstellungen.bedeutungSpalte = deutsch < 0 ? 1 : static_cast<int>(deutsch);
    einstellungen.wortSpalte = deutsch == 0 ? 1 : 0;
    return tab;
}

} // namespace lerno
