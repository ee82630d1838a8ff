#include "lists/Listenordner.h"

#include "lists/Reste.h"
#include "lists/modfiles.h"

#include <QDir>
#include <QFile>

namespace lerno {

ListenordnerErgebnis ListenordnerEinrichten(const QString& programmordner)
{
    ListenordnerErgebnis e;
    const QString ordner = programmordner + QStringLiteral("/Vokabeln");
    if (QDir::setCurrent(ordner)) {
        e.ordnerBereit = true;
        // Before anything lists the folder: a killed save's leftovers are no lists.
        ResteEntfernen(ordner);
        return e;
    }
    e.ersterStart = true;
    if (!QDir().mkpath(ordner) || !QDir::setCurrent(ordner))
        return e;
    e.ordnerBereit = true;
    for (const char* name : {"Demo.dva", "Demo.dvb", "Demo.dvc"}) {
        const QString quelle = programmordner + "/" + QLatin1String(name);
        const QString ziel = ordner + "/" + QLatin1String(name);
        if (!QFile::exists(quelle))
            continue;
        if (!QFile::copy(quelle, ziel)) {
            e.nichtKopiert << quelle; // keep the source rather than lose the demo
            continue;
        }
        if (!DateiLoeschen(quelle))
            e.nichtGeloescht << quelle;
    }
    return e;
}

} // namespace lerno
