#include "learning/Antwortformen.h"

#include <algorithm>
#include <array>

namespace lerno::Antwortformen {

namespace {

constexpr qsizetype MaxFormen = 64;

bool Unsichtbar(char16_t c)
{
    return c == 0x200B || c == 0x200C || c == 0x200D || c == 0x2060 || c == 0xFEFF || c == 0x00AD;
}

char16_t Apostroph(char16_t c)
{
    switch (c) {
    case 0x2019: case 0x2018: case 0x02BC: case 0x00B4: case 0x0060:
        return u'\'';
    default:
        return c;
    }
}

// Belongs to the character before it: a combining mark, or a Hangul vowel or final jamo.
bool Verbindet(QChar c)
{
    return c.isMark() || c.combiningClass() != 0 || (c.unicode() >= 0x1160 && c.unicode() <= 0x11FF);
}

void Anhaengen(Text& t, QChar c, qsizetype herkunft)
{
    t.s.append(c);
    if (t.verfolgt)
        t.herkunft.append(herkunft);
}

void Anhaengen(Text& t, const Text& von, qsizetype ab = 0, qsizetype bis = -1)
{
    if (bis < 0)
        bis = von.s.size();
    t.s.append(QStringView(von.s).sliced(ab, bis - ab));
    if (t.verfolgt)
        t.herkunft.append(von.herkunft.sliced(ab, bis - ab));
}

Text Leer(const Text& wie)
{
    Text r;
    r.verfolgt = wie.verfolgt;
    return r;
}

Text Stueck(const Text& t, qsizetype ab, qsizetype bis)
{
    Text r = Leer(t);
    Anhaengen(r, t, ab, bis);
    return r;
}

// "l'" and "qu'" at the start of a word: the French elision, written with or without a blank.
bool EndetMitElision(const QString& s)
{
    if (s.isEmpty() || s.back() != u'\'')
        return false;
    qsizetype i = s.size() - 1;
    while (i > 0 && s[i - 1].isLetter())
        --i;
    const qsizetype buchstaben = s.size() - 1 - i;
    return buchstaben >= 1 && buchstaben <= 2 && (i == 0 || s[i - 1] == u' ');
}

// Blanks: none at the ends, never two in a row (after text was cut out of a part).
Text Leerraum(const Text& t)
{
    Text r = Leer(t);
    r.s.reserve(t.s.size());
    for (qsizetype i = 0; i < t.s.size(); ++i) {
        if (t.s[i] == u' ' && (r.s.isEmpty() || r.s.back() == u' '))
            continue;
        Anhaengen(r, t.s[i], t.verfolgt ? t.herkunft[i] : 0);
    }
    if (r.s.endsWith(u' ')) {
        r.s.chop(1);
        if (r.verfolgt)
            r.herkunft.removeLast();
    }
    return r;
}

bool IstSatzzeichen(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?' || c == u'\u2026';
}

bool KleineBuchstaben(QStringView s)
{
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c.isLetter() && c.isLower(); });
}

// After "stamm/": an ending that makes a gender form of stamm rather than another word.
bool IstEndung(QStringView seg, QStringView stamm)
{
    const bool strich = seg.startsWith(u'-');
    const QStringView endung = strich ? seg.sliced(1) : seg;
    if (!KleineBuchstaben(endung) || Buchstaben(stamm) < 2)
        return false;
    if (strich)
        return endung.size() <= 3 || endung == u"innen";
    // Without a hyphen only the usual endings where they make a form, so that "er/sie",
    // "der/die", "sein/ihr", "he/she", "bei/in" and "the/a" stay two words: the German
    // "in" after a noun, the Spanish "a" after "-o", "-r", "-n", "as" after "-os".
    if (Buchstaben(stamm) < 3 || !stamm.back().isLower())
        return false;
    if (endung == u"in")
        return stamm.front().isUpper();
    if (endung == u"a")
        return stamm.endsWith(u'o') || stamm.endsWith(u'r') || stamm.endsWith(u'n');
    if (endung == u"as")
        return stamm.endsWith(u"os");
    return endung == u"e" || endung == u"n" || endung == u"r" || endung == u"en" || endung == u"ne";
}

// The gender form: "Lehrer" + "in"; the Spanish and Italian "alumno/a", "alumnos/as" replace the o.
Text Geschlechtsform(const Text& stamm, const Text& seg)
{
    const qsizetype ab = seg.s.startsWith(u'-') ? 1 : 0;
    const QStringView endung = QStringView(seg.s).sliced(ab);
    qsizetype behalten = stamm.s.size();
    if ((endung == u"a" && stamm.s.endsWith(u'o')) || (endung == u"as" && stamm.s.endsWith(u"os")))
        behalten -= endung.size();
    Text r = Stueck(stamm, 0, behalten);
    Anhaengen(r, seg, ab);
    return r;
}

// The ways one blank-free word with '/' in it may be written.
QList<Text> Wortformen(const Text& wort)
{
    const QString& s = wort.s;
    if (!s.contains(u'/') || s.contains(u'(') || s.contains(u')') || s.startsWith(u'/') || s.endsWith(u'/')
        || s.contains(u"//"))
        return {wort};
    QList<Text> segmente;
    qsizetype ab = 0;
    for (qsizetype i = 0; i <= s.size(); ++i)
        if (i == s.size() || s[i] == u'/') {
            segmente.append(Stueck(wort, ab, i));
            ab = i + 1;
        }
    QList<Text> formen;
    bool geschlecht = false;
    Text stamm = segmente[0];
    formen.append(stamm);
    for (qsizetype k = 1; k < segmente.size(); ++k) {
        if (IstEndung(segmente[k].s, stamm.s)) {
            formen.append(Geschlechtsform(stamm, segmente[k]));
            geschlecht = true;
        } else {
            stamm = segmente[k];
            formen.append(stamm);
        }
    }
    if (geschlecht)
        formen.prepend(wort);
    return formen;
}

void Hinzu(QList<Text>& formen, Text t)
{
    if (formen.size() < MaxFormen && !t.s.isEmpty() && !formen.contains(t))
        formen.append(std::move(t));
}

// Word by word: every combination of the words' forms ("Guten Morgen/Tag").
void Wortweise(const Text& phrase, QList<Text>& formen)
{
    QList<Text> teil = {Leer(phrase)};
    qsizetype ab = 0;
    for (qsizetype i = 0; i <= phrase.s.size(); ++i) {
        if (i < phrase.s.size() && phrase.s[i] != u' ')
            continue;
        const QList<Text> wortformen = Wortformen(Stueck(phrase, ab, i));
        QList<Text> weiter;
        for (const Text& vorne : teil)
            for (const Text& wort : wortformen) {
                if (weiter.size() >= MaxFormen)
                    break;
                Text t = vorne;
                if (ab > 0)
                    Anhaengen(t, u' ', phrase.verfolgt ? phrase.herkunft[ab - 1] : 0);
                Anhaengen(t, wort);
                weiter.append(std::move(t));
            }
        teil = std::move(weiter);
        ab = i + 1;
    }
    for (Text& t : teil)
        Hinzu(formen, std::move(t));
}

// "a / b": whole phrases; else word by word.
void Schraegstriche(const Text& variante, QList<Text>& formen)
{
    const qsizetype p = variante.s.indexOf(u" / ");
    if (p < 0) {
        Wortweise(variante, formen);
        return;
    }
    Wortweise(Stueck(variante, 0, p), formen);
    Schraegstriche(Stueck(variante, p + 3, variante.s.size()), formen);
}

struct Klammer {
    qsizetype auf, zu;
};

// Top-level "( … )" groups; none when the parentheses do not pair up.
QList<Klammer> Klammern(const QString& s)
{
    QList<Klammer> gruppen;
    int tiefe = 0;
    qsizetype auf = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'(') {
            if (tiefe++ == 0)
                auf = i;
        } else if (s[i] == u')') {
            if (--tiefe < 0)
                return {};
            if (tiefe == 0)
                gruppen.append({auf, i});
        }
    }
    return tiefe == 0 ? gruppen : QList<Klammer>{};
}

// Bit k of weg set: group k left out, else kept without its parentheses.
Text Klammervariante(const Text& teil, const QList<Klammer>& gruppen, unsigned weg)
{
    Text r = Leer(teil);
    qsizetype ab = 0;
    for (qsizetype k = 0; k < gruppen.size(); ++k) {
        Anhaengen(r, teil, ab, gruppen[k].auf);
        if (!(weg & (1u << k)))
            Anhaengen(r, teil, gruppen[k].auf + 1, gruppen[k].zu);
        ab = gruppen[k].zu + 1;
    }
    Anhaengen(r, teil, ab);
    return Leerraum(r);
}

} // namespace

Text Normalisiert(const QString& roh, bool herkunft)
{
    Text t;
    t.verfolgt = herkunft;
    t.s.reserve(roh.size());
    if (herkunft)
        t.herkunft.reserve(roh.size());
    qsizetype blank = -1; // where a pending run of blanks began
    const qsizetype n = roh.size();
    for (qsizetype i = 0; i < n;) {
        const char16_t c = roh[i].unicode();
        if (Unsichtbar(c)) {
            ++i;
            continue;
        }
        if (QChar::isSpace(c)) {
            if (blank < 0)
                blank = i;
            ++i;
            continue;
        }
        if (blank >= 0 && !t.s.isEmpty() && !EndetMitElision(t.s))
            Anhaengen(t, u' ', blank);
        blank = -1;
        qsizetype j = i + 1;
        if (QChar::isHighSurrogate(c) && j < n && roh[j].isLowSurrogate())
            ++j;
        while (j < n && roh[j].unicode() >= 0x300 && Verbindet(roh[j]))
            ++j;
        if (j - i == 1 && c < 0x300) {
            Anhaengen(t, QChar(Apostroph(c)), i);
        } else {
            // NFC per character with its marks keeps every result character's origin.
            const QString nfc = roh.mid(i, j - i).normalized(QString::NormalizationForm_C);
            for (QChar z : nfc)
                Anhaengen(t, QChar(Apostroph(z.unicode())), i);
        }
        i = j;
    }
    return t;
}

QList<Text> Teile(const Text& text)
{
    QList<Text> teile;
    const QString& s = text.s;
    int tiefe = 0;
    qsizetype ab = 0;
    for (qsizetype i = 0; i <= s.size(); ++i) {
        if (i < s.size()) {
            if (s[i] == u'(')
                ++tiefe;
            else if (s[i] == u')')
                tiefe = std::max(0, tiefe - 1);
            if (tiefe > 0 || (s[i] != u',' && s[i] != u';'))
                continue;
        }
        qsizetype von = ab, bis = i;
        while (von < bis && (s[von] == u' ' || s[von] == u'\u00BF' || s[von] == u'\u00A1'))
            ++von;
        while (bis > von && (s[bis - 1] == u' ' || IstSatzzeichen(s[bis - 1])))
            --bis;
        if (bis > von)
            teile.append(Stueck(text, von, bis));
        ab = i + 1;
    }
    return teile;
}

QList<Text> Formen(const Text& teil)
{
    QList<Text> formen = {teil};
    if (!teil.s.contains(u'/') && !teil.s.contains(u'('))
        return formen;
    const QList<Klammer> gruppen = Klammern(teil.s);
    if (gruppen.isEmpty()) {
        Schraegstriche(teil, formen);
        return formen;
    }
    // Up to four groups every combination; beyond that all left out or all kept.
    QList<unsigned> masken;
    if (gruppen.size() <= 4) {
        for (unsigned m = 0; m < (1u << gruppen.size()); ++m)
            masken.append(m);
    } else {
        masken = {0u, ~0u};
    }
    for (unsigned m : masken)
        Schraegstriche(Klammervariante(teil, gruppen, m), formen);
    return formen;
}

QList<Text> AlleFormen(const Text& antwort)
{
    QList<Text> formen;
    for (const Text& teil : Teile(antwort))
        for (Text& f : Formen(teil))
            if (!formen.contains(f))
                formen.append(std::move(f));
    return formen;
}

qsizetype ArtikelLaenge(QStringView s)
{
    if (s.size() >= 3 && (s[0] == u'l' || s[0] == u'L') && s[1] == u'\'' && s[2].isLetter())
        return 2;
    const qsizetype p = s.indexOf(u' ');
    if (p <= 0 || p + 1 >= s.size())
        return 0;
    const QStringView wort = s.first(p);
    if (wort == u"i")
        return p + 1;
    static constexpr std::array<std::u16string_view, 31> artikel = {
        u"der", u"die", u"das", u"dem", u"den", u"des", u"ein", u"eine", u"einen", u"einem", u"einer",
        u"eines", u"the", u"a", u"an", u"to", u"le", u"la", u"les", u"un", u"une", u"el", u"los",
        u"las", u"una", u"unos", u"unas", u"il", u"lo", u"gli", u"uno"};
    for (std::u16string_view a : artikel)
        if (wort.compare(QStringView(a.data(), qsizetype(a.size())), Qt::CaseInsensitive) == 0)
            return p + 1;
    return 0;
}

} // namespace lerno::Antwortformen
