#include "ui/help_window.h"

#include <QPointer>
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

std::filesystem::path help_page_path(const std::filesystem::path& data_folder) {
    return data_folder / help_page_name;
}

std::function<void()> help_opener(QWidget& parent, const std::filesystem::path& data_folder) {
    return [parent = QPointer<QWidget>(&parent), page = help_page_path(data_folder),
            window = QPointer<help_window>()]() mutable {
        if (!parent) return;
        if (!window) window = new help_window(parent);
        window->show_page(page);
    };
}

}  // namespace quor
