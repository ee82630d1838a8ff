#include "ui/PluginLaden.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace lerno {

namespace {

QStringList Orte(const QString& datei, const char* baupfad)
{
    QStringList orte{QCoreApplication::applicationDirPath() + QLatin1Char('/') + datei};
    if (baupfad)
        orte << QString::fromUtf8(baupfad);
    return orte;
}

} // namespace

bool PluginVorhanden(const QString& datei, const char* baupfad)
{
    for (const QString& ort : Orte(datei, baupfad))
        if (QFileInfo::exists(ort))
            return true;
    return false;
}

QFunctionPointer PluginEinstieg(const QString& datei, const char* baupfad, const char* einstieg)
{
    for (const QString& ort : Orte(datei, baupfad)) {
        if (!QFileInfo::exists(ort))
            continue;
        QLibrary bibliothek(ort); // never unloaded: QLibrary's destructor leaves it in place
        if (QFunctionPointer f = bibliothek.resolve(einstieg))
            return f;
    }
    return nullptr;
}

} // namespace lerno
