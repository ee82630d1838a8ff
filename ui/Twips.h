#pragma once
// Window layouts are designed in twips (1/1440 inch); at 96 dpi that is 15 twips per pixel.
#include <QRect>

namespace lerno {

constexpr int TwipsProPixel = 15;

constexpr int Px(int twips)
{
    // Round to the nearest pixel, also for negative positions.
    return twips >= 0 ? (twips + TwipsProPixel / 2) / TwipsProPixel
                      : -((-twips + TwipsProPixel / 2) / TwipsProPixel);
}

constexpr int Tw(int pixel) { return pixel * TwipsProPixel; }

inline QRect TwRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

} // namespace lerno
