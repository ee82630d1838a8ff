#include "lists/modfiles.h"

#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

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

DateiErgebnis ZeileAnfuegen(const QString& zeile, const QString& datei, int modus)
{
    if (modus == 1) {
        // The target must exist: reading it is the first step.
        const auto bytes = BytesLesen(datei);
        if (!bytes)
            return bytes.Ergebnis();
        const QString schluessel = VergleichsSchluessel(zeile);
        for (const QString& z : ZeilenAus(*bytes))
            if (VergleichsSchluessel(z) == schluessel)
                return {};
        return ZeileAnhaengen(datei, zeile);
    }
    if (modus == 2)
        return ZeileAnhaengen(datei, zeile);
    return {};
}

DateiErgebnis DateiLoeschen(const QString& pfad)
{
    const QFileInfo info(pfad);
    if (!info.exists() && !info.isSymLink()) {
        // Nothing to delete, but a missing folder means the path itself is wrong.
        return QFileInfo(info.absolutePath()).isDir() ? DateiErgebnis() : DateiErgebnis::Fehler(ENOENT);
    }
    if (info.isDir())
        return DateiErgebnis::Fehler(EISDIR);
    if (::unlink(QFile::encodeName(pfad).constData()) != 0)
        return DateiErgebnis::Errno();
    return {};
}

bool DateiUmbenennen(const QString& quelle, const QString& ziel)
{
    if (!QFileInfo::exists(quelle) || QFileInfo::exists(ziel))
        return false;
    return QFile::rename(quelle, ziel);
}

} // namespace lerno
