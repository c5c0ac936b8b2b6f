#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window geometry is designed in twips (1/1440 inch): 15 twips are one pixel at
// 96 DPI. Qt's device-independent pixels are those 96-DPI pixels, so high-DPI
// scaling needs nothing more than this one conversion.
namespace twips {

inline constexpr int PerPixel = 15;

// Rounds to the nearest pixel, halves away from zero, so negative
// coordinates convert symmetrically.
constexpr int toPixels(int value) {
    return (value >= 0 ? value + PerPixel / 2 : value - PerPixel / 2) / PerPixel;
}

constexpr int fromPixels(int pixels) {
    return pixels * PerPixel;
}

constexpr QPoint point(int left, int top) {
    return {toPixels(left), toPixels(top)};
}

constexpr QSize size(int width, int height) {
    return {toPixels(width), toPixels(height)};
}

constexpr QRect rect(int left, int top, int width, int height) {
    return {point(left, top), size(width, height)};
}

} // namespace twips
