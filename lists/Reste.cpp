#include "lists/Reste.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace lerno {

bool IstErsetzenRest(const QString& dateiname)
{
    // mkstemp fills the six places from A-Z, a-z and 0-9. The members a to d and the
    // words' memory (g) are replaced this way.
    static const QRegularExpression muster(QStringLiteral("^\\..+\\.dv[abcdg]\\.[A-Za-z0-9]{6}$"));
    return muster.match(dateiname).hasMatch();
}

QStringList ResteEntfernen(const QString& ordner)
{
    QStringList entfernt;
    // The glob narrows the listing to hidden names of the right shape; the rule decides.
    QDirIterator it(ordner, {QStringLiteral(".*.dv?.??????")},
                    QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (IstErsetzenRest(name) && QFile::remove(it.filePath()))
            entfernt << name;
    }
    for (const char* name : {"afile.dva", "afile.dvb", "afile.dvc"}) {
        const QFileInfo info(ordner + QLatin1Char('/') + QLatin1String(name));
        if (info.isFile() && !info.isSymLink() && QFile::remove(info.filePath()))
            entfernt << info.fileName();
    }
    entfernt.sort();
    return entfernt;
}

} // namespace lerno
