#include "ui/form_pictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace quor {
namespace {

constexpr QSize glyph_size(52, 31);  // leaves the button's bevel free

QPixmap transparent_pixmap(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void draw_tick(QPainter& painter, const QRectF& box, const QColor& colour) {
    QPainterPath tick;
    tick.moveTo(box.left(), box.top() + box.height() * 0.55);
    tick.lineTo(box.left() + box.width() * 0.38, box.bottom());
    tick.lineTo(box.right(), box.top());
    painter.setPen(QPen(colour, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

void draw_cross(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.setPen(QPen(colour, 3.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
}

QPixmap glyph_picture(glyph_kind kind, const QFont& font, bool enabled) {
    QPixmap pixmap = transparent_pixmap(glyph_size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor grey(128, 128, 128);
    const QString caption = kind == glyph_kind::ok ? QStringLiteral("OK") : QStringLiteral("Cancel");
    painter.setFont(font);
    // The mark beside its word, the pair centred on the face.
    const QRectF mark(0, (glyph_size.height() - 12) / 2.0, 12, 12);
    const int mark_gap = 5;
    const int width = int(mark.width()) + mark_gap + QFontMetrics(font).horizontalAdvance(caption);
    painter.translate(std::max(0, (glyph_size.width() - width) / 2), 0);
    if (kind == glyph_kind::ok) {
        draw_tick(painter, mark, enabled ? QColor(0, 150, 0) : grey);
    } else {
        draw_cross(painter, mark.adjusted(1, 1, -1, -1), enabled ? QColor(210, 0, 0) : grey);
    }
    painter.setPen(enabled ? Qt::black : grey);
    painter.drawText(QRect(int(mark.width()) + mark_gap, 0, glyph_size.width(), glyph_size.height()),
                     Qt::AlignVCenter | Qt::AlignLeft, caption);
    return pixmap;
}

QPolygonF regular_polygon(QPointF centre, double radius, int sides, double turn) {
    QPolygonF polygon;
    for (int corner = 0; corner <= sides; ++corner) {
        const double angle = 2 * std::numbers::pi * (turn + double(corner) / sides);
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

}  // namespace

QIcon button_glyph(glyph_kind kind, const QFont& font) {
    QIcon icon;
    icon.addPixmap(glyph_picture(kind, font, true), QIcon::Normal);
    icon.addPixmap(glyph_picture(kind, font, false), QIcon::Disabled);
    return icon;
}

QPixmap logo_picture() {
    QPixmap pixmap = transparent_pixmap(QSize(74, 40));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 40);
    sky.setColorAt(0, QColor(10, 10, 60));
    sky.setColorAt(1, QColor(0, 0, 0));
    painter.setBrush(sky);
    painter.setPen(QPen(QColor(192, 192, 192), 1.5));
    painter.drawRoundedRect(QRectF(1, 1, 72, 38), 8, 8);

    QFont letters;
    letters.setFamilies({QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                         QStringLiteral("Helvetica")});
    letters.setBold(true);
    letters.setPixelSize(15);
    QPainterPath name;
    const QFontMetricsF metrics(letters);
    const QString top = QStringLiteral("Quor"), bottom = QStringLiteral("Rings");
    name.addText((74 - metrics.horizontalAdvance(top)) / 2, 18, letters, top);
    name.addText((74 - metrics.horizontalAdvance(bottom)) / 2, 33, letters, bottom);

    QLinearGradient fire(0, 6, 0, 34);
    fire.setColorAt(0, QColor(255, 230, 60));
    fire.setColorAt(0.5, QColor(255, 110, 0));
    fire.setColorAt(1, QColor(200, 0, 40));
    painter.setBrush(fire);
    painter.setPen(QPen(QColor(255, 255, 255), 0.9));
    painter.drawPath(name);
    return pixmap;
}

QPixmap icon_picture() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(255, 40, 40), QColor(255, 160, 0), QColor(255, 240, 60), QColor(60, 220, 80),
                              QColor(60, 160, 255), QColor(170, 90, 255)};
    const int sides[] = {3, 4, 5, 6, 7, 8};
    // Rings shrinking toward the vanishing point, each turned a little further.
    for (int ring = 0; ring < 6; ++ring) {
        const double radius = 15.0 * std::pow(0.72, ring);
        painter.setPen(QPen(colours[ring], 1.2));
        painter.drawPolyline(regular_polygon(QPointF(16, 16), radius, sides[ring], 0.06 * ring - 0.25));
    }
    return pixmap;
}

}  // namespace quor
