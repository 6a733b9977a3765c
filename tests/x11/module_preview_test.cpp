// The module in a window it is handed, as a screensaver's settings dialog
// shows its preview: it draws there and nowhere else, follows the window's
// size, and ends when the window goes. Bad input ends it with one line.

#include "module_process.h"
#include "support/temporary_directory.h"
#include "x_test_server.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace quor::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path built = QUOR_BIN_DIR;

std::string hexadecimal(std::uint32_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", id);
    return text;
}

class ModulePreview : public ::testing::Test {
protected:
    void SetUp() override {
        if (program_on_path("Xvfb").empty()) GTEST_SKIP() << "Xvfb is not installed";
        server_ = std::make_unique<x_test_server>(640, 480);
        ASSERT_TRUE(server_->running());
        // A program folder of its own: the module must not write there, nor anywhere.
        fs::copy_file(built / "quorrings", folder_.path() / "quorrings");
        fs::copy(built / "palette", folder_.path() / "palette", fs::copy_options::recursive);
        fs::copy_file(built / "Quor_Rings_32_Settings.cmp", folder_.path() / "Quor_Rings_32_Settings.cmp");
    }

    std::unique_ptr<module_process> start(const std::vector<std::string>& arguments,
                                          std::map<std::string, std::string> environment = {}) {
        environment.try_emplace("DISPLAY", server_->display());
        environment.try_emplace("QUORRINGS_HOME", folder_.path().string());
        environment.try_emplace("PATH", "/usr/bin:/bin");
        return std::make_unique<module_process>(folder_.path() / "quorrings", arguments, environment,
                                                folder_.path() / ("stderr" + std::to_string(++runs_)));
    }

    // Waits until the rectangle shows something else than `before`.
    bool changes(const screen_pixels& before, int x, int y, int width, int height, std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            if (server_->pixels(x, y, width, height) != before) return true;
            std::this_thread::sleep_for(50ms);
        }
        return false;
    }

    temporary_directory folder_;
    std::unique_ptr<x_test_server> server_;
    int runs_ = 0;
};

TEST_F(ModulePreview, DrawsOnlyInsideItsWindowFollowsItsSizeAndEndsWhenItGoes) {
    const screen_pixels screen_before = server_->whole_screen();
    const xcb_window_t window = server_->make_window(100, 80, 320, 240);
    const screen_pixels window_before = server_->pixels(100, 80, 320, 240);
    const auto module = start({"--window-id", hexadecimal(window), "--setting", "Fire Tunnel", "--no-cycle"});

    ASSERT_TRUE(changes(window_before, 100, 80, 320, 240, 10s)) << module->errors();
    const screen_pixels first = server_->pixels(100, 80, 320, 240);
    EXPECT_TRUE(changes(first, 100, 80, 320, 240, 3s)) << "the picture stands still";
    // Nothing outside the window: every pixel there is as it was before the window came.
    const screen_pixels screen_now = server_->whole_screen();
    for (int y = 0; y < screen_now.height; ++y) {
        for (int x = 0; x < screen_now.width; ++x) {
            if (x < 100 || x >= 420 || y < 80 || y >= 320) {
                ASSERT_EQ(screen_now.at(x, y), screen_before.at(x, y)) << "drawn outside at " << x << ", " << y;
            }
        }
    }

    // A bigger window: the picture grows into the new part. The rings stream
    // out of the centre, so the new right half of the window sees them pass.
    server_->resize(window, 480, 360);
    const screen_pixels grown = server_->pixels(100 + 320, 80, 160, 360);
    EXPECT_TRUE(changes(grown, 100 + 320, 80, 160, 360, 10s)) << "the picture did not follow the window";
    // Shrunk again: nothing is drawn where the window was.
    server_->resize(window, 160, 120);
    std::this_thread::sleep_for(300ms);
    const screen_pixels outside = server_->pixels(100 + 160, 80 + 120, 320, 240);
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(server_->pixels(100 + 160, 80 + 120, 320, 240), outside);
    EXPECT_TRUE(module->running());

    server_->destroy(window);
    const auto end = module->wait_for_end(2s);
    ASSERT_TRUE(end) << "the module outlived its window";
    EXPECT_TRUE(end->exited) << "signal " << end->signal;
    EXPECT_EQ(end->code, 0) << module->errors();
    EXPECT_EQ(module->errors(), "");
}

TEST_F(ModulePreview, SigtermEndsItAtOnceAndAMissingSettingFallsBackToARandomOne) {
    const xcb_window_t window = server_->make_window(0, 0, 200, 150);
    const auto module = start({"-window-id", std::to_string(window), "-setting", "No Such Setting"});
    ASSERT_TRUE(changes(server_->pixels(0, 0, 200, 150), 0, 0, 200, 150, 10s)) << module->errors();
    module->terminate();
    const auto end = module->wait_for_end(1s);
    ASSERT_TRUE(end);
    EXPECT_TRUE(end->exited);
    EXPECT_EQ(end->code, 0);
    const auto lines = lines_of(module->errors());
    ASSERT_EQ(lines.size(), 1u) << module->errors();
    EXPECT_EQ(lines[0].rfind("quorrings: message: No setting \"No Such Setting\" in ", 0), 0u) << lines[0];
}

TEST_F(ModulePreview, BadInputGivesOneClearLineAndAFailingExit) {
    folder_.write("empty.txt", "");
    const fs::path damaged = fs::path(QUOR_TEST_DIR) / "storage" / "fixtures" / "library" / "random_bytes.cmp";
    const xcb_window_t window = server_->make_window(0, 0, 64, 48);
    const std::string id = hexadecimal(window);
    const struct {
        std::vector<std::string> arguments;
        std::map<std::string, std::string> environment;
        int exit_code;
        std::string line_start;
    } rows[] = {
        {{"--window-id", "0x1fffffff"}, {}, 1, "quorrings: message: No window 0x1fffffff on the display :"},
        {{"--root"}, {{"DISPLAY", ":9999"}}, 1, "quorrings: message: Cannot open the display :9999"},
        {{"--root"}, {{"XSCREENSAVER_WINDOW", "the window"}}, 1,
         "quorrings: message: XSCREENSAVER_WINDOW is not a window id: the window"},
        {{"--window-id", id, "--settings-file", (folder_.path() / "empty.txt").string()}, {}, 1,
         "quorrings: message: " + (folder_.path() / "empty.txt").string() + ": no setting to show"},
        {{"--window-id", id, "--settings-file", damaged.string()}, {}, 1,
         "quorrings: message: " + damaged.string() + ": no setting to show"},
        {{"--window-id", id, "--settings-file", (folder_.path() / "gone.cmp").string()}, {}, 1,
         "quorrings: message: " + (folder_.path() / "gone.cmp").string() + ": no such file"},
        {{"--window-id", id, "--min-time", "0"}, {}, 2,
         "quorrings: message: Min and Max time settings are invalid\\r\\n    (1->3600 allowed) and Min<Max"},
        {{"--window-id", id, "--max-time", "20"}, {}, 2, "quorrings: message: Min and Max time settings are invalid"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.back());
        const auto module = start(row.arguments, row.environment);
        const auto end = module->wait_for_end(5s);
        ASSERT_TRUE(end) << "still running";
        EXPECT_TRUE(end->exited);
        EXPECT_EQ(end->code, row.exit_code);
        const auto lines = lines_of(module->errors());
        ASSERT_EQ(lines.size(), 1u) << module->errors();
        EXPECT_EQ(lines[0].rfind(row.line_start, 0), 0u) << lines[0];
    }
    // Nothing was written beside the program but the test's own files.
    for (const auto& entry : fs::directory_iterator(folder_.path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "quorrings" || name == "palette" || name == "Quor_Rings_32_Settings.cmp" ||
                    name == "empty.txt" || name.starts_with("stderr"))
            << name;
    }
}

}  // namespace
}  // namespace quor::testing
