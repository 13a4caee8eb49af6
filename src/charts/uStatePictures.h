#pragma once

#include <QImage>

// The small pictures of a drawn stage, made by our own code at the size they are shown at.
enum class TStagePicture { Envelope, EnvelopeHover, TickSmall, TickLarge, Cross };

// ARGB32 premultiplied pictures; made once and kept.
const QImage& StagePicture(TStagePicture picture);
