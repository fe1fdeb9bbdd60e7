// Draws the logo with QPainter: a slab section with joints, a bottom layer, the subgrade and a
// loaded wheel above the slab edge.
#include "ui/logo.h"

#include <QPainter>
#include <QPainterPath>

namespace korvant::ui {

QPixmap ProgramLogo(int size, qreal devicePixelRatio)
{
    QPixmap pixmap(qRound(size * devicePixelRatio), qRound(size * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QRectF subgrade(0.04 * s, 0.74 * s, 0.92 * s, 0.22 * s);
    const QRectF bottom(0.04 * s, 0.62 * s, 0.92 * s, 0.12 * s);
    const QRectF slab(0.04 * s, 0.44 * s, 0.92 * s, 0.18 * s);
    painter.setPen(Qt::NoPen);
    painter.fillRect(subgrade, kSubgradeColour);
    painter.fillRect(bottom, kBottomLayerColour);
    painter.fillRect(slab, kSlabColour);

    // Stones in the bottom layer, joints in the slab.
    painter.setBrush(kBottomLayerColour.darker(135));
    for (int i = 0; i < 7; ++i)
        painter.drawEllipse(
            QPointF((0.1 + 0.13 * i) * s, (i % 2 ? 0.66 : 0.70) * s), 0.018 * s, 0.014 * s);
    painter.setPen(QPen(kSlabColour.darker(160), qMax(1.0, 0.015 * s)));
    painter.drawLine(QPointF(0.36 * s, 0.44 * s), QPointF(0.36 * s, 0.62 * s));
    painter.drawLine(QPointF(0.68 * s, 0.44 * s), QPointF(0.68 * s, 0.62 * s));

    // A wheel resting on the slab next to the joint, with its load arrow.
    const QPointF centre(0.52 * s, 0.31 * s);
    const qreal radius = 0.13 * s;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x30, 0x33, 0x36));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(QColor(0x9a, 0x9e, 0xa3));
    painter.drawEllipse(centre, radius * 0.45, radius * 0.45);
    painter.setPen(
        QPen(QColor(0x1f, 0x4e, 0x8c), qMax(1.5, 0.035 * s), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(centre.x(), 0.02 * s), QPointF(centre.x(), 0.12 * s));
    QPainterPath head;
    head.moveTo(centre.x() - 0.05 * s, 0.10 * s);
    head.lineTo(centre.x(), 0.16 * s);
    head.lineTo(centre.x() + 0.05 * s, 0.10 * s);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(head);
    return pixmap;
}

} // namespace korvant::ui
