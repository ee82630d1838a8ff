#include "learning/Klassenarbeit.h"

#include "learning/Seitendatei.h"
#include "lists/DateiErsetzen.h"

#include <QDir>
#include <QFileInfo>

namespace lerno::Klassenarbeit {

namespace {

constexpr int MaxHoechstens = 32767; // a list has no more lines

bool Gueltig(const Plan& p) { return p.datum.isValid() && p.hoechstens >= 1 && p.hoechstens <= MaxHoechstens; }

QString DateiIn(const QString& ordner) { return ordner + u'/' + PlanDatei; }

bool Schreiben(const QString& ordner, const QMap<QString, Plan>& listen)
{
    QByteArray text;
    for (auto it = listen.cbegin(); it != listen.cend(); ++it)
        text += (it->datum.toString(Qt::ISODate) + u'\t' + QString::number(it->hoechstens) + u'\t'
                 + it.key()).toUtf8() + "\r\n";
    return DateiErsetzen(DateiIn(ordner), text);
}

// Reads, lets `aendern` change the plans, and writes back only when it changed something.
template <typename F>
bool Aendern(const QString& liste, F aendern)
{
    const QFileInfo info(liste);
    Plaene p = PlaeneLesen(info.absolutePath());
    if (p.lesefehler)
        return false;
    const QMap<QString, Plan> vorher = p.listen;
    aendern(p.listen, info.fileName());
    return (p.listen == vorher && p.uebersprungen == 0) || Schreiben(info.absolutePath(), p.listen);
}

} // namespace

Plaene PlaeneLesen(const QString& ordner)
{
    Plaene p;
    p.lesefehler = !SeitendateiLesen(DateiIn(ordner), [&](QByteArrayView zeile) {
        const QString z = QString::fromUtf8(zeile);
        const QStringList felder = z.split(u'\t');
        Plan plan;
        bool zahl = false;
        if (felder.size() >= 3) {
            plan.datum = QDate::fromString(felder[0], Qt::ISODate);
            plan.hoechstens = felder[1].toInt(&zahl);
        }
        // The name is everything after the second tab.
        const QString name = z.section(u'\t', 2);
        if (zahl && Gueltig(plan) && !name.isEmpty())
            p.listen.insert(name, plan);
        else
            ++p.uebersprungen;
    });
    return p;
}

std::optional<Plan> PlanLesen(const QString& liste)
{
    const QFileInfo info(liste);
    const Plaene p = PlaeneLesen(info.absolutePath());
    const auto it = p.listen.constFind(info.fileName());
    if (it == p.listen.cend())
        return std::nullopt;
    return *it;
}

bool PlanSetzen(const QString& liste, const Plan& plan)
{
    // The name ends its line in the file.
    const QString name = QFileInfo(liste).fileName();
    if (!Gueltig(plan) || name.contains(u'\n') || name.contains(u'\r'))
        return false;
    return Aendern(liste, [&](QMap<QString, Plan>& listen, const QString& n) { listen.insert(n, plan); });
}

bool PlanEntfernen(const QString& liste)
{
    return Aendern(liste, [](QMap<QString, Plan>& listen, const QString& name) { listen.remove(name); });
}

bool VerwaisteEntfernen(const QString& ordner)
{
    // Only what the file holds: a damaged line stays until the next change.
    Plaene p = PlaeneLesen(ordner);
    if (p.lesefehler)
        return false;
    const QDir dir(ordner);
    return p.listen.removeIf([&](const auto& it) { return !dir.exists(it.key()); }) == 0
           || Schreiben(ordner, p.listen);
}

} // namespace lerno::Klassenarbeit
