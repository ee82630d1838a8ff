#pragma once
// Shared by the fuzz targets: a scratch folder for the whole run, byte-exact files,
// and a check that aborts (so libFuzzer keeps the input) with a readable reason.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzzhilfen {

[[noreturn]] inline void Fehlschlag(const char* was, const char* datei, int zeile)
{
    std::fprintf(stderr, "Fuzz-Regel verletzt: %s (%s:%d)\n", was, datei, zeile);
    std::abort();
}

#define FUZZ_PRUEFEN(bedingung)                                                  \
    do {                                                                         \
        if (!(bedingung))                                                        \
            ::fuzzhilfen::Fehlschlag(#bedingung, __FILE__, __LINE__);            \
    } while (0)

inline const QString& Ordner()
{
    // In memory where possible: the stage updates flush every file they replace.
    static const QString basis =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir dir(basis + QStringLiteral("/lerno-fuzz-XXXXXX"));
    if (!dir.isValid())
        Fehlschlag("scratch folder", __FILE__, __LINE__);
    static const QString pfad = dir.path();
    return pfad;
}

inline void Schreiben(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(inhalt) != inhalt.size())
        Fehlschlag("writing a scratch file", __FILE__, __LINE__);
}

inline QByteArray Lesen(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        Fehlschlag("reading a scratch file", __FILE__, __LINE__);
    return f.readAll();
}

// The lines a reader must see: split at LF, one CR before it dropped, a last line
// without line end counted only when it has content.
inline QList<QByteArray> ErwarteteZeilen(const QByteArray& alles)
{
    QList<QByteArray> zeilen;
    qsizetype anfang = 0;
    while (anfang < alles.size()) {
        qsizetype ende = alles.indexOf('\n', anfang);
        if (ende < 0)
            ende = alles.size();
        QByteArray z = alles.mid(anfang, ende - anfang);
        if (z.endsWith('\r'))
            z.chop(1);
        zeilen.append(z);
        anfang = ende + 1;
    }
    return zeilen;
}

} // namespace fuzzhilfen
