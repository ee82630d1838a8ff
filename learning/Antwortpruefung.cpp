#include "learning/Antwortpruefung.h"

#include "learning/Antwortformen.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <utility>

namespace lerno::Antwortpruefung {

namespace {

using namespace Antwortformen;

// Reasons as bits; the first three are the foldings of Antwortformen.
constexpr unsigned GrundArtikel = 8;
constexpr unsigned GrundTipp = 16;
constexpr unsigned AlleFaltungen = Gross | Akzent | Umlaut;

struct Treffer {
    int abstand = 0;
    unsigned gruende = 0;
};

// Closer first: fewer slips, then fewer other reasons.
std::pair<int, int> Rang(const Treffer& t)
{
    return {t.abstand, std::popcount(t.gruende & ~GrundTipp)};
}

// Characters a folding writes as two (ä as ae, œ as oe): they bound how far folding can
// bring two texts of different lengths together.
int Dehnbare(QStringView s)
{
    int n = 0;
    for (QChar c : s)
        switch (c.unicode()) {
        case u'ä': case u'ö': case u'ü': case u'ß': case u'Ä': case u'Ö': case u'Ü': case u'\u1E9E':
        case u'œ': case u'Œ': case u'æ': case u'Æ':
            ++n;
            break;
        default:
            break;
        }
    return n;
}

// The smallest set of foldings under which the two texts are this far apart.
unsigned KleinsteFaltung(QStringView e, QStringView z, int abstand)
{
    static constexpr unsigned reihe[] = {0, Gross, Akzent, Umlaut, Gross | Akzent, Gross | Umlaut, Akzent | Umlaut,
                                         AlleFaltungen};
    for (unsigned f : reihe)
        if (DamerauLevenshtein(Falten(e, f), Falten(z, f), abstand) <= abstand)
            return f;
    return AlleFaltungen;
}

// A slip may not turn a short word into another: with the same number of words each
// word keeps its own allowance.
bool WortweiseErlaubt(const QString& e, const QString& z)
{
    const QList<QStringView> we = QStringView(e).split(u' '), wz = QStringView(z).split(u' ');
    if (we.size() != wz.size() || wz.size() < 2)
        return true;
    for (qsizetype k = 0; k < wz.size(); ++k) {
        const int grenze = ErlaubteTippfehler(Buchstaben(wz[k]));
        if (DamerauLevenshtein(we[k], wz[k], grenze) > grenze)
            return false;
    }
    return true;
}

// A text with the two foldings a slip is measured after: ä as a, and ä as ae.
struct Gefaltet {
    QStringView roh;
    QString ca, cau;
    int dehnbare = 0;

    explicit Gefaltet(QStringView s)
        : roh(s), ca(Falten(s, Gross | Akzent)), dehnbare(Dehnbare(s))
    {
        const bool umlaut = std::any_of(s.begin(), s.end(), [](QChar c) {
            return QStringView(u"äöüßÄÖÜ\u1E9E").contains(c);
        });
        cau = umlaut ? Falten(s, AlleFaltungen) : ca;
    }
};

// The input against one written form, neither with its article: what sets them apart, or
// nullopt when that is more than capitals, marks, umlauts and a slip.
std::optional<Treffer> Vergleichen(const Gefaltet& e, QStringView z)
{
    if (e.roh == z)
        return Treffer{};
    const int grenze = ErlaubteTippfehler(Buchstaben(z));
    if (std::abs(e.roh.size() - z.size()) > grenze + e.dehnbare + Dehnbare(z))
        return std::nullopt;
    const Gefaltet zf(z);
    if (e.ca == zf.ca || e.cau == zf.cau)
        return Treffer{0, KleinsteFaltung(e.roh, z, 0)};
    if (grenze == 0)
        return std::nullopt;
    int abstand = DamerauLevenshtein(e.ca, zf.ca, grenze);
    if (abstand > 0 && (e.cau != e.ca || zf.cau != zf.ca))
        abstand = std::min(abstand, DamerauLevenshtein(e.cau, zf.cau, grenze));
    if (abstand > grenze)
        return std::nullopt;
    const unsigned f = KleinsteFaltung(e.roh, z, abstand);
    if (!WortweiseErlaubt(Falten(e.roh, f | Gross | Akzent), Falten(z, f | Gross | Akzent)))
        return std::nullopt;
    return Treffer{abstand, f | GrundTipp};
}

// ArtikelZuviel: the input is the answer with an article the list does not have.
enum class Stufe { Richtig, Fast, FalscherArtikel, ArtikelZuviel, Falsch };

struct Bewertung {
    Stufe stufe = Stufe::Falsch;
    Treffer treffer;
};

bool Besser(const Bewertung& a, const Bewertung& b)
{
    if (a.stufe != b.stufe)
        return a.stufe < b.stufe;
    return a.stufe == Stufe::Fast && Rang(a.treffer) < Rang(b.treffer);
}

// One part of the input against every form of an answer: the best it comes to.
Bewertung Bewerten(QStringView e, const QList<Text>& formen)
{
    Bewertung beste;
    const qsizetype ae = ArtikelLaenge(e);
    const Gefaltet ganz(e), ohneArtikel(e.sliced(ae));
    const auto nimm = [&](Stufe stufe, const std::optional<Treffer>& t, unsigned dazu = 0) {
        if (!t)
            return;
        const Bewertung b{stufe, {t->abstand, t->gruende | dazu}};
        if (Besser(b, beste))
            beste = b;
    };
    for (const Text& form : formen) {
        const QStringView z = form.s;
        if (e == z)
            return {Stufe::Richtig, {}};
        const qsizetype az = ArtikelLaenge(z);
        if (az > 0 && ae == 0) {
            nimm(Stufe::Fast, Vergleichen(ganz, z.sliced(az)), GrundArtikel);
        } else if (az > 0) {
            const QStringView artE = e.first(ae).trimmed(), artZ = z.first(az).trimmed();
            const auto artikel = Falten(artE, Gross | Akzent) == Falten(artZ, Gross | Akzent)
                ? Vergleichen(Gefaltet(artE), artZ)
                : std::nullopt;
            const auto rest = Vergleichen(ohneArtikel, z.sliced(az));
            if (artikel)
                nimm(Stufe::Fast, rest, artikel->gruende);
            else
                nimm(Stufe::FalscherArtikel, rest);
        } else {
            nimm(Stufe::Fast, Vergleichen(ganz, z));
            if (ae > 0)
                nimm(Stufe::ArtikelZuviel, Vergleichen(ohneArtikel, z));
        }
    }
    return beste;
}

bool IstForm(QStringView e, const QList<Text>& formen)
{
    for (const Text& f : formen)
        if (f.s == e)
            return true;
    return false;
}

// "winzig/klein" for "klein/winzig": every piece of the input between slashes is a form.
bool AlleAlternativenRichtig(QStringView teil, const QList<Text>& formen)
{
    if (!teil.contains(u'/'))
        return false;
    for (QStringView stueck : teil.split(u'/'))
        if (!IstForm(stueck.trimmed(), formen))
            return false;
    return true;
}

QString GrundText(unsigned gruende)
{
    static const std::pair<unsigned, const char*> texte[] = {
        {Gross, "Groß- und Kleinschreibung"}, {Akzent, "Akzent"}, {Umlaut, "Umlaut"},
        {GrundArtikel, "Artikel fehlt"}, {GrundTipp, "Tippfehler"}};
    QStringList teile;
    for (const auto& [bit, text] : texte)
        if (gruende & bit)
            teile.append(QString::fromUtf8(text));
    return teile.join(QStringLiteral(", "));
}

} // namespace

Ergebnis Pruefen(const QString& soll, const QString& eingabe, bool grosszuegig, const QStringList& andere)
{
    // Strict: case and blanks count, nothing is trimmed, and no reason is given, so that
    // with the option off every window shows exactly what it always did.
    if (!grosszuegig)
        return {eingabe == soll ? Urteil::Richtig : Urteil::Falsch, {}};

    const Text s = Normalisiert(soll, false), e = Normalisiert(eingabe, false);
    if (e.s == s.s)
        return {Urteil::Richtig, {}};
    const QList<Text> teile = Teile(e);
    if (teile.isEmpty())
        return {Urteil::Falsch, {}};
    const QList<Text> formen = AlleFormen(s);
    // A form may hold a comma of its own ("Bank (Sitz, Geld)" kept whole).
    if (IstForm(e.s, formen))
        return {Urteil::Richtig, {}};

    // Every part of the input must be one of the answer's alternatives (several in any
    // order); the weakest part decides.
    unsigned gruende = 0;
    QList<std::pair<QStringView, Treffer>> fast;
    for (const Text& teil : teile) {
        if (IstForm(teil.s, formen) || AlleAlternativenRichtig(teil.s, formen))
            continue;
        const Bewertung b = Bewerten(teil.s, formen);
        if (b.stufe == Stufe::FalscherArtikel)
            return {Urteil::Falsch, QStringLiteral("falscher Artikel")};
        if (b.stufe == Stufe::ArtikelZuviel)
            return {Urteil::Falsch, QStringLiteral("Artikel nicht verlangt")};
        if (b.stufe != Stufe::Fast)
            return {Urteil::Falsch, {}};
        gruende |= b.treffer.gruende;
        fast.append({teil.s, b.treffer});
    }
    if (fast.isEmpty())
        return {Urteil::Richtig, {}};

    // A part that another answer of the list explains better (equal to it, or closer to it
    // than to this one) is that word, not a slip.
    for (const QString& o : andere) {
        const Text anders = Normalisiert(o, false);
        if (anders.s == s.s)
            continue;
        // No form of an answer is longer than the answer itself: a part longer than that
        // (beyond what slips and umlauts bridge) cannot be it.
        const int dehnbar = Dehnbare(anders.s);
        QList<Text> andereFormen;
        for (const auto& [teil, treffer] : fast) {
            if (teil.size() > anders.s.size() + 2 + dehnbar + Dehnbare(teil))
                continue;
            if (andereFormen.isEmpty())
                andereFormen = AlleFormen(anders);
            const Bewertung b = Bewerten(teil, andereFormen);
            if (b.stufe == Stufe::Richtig || (b.stufe == Stufe::Fast && Rang(b.treffer) < Rang(treffer)))
                return {Urteil::Falsch, QStringLiteral("anderes Wort der Liste")};
        }
    }
    return {Urteil::FastRichtig, GrundText(gruende)};
}

} // namespace lerno::Antwortpruefung
