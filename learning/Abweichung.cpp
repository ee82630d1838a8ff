#include "learning/Abweichung.h"

#include "learning/Antwortformen.h"

#include <QStringList>

#include <limits>
#include <map>
#include <vector>

namespace lerno::Abweichung {

namespace {

using Antwortformen::Text;

// Costs of the alignment: a letter typed with another case or without its mark is nearer
// than another letter, so "Cafe" lines up é with e.
constexpr int KostenAehnlich = 1, KostenAnders = 4, KostenLuecke = 3, KostenTausch = 3;

int Ersetzen(QChar a, QChar b)
{
    if (a == b)
        return 0;
    using namespace Antwortformen;
    const auto f = [](QChar c) { return Falten(QStringView(&c, 1), Gross | Akzent); };
    return f(a) == f(b) ? KostenAehnlich : KostenAnders;
}

struct Ausrichtung {
    QStringView ziel, eingabe;
    std::vector<int> d; // (ziel.size() + 1) x (eingabe.size() + 1)

    int& at(qsizetype i, qsizetype j) { return d[size_t(i * (eingabe.size() + 1) + j)]; }

    // Beyond any word or phrase: the table would take too much memory and time.
    bool ZuGross() const { return (ziel.size() + 1) * (eingabe.size() + 1) > 1'000'000; }

    int Rechnen()
    {
        const qsizetype n = ziel.size(), m = eingabe.size();
        if (ZuGross())
            return std::numeric_limits<int>::max();
        d.assign(size_t((n + 1) * (m + 1)), 0);
        for (qsizetype i = 0; i <= n; ++i)
            for (qsizetype j = 0; j <= m; ++j) {
                if (i == 0 || j == 0) {
                    at(i, j) = int(i + j) * KostenLuecke;
                    continue;
                }
                int best = std::min({at(i - 1, j - 1) + Ersetzen(ziel[i - 1], eingabe[j - 1]),
                                     at(i - 1, j) + KostenLuecke, at(i, j - 1) + KostenLuecke});
                if (i > 1 && j > 1 && ziel[i - 1] == eingabe[j - 2] && ziel[i - 2] == eingabe[j - 1])
                    best = std::min(best, at(i - 2, j - 2) + KostenTausch);
                at(i, j) = best;
            }
        return at(n, m);
    }
};

struct Markierung {
    std::vector<bool> anders;                // per character of the solution
    std::map<qsizetype, QString> zuviel;     // extra input before that solution index
};

// Walks the alignment back and marks, in the solution, what the input does not match.
void Markieren(Ausrichtung& a, const Text& ziel, Markierung& m, qsizetype ende)
{
    if (a.ZuGross()) {
        for (qsizetype k : ziel.herkunft)
            m.anders[size_t(k)] = true;
        return;
    }
    qsizetype i = a.ziel.size(), j = a.eingabe.size();
    // Where extra input goes in the solution: after the character before it.
    const auto stelle = [&](qsizetype k) {
        return k > 0 ? ziel.herkunft[k - 1] + 1 : ziel.herkunft.isEmpty() ? ende : ziel.herkunft[0];
    };
    while (i > 0 || j > 0) {
        const int hier = a.at(i, j);
        // Extra input first (walking back), so that it lands after what it follows:
        // "Lehrerinn" has one n too many at the end, "Fussball" an s after the ß.
        if (j > 0 && hier == a.at(i, j - 1) + KostenLuecke) {
            m.zuviel[stelle(i)].prepend(a.eingabe[j - 1]);
            --j;
        } else if (i > 0 && j > 0 && hier == a.at(i - 1, j - 1) + Ersetzen(a.ziel[i - 1], a.eingabe[j - 1])) {
            if (a.ziel[i - 1] != a.eingabe[j - 1])
                m.anders[size_t(ziel.herkunft[i - 1])] = true;
            --i, --j;
        } else if (i > 1 && j > 1 && a.ziel[i - 1] == a.eingabe[j - 2] && a.ziel[i - 2] == a.eingabe[j - 1]
                   && hier == a.at(i - 2, j - 2) + KostenTausch) {
            m.anders[size_t(ziel.herkunft[i - 1])] = m.anders[size_t(ziel.herkunft[i - 2])] = true;
            i -= 2, j -= 2;
        } else {
            m.anders[size_t(ziel.herkunft[i - 1])] = true;
            --i;
        }
    }
}

QList<Unterschied> Zusammenfassen(const Markierung& m, qsizetype laenge)
{
    QList<Unterschied> liste;
    for (qsizetype k = 0; k <= laenge; ++k) {
        const auto extra = m.zuviel.find(k);
        if (extra != m.zuviel.end()) {
            // Extra text right after a marked run belongs to that run.
            if (!liste.isEmpty() && liste.back().laenge > 0 && liste.back().von + liste.back().laenge == k
                && liste.back().zuviel.isEmpty())
                liste.back().zuviel = extra->second;
            else
                liste.append({k, 0, extra->second});
        }
        if (k == laenge || !m.anders[size_t(k)])
            continue;
        if (!liste.isEmpty() && liste.back().zuviel.isEmpty() && liste.back().von + liste.back().laenge == k)
            ++liste.back().laenge;
        else
            liste.append({k, 1, {}});
    }
    return liste;
}

Text Unveraendert(const QString& s)
{
    Text t{s, {}};
    t.herkunft.reserve(s.size());
    for (qsizetype k = 0; k < s.size(); ++k)
        t.herkunft.append(k);
    return t;
}

} // namespace

QList<Unterschied> Unterschiede(const QString& soll, const QString& eingabe, bool grosszuegig)
{
    Markierung m;
    m.anders.assign(size_t(soll.size()), false);
    if (!grosszuegig) {
        if (eingabe.isEmpty() || eingabe == soll)
            return {};
        const Text ziel = Unveraendert(soll);
        Ausrichtung a{ziel.s, eingabe, {}};
        a.Rechnen();
        Markieren(a, ziel, m, soll.size());
        return Zusammenfassen(m, soll.size());
    }
    const Text s = Antwortformen::Normalisiert(soll), e = Antwortformen::Normalisiert(eingabe);
    const QList<Text> formen = Antwortformen::AlleFormen(s);
    if (formen.isEmpty())
        return {};
    for (const Text& teil : Antwortformen::Teile(e)) {
        // The form nearest to this part of the answer.
        qsizetype beste = 0;
        int besteKosten = -1;
        for (qsizetype k = 0; k < formen.size(); ++k) {
            Ausrichtung a{formen[k].s, teil.s, {}};
            const int kosten = a.Rechnen();
            if (besteKosten < 0 || kosten < besteKosten)
                beste = k, besteKosten = kosten;
        }
        Ausrichtung a{formen[beste].s, teil.s, {}};
        a.Rechnen();
        Markieren(a, formen[beste], m, soll.size());
    }
    return Zusammenfassen(m, soll.size());
}

QString Beschreibung(const QString& soll, const QList<Unterschied>& unterschiede)
{
    const auto nennen = [](const QString& text) {
        const QString t = text.trimmed();
        return t.isEmpty() ? QStringLiteral("Leerzeichen") : t;
    };
    QStringList teile;
    for (const Unterschied& u : unterschiede) {
        if (u.laenge > 0)
            teile.append(nennen(soll.mid(u.von, u.laenge)));
        else
            teile.append(QStringLiteral("zusätzlich ") + nennen(u.zuviel));
    }
    return teile.isEmpty() ? QString() : QStringLiteral("Unterschied bei: ") + teile.join(QStringLiteral(", "));
}

} // namespace lerno::Abweichung
