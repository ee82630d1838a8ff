#include "lists/Reste.h"

#include "lists/DateiErsetzen.h"
#include "lists/Listensprache.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace lerno {

namespace {

// The extension's letter after ".dv" in any case (a, b, c, d), or 0.
char16_t Mitglied(const QString& name)
{
    const qsizetype n = name.size();
    if (n < 5 || name[n - 4] != u'.' || name.mid(n - 3, 2).compare(QLatin1String("dv"), Qt::CaseInsensitive) != 0)
        return 0;
    const char16_t c = name[n - 1].toLower().unicode();
    return c >= u'a' && c <= u'd' ? c : 0;
}

} // namespace

bool IstErsetzenRest(const QString& dateiname)
{
    const QString ziel = ErsetzenZiel(dateiname);
    return !ziel.isEmpty() && !ziel.startsWith(QLatin1Char('.'));
}

QStringList ResteEntfernen(const QString& ordner)
{
    // One pass over the folder; each rule then works on the names.
    QStringList namen;
    QSet<QString> listen; // main lists, lower case without extension
    // Links count as names (a linked list keeps its language) but are never removed.
    QDirIterator it(ordner, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        namen << name;
        if (Mitglied(name) == u'a')
            listen.insert(name.chopped(4).toLower());
    }

    QStringList entfernt;
    auto entfernen = [&](const QString& name) {
        const QString pfad = ordner + QLatin1Char('/') + name;
        if (!QFileInfo(pfad).isSymLink() && QFile::remove(pfad))
            entfernt << name;
    };
    for (const QString& name : std::as_const(namen)) {
        if (IstErsetzenRest(name)) {
            entfernen(name);
            continue;
        }
        const char16_t m = Mitglied(name);
        if (m == 0 || name.startsWith(QLatin1Char('.')))
            continue;
        // afile.dva/.dvb/.dvc: the editor's scratch list. .dvd: the practice's scratch,
        // and none runs. A stage list without its main list: no list, though a chooser of
        // its stage would offer it and a practice would bring the deleted list back.
        const bool hilfsliste = name.chopped(1) == QLatin1String("afile.dv") && m != u'd';
        const bool verwaist = (m == u'b' || m == u'c') && !listen.contains(name.chopped(4).toLower());
        if (hilfsliste || m == u'd' || verwaist)
            entfernen(name);
    }
    if (namen.contains(QLatin1String(LISTENSPRACHEN_DATEI))) {
        QSet<QString> vorhanden(namen.cbegin(), namen.cend());
        for (const QString& name : std::as_const(entfernt))
            vorhanden.remove(name);
        ListensprachenBereinigen(ordner, &vorhanden);
    }
    entfernt.sort();
    return entfernt;
}

} // namespace lerno
