#include "ScenePainter.h"

#include "layouts/Fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QColor toQColor(Color color)
{
    return QColor(color.red(), color.green(), color.blue());
}

// By border style code; a one-pixel line drawn inside the bounds is the solid one.
constexpr Qt::PenStyle PenStyles[] = {Qt::NoPen,    Qt::SolidLine,   Qt::DashLine,
                                      Qt::DotLine,  Qt::DashDotLine, Qt::DashDotDotLine,
                                      Qt::SolidLine};
static_assert(std::size(PenStyles) == int(BorderStyle::InsideSolid) + 1);

QRect centredSquare(const QRect& bounds)
{
    const int side = std::min(bounds.width(), bounds.height());
    QRect square(0, 0, side, side);
    square.moveCenter(bounds.center());
    return square;
}

void paintScore(QPainter& painter, qint64 score, const PlayLook& look, const PixelScale& scale)
{
    // Sized for the screen the scene is drawn for, whatever the paint device.
    painter.setFont(layoutFont(look.scoreFont, scale.y));
    painter.setPen(toQColor(look.scoreColor));
    const QPoint topLeft(scale.pixelX(look.scoreLeft), scale.pixelY(look.scoreTop));
    painter.drawText(QRect(topLeft, QSize(1 << 16, 1 << 16)),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QString::number(score));
}

}  // namespace

QRect scorePixels(qint64 score, const PlayLook& look, const PixelScale& scale)
{
    const QFontMetrics metrics(layoutFont(look.scoreFont, scale.y));
    const QRect text(scale.pixelX(look.scoreLeft), scale.pixelY(look.scoreTop),
                     metrics.horizontalAdvance(QString::number(score)), metrics.height());
    // Glyphs may reach a little beyond their advance.
    const int slack = metrics.height() / 4 + 1;
    return text.adjusted(-slack, 0, slack, 0);
}

void paintShape(QPainter& painter, const ShapeStyle& shape, const QRect& pixels)
{
    QRect figure = pixels;
    if (shape.shape == ShapeCode::Square || shape.shape == ShapeCode::Circle
        || shape.shape == ShapeCode::RoundedSquare)
        figure = centredSquare(pixels);
    if (figure.isEmpty())
        return;

    QBrush brush(Qt::NoBrush);
    if (shape.filled)
        brush = QBrush(toQColor(shape.fillColor));
    else if (shape.backOpaque)
        brush = QBrush(toQColor(shape.backColor));

    const QPen pen(toQColor(shape.borderColor), 1, PenStyles[int(shape.borderStyle)], Qt::FlatCap,
                   Qt::MiterJoin);

    painter.save();
    switch (shape.shape) {
    case ShapeCode::Rectangle:
    case ShapeCode::Square:
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(figure, brush);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        // A one-pixel outline drawn on the rectangle's own outermost pixels.
        painter.drawRect(figure.adjusted(0, 0, -1, -1));
        break;
    case ShapeCode::Oval:
    case ShapeCode::Circle:
    case ShapeCode::RoundedRectangle:
    case ShapeCode::RoundedSquare: {
        painter.setRenderHint(QPainter::Antialiasing, true);
        const bool round = shape.shape == ShapeCode::Oval || shape.shape == ShapeCode::Circle;
        const QRectF outer(figure);
        const QRectF line = outer.adjusted(0.5, 0.5, -0.5, -0.5);
        const qreal radius = std::min(figure.width(), figure.height()) / 4.0;
        painter.setPen(Qt::NoPen);
        painter.setBrush(brush);
        if (round)
            painter.drawEllipse(outer);
        else
            painter.drawRoundedRect(outer, radius, radius);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        if (round)
            painter.drawEllipse(line);
        else
            painter.drawRoundedRect(line, radius - 0.5, radius - 0.5);
        break;
    }
    }
    painter.restore();
}

void paintScene(QPainter& painter, const Board& board, const PlayLook& look,
                const PixelScale& scale, const QRegion& area)
{
    const QRect bounds = area.boundingRect();
    const QRect window(0, 0, scale.pixelX(look.width), scale.pixelY(look.height));
    painter.fillRect(window & bounds, toQColor(look.backColor));
    if (!look.picture.isNull())
        painter.drawImage(bounds.topLeft(), look.picture, bounds);

    const auto shape = [&](const ShapeStyle& style, const TwipsRect& place) {
        const QRect pixels = scale.pixels(place);
        if (area.intersects(pixels))
            paintShape(painter, style, pixels);
    };
    if (board.notifierShown)
        shape(look.notifier, board.shpZip);
    shape(look.playArea, board.shprect);
    if (area.intersects(scorePixels(board.score, look, scale)))
        paintScore(painter, board.score, look, scale);

    // The body from the tail forward, so that a cell nearer the head lies on top where cells meet
    // (as the new tail does under the head at the moment it is added).
    for (std::size_t i = board.shpkriel.size(); i-- > 0;)
        shape(look.cellLook(i), board.shpkriel[i]);

    const QRect food = scale.pixels(board.shpfood);
    if (!look.food.isNull() && area.intersects(food)) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(food, look.food);
        painter.restore();
    }
}
