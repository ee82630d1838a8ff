#include "learning/Antwortformen.h"

#include <QVarLengthArray>

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
    // Without a hyphen only the usual endings, so that "er/sie", "der/die", "sein/ihr" and
    // "he/she" stay two words.
    static constexpr std::array<std::u16string_view, 8> endungen = {u"in", u"e", u"a", u"n", u"r", u"en", u"ne", u"as"};
    const std::u16string_view e(reinterpret_cast<const char16_t*>(endung.data()), size_t(endung.size()));
    return Buchstaben(stamm) >= 3 && stamm.back().isLower()
        && std::find(endungen.begin(), endungen.end(), e) != endungen.end();
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

// Base letter of a Latin letter with marks (from the canonical decomposition), or 0.
char16_t Grundbuchstabe(char16_t c)
{
    static const auto tabelle = [] {
        std::array<char16_t, 0x250 - 0xC0> t{};
        for (char16_t z = 0xC0; z < 0x250; ++z) {
            QChar q(z);
            while (q.decompositionTag() == QChar::Canonical)
                q = q.decomposition().at(0);
            t[z - 0xC0] = q.unicode() != z ? q.unicode() : 0;
        }
        return t;
    }();
    if (c >= 0xC0 && c < 0x250)
        return tabelle[c - 0xC0];
    QChar q(c);
    if (q.decompositionTag() != QChar::Canonical)
        return 0;
    while (q.decompositionTag() == QChar::Canonical)
        q = q.decomposition().at(0);
    return q.unicode();
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

QString Falten(QStringView s, unsigned faltung)
{
    QString r;
    r.reserve(s.size() + 4);
    const auto hinzu = [&](char16_t c) {
        if (!(faltung & Gross))
            r.append(QChar(c));
        else if (c < 0x80)
            r.append(QChar(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c));
        else
            r.append(QChar(c).toCaseFolded());
    };
    for (QChar q : s) {
        const char16_t c = q.unicode();
        if (c < 0xC0) {
            hinzu(c);
            continue;
        }
        if (faltung & Umlaut) {
            const char16_t* ersatz = nullptr;
            switch (c) {
            case u'ä': ersatz = u"ae"; break;
            case u'ö': ersatz = u"oe"; break;
            case u'ü': ersatz = u"ue"; break;
            case u'Ä': ersatz = u"Ae"; break;
            case u'Ö': ersatz = u"Oe"; break;
            case u'Ü': ersatz = u"Ue"; break;
            case u'ß': ersatz = u"ss"; break;
            case u'\u1E9E': ersatz = u"SS"; break;
            default: break;
            }
            if (ersatz) {
                hinzu(ersatz[0]);
                hinzu(ersatz[1]);
                continue;
            }
        }
        if (faltung & Akzent) {
            switch (c) {
            case u'œ': hinzu(u'o'); hinzu(u'e'); continue;
            case u'Œ': hinzu(u'O'); hinzu(u'E'); continue;
            case u'æ': hinzu(u'a'); hinzu(u'e'); continue;
            case u'Æ': hinzu(u'A'); hinzu(u'E'); continue;
            case u'ø': hinzu(u'o'); continue;
            case u'Ø': hinzu(u'O'); continue;
            default: break;
            }
            if (q.isMark())
                continue;
            if (const char16_t g = Grundbuchstabe(c)) {
                hinzu(g);
                continue;
            }
        }
        hinzu(c);
    }
    return r;
}

int DamerauLevenshtein(QStringView a, QStringView b, int grenze)
{
    // What both begin and end with takes no edit.
    while (!a.isEmpty() && !b.isEmpty() && a.front() == b.front())
        a = a.sliced(1), b = b.sliced(1);
    while (!a.isEmpty() && !b.isEmpty() && a.back() == b.back())
        a.chop(1), b.chop(1);
    const qsizetype n = a.size(), m = b.size();
    if (std::abs(n - m) > grenze)
        return grenze + 1;
    // Far apart over a long stretch: no slip, and no table of that size.
    if (n > 1000 && m > 1000)
        return grenze + 1;
    if (n == 0 || m == 0)
        return int(std::min<qsizetype>(std::max(n, m), grenze + 1));
    // Lowrance-Wagner: the last row where each character was seen allows a transposition
    // with letters in between, as the unrestricted distance requires.
    const qsizetype breite = m + 2;
    const int unendlich = int(n + m);
    QVarLengthArray<int, 1024> h((n + 2) * breite);
    const auto H = [&](qsizetype i, qsizetype j) -> int& { return h[i * breite + j]; };
    H(0, 0) = unendlich;
    for (qsizetype i = 0; i <= n; ++i) {
        H(i + 1, 0) = unendlich;
        H(i + 1, 1) = int(i);
    }
    for (qsizetype j = 0; j <= m; ++j) {
        H(0, j + 1) = unendlich;
        H(1, j + 1) = int(j);
    }
    QVarLengthArray<std::pair<char16_t, qsizetype>, 32> zuletzt; // character -> last row in a
    const auto zeile = [&](char16_t c) -> qsizetype {
        for (const auto& [z, r] : zuletzt)
            if (z == c)
                return r;
        return 0;
    };
    for (qsizetype i = 1; i <= n; ++i) {
        qsizetype db = 0;
        for (qsizetype j = 1; j <= m; ++j) {
            const qsizetype i1 = zeile(b[j - 1].unicode());
            const qsizetype j1 = db;
            const int kosten = a[i - 1] == b[j - 1] ? 0 : 1;
            if (kosten == 0)
                db = j;
            H(i + 1, j + 1) = std::min({H(i, j) + kosten, H(i + 1, j) + 1, H(i, j + 1) + 1,
                                        H(i1, j1) + int(i - i1 - 1) + 1 + int(j - j1 - 1)});
        }
        const char16_t c = a[i - 1].unicode();
        auto it = std::find_if(zuletzt.begin(), zuletzt.end(), [c](const auto& p) { return p.first == c; });
        if (it != zuletzt.end())
            it->second = i;
        else
            zuletzt.append({c, i});
    }
    return std::min(H(n + 1, m + 1), grenze + 1);
}

int Buchstaben(QStringView s)
{
    return int(std::count_if(s.begin(), s.end(), [](QChar c) { return c.isLetter(); }));
}

int ErlaubteTippfehler(int buchstaben)
{
    return buchstaben <= 3 ? 0 : buchstaben <= 9 ? 1 : 2;
}

} // namespace lerno::Antwortformen
