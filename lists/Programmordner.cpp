#include "lists/Programmordner.h"

#include <QCoreApplication>

namespace lerno {

namespace {
QString& Ueberschrieben()
{
    static QString ordner;
    return ordner;
}
} // namespace

QString Programmordner()
{
    if (!Ueberschrieben().isEmpty())
        return Ueberschrieben();
    return QCoreApplication::applicationDirPath();
}

void SetzeProgrammordner(const QString& ordner)
{
    QString o = ordner;
    while (o.size() > 1 && o.endsWith(u'/'))
        o.chop(1);
    Ueberschrieben() = o;
}

} // namespace lerno
