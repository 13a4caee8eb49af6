#pragma once

#include <QImage>
#include <QSize>

// The background of the program's picture windows: white with a soft blue border built from corner and
// edge pieces, so it stretches to any size without blurring.
QImage FramedDialogBackground(const QSize& size);
// The eight border pieces (four corners, then top, right, bottom, left edges), 24 x 24 each.
QImage DialogBorderPiece(int index);
