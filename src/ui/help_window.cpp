#include "ui/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quor {

help_window::help_window(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Quorrings Help"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(false);
    resize(620, 560);
}

void help_window::show_page(const std::filesystem::path& page) {
    std::error_code error;
    if (std::filesystem::is_regular_file(page, error)) {
        browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(page.string())));
    } else {
        browser_->setPlainText(QStringLiteral("The help page could not be found:\n%1")
                                   .arg(QString::fromStdString(page.string())));
    }
    show();
    raise();
    activateWindow();
}

std::filesystem::path help_page_path(const std::string& program_dir) {
    return std::filesystem::path(program_dir + std::string(help_page_name));
}

}  // namespace quor
