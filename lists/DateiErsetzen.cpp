#include "lists/DateiErsetzen.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lerno {

namespace {

ErsetzenFehlerHook& Hook()
{
    static ErsetzenFehlerHook hook;
    return hook;
}

bool SchrittErlaubt(ErsetzenSchritt schritt)
{
    return !Hook() || Hook()(schritt);
}

bool AllesSchreiben(int fd, const QByteArray& inhalt)
{
    const char* p = inhalt.constData();
    qsizetype rest = inhalt.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(rest));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        rest -= n;
    }
    return true;
}

// The permissions a fresh file would get, or those of the file being replaced:
// mkstemp's 0600 must not leak into the list.
mode_t ZielRechte(const QByteArray& ziel)
{
    struct stat st {};
    if (::stat(ziel.constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

void OrdnerSichern(const QByteArray& datei)
{
    // Makes the rename itself durable; a failure here changes nothing visible.
    const QByteArray ordner = QFile::encodeName(QFileInfo(QFile::decodeName(datei)).absolutePath());
    const int fd = ::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void SetzeErsetzenFehlerHook(ErsetzenFehlerHook hook) { Hook() = std::move(hook); }

bool DateiErsetzen(const QString& ziel, const QByteArray& inhalt)
{
    const QByteArray zielName = QFile::encodeName(ziel);
    const QFileInfo info(ziel);
    // Hidden and with a suffix of its own, so the file chooser never lists it.
    QByteArray vorlage =
        QFile::encodeName(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");

    if (!SchrittErlaubt(ErsetzenSchritt::Oeffnen))
        return false;
    const int fd = ::mkstemp(vorlage.data());
    if (fd < 0)
        return false;

    auto abbrechen = [&] {
        ::close(fd);
        ::unlink(vorlage.constData());
        return false;
    };

    if (::fchmod(fd, ZielRechte(zielName)) != 0)
        return abbrechen();
    if (!SchrittErlaubt(ErsetzenSchritt::Schreiben) || !AllesSchreiben(fd, inhalt))
        return abbrechen();
    if (!SchrittErlaubt(ErsetzenSchritt::Flushen) || ::fsync(fd) != 0)
        return abbrechen();
    if (::close(fd) != 0) {
        ::unlink(vorlage.constData());
        return false;
    }
    // ::rename replaces an existing target atomically; QFile::rename would refuse it.
    if (!SchrittErlaubt(ErsetzenSchritt::Umbenennen)
        || ::rename(vorlage.constData(), zielName.constData()) != 0) {
        ::unlink(vorlage.constData());
        return false;
    }
    OrdnerSichern(zielName);
    return true;
}

bool DateiErsetzenDurch(const QString& ziel, const QString& quelle)
{
    const QByteArray zielName = QFile::encodeName(ziel);
    const QByteArray quellName = QFile::encodeName(quelle);

    if (!SchrittErlaubt(ErsetzenSchritt::Flushen))
        return false;
    const int fd = ::open(quellName.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // The list keeps its own permissions, not those the scratch file was made with.
    const bool gesichert = ::fchmod(fd, ZielRechte(zielName)) == 0 && ::fsync(fd) == 0;
    ::close(fd);
    if (!gesichert)
        return false;

    if (!SchrittErlaubt(ErsetzenSchritt::Umbenennen)
        || ::rename(quellName.constData(), zielName.constData()) != 0)
        return false;
    OrdnerSichern(zielName);
    return true;
}

bool HilfsdateiSchreiben(const QString& pfad, const QByteArray& inhalt)
{
    if (!SchrittErlaubt(ErsetzenSchritt::Oeffnen)) {
        QFile::remove(pfad);
        return false;
    }
    QFile f(pfad);
    // Truncate: whatever a broken earlier run left there must not be carried along.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    if (!SchrittErlaubt(ErsetzenSchritt::Schreiben) || f.write(inhalt) != inhalt.size()) {
        f.close();
        f.remove();
        return false;
    }
    return true;
}

} // namespace lerno
