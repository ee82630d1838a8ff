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

// A refused step fails like the real call would, with the cause the hook set in errno
// (ENOSPC plays a full disk; EIO when it sets nothing).
DateiErgebnis SchrittErlaubt(ErsetzenSchritt schritt)
{
    if (!Hook())
        return {};
    errno = 0;
    if (Hook()(schritt))
        return {};
    return DateiErgebnis::Fehler(errno != 0 ? errno : EIO);
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

bool AllesSchreiben(int fd, QByteArrayView daten)
{
    const char* p = daten.data();
    qsizetype rest = daten.size();
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

DateiWert<QString> ErsetzenVorbereiten(const QString& ziel, const QByteArray& inhalt)
{
    const QByteArray zielName = QFile::encodeName(ziel);
    const QFileInfo info(ziel);
    // Hidden and with a suffix of its own, so the file chooser never lists it.
    QByteArray vorlage =
        QFile::encodeName(info.absolutePath() + "/." + info.fileName() + ".XXXXXX");

    if (const DateiErgebnis erlaubt = SchrittErlaubt(ErsetzenSchritt::Oeffnen); !erlaubt)
        return erlaubt;
    const int fd = ::mkstemp(vorlage.data());
    if (fd < 0)
        return DateiErgebnis::Errno();

    // The cause is taken before the clean-up, whose calls may set errno again.
    auto abbrechen = [&](DateiErgebnis fehler) {
        ::close(fd);
        ::unlink(vorlage.constData());
        return fehler;
    };

    if (::fchmod(fd, ZielRechte(zielName)) != 0)
        return abbrechen(DateiErgebnis::Errno());
    if (const DateiErgebnis erlaubt = SchrittErlaubt(ErsetzenSchritt::Schreiben); !erlaubt)
        return abbrechen(erlaubt);
    if (!AllesSchreiben(fd, inhalt))
        return abbrechen(DateiErgebnis::Errno());
    if (const DateiErgebnis erlaubt = SchrittErlaubt(ErsetzenSchritt::Flushen); !erlaubt)
        return abbrechen(erlaubt);
    if (::fsync(fd) != 0)
        return abbrechen(DateiErgebnis::Errno());
    if (::close(fd) != 0) {
        const DateiErgebnis fehler = DateiErgebnis::Errno();
        ::unlink(vorlage.constData());
        return fehler;
    }
    return QFile::decodeName(vorlage);
}

DateiErgebnis ErsetzenAbschliessen(const QString& ziel, const QString& temporaer)
{
    const QByteArray zielName = QFile::encodeName(ziel);
    const QByteArray tempName = QFile::encodeName(temporaer);
    // ::rename replaces an existing target atomically; QFile::rename would refuse it.
    DateiErgebnis umbenannt = SchrittErlaubt(ErsetzenSchritt::Umbenennen);
    if (umbenannt && ::rename(tempName.constData(), zielName.constData()) != 0)
        umbenannt = DateiErgebnis::Errno();
    if (!umbenannt) {
        ::unlink(tempName.constData());
        return umbenannt;
    }
    OrdnerSichern(zielName);
    return {};
}

void ErsetzenVerwerfen(const QString& temporaer) { ::unlink(QFile::encodeName(temporaer).constData()); }

DateiErgebnis DateiErsetzen(const QString& ziel, const QByteArray& inhalt)
{
    const auto temporaer = ErsetzenVorbereiten(ziel, inhalt);
    if (!temporaer)
        return temporaer.Ergebnis();
    return ErsetzenAbschliessen(ziel, *temporaer);
}

QString ErsetzenZiel(const QString& dateiname)
{
    // mkstemp fills the six places from A-Z, a-z and 0-9.
    static const QRegularExpression muster(QStringLiteral("^\\.(.+)\\.[A-Za-z0-9]{6}$"));
    const auto treffer = muster.match(dateiname);
    return treffer.hasMatch() ? treffer.captured(1) : QString();
}

DateiErgebnis DateiErsetzenDurch(const QString& ziel, const QString& quelle)
{
    const QByteArray zielName = QFile::encodeName(ziel);
    const QByteArray quellName = QFile::encodeName(quelle);

    if (const DateiErgebnis erlaubt = SchrittErlaubt(ErsetzenSchritt::Flushen); !erlaubt)
        return erlaubt;
    const int fd = ::open(quellName.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return DateiErgebnis::Errno();
    // The list keeps its own permissions, not those the scratch file was made with.
    const DateiErgebnis gesichert = ::fchmod(fd, ZielRechte(zielName)) == 0 && ::fsync(fd) == 0
                                        ? DateiErgebnis()
                                        : DateiErgebnis::Errno();
    ::close(fd);
    if (!gesichert)
        return gesichert;

    if (const DateiErgebnis erlaubt = SchrittErlaubt(ErsetzenSchritt::Umbenennen); !erlaubt)
        return erlaubt;
    if (::rename(quellName.constData(), zielName.constData()) != 0)
        return DateiErgebnis::Errno();
    OrdnerSichern(zielName);
    return {};
}

DateiErgebnis HilfsdateiSchreiben(const QString& pfad, const QByteArray& inhalt)
{
    const QByteArray name = QFile::encodeName(pfad);
    if (const DateiErgebnis erlaubt = SchrittErlaubt(ErsetzenSchritt::Oeffnen); !erlaubt) {
        ::unlink(name.constData());
        return erlaubt;
    }
    // Truncate: whatever a broken earlier run left there must not be carried along.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return DateiErgebnis::Errno();
    DateiErgebnis geschrieben = SchrittErlaubt(ErsetzenSchritt::Schreiben);
    if (geschrieben && !AllesSchreiben(fd, inhalt))
        geschrieben = DateiErgebnis::Errno();
    if (!geschrieben) {
        ::close(fd);
        ::unlink(name.constData());
        return geschrieben;
    }
    if (::close(fd) != 0) {
        const DateiErgebnis fehler = DateiErgebnis::Errno();
        ::unlink(name.constData());
        return fehler;
    }
    return {};
}

} // namespace lerno
