// Reading a list file: every reader sees the same lines, also where a line crosses
// the 64 KiB read buffer of the line-by-line readers.
#include "FuzzHilfen.h"

#include "lists/TextDatei.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <set>

using namespace lerno;
using namespace fuzzhilfen;

namespace {

// The read buffer of the line-by-line readers (shrunk in the fuzz build).
constexpr qsizetype Puffer = LERNO_LESEPUFFER;

// Places the fuzzed bytes just before a buffer boundary, behind one long line that is
// ended or runs on into them.
QByteArray Vorspann(FuzzedDataProvider& daten)
{
    const int art = daten.ConsumeIntegralInRange(0, 3);
    if (art == 0)
        return QByteArray();
    const qsizetype luecke = daten.ConsumeIntegralInRange<qsizetype>(0, std::min<qsizetype>(Puffer - 1, 2048));
    const qsizetype laenge = Puffer - luecke;
    QByteArray v(laenge, 'w');
    if (art == 1 && laenge >= 2)
        v.replace(laenge - 2, 2, "\r\n");
    else if (art == 2)
        v[laenge - 1] = '\r'; // the CR of a CR LF split from its LF
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider daten(data, size);
    const QByteArray vorspann = Vorspann(daten);
    const std::vector<uint8_t> rest = daten.ConsumeRemainingBytes<uint8_t>();
    const QByteArray inhalt =
        vorspann + QByteArray(reinterpret_cast<const char*>(rest.data()), qsizetype(rest.size()));

    const QString pfad = Ordner() + QStringLiteral("/Liste.dva");
    Schreiben(pfad, inhalt);

    // Each line decodes in the file's encoding and encodes back to its own bytes; a mark
    // at the start belongs to no line.
    const Listenkodierung kodierung = KodierungErkennen(inhalt);
    const QList<QByteArray> erwartet = ErwarteteZeilen(inhalt.mid(Kopf(kodierung).size()));
    const auto alle = ZeilenLesen(pfad);
    FUZZ_PRUEFEN(alle.has_value());
    FUZZ_PRUEFEN(alle->size() == erwartet.size());
    for (qsizetype i = 0; i < erwartet.size(); ++i)
        FUZZ_PRUEFEN(Kodieren(alle->at(i), kodierung) == erwartet[i]);

    const auto zahl = ZeilenZaehlen(pfad);
    FUZZ_PRUEFEN(zahl && *zahl == erwartet.size());

    // Line-by-line reads of the lines that matter: around each buffer boundary, the
    // first and last ones, and one past the end.
    std::set<qsizetype> nummern = {1, 2, erwartet.size() - 1, erwartet.size(), erwartet.size() + 1};
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < erwartet.size(); ++i) {
        qsizetype ende = inhalt.indexOf('\n', anfang);
        if (ende < 0)
            ende = inhalt.size();
        if (anfang / Puffer != ende / Puffer) {
            nummern.insert(i);
            nummern.insert(i + 1);
            nummern.insert(i + 2);
        }
        anfang = ende + 1;
    }
    for (qsizetype n : nummern) {
        if (n < 1)
            continue;
        const auto zeile = ZeileLesen(pfad, n);
        if (n <= erwartet.size())
            FUZZ_PRUEFEN(zeile && Kodieren(*zeile, kodierung) == erwartet[n - 1]);
        else
            FUZZ_PRUEFEN(!zeile.has_value());
    }
    return 0;
}
