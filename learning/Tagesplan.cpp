#include "learning/Tagesplan.h"

#include "learning/Klassenarbeit.h"
#include "learning/Wortgedaechtnis.h"
#include "lists/Listenname.h"
#include "lists/Testverlauf.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace lerno::Tagesplan {

int Heute::woerter() const
{
    int n = 0;
    for (const Liste& l : listen)
        n += int(l.zeilen.size());
    return n;
}

Heute Berechnen(const QString& ordner, QDate heute)
{
    const QDir dir(ordner);
    const Klassenarbeit::Plaene plaene = Klassenarbeit::PlaeneLesen(ordner);
    QStringList namen = plaene.listen.keys();
    // Memory files without their list (deleted behind our back) are left out below.
    for (const QString& g : dir.entryList({QStringLiteral("*.dvg")}, QDir::Files | QDir::CaseSensitive))
        namen << StufenDatei(g, u'a');
    namen.removeDuplicates();

    Heute h;
    for (const QString& name : std::as_const(namen)) {
        const QString pfad = dir.filePath(name);
        if (name.startsWith(u'.') || IstHilfsliste(pfad) || !QFileInfo(pfad).isFile())
            continue;
        Liste l;
        l.pfad = pfad;
        l.name = ListennameAus(pfad);
        const auto plan = plaene.listen.constFind(name);
        const bool geplant = plan != plaene.listen.cend();
        if (geplant && plan->datum >= heute)
            l.arbeit = plan->datum;
        l.hoechstens = geplant ? plan->hoechstens : Klassenarbeit::StandardHoechstens;
        Wortgedaechtnis::Listenwoerter w = Wortgedaechtnis::WoerterLesen(pfad);
        l.lesefehler = w.lesefehler;
        for (int i : Lernplan::HeuteUeben(w.woerter, heute, l.arbeit, l.hoechstens)) {
            l.zeilen.append(w.zeilen[i]);
            l.paare.append(Wortgedaechtnis::PaarAus(w.schluessel[i]));
        }
        l.woerter = std::move(w.woerter);
        h.listen.append(l);
    }
    std::sort(h.listen.begin(), h.listen.end(), [](const Liste& a, const Liste& b) {
        if (a.arbeit.isValid() != b.arbeit.isValid())
            return a.arbeit.isValid();
        if (a.arbeit != b.arbeit)
            return a.arbeit < b.arbeit;
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return h;
}

QString Startzeile(const Heute& h, QDate heute)
{
    const int n = h.woerter();
    if (n == 0)
        return QStringLiteral("Heute ist nichts fällig.");
    QString text = n == 1 ? QStringLiteral("Heute: 1 Wort") : QStringLiteral("Heute: %1 Wörter").arg(n);
    if (!h.listen.isEmpty() && h.listen.first().arbeit.isValid()) {
        const Liste& l = h.listen.first();
        const qint64 tage = heute.daysTo(l.arbeit);
        const QString wann = tage == 0   ? QStringLiteral("heute")
                             : tage == 1 ? QStringLiteral("morgen")
                                         : QStringLiteral("in %1 Tagen").arg(tage);
        text += QStringLiteral(" – Klassenarbeit „%1“ %2").arg(l.name, wann);
    }
    return text;
}

} // namespace lerno::Tagesplan
