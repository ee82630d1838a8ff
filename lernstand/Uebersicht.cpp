#include "lernstand/Uebersicht.h"

#include "learning/Tagesplan.h"
#include "lists/Vokabeleintrag.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <algorithm>

namespace lerno {

namespace {
// The fuzz build shrinks it, so that lines cross block borders often.
#ifdef LERNO_LESEPUFFER
constexpr qint64 Block = LERNO_LESEPUFFER;
#else
constexpr qint64 Block = 64 * 1024;
#endif
} // namespace

Stufenzahl WoerterZaehlen(const QString& pfad)
{
    Stufenzahl z;
    QFile f(pfad);
    if (!f.exists()) {
        z.Fehlt = true;
        return z;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        z.Lesefehler = true;
        return z;
    }
    // Read in blocks: a list of 100,000 lines is counted without holding it twice.
    int rauten = 0;
    bool leer = true;
    auto zeileEnde = [&] {
        if (rauten >= 3)
            ++z.Woerter;
        else if (!leer)
            ++z.Ungueltig;
        rauten = 0;
        leer = true;
    };
    char block[Block];
    for (bool erster = true;; erster = false) {
        const qint64 n = f.read(block, sizeof block);
        if (n < 0) {
            z.Lesefehler = true;
            return z;
        }
        if (n == 0)
            break;
        // A UTF-8 list's mark is no line: a list of just the mark holds no word.
        const qint64 ab = erster && QByteArrayView(block, n).startsWith("\xEF\xBB\xBF") ? 3 : 0;
        for (qint64 i = ab; i < n; ++i) {
            const char c = block[i];
            if (c == '\n')
                zeileEnde();
            else if (c == '#')
                ++rauten, leer = false;
            else if (c != '\r')
                leer = false;
        }
    }
    if (!leer)
        zeileEnde(); // a last line without its line end
    return z;
}

QStringList ListenImOrdner(const QString& ordner)
{
    QDir dir(ordner);
    // Hidden files (the crash-safe replace's scratch files among them) are never listed.
    QStringList namen = dir.entryList({QStringLiteral("*.dva")}, QDir::Files | QDir::CaseSensitive);
    namen.removeIf([](const QString& n) {
        return n.startsWith(u'.') || n == QLatin1String("afile.dva");
    });
    QCollator sortierung(QLocale(QLocale::German, QLocale::Germany));
    sortierung.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(namen.begin(), namen.end(),
                     [&](const QString& a, const QString& b) { return sortierung.compare(a, b) < 0; });
    return namen;
}

Uebersicht UebersichtLesen(const QString& ordner, QDate heute)
{
    Uebersicht u;
    u.Testverlauf = VerlaufLesen(ordner);
    QHash<QString, QList<Testeintrag>> proListe;
    for (const Testeintrag& e : u.Testverlauf.Eintraege)
        proListe[e.Liste].append(e);
    // Only lists with a class test or a memory file have a plan.
    const Tagesplan::Heute plan = Tagesplan::Berechnen(ordner, heute);
    QHash<QString, const Tagesplan::Liste*> geplant;
    for (const Tagesplan::Liste& l : plan.listen)
        geplant.insert(l.name, &l);

    for (const QString& datei : ListenImOrdner(ordner)) {
        Listenstand l;
        l.Name = ListennameAus(datei);
        l.Pfad = ordner + QLatin1Char('/') + datei;
        const QChar buchstaben[] = {u'a', u'b', u'c'};
        for (int s = 0; s < 3; ++s)
            l.Stufen[s] = WoerterZaehlen(StufenDatei(l.Pfad, buchstaben[s]));
        // File order is the order the tests were taken, even if the clock was set back.
        l.Tests = proListe.value(l.Name);
        if (const Tagesplan::Liste* p = geplant.value(l.Name)) {
            l.Faellig = int(p->zeilen.size());
            l.Klassenarbeit = p->arbeit;
            if (std::any_of(p->woerter.begin(), p->woerter.end(), [](const auto& w) { return w.stand.has_value(); }))
                l.ErwarteteNote = Lernplan::ErwarteteNote(p->woerter, p->arbeit.isValid() ? p->arbeit : heute);
        }
        u.Listen.append(std::move(l));
    }
    return u;
}

} // namespace lerno
