#pragma once
// Reads a background picture. An uncompressed 24-bit BMP (what the asset generator
// writes) goes straight into a BGR888 image, row by row: no per-pixel conversion and
// three bytes a pixel instead of four, which keeps the start screen's first paint
// quick and small. Any other bitmap is left to Qt's reader.
#include <QImage>
#include <QString>

namespace lerno {

// A null image when the file is missing or unreadable.
QImage BmpLesen(const QString& pfad);

} // namespace lerno
