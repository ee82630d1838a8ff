#include "ui/PluginLaden.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace lerno {

QFunctionPointer PluginEinstieg(const QString& datei, const char* baupfad, const char* einstieg)
{
    QStringList orte{QCoreApplication::applicationDirPath() + QLatin1Char('/') + datei};
    if (baupfad)
        orte << QString::fromUtf8(baupfad);
    for (const QString& ort : orte) {
        if (!QFileInfo::exists(ort))
            continue;
        QLibrary bibliothek(ort); // never unloaded: QLibrary's destructor leaves it in place
        if (QFunctionPointer f = bibliothek.resolve(einstieg))
            return f;
    }
    return nullptr;
}

} // namespace lerno
