#include "lists/Dateizugriff.h"

#include "lists/Vokabeleintrag.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace lerno {

namespace {

QString Zitat(const QString& text) { return u'\u201E' + text + u'\u201C'; }

// Nobody may write it: no right for this user, or no write bit at all.
bool NichtBeschreibbar(const QString& pfad)
{
    const QByteArray name = QFile::encodeName(pfad);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return false; // missing: nothing to protect
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(name.constData(), W_OK) != 0;
}

QString OhneSchreibrecht(const QString& pfad)
{
    // A file that exists and may not be written is named itself; otherwise creating or
    // renaming failed, which is the folder's right.
    const QFileInfo info(pfad);
    if (info.isFile() && NichtBeschreibbar(pfad))
        return QStringLiteral("Keine Schreibberechtigung für %1.").arg(Zitat(info.fileName()));
    return QStringLiteral("Keine Schreibberechtigung für den Ordner %1.")
        .arg(Zitat(QFileInfo(info.absolutePath()).absoluteFilePath()));
}

} // namespace

QString FehlerUrsache(const QString& pfad, int fehlernummer, Zugriff zugriff, QFileDevice::FileError qtFehler)
{
    const QString name = Zitat(QFileInfo(pfad).fileName());
    switch (fehlernummer) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Der Datenträger ist voll.");
    case EACCES:
    case EPERM:
        return zugriff == Zugriff::Lesen ? QStringLiteral("Keine Leseberechtigung für %1.").arg(name)
                                         : OhneSchreibrecht(pfad);
    case EROFS:
        return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENOENT:
    case ENOTDIR:
        // Writing creates what is missing, except the folder.
        if (zugriff == Zugriff::Schreiben)
            return QStringLiteral("Den Ordner %1 gibt es nicht (mehr).")
                .arg(Zitat(QFileInfo(QFileInfo(pfad).absolutePath()).absoluteFilePath()));
        return QStringLiteral("%1 gibt es nicht (mehr).").arg(name);
    case EISDIR:
        return QStringLiteral("%1 ist ein Ordner, keine Datei.").arg(name);
    case EIO:
        return QStringLiteral("Der Datenträger meldet einen Fehler.");
    case EMFILE:
    case ENFILE:
    case ENOMEM:
        return QStringLiteral("Zu viele Dateien sind geöffnet oder der Speicher ist knapp.");
    case ENAMETOOLONG:
        return QStringLiteral("Der Name %1 ist zu lang.").arg(name);
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("%1 wird gerade von einem anderen Programm benutzt.").arg(name);
    case EFBIG:
        return QStringLiteral("%1 wird zu groß.").arg(name);
    default:
        break;
    }
    switch (qtFehler) {
    case QFileDevice::PermissionsError:
        return zugriff == Zugriff::Lesen ? QStringLiteral("Keine Leseberechtigung für %1.").arg(name)
                                         : OhneSchreibrecht(pfad);
    case QFileDevice::ResourceError:
        return QStringLiteral("Der Datenträger ist voll oder zu viele Dateien sind geöffnet.");
    case QFileDevice::ReadError:
        return QStringLiteral("%1 lässt sich nicht lesen.").arg(name);
    case QFileDevice::WriteError:
        return QStringLiteral("%1 lässt sich nicht schreiben.").arg(name);
    default:
        return QStringLiteral("Die Ursache ist nicht bekannt.");
    }
}

QString FehlerUrsache(const QString& pfad, const DateiErgebnis& fehler, Zugriff zugriff)
{
    return FehlerUrsache(pfad, fehler.Fehlernummer(), zugriff);
}

QString ListenName(const QString& pfad) { return QFileInfo(pfad).completeBaseName(); }

bool ListeSchreibgeschuetzt(const QString& liste)
{
    for (QChar b : {u'a', u'b', u'c', u'd'})
        if (NichtBeschreibbar(StufenDatei(liste, b)))
            return true;
    return false;
}

QString SchreibschutzText(const QString& liste)
{
    return QStringLiteral("Die Liste %1 ist schreibgeschützt.").arg(Zitat(ListenName(liste)));
}

QString UnlesbarText(const QString& liste, const std::vector<int>& zeilen, bool uebersprungen)
{
    const QString name = Zitat(ListenName(liste));
    const bool eine = zeilen.size() == 1;
    const QString ende = !uebersprungen ? QStringLiteral(".")
                         : eine         ? QStringLiteral(" und wird übersprungen.")
                                        : QStringLiteral(" und werden übersprungen.");
    if (eine)
        return QStringLiteral("Zeile %1 der Liste %2 kann nicht gelesen werden").arg(zeilen.front()).arg(name) + ende;
    // A list full of broken lines is named by its first ten.
    constexpr size_t Hoechstens = 10;
    QStringList nummern;
    for (size_t i = 0; i < zeilen.size() && i < Hoechstens; ++i)
        nummern.append(QString::number(zeilen[i]));
    const QString letzte = zeilen.size() > Hoechstens ? QStringLiteral("weitere") : nummern.takeLast();
    return QStringLiteral("Zeilen %1 und %2 der Liste %3 können nicht gelesen werden")
               .arg(nummern.join(QStringLiteral(", ")), letzte, name)
           + ende;
}

} // namespace lerno
