#include "ui/BmpLesen.h"

#include <QFile>
#include <QtEndian>
#include <optional>
#include <sys/mman.h>

namespace lerno {

namespace {

constexpr qsizetype KopfLaenge = 54; // file header 14 + BITMAPINFOHEADER 40

// Pixel memory mapped and faulted in by one call: touching a fresh picture page by
// page costs more than reading the file on a virtual machine.
QImage LeeresBild(int breite, int hoehe, qsizetype schritt)
{
    struct Abbildung {
        void* start;
        size_t bytes;
    };
    const size_t bytes = size_t(schritt) * size_t(hoehe);
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (p == MAP_FAILED)
        return QImage(breite, hoehe, QImage::Format_BGR888);
    const auto freigeben = [](void* info) {
        auto* a = static_cast<Abbildung*>(info);
        munmap(a->start, a->bytes);
        delete a;
    };
    return QImage(static_cast<uchar*>(p), breite, hoehe, schritt, QImage::Format_BGR888, freigeben,
                  new Abbildung{p, bytes});
}

// Nothing when the file is not a plain 24-bit bitmap; a null image when it is one but
// its pixels are cut short (shown as plain colour rather than half a picture).
std::optional<QImage> Direkt(QFile& datei)
{
    const QByteArray kopf = datei.read(KopfLaenge);
    if (kopf.size() < KopfLaenge || !kopf.startsWith("BM"))
        return std::nullopt;
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(kopf.constData() + at); };
    const auto i32 = [&](int at) { return qFromLittleEndian<qint32>(kopf.constData() + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(kopf.constData() + at); };
    const quint32 datenAb = u32(10);
    const qint32 breite = i32(18);
    const qint32 hoehe = i32(22);
    if (u32(14) < 40 || u16(26) != 1 || u16(28) != 24 || u32(30) != 0)
        return std::nullopt;
    if (breite <= 0 || breite > 16384 || hoehe == 0 || hoehe < -16384 || hoehe > 16384)
        return std::nullopt;
    const int zeilen = hoehe > 0 ? hoehe : -hoehe;
    const qint64 zeilenBytes = qint64(breite) * 3;
    const qint64 schritt = (zeilenBytes + 3) & ~qint64(3);
    if (datei.size() < qint64(datenAb) + schritt * zeilen || !datei.seek(datenAb))
        return QImage();

    QImage bild = LeeresBild(breite, zeilen, schritt); // BMP stores blue, green, red
    if (bild.isNull())
        return QImage();
    const qint64 fuellung = schritt - zeilenBytes;
    char rest[4];
    for (int i = 0; i < zeilen; ++i) {
        const int y = hoehe > 0 ? zeilen - 1 - i : i; // positive height: bottom row first
        if (datei.read(reinterpret_cast<char*>(bild.scanLine(y)), zeilenBytes) != zeilenBytes ||
            datei.read(rest, fuellung) != fuellung)
            return QImage();
    }
    return bild;
}

} // namespace

QImage BmpLesen(const QString& pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    if (std::optional<QImage> bild = Direkt(datei))
        return *bild;
    return QImage(pfad); // other depths, palettes, compression: Qt's reader
}

} // namespace lerno
