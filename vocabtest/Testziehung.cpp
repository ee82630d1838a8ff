#include "vocabtest/Testziehung.h"

#include "lists/Vokabeleintrag.h"
#include "lists/Zufall.h"

#include <algorithm>
#include <climits>
#include <numeric>

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

namespace {

bool Gezogen(int zeile) { return std::find(GezogeneZeilen.begin(), GezogeneZeilen.end(), zeile) != GezogeneZeilen.end(); }

bool Unlesbar(const std::vector<int>& unlesbar, int zeile)
{
    return std::binary_search(unlesbar.begin(), unlesbar.end(), zeile);
}

// Row i of a list of n lines, skipping unreadable ones (noted) as the table's entries are.
int Ziehen(int i, int n, const std::vector<int>& unlesbar, std::vector<int>& uebersprungen)
{
    int kandidat = 0;
    for (;;) {
        kandidat = Ziehung(n);
        if (Gezogen(kandidat))
            continue;
        if (!Unlesbar(unlesbar, kandidat))
            break;
        const auto stelle = std::lower_bound(uebersprungen.begin(), uebersprungen.end(), kandidat);
        if (stelle == uebersprungen.end() || *stelle != kandidat)
            uebersprungen.insert(stelle, kandidat);
    }
    GezogeneZeilen[i] = kandidat;
    return kandidat;
}

} // namespace

int ZeileZiehen(int i, qsizetype zeilenzahl)
{
    // With more lines than table entries some candidate is always free; the random
    // source takes an int, which no readable list comes near.
    if (i < 0 || i >= Testzeilen || zeilenzahl <= Testzeilen || zeilenzahl > INT_MAX)
        return 0;
    std::vector<int> keine;
    return Ziehen(i, static_cast<int>(zeilenzahl), {}, keine);
}

std::vector<int> UnlesbareZeilen(const QStringList& zeilen)
{
    std::vector<int> unlesbar;
    for (qsizetype k = 0; k < zeilen.size(); ++k)
        if (!EintragLesen(zeilen[k]))
            unlesbar.push_back(int(k + 1));
    return unlesbar;
}

bool TestZiehen(qsizetype zeilenzahl, const std::vector<int>& unlesbar, std::vector<int>& uebersprungen)
{
    uebersprungen.clear();
    if (zeilenzahl > INT_MAX || zeilenzahl - qsizetype(unlesbar.size()) < Testzeilen)
        return false;
    const int n = static_cast<int>(zeilenzahl);
    if (n == Testzeilen) {
        // All twenty, each row drawn from those left.
        std::vector<int> uebrig(Testzeilen);
        std::iota(uebrig.begin(), uebrig.end(), 1);
        for (int i = 0; i < Testzeilen; ++i) {
            const auto k = uebrig.begin() + (Ziehung(Testzeilen - i) - 1);
            GezogeneZeilen[i] = *k;
            uebrig.erase(k);
        }
        return true;
    }
    const int lesbar = n - int(unlesbar.size());
    for (int i = 0; i < Testzeilen; ++i) {
        // The draw ends only while a readable line is outside the table; a full list
        // always has one, a list with unreadable lines may not.
        const int belegt = int(std::count_if(GezogeneZeilen.begin(), GezogeneZeilen.end(), [&](int z) {
            return z >= 1 && z <= n && !Unlesbar(unlesbar, z);
        }));
        if (belegt >= lesbar)
            std::fill(GezogeneZeilen.begin() + i, GezogeneZeilen.end(), 0);
        Ziehen(i, n, unlesbar, uebersprungen);
    }
    return true;
}

} // namespace lerno::Testziehung
