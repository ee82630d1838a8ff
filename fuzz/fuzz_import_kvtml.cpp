// The KVTML reader on any bytes: it never recurses with the input's depth, refuses in
// German, and every pair it returns can be stored.
#include "FuzzHilfen.h"

#include "lists/Paarpruefung.h"
#include "transfer/import/ImportPaare.h"
#include "transfer/import/ImportVorlage.h"

using namespace lerno;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString fehler;
    // As the import menu reads a .kvtml file: the table, then the pairs.
    const auto vorlage = ImportVorlageAus(bytes, true, &fehler);
    if (!vorlage) {
        FUZZ_PRUEFEN(fehler.startsWith(QStringLiteral("Die ")) || fehler.startsWith(QStringLiteral("Lerno ")));
        return 0;
    }
    const auto inhalt = PaareBilden(vorlage->tabelle, vorlage->einstellungen);
    int letzte = 0;
    for (const ImportPaar& p : inhalt.paare) {
        FUZZ_PRUEFEN(PaarPruefen(p.Vokabel, p.Bedeutung).ok());
        FUZZ_PRUEFEN(p.stelle > letzte);
        letzte = p.stelle;
    }
    for (const Ausgelassen& a : inhalt.ausgelassen)
        FUZZ_PRUEFEN(a.stelle >= 1 && !a.grund.isEmpty());
    return 0;
}
