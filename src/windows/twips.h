// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 slot_vorlane developers
#pragma once

#include <QPointF>
#include <QRect>

namespace windows {

// The layouts are measured in twips, 15 to a pixel.
inline constexpr int twipsPerPixel = 15;

// Whole pixels, the remainder dropped: how the windows are laid out.
constexpr int pixels(int twips) { return twips / twipsPerPixel; }

// Exact pixels: how the balls and lines stand in the scene.
constexpr qreal exactPixels(qreal twips) { return twips / twipsPerPixel; }

inline QRect twips(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

inline QPointF fromTwips(qreal left, qreal top) { return {exactPixels(left), exactPixels(top)}; }
inline QRectF fromTwips(const QRectF& place) { return {fromTwips(place.x(), place.y()), place.size() / twipsPerPixel}; }

} // namespace windows
