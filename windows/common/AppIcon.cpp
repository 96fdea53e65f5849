// SPDX-License-Identifier: MIT
#include "windows/common/AppIcon.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace form {
namespace {

QPainterPath starPath(QPointF centre, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int point = 0; point < 10; ++point) {
        const qreal radius = point % 2 == 0 ? outer : inner;
        const qreal angle = -M_PI / 2 + point * M_PI / 5;
        const QPointF corner(centre.x() + radius * std::cos(angle),
                             centre.y() + radius * std::sin(angle));
        if (point == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    path.closeSubpath();
    return path;
}

} // namespace

QPixmap paintApplicationIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0); // drawn on a 64 x 64 grid

    painter.setPen(QPen(QColor(30, 30, 40), 3));
    painter.setBrush(QColor(250, 200, 40));
    painter.drawEllipse(QRectF(3, 3, 58, 58));

    QPainterPath shield;
    shield.moveTo(32, 10);
    shield.lineTo(50, 17);
    shield.cubicTo(50, 36, 44, 48, 32, 55);
    shield.cubicTo(20, 48, 14, 36, 14, 17);
    shield.closeSubpath();
    painter.setPen(QPen(QColor(30, 30, 40), 2.5));
    painter.setBrush(QColor(200, 30, 40));
    painter.drawPath(shield);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(starPath(QPointF(32, 31), 11, 4.5));
    return pixmap;
}

QIcon applicationIcon()
{
    // Window icons only: each size travels with every window to the window manager, and larger
    // ones come from the installed icon theme.
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(paintApplicationIcon(size));
    return icon;
}

} // namespace form
