#include "transfer/import/ImportVorlage.h"

#include "lists/Listensprache.h"
#include "transfer/import/CsvLeser.h"
#include "transfer/import/Dekodierung.h"
#include "transfer/import/KvtmlLeser.h"
#include "transfer/import/Spaltenwahl.h"

namespace lerno {

std::optional<ImportVorlage> ImportVorlageAus(const QByteArray& bytes, bool kvtml, QString* fehler,
                                              const ImportFortschritt& fortschritt)
{
    ImportVorlage v;
    v.bytes = bytes;
    v.kvtml = kvtml;
    if (kvtml) {
        auto tab = KvtmlTabelle(bytes, v.einstellungen, fehler);
        if (!tab)
            return std::nullopt;
        v.tabelle = std::move(*tab);
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
    // Nothing names it: the script of the words may (Cyrillic, Greek, ă ș ț, …).
    QStringList woerter;
    const qsizetype ab = vorlage.einstellungen.kopfzeile ? 1 : 0;
    for (qsizetype r = ab; r < std::min<qsizetype>(tab.zeilen.size(), ab + 1000); ++r)
        woerter.append(tab.Zelle(r, c));
    return SpracheAusSchrift(woerter);
}

} // namespace lerno
