// The record functions on any line a list file can hold, and records built from any
// word and meaning.
#include "FuzzHilfen.h"

#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

using namespace lerno;

namespace {

bool IstZiffer(QChar c) { return c >= u'0' && c <= u'9'; }

void ZeilePruefen(const QByteArray& bytes)
{
    // Every byte value survives decoding and encoding.
    const QString zeile = AusCp1252(bytes);
    FUZZ_PRUEFEN(zeile.size() == bytes.size());
    FUZZ_PRUEFEN(NachCp1252(zeile) == bytes);
    FUZZ_PRUEFEN(IstCp1252(zeile));

    const auto paar = EintragLesen(zeile);
    FUZZ_PRUEFEN(paar.has_value() == (zeile.count(u'#') >= 3));
    if (paar) {
        const qsizetype p1 = zeile.indexOf(u'#');
        FUZZ_PRUEFEN(!paar->Vokabel.contains(u'#') && !paar->Bedeutung.contains(u'#'));
        FUZZ_PRUEFEN(zeile.mid(p1 + 1).startsWith(paar->Vokabel + u'#' + paar->Bedeutung + u'#'));
    }

    const QString schluessel = EintragSchluessel(zeile);
    if (zeile.size() < 4)
        FUZZ_PRUEFEN(schluessel.isEmpty());
    else
        FUZZ_PRUEFEN(schluessel + zeile.right(4) == zeile);

    const int stand = FehlerstandLesen(zeile);
    FUZZ_PRUEFEN(stand >= 0 && stand <= 9);
    if (zeile.size() >= 4 && IstZiffer(zeile[zeile.size() - 4]))
        FUZZ_PRUEFEN(stand == zeile[zeile.size() - 4].unicode() - u'0');
    else
        FUZZ_PRUEFEN(stand == 0);

    // The next number always has exactly three digits, whatever the last line holds.
    const QString nummer = NaechsteNummer(zeile);
    FUZZ_PRUEFEN(nummer.size() == 3 && std::all_of(nummer.begin(), nummer.end(), IstZiffer));
    FUZZ_PRUEFEN(nummer != QLatin1String("000"));

    if (IstWohlgeformt(zeile)) {
        FUZZ_PRUEFEN(paar && !paar->Vokabel.isEmpty());
        // A "#" typed into a field makes more fields; only a plain record is rebuilt whole.
        if (zeile.count(u'#') == 5)
            FUZZ_PRUEFEN(EintragSchreiben(zeile.left(3), paar->Vokabel, paar->Bedeutung, stand)
                         == zeile);
    }

    if (!zeile.isEmpty()) {
        const QString geschwister = StufenDatei(zeile, u'b');
        FUZZ_PRUEFEN(geschwister.size() == zeile.size()
                     && geschwister.endsWith(zeile.back().isUpper() ? u'B' : u'b')
                     && geschwister.chopped(1) == zeile.chopped(1));
    }
}

// A word or meaning as the entry screen accepts it: no "#", CR or LF, not empty.
QString Feld(FuzzedDataProvider& daten)
{
    QString s = AusCp1252(QByteArray::fromStdString(daten.ConsumeRandomLengthString(64)));
    s.remove(u'#').remove(u'\r').remove(u'\n');
    return s.isEmpty() ? QStringLiteral("x") : s;
}

void RecordPruefen(FuzzedDataProvider& daten)
{
    const QString letzte = AusCp1252(QByteArray::fromStdString(daten.ConsumeRandomLengthString(16)));
    const QString nummer = NaechsteNummer(letzte);
    const QString vokabel = Feld(daten);
    const QString bedeutung = Feld(daten);
    const int stand = daten.ConsumeIntegralInRange(-3, 12);
    const QString zeile = EintragSchreiben(nummer, vokabel, bedeutung, stand);

    FUZZ_PRUEFEN(IstWohlgeformt(zeile));
    const auto paar = EintragLesen(zeile);
    FUZZ_PRUEFEN(paar && paar->Vokabel == vokabel && paar->Bedeutung == bedeutung);
    FUZZ_PRUEFEN(FehlerstandLesen(zeile) == std::clamp(stand, 0, 9));
    FUZZ_PRUEFEN(EintragSchluessel(zeile) == nummer + u'#' + vokabel + u'#' + bedeutung + u'#');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ZeilePruefen(bytes);
    FuzzedDataProvider daten(data, size);
    RecordPruefen(daten);
    return 0;
}
