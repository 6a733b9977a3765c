#include "ui/cursors.h"

#include <array>

#include <QPixmap>

namespace quor {

namespace {

struct pixel {
    int x;
    int y;
};

// The corners of the square (13,13)-(18,18) and the block (15..16, 15..16).
constexpr std::array<pixel, 8> dotted_cursor_pixels = {
    pixel{13, 13}, pixel{18, 13}, pixel{13, 18}, pixel{18, 18},
    pixel{15, 15}, pixel{16, 15}, pixel{15, 16}, pixel{16, 16}};

const QRgb marked_colour = qRgba(255, 255, 255, 255);
const QRgb edge_colour = qRgba(0, 0, 0, 255);

}  // namespace

QImage cursor_image(int slot) {
    if (slot != dotted_cursor_slot && slot != hidden_cursor_slot) return {};
    QImage image(cursor_size, cursor_size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (slot == hidden_cursor_slot) return image;
    for (pixel marked : dotted_cursor_pixels) {
        for (int y = marked.y - 1; y <= marked.y + 1; ++y)
            for (int x = marked.x - 1; x <= marked.x + 1; ++x)
                if (image.pixel(x, y) != marked_colour) image.setPixel(x, y, edge_colour);
        image.setPixel(marked.x, marked.y, marked_colour);
    }
    return image;
}

QCursor cursor_for_slot(int slot) {
    QImage image = cursor_image(slot);
    if (image.isNull()) return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(image), 0, 0);
}

}  // namespace quor
