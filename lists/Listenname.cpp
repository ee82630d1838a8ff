#include "lists/Listenname.h"

#include "lists/TextDatei.h"

#include <QFile>
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

std::optional<QString> ListennameFehler(const QString& name)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("Der Name darf weder \"/\" noch \"\\\" enthalten.");
    for (QChar c : name) {
        if (c.category() == QChar::Other_Control || c == QChar(0x7F))
            return QStringLiteral("Der Name enthält ein Steuerzeichen.");
    }
    if (!IstCp1252(name))
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
