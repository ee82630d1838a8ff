// Does the plan help? A seeded simulation, not a timed test. Pupils learn 40 new words for
// a class test in 7 days, at most 20 words a day. Each word's true memory follows FSRS from
// a start of its own (its first stability times a log-normal factor, its difficulty shifted),
// so the plan, which sees only the default model fed with the answers, never knows it
// exactly. A practice asks a word until it is answered right: a new word is missed once
// (never seen), a known one is right with its true recall, and a miss is asked again the
// same day. Printed: the mean true recall on the test day and 28 days later for
//   - the plan (HeuteUeben every day),
//   - everything on the last evening,
//   - everything on the first and on the last day.
//   lernplan_simulation [pupils=500] [seed=27] [words=40] [days=7] [per day=20]
#include "learning/Gedaechtnis.h"
#include "learning/Lernplan.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

using namespace lerno;
using Gedaechtnis::Stand;

namespace {

int Woerter = 40;
int TageBisArbeit = 7;
int Hoechstens = 20;
constexpr int Spaeter = 28;

struct SimWort {
    double faktor;                   // the word's first stability, relative to the model's
    double versatz;                  // its difficulty, relative to the model's
    std::optional<Stand> wahr;       // what the pupil's memory really is
    Lernplan::Wort modell;           // what Lerno knows
    int zuletzt = -1;                // day of the last practice
    int geuebt = 0;                  // practice days
};

struct Ergebnis {
    double arbeit = 0, spaeter = 0, tage = 0;
    int maxProTag = 0;
};

double WahrerAbruf(const SimWort& w, int tag)
{
    return w.wahr ? Gedaechtnis::Abruf(*w.wahr, tag - w.zuletzt) : 0.0;
}

// One answer: both memories take the same rating.
void Antwort(SimWort& w, int tag, int bewertung, QDate start)
{
    const int tage = w.zuletzt < 0 ? 0 : tag - w.zuletzt;
    if (!w.wahr) {
        Stand s = Gedaechtnis::NachWiederholung(std::nullopt, 0, bewertung);
        s.stabilitaet *= w.faktor;
        s.schwierigkeit = std::clamp(s.schwierigkeit + w.versatz, 1.0, 10.0);
        w.wahr = s;
    } else {
        w.wahr = Gedaechtnis::NachWiederholung(w.wahr, tage, bewertung);
    }
    w.modell.stand = Gedaechtnis::NachWiederholung(w.modell.stand, tage, bewertung);
    w.modell.zuletzt = start.addDays(tag);
    w.zuletzt = tag;
}

void Ueben(SimWort& w, int tag, std::mt19937& zufall, QDate start)
{
    std::uniform_real_distribution<double> u(0, 1);
    const bool gewusst = w.wahr && u(zufall) < WahrerAbruf(w, tag);
    Antwort(w, tag, gewusst ? 3 : 1, start);
    if (!gewusst)
        Antwort(w, tag, 3, start); // asked again later in the round, now right
    ++w.geuebt;
}

using Strategie = std::function<std::vector<int>(const std::vector<SimWort>&, int tag, QDate start)>;

Ergebnis Simulieren(const Strategie& strategie, int schueler, unsigned saat)
{
    Ergebnis e;
    const QDate start(2026, 3, 2);
    for (int s = 0; s < schueler; ++s) {
        std::mt19937 zufall(saat * 7919u + unsigned(s));
        std::lognormal_distribution<double> faktor(0, 0.6);
        std::normal_distribution<double> versatz(0, 1.5);
        std::vector<SimWort> woerter(Woerter);
        for (SimWort& w : woerter) {
            w.faktor = faktor(zufall);
            w.versatz = versatz(zufall);
        }
        for (int tag = 0; tag < TageBisArbeit; ++tag) {
            const std::vector<int> heute = strategie(woerter, tag, start);
            e.maxProTag = std::max(e.maxProTag, int(heute.size()));
            for (int i : heute)
                Ueben(woerter[size_t(i)], tag, zufall, start);
        }
        for (const SimWort& w : woerter) {
            e.arbeit += WahrerAbruf(w, TageBisArbeit);
            e.spaeter += WahrerAbruf(w, TageBisArbeit + Spaeter);
            e.tage += w.geuebt;
        }
    }
    const double alle = double(schueler) * Woerter;
    e.arbeit /= alle;
    e.spaeter /= alle;
    e.tage /= alle;
    return e;
}

std::vector<int> Alle() {
    std::vector<int> v(Woerter);
    for (int i = 0; i < Woerter; ++i)
        v[size_t(i)] = i;
    return v;
}

} // namespace

int main(int argc, char** argv)
{
    const int schueler = argc > 1 ? std::atoi(argv[1]) : 500;
    const unsigned saat = argc > 2 ? unsigned(std::atoi(argv[2])) : 27u;
    if (argc > 5) {
        Woerter = std::max(1, std::atoi(argv[3]));
        TageBisArbeit = std::max(2, std::atoi(argv[4]));
        Hoechstens = std::max(1, std::atoi(argv[5]));
    }

    const Strategie plan = [](const std::vector<SimWort>& w, int tag, QDate start) {
        QList<Lernplan::Wort> modell;
        for (const SimWort& s : w)
            modell.append(s.modell);
        const QList<int> heute = Lernplan::HeuteUeben(modell, start.addDays(tag),
                                                      start.addDays(TageBisArbeit), Hoechstens);
        return std::vector<int>(heute.begin(), heute.end());
    };
    const Strategie letzterAbend = [](const std::vector<SimWort>&, int tag, QDate) {
        return tag == TageBisArbeit - 1 ? Alle() : std::vector<int>{};
    };
    const Strategie ersterUndLetzter = [](const std::vector<SimWort>&, int tag, QDate) {
        return tag == 0 || tag == TageBisArbeit - 1 ? Alle() : std::vector<int>{};
    };

    std::printf("%d Schüler, %d neue Wörter, Klassenarbeit in %d Tagen, höchstens %d am Tag, Saat %u\n",
                schueler, Woerter, TageBisArbeit, Hoechstens, saat);
    // Padded by characters, not bytes: the names hold umlauts.
    auto spalte = [](const char* text, int breite) {
        std::printf("%s%*s", text, std::max(0, breite - int(QString::fromUtf8(text).size())), "");
    };
    spalte("", 34);
    spalte("  Abruf Arbeit", 16);
    spalte("  28 Tage später", 18);
    spalte("  Übungstage", 13);
    std::printf("  max/Tag\n");
    const struct { const char* name; const Strategie* s; } reihen[] = {
        {"Lernplan (Heute üben)", &plan},
        {"alles am letzten Abend", &letzterAbend},
        {"alles am ersten und letzten Tag", &ersterUndLetzter},
    };
    for (const auto& r : reihen) {
        const Ergebnis e = Simulieren(*r.s, schueler, saat);
        spalte(r.name, 34);
        std::printf("%14.1f %%%16.1f %%%13.2f%9d\n", 100 * e.arbeit, 100 * e.spaeter, e.tage, e.maxProTag);
    }
}
