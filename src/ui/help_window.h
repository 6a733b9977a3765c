#pragma once
// The program's help window: the bundled HTML help page in a browser pane.
// F1 on the settings form opens it.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include <QDialog>

class QTextBrowser;

namespace quor {

// The help page beside the program.
inline constexpr std::string_view help_page_name = "Quor_Rings_32_Help.html";

class help_window final : public QDialog {
public:
    // Put it over the window that asks for help, so that a modal form does
    // not block it.
    explicit help_window(QWidget* parent = nullptr);

    // Loads the page (or a note that it is missing) and shows the window on top.
    void show_page(const std::filesystem::path& page);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

// The help page in the folder of the shipped data.
std::filesystem::path help_page_path(const std::filesystem::path& data_folder);

// What F1 on a form does: shows the help page in one help window over
// `parent`, made at the first call and kept by `parent`.
std::function<void()> help_opener(QWidget& parent, const std::filesystem::path& data_folder);

}  // namespace quor
