#include "ui/tick_glyph.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quor {

namespace {

constexpr int glyph_width = 44;   // pixels
constexpr int glyph_height = 20;  // pixels

QPixmap draw_glyph(const QFont& font, QColor tick, QColor text) {
    QPixmap picture(glyph_width, glyph_height);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath mark;
    mark.moveTo(2, 10);
    mark.lineTo(7, 16);
    mark.lineTo(17, 3);
    painter.setPen(QPen(tick, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(mark);
    painter.setPen(text);
    painter.setFont(font);
    painter.drawText(QRect(21, 0, glyph_width - 21, glyph_height), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("OK"));
    return picture;
}

}  // namespace

QIcon tick_glyph(const QFont& font) {
    QIcon icon;
    icon.addPixmap(draw_glyph(font, QColor(0, 128, 0), Qt::black), QIcon::Normal);
    icon.addPixmap(draw_glyph(font, Qt::gray, Qt::gray), QIcon::Disabled);
    return icon;
}

}  // namespace quor
