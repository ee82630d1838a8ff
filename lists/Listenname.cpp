#include "lists/Listenname.h"

#include "lists/TextDatei.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QSet>

#include <algorithm>
#include <QFileInfo>

namespace lerno {

QString ListennameMitEndung(const QString& name)
{
    const qsizetype punkt = name.indexOf(QLatin1Char('.'));
    if (punkt < 0)
        return name + QStringLiteral(".dva");
    if (name.mid(punkt + 1) == QLatin1String("dva"))
        return name;
    return name.left(punkt + 1) + QStringLiteral("dva");
}

bool IstHilfsliste(const QString& pfad)
{
    return QFileInfo(pfad).completeBaseName().compare(QLatin1String("afile"), Qt::CaseInsensitive) == 0;
}

QStringList Listenauswahl(const QString& ordner, const QString& muster)
{
    QDir dir(ordner);
    // Hidden names are the replace routine's temporaries, "afile" the editor's scratch list.
    // X.DVA is a list as much as X.dva.
    QStringList namen = dir.entryList({muster}, QDir::Files);
    namen.removeIf([](const QString& name) { return IstHilfsliste(name); });
    // A stage list is offered only beside its main list: one left by a deletion cut short
    // would otherwise bring the deleted list back.
    if (!muster.endsWith(QLatin1String(".dva"), Qt::CaseInsensitive)) {
        QSet<QString> listen;
        for (const QString& n : dir.entryList({QStringLiteral("*.dva")}, QDir::Files))
            listen.insert(n.chopped(4).toLower());
        namen.removeIf([&](const QString& name) { return !listen.contains(name.chopped(4).toLower()); });
    }
    QCollator sortierung(QLocale(QLocale::German, QLocale::Germany));
    sortierung.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(namen.begin(), namen.end(),
                     [&](const QString& a, const QString& b) { return sortierung.compare(a, b) < 0; });
    return namen;
}

std::optional<QString> ListennameFehler(const QString& name)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("Der Name darf weder \"/\" noch \"\\\" enthalten.");
    for (QChar c : name) {
        if (c.category() == QChar::Other_Control || c == QChar(0x7F))
            return QStringLiteral("Der Name enthält ein Steuerzeichen.");
    }
    // File names are UTF-8: every letter of every script, not half a character.
    if (ErstesUnspeicherbaresZeichen(name))
        return QStringLiteral("Der Name enthält ein Zeichen, das in einem Dateinamen für Vokabeln "
                              "nicht vorkommen kann.");
    const QString basis = name.section(QLatin1Char('.'), 0, 0);
    if (basis.isEmpty())
        return QStringLiteral("Vor dem Punkt muss ein Name stehen.");
    if (basis.compare(QLatin1String("afile"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Der Name „afile“ ist für Lerno reserviert. Bitte wähle einen anderen Namen.");
    // The folder refuses longer file names; "€" and "†" take three bytes each there.
    if (QFile::encodeName(ListennameMitEndung(name)).size() > MaxDateinameBytes)
        return QStringLiteral("Der Name ist zu lang. Bitte wähle einen kürzeren Namen.");
    return std::nullopt;
}

} // namespace lerno
