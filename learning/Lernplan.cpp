#include "learning/Lernplan.h"

#include "learning/Schulnoten.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lerno::Lernplan {

namespace {

// The recall below which a word is due: the usual aim of spaced repetition.
constexpr double Ziel = 0.9;

bool Bekannt(const Wort& w) { return w.stand && w.zuletzt.isValid(); }

// Recall on `tag`; a word without memory is not known at all.
double AbrufAm(const Wort& w, QDate tag)
{
    if (!Bekannt(w))
        return 0;
    return Gedaechtnis::Abruf(*w.stand, std::max<qint64>(0, w.zuletzt.daysTo(tag)));
}

struct Kandidat {
    int index;
    double wert;
};

// Smallest value first (or largest), the list's order among equals.
void Sortieren(std::vector<Kandidat>& k, bool aufsteigend)
{
    std::stable_sort(k.begin(), k.end(), [aufsteigend](const Kandidat& a, const Kandidat& b) {
        return aufsteigend ? a.wert < b.wert : a.wert > b.wert;
    });
}

class Auswahl {
public:
    Auswahl(const QList<Wort>& woerter, QDate heute, int frei)
        : woerter_(woerter), heute_(heute), frei_(frei), gewaehlt_(woerter.size(), false)
    {
    }

    // Not yet practised today and not yet chosen (a last date after today counts as today).
    bool offen(int i) const
    {
        const Wort& w = woerter_[i];
        return !gewaehlt_[i] && !(Bekannt(w) && w.zuletzt >= heute_);
    }

    // Takes the candidates in order while there is room, at most `hoechstens` (-1: no limit).
    void nimm(const std::vector<Kandidat>& k, qsizetype hoechstens = -1)
    {
        for (const Kandidat& c : k) {
            if (frei_ == 0 || hoechstens == 0)
                return;
            if (gewaehlt_[c.index])
                continue;
            gewaehlt_[c.index] = true;
            plan_.append(c.index);
            --frei_;
            --hoechstens;
        }
    }

    QList<int> plan() const { return plan_; }

private:
    const QList<Wort>& woerter_;
    QDate heute_;
    int frei_;
    std::vector<bool> gewaehlt_;
    QList<int> plan_;
};

} // namespace

QList<int> HeuteUeben(const QList<Wort>& woerter, QDate heute, QDate arbeit, int hoechstens)
{
    if (!heute.isValid() || hoechstens <= 0)
        return {};
    int frei = hoechstens;
    for (const Wort& w : woerter)
        if (Bekannt(w) && w.zuletzt >= heute)
            --frei;
    if (frei <= 0)
        return {};
    Auswahl a(woerter, heute, frei);
    const int n = int(woerter.size());
    const qint64 tage = arbeit.isValid() ? heute.daysTo(arbeit) : 0;

    auto liste = [&](auto&& passt, auto&& wert) {
        std::vector<Kandidat> k;
        for (int i = 0; i < n; ++i)
            if (a.offen(i) && passt(woerter[i]))
                k.push_back({i, wert(woerter[i])});
        return k;
    };
    auto imVerzug = [&](QDate tag) { // recall on `tag` below the aim, weakest first
        auto k = liste([&](const Wort& w) { return Bekannt(w) && AbrufAm(w, tag) < Ziel; },
                       [&](const Wort& w) { return AbrufAm(w, tag); });
        Sortieren(k, true);
        return k;
    };
    auto abrufBeiArbeit = [&](const Wort& w) { return AbrufAm(w, arbeit); };

    if (tage == 1) {
        // Every word whose last practice is older than T-2 now; then, as long as there is
        // room, the rest: this is the last chance before the test. Weakest at the test first.
        auto k = liste([&](const Wort& w) { return !Bekannt(w) || w.zuletzt < arbeit.addDays(-2); },
                       abrufBeiArbeit);
        Sortieren(k, true);
        a.nimm(k);
        auto rest = liste([](const Wort&) { return true; }, abrufBeiArbeit);
        Sortieren(rest, true);
        a.nimm(rest);
        return a.plan();
    }
    if (tage == 2) {
        // Tomorrow takes `hoechstens`. Today: every new word (so it gets a second day), and
        // of the rest what tomorrow cannot take, those that lose least by the earlier date.
        qsizetype neue = 0;
        auto k = liste([](const Wort&) { return true; }, [&](const Wort& w) {
            neue += !Bekannt(w);
            return Bekannt(w) ? abrufBeiArbeit(w) : 2.0;
        });
        Sortieren(k, false);
        a.nimm(k, std::max(neue, qsizetype(k.size()) - hoechstens));
    } else if (tage >= 3) {
        // New words come in as fast as the daily limit allows, in list order.
        a.nimm(liste([](const Wort& w) { return !Bekannt(w); }, [](const Wort&) { return 0.0; }));
    }
    a.nimm(imVerzug(heute));
    return a.plan();
}

double ErwarteteNote(const QList<Wort>& woerter, QDate tag)
{
    const int n = int(woerter.size());
    if (n == 0)
        return 6.0;
    const int m = std::min(n, Schulnoten::Fragen);
    // f[j][k]: summed over all sets of j words seen so far, the chance that exactly k of
    // them are answered right. At the end f[m][k] / C(n, m) is the chance of k right answers.
    std::vector<std::vector<double>> f(size_t(m) + 1, std::vector<double>(size_t(m) + 1, 0.0));
    f[0][0] = 1;
    int gesehen = 0;
    for (const Wort& w : woerter) {
        const double p = AbrufAm(w, tag);
        ++gesehen;
        for (int j = std::min(gesehen, m); j >= 1; --j)
            for (int k = j; k >= 0; --k)
                f[j][k] += f[j - 1][k] * (1 - p) + (k > 0 ? f[j - 1][k - 1] * p : 0.0);
    }
    double summe = 0, note = 0;
    for (int k = 0; k <= m; ++k) {
        const int richtige = int(std::lround(double(k) * Schulnoten::Fragen / m));
        // The table holds single-precision grades with one decimal.
        const double stufe = std::round(double(Schulnoten::Notentabelle[size_t(richtige)].Note) * 10) / 10;
        summe += f[m][k];
        note += f[m][k] * stufe;
    }
    return std::clamp(note / summe, 1.0, 6.0);
}

} // namespace lerno::Lernplan
