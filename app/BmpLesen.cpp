#include "app/BmpLesen.h"

#include <QFile>
#include <QtEndian>
#include <optional>

namespace lerno {

namespace {

constexpr qsizetype KopfLaenge = 54; // file header 14 + BITMAPINFOHEADER 40

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

    QImage bild(breite, zeilen, QImage::Format_BGR888); // BMP stores blue, green, red
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
