// The background reader: the generator's 24-bit bitmaps take the direct path and give
// exactly the pixels Qt's own reader gives; everything else is Qt's reader's business.
#include "ui/BmpLesen.h"
#include "common/TestHilfen.h"

#include <QtEndian>
#include <gtest/gtest.h>

using namespace lerno;
using namespace testhilfen;

namespace {

QByteArray Le(quint32 v, int bytes)
{
    QByteArray b(bytes, 0);
    for (int i = 0; i < bytes; ++i)
        b[i] = char((v >> (8 * i)) & 0xff);
    return b;
}

// An uncompressed BMP with a pattern that tells every pixel and channel apart.
QByteArray Bmp(int breite, int hoehe, int bits)
{
    const int zeilen = hoehe < 0 ? -hoehe : hoehe;
    const int schritt = (breite * bits / 8 + 3) & ~3;
    QByteArray daten;
    for (int i = 0; i < zeilen; ++i) {
        QByteArray zeile;
        for (int x = 0; x < breite; ++x) {
            zeile += char(10 * x + i);      // blue
            zeile += char(100 + 7 * i);     // green
            zeile += char(200 - x - 3 * i); // red
            if (bits == 32)
                zeile += char(0);
        }
        zeile.append(schritt - zeile.size(), char(0x5a)); // padding must be skipped
        daten += zeile;
    }
    QByteArray info = Le(40, 4) + Le(quint32(breite), 4) + Le(quint32(hoehe), 4) + Le(1, 2) +
                      Le(quint32(bits), 2) + Le(0, 4) + Le(quint32(daten.size()), 4) + Le(2835, 4) +
                      Le(2835, 4) + Le(0, 4) + Le(0, 4);
    return "BM" + Le(quint32(54 + daten.size()), 4) + Le(0, 4) + Le(54, 4) + info + daten;
}

struct Fall {
    const char* name;
    QByteArray bytes;
    bool direkt; // expected to take the direct path (BGR888)
};

TEST(BmpLesen, GivesTheSamePixelsAsQtsReader)
{
    const Fall faelle[] = {
        {"1 px wide, 3 bytes padding", Bmp(1, 3, 24), true},
        {"2 px wide, 2 bytes padding", Bmp(2, 3, 24), true},
        {"3 px wide, 3 bytes padding", Bmp(3, 2, 24), true},
        {"4 px wide, no padding", Bmp(4, 3, 24), true},
        {"5 px wide, 1 byte padding", Bmp(5, 4, 24), true},
        {"top-down rows", Bmp(5, -4, 24), true},
        {"32 bit: Qt's reader", Bmp(3, 3, 32), false},
        {"no bitmap at all", QByteArray("GIF89a not a bitmap"), false},
    };
    TempProgrammordner ordner;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const QString pfad = ordner.datei(QStringLiteral("bild.bmp"));
        SchreibeBytes(pfad, f.bytes);
        const QImage gelesen = BmpLesen(pfad);
        const QImage qt(pfad);
        EXPECT_EQ(gelesen.format() == QImage::Format_BGR888, f.direkt);
        ASSERT_EQ(gelesen.isNull(), qt.isNull());
        if (!qt.isNull())
            EXPECT_EQ(gelesen.convertToFormat(QImage::Format_RGB32), qt.convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_TRUE(BmpLesen(ordner.datei(QStringLiteral("fehlt.bmp"))).isNull());
    // Cut short: plain colour rather than half a picture of leftover memory.
    SchreibeBytes(ordner.datei(QStringLiteral("kurz.bmp")), Bmp(5, 4, 24).left(54 + 30));
    EXPECT_TRUE(BmpLesen(ordner.datei(QStringLiteral("kurz.bmp"))).isNull());
}

} // namespace
