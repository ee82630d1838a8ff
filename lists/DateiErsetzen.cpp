#include "lists/DateiErsetzen.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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

// A refused step fails like the real call would: with errno telling why (a hook may set
// ENOSPC to play a full disk; EIO when it sets nothing).
bool SchrittErlaubt(ErsetzenSchritt schritt)
{
    if (!Hook())
        return true;
    errno = 0;
    if (Hook()(schritt))
        return true;
    if (errno == 0)
        errno = EIO;
    return false;
}

// Clean-up after a failure must not overwrite the errno that tells its cause.
struct FehlerBehalten {
    int nummer = errno;
    ~FehlerBehalten() { errno = nummer; }
};

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

std::optional<QString> ErsetzenVorbereiten(const QString& ziel, const QByteArray& inhalt)
{
    const QByteArray zielName = QFile::encodeName(ziel);
    const QFileInfo info(ziel);
    // Hidden and with a suffix of its own, so the file chooser never lists it.
    QByteArray vorlage =
        QFile::encodeName(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");

    if (!SchrittErlaubt(ErsetzenSchritt::Oeffnen))
        return std::nullopt;
    const int fd = ::mkstemp(vorlage.data());
    if (fd < 0)
        return std::nullopt;

    auto abbrechen = [&]() -> std::optional<QString> {
        FehlerBehalten behalten;
        ::close(fd);
        ::unlink(vorlage.constData());
        return std::nullopt;
    };

    if (::fchmod(fd, ZielRechte(zielName)) != 0)
        return abbrechen();
    if (!SchrittErlaubt(ErsetzenSchritt::Schreiben) || !AllesSchreiben(fd, inhalt))
        return abbrechen();
    if (!SchrittErlaubt(ErsetzenSchritt::Flushen) || ::fsync(fd) != 0)
        return abbrechen();
    if (::close(fd) != 0) {
        FehlerBehalten behalten;
        ::unlink(vorlage.constData());
        return std::nullopt;
    }
    return QFile::decodeName(vorlage);
}

bool ErsetzenAbschliessen(const QString& ziel, const QString& temporaer)
{
    const QByteArray zielName = QFile::encodeName(ziel);
    const QByteArray tempName = QFile::encodeName(temporaer);
    // ::rename replaces an existing target atomically; QFile::rename would refuse it.
    if (!SchrittErlaubt(ErsetzenSchritt::Umbenennen)
        || ::rename(tempName.constData(), zielName.constData()) != 0) {
        FehlerBehalten behalten;
        ::unlink(tempName.constData());
        return false;
    }
    OrdnerSichern(zielName);
    return true;
}

void ErsetzenVerwerfen(const QString& temporaer)
{
    FehlerBehalten behalten;
    ::unlink(QFile::encodeName(temporaer).constData());
}

bool DateiErsetzen(const QString& ziel, const QByteArray& inhalt)
{
    const auto temporaer = ErsetzenVorbereiten(ziel, inhalt);
    return temporaer && ErsetzenAbschliessen(ziel, *temporaer);
}

QString ErsetzenZiel(const QString& dateiname)
{
    // mkstemp fills the six places from A-Z, a-z and 0-9.
    static const QRegularExpression muster(QStringLiteral("^\\.(.+)\\.[A-Za-z0-9]{6}$"));
    const auto treffer = muster.match(dateiname);
    return treffer.hasMatch() ? treffer.captured(1) : QString();
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
    {
        FehlerBehalten behalten;
        ::close(fd);
    }
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
    const QByteArray name = QFile::encodeName(pfad);
    if (!SchrittErlaubt(ErsetzenSchritt::Oeffnen)) {
        FehlerBehalten behalten;
        ::unlink(name.constData());
        return false;
    }
    // Truncate: whatever a broken earlier run left there must not be carried along.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    if (!SchrittErlaubt(ErsetzenSchritt::Schreiben) || !AllesSchreiben(fd, inhalt)) {
        FehlerBehalten behalten;
        ::close(fd);
        ::unlink(name.constData());
        return false;
    }
    if (::close(fd) != 0) {
        FehlerBehalten behalten;
        ::unlink(name.constData());
        return false;
    }
    return true;
}

} // namespace lerno
