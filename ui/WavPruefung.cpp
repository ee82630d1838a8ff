#include "ui/WavPruefung.h"

#include <QFile>
#include <QtEndian>
#include <optional>

namespace lerno {

namespace {
quint32 u32(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }

struct WavKopf {
    quint32 bytesProSekunde = 0;
    quint32 datenBytes = 0;
};

std::optional<WavKopf> KopfLesen(const QByteArray& b)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return std::nullopt;
    WavKopf kopf;
    bool fmtOk = false;
    qsizetype pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint64 laenge = u32(b, pos + 4);
        const qsizetype daten = pos + 8;
        if (daten + static_cast<qint64>(laenge) > b.size())
            return std::nullopt; // truncated chunk
        if (id == "fmt ") {
            if (laenge < 16)
                return std::nullopt;
            const quint16 format = u16(b, daten);
            const quint16 kanaele = u16(b, daten + 2);
            const quint16 bits = u16(b, daten + 14);
            kopf.bytesProSekunde = u32(b, daten + 8);
            fmtOk = format == 1 && (kanaele == 1 || kanaele == 2) && (bits == 8 || bits == 16);
            if (!fmtOk)
                return std::nullopt;
        } else if (id == "data") {
            if (!fmtOk || laenge == 0)
                return std::nullopt;
            kopf.datenBytes = static_cast<quint32>(laenge);
            return kopf;
        }
        pos = daten + static_cast<qsizetype>(laenge) + (laenge & 1);
    }
    return std::nullopt;
}

} // namespace

bool IstAbspielbaresWav(const QByteArray& b)
{
    return KopfLesen(b).has_value();
}

int WavDauerMs(const QByteArray& b)
{
    const auto kopf = KopfLesen(b);
    if (!kopf || kopf->bytesProSekunde == 0)
        return 0;
    return static_cast<int>(quint64(kopf->datenBytes) * 1000 / kopf->bytesProSekunde);
}

bool IstAbspielbaresWavDatei(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly) || f.size() > 16 * 1024 * 1024)
        return false;
    return IstAbspielbaresWav(f.readAll());
}

int WavDateiDauerMs(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly) || f.size() > 16 * 1024 * 1024)
        return 0;
    return WavDauerMs(f.readAll());
}

} // namespace lerno
