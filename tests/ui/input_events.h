#pragma once
// Input as the window system would deliver it, sent straight to a widget.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

namespace quor::testing {

inline void send_mouse(QWidget* widget, QEvent::Type type, QPoint position) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(position), QPointF(widget->mapToGlobal(position)), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void click_at(QWidget* widget, QPoint position) {
    send_mouse(widget, QEvent::MouseButtonPress, position);
    send_mouse(widget, QEvent::MouseButtonRelease, position);
}

// A press and release, then the double click and its release.
inline void double_click_at(QWidget* widget, QPoint position) {
    click_at(widget, position);
    send_mouse(widget, QEvent::MouseButtonDblClick, position);
    send_mouse(widget, QEvent::MouseButtonRelease, position);
}

inline void press_key(QWidget* widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

inline void type_text(QWidget* widget, const QString& text) {
    for (QChar character : text) press_key(widget, 0, QString(character));
}

}  // namespace quor::testing
