#include "ui/qt_message_box.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstdio>

namespace quor {

QString displayed_text(std::string_view text) {
    QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

std::string escaped_line(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        if (c == '\r')
            line += "\\r";
        else if (c == '\n')
            line += "\\n";
        else if (c == '\\')
            line += "\\\\";
        else
            line += c;
    }
    return line;
}

namespace {

void write_unattended(const char* kind, std::string_view text) {
    const std::string line = std::string(kind) + ": " + escaped_line(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

}  // namespace

qt_message_box::qt_message_box() : unattended_(qEnvironmentVariableIsSet("QUORRINGS_UNATTENDED")) {}

QString qt_message_box::title() const {
    return title_.isEmpty() ? QCoreApplication::applicationName() : title_;
}

void qt_message_box::show_message(std::string_view text) {
    if (unattended_) return write_unattended("message", text);
    QMessageBox box(QMessageBox::NoIcon, title(), displayed_text(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool qt_message_box::ask_yes_no(std::string_view text) {
    if (unattended_) {
        write_unattended("question answered Yes", text);
        return true;
    }
    QMessageBox box(QMessageBox::Question, title(), displayed_text(text),
                    QMessageBox::Yes | QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    // Closing the box any other way than with Yes answers No.
    return box.exec() == QMessageBox::Yes;
}

}  // namespace quor
