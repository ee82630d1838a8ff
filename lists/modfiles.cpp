#include "lists/modfiles.h"

#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lerno {

QString VergleichsSchluessel(const QString& zeile)
{
    // A line shorter than four characters has no record key; it is compared whole,
    // marked with LF (which no line contains) so it never meets a real key.
    if (zeile.size() < 4)
        return zeile + u'\n';
    return EintragSchluessel(zeile);
}

std::optional<QSet<QString>> SchluesselLesen(const QString& datei)
{
    const auto zeilen = ZeilenLesen(datei);
    if (!zeilen)
        return std::nullopt;
    QSet<QString> menge;
    menge.reserve(zeilen->size());
    for (const QString& z : *zeilen)
        menge.insert(VergleichsSchluessel(z));
    return menge;
}

bool ZeileAnfuegen(const QString& zeile, const QString& datei, int modus)
{
    if (modus == 1) {
        // The target must exist: reading it is the first step.
        const auto zeilen = ZeilenLesen(datei);
        if (!zeilen)
            return false;
        const QString schluessel = VergleichsSchluessel(zeile);
        for (const QString& z : *zeilen)
            if (VergleichsSchluessel(z) == schluessel)
                return true;
        return ZeileAnhaengen(datei, zeile);
    }
    if (modus == 2)
        return ZeileAnhaengen(datei, zeile);
    return true;
}

bool DateiEntfernen(const QString& pfad)
{
    const QFileInfo info(pfad);
    if (!info.exists() && !info.isSymLink()) {
        // Nothing to delete, but a missing folder means the path itself is wrong.
        return QFileInfo(info.absolutePath()).isDir();
    }
    if (info.isDir())
        return false;
    return QFile::remove(pfad);
}

bool DateiUmbenennen(const QString& quelle, const QString& ziel)
{
    if (!QFileInfo::exists(quelle) || QFileInfo::exists(ziel))
        return false;
    return QFile::rename(quelle, ziel);
}

} // namespace lerno
