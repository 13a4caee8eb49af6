#pragma once

#include <QRgb>

class QPainter;

// Fills in the chart's edge convention: right and bottom are exclusive; an empty area draws nothing.
namespace ChartPainting {
// Replaces the pixels, alpha included (no blending with what was there).
void fillOpaque(QPainter& p, int left, int top, int right, int bottom, QRgb argb);
void fillBlended(QPainter& p, int left, int top, int right, int bottom, QRgb argb);
void fillRounded(QPainter& p, int left, int top, int right, int bottom, double radius, QRgb argb);
} // namespace ChartPainting
