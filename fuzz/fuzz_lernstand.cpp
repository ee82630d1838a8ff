// The test history's line reader on any bytes, and the words-per-stage count on any file.
#include "FuzzHilfen.h"

#include "lists/Testverlauf.h"
#include "lernstand/Uebersicht.h"

using namespace lerno;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));

    // Whatever is read as an entry is written so that it reads back the same.
    if (const auto e = VerlaufszeileLesen(bytes)) {
        const auto zeile = VerlaufszeileSchreiben(*e);
        FUZZ_PRUEFEN(zeile.has_value());
        FUZZ_PRUEFEN(zeile->endsWith("\r\n"));
        FUZZ_PRUEFEN(VerlaufszeileLesen(zeile->chopped(2)) == e);
        FUZZ_PRUEFEN(e->Richtige + e->Falsche == 20 && NotenWert(e->Note).has_value());
    }

    // The count agrees with the lines a reader sees: three "#" make a word, anything
    // else that is not empty is odd; a UTF-8 mark at the start belongs to no line.
    const QString pfad = fuzzhilfen::Ordner() + QStringLiteral("/x.dvb");
    fuzzhilfen::Schreiben(pfad, bytes);
    const Stufenzahl z = WoerterZaehlen(pfad);
    qsizetype woerter = 0, ungueltig = 0;
    const bool marke = bytes.startsWith("\xEF\xBB\xBF");
    for (const QByteArray& zeile : fuzzhilfen::ErwarteteZeilen(marke ? bytes.mid(3) : bytes)) {
        if (zeile.count('#') >= 3)
            ++woerter;
        else if (zeile.count('\r') != zeile.size()) // CRs alone make no line
            ++ungueltig;
    }
    FUZZ_PRUEFEN(!z.Fehlt && !z.Lesefehler);
    FUZZ_PRUEFEN(z.Woerter == woerter);
    FUZZ_PRUEFEN(z.Ungueltig == ungueltig);
    return 0;
}
