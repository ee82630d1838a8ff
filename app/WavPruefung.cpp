#include "app/WavPruefung.h"

#include <QFile>
#include <QtEndian>

namespace lerno {

namespace {
quint32 u32(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }
} // namespace

bool IstAbspielbaresWav(const QByteArray& b)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return false;
    bool fmtOk = false;
    qsizetype pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint64 laenge = u32(b, pos + 4);
        const qsizetype daten = pos + 8;
        if (daten + static_cast<qint64>(laenge) > b.size())
            return false; // truncated chunk
        if (id == "fmt ") {
            if (laenge < 16)
                return false;
            const quint16 format = u16(b, daten);
            const quint16 kanaele = u16(b, daten + 2);
            const quint16 bits = u16(b, daten + 14);
            fmtOk = format == 1 && (kanaele == 1 || kanaele == 2) && (bits == 8 || bits == 16);
            if (!fmtOk)
                return false;
        } else if (id == "data") {
            return fmtOk && laenge > 0;
        }
        pos = daten + static_cast<qsizetype>(laenge) + (laenge & 1);
    }
    return false;
}

bool IstAbspielbaresWavDatei(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly) || f.size() > 16 * 1024 * 1024)
        return false;
    return IstAbspielbaresWav(f.readAll());
}

} // namespace lerno
