#pragma once

#include "layouts/PixelScale.h"
#include "rules/Board.h"
#include "skins/PlayLook.h"

#include <QRect>
#include <QRegion>

class QPainter;

// Draws the board in its look within `area`, back to front: the window's colour and picture, the
// notifier, the play area, the score, the body, the head and the food. Elements wholly outside
// `area` are not drawn at all; the painter's clip keeps the rest inside it.
void paintScene(QPainter& painter, const Board& board, const PlayLook& look,
                const PixelScale& scale, const QRegion& area);

// The pixels the score's text may cover.
QRect scorePixels(qint64 score, const PlayLook& look, const PixelScale& scale);

// One shape in its figure, fill and border style.
void paintShape(QPainter& painter, const ShapeStyle& shape, const QRect& pixels);
