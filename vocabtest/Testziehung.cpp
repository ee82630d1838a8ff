#include "vocabtest/Testziehung.h"

#include "lists/TextDatei.h"
#include "lists/Zufall.h"

#include <algorithm>
#include <climits>

namespace lerno::Testziehung {

using Testbewertung::Bewertung;
using Testbewertung::Testzeilen;

Bewertung TestpaareBewerten(const std::array<QString, Testzeilen>& antworten, bool grosszuegig)
{
    std::array<QString, Testzeilen> loesungen;
    for (int i = 0; i < Testzeilen; ++i)
        loesungen[i] = Testpaare[i].Loesung;
    return Testbewertung::Bewerten(antworten, loesungen, grosszuegig, grosszuegig ? Testantworten : QStringList());
}

int ZeileZiehen(int i, qsizetype zeilenzahl)
{
    // With more lines than table entries some candidate is always free; the random
    // source takes an int, which no readable list comes near.
    if (i < 0 || i >= Testzeilen || !GenugZeilen(zeilenzahl) || zeilenzahl > INT_MAX)
        return 0;
    const int n = static_cast<int>(zeilenzahl);
    int kandidat = 0;
    do {
        kandidat = Ziehung(n);
    } while (std::find(GezogeneZeilen.begin(), GezogeneZeilen.end(), kandidat) != GezogeneZeilen.end());
    GezogeneZeilen[i] = kandidat;
    return kandidat;
}

std::optional<QString> TestzeileZiehen(const QString& pfad, int i, qsizetype zeilenzahl)
{
    const int zeile = ZeileZiehen(i, zeilenzahl);
    if (zeile == 0)
        return std::nullopt;
    // Read from the start for every row: the list is never held in memory.
    return ZeileLesen(pfad, zeile);
}

} // namespace lerno::Testziehung
