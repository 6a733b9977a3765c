#include "ui/qt_message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace quor {

QString displayed_text(std::string_view text) {
    QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

qt_message_box::qt_message_box() {
    if (qEnvironmentVariableIsSet("QUORRINGS_UNATTENDED")) unattended_.emplace();
}

QString qt_message_box::title() const {
    return title_.isEmpty() ? QCoreApplication::applicationName() : title_;
}

void qt_message_box::show_message(std::string_view text) {
    if (unattended_) return unattended_->show_message(text);
    QMessageBox box(QMessageBox::NoIcon, title(), displayed_text(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool qt_message_box::ask_yes_no(std::string_view text) {
    if (unattended_) return unattended_->ask_yes_no(text);
    QMessageBox box(QMessageBox::Question, title(), displayed_text(text),
                    QMessageBox::Yes | QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    // Closing the box any other way than with Yes answers No.
    return box.exec() == QMessageBox::Yes;
}

}  // namespace quor
