// The installed module as the desktop runs it: by the real XScreenSaver
// daemon, as an unprivileged user, and reading the user's own library.

#include "module_process.h"
#include "support/temporary_directory.h"
#include "x_test_server.h"

#include <sys/prctl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

namespace quor::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr uid_t nobody = 65534;  // the daemon refuses to run modules as root

struct process_status {
    pid_t parent = 0;
    char state = '?';
    std::string name;
};

std::optional<process_status> status_of(pid_t pid) {
    const std::string stat = file_text("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t open = stat.find('('), close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos) return std::nullopt;
    process_status status;
    status.name = stat.substr(open + 1, close - open - 1);
    std::istringstream rest(stat.substr(close + 2));
    rest >> status.state >> status.parent;
    return status;
}

// A running (not yet ended) process of this name below `ancestor`.
std::optional<pid_t> descendant_named(pid_t ancestor, const std::string& name) {
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string number = entry.path().filename().string();
        if (number.find_first_not_of("0123456789") != std::string::npos) continue;
        const pid_t pid = std::stoi(number);
        const auto status = status_of(pid);
        if (!status || status->name != name || status->state == 'Z') continue;
        for (pid_t up = status->parent; up > 1;) {
            if (up == ancestor) return pid;
            const auto parent = status_of(up);
            up = parent ? parent->parent : 0;
        }
    }
    return std::nullopt;
}

class InstalledModule : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix_ = new temporary_directory;
        fs::permissions(prefix_->path(), fs::perms(0755));
        const std::string command = std::string("'") + QUOR_CMAKE_COMMAND + "' --install '" + QUOR_BUILD_DIR +
                                    "' --prefix '" + prefix_->path().string() + "' >/dev/null";
        installed_ = std::system(command.c_str()) == 0;
    }
    static void TearDownTestSuite() {
        delete prefix_;
        prefix_ = nullptr;
    }
    void SetUp() override {
        if (program_on_path("Xvfb").empty()) GTEST_SKIP() << "Xvfb is not installed";
        ASSERT_TRUE(installed_) << "cmake --install failed";
        server_ = std::make_unique<x_test_server>(800, 600);
        ASSERT_TRUE(server_->running());
    }
    static fs::path bin() { return prefix_->path() / "bin"; }

    static temporary_directory* prefix_;
    static bool installed_;
    std::unique_ptr<x_test_server> server_;
};

temporary_directory* InstalledModule::prefix_ = nullptr;
bool InstalledModule::installed_ = false;

class as_user {
public:
    // Commands run as `nobody` when the tests run as root (as CI does), else as the tests' user.
    explicit as_user(const fs::path& home, const std::string& display) {
        environment_ = {{"HOME", home.string()}, {"DISPLAY", display}, {"PATH", "/usr/bin:/bin"}};
        if (::geteuid() == 0) prefix_ = {"--reuid=" + std::to_string(nobody), "--regid=" + std::to_string(nobody), "--clear-groups"};
    }
    std::unique_ptr<module_process> start(const std::vector<std::string>& command, const fs::path& error_file,
                                          const fs::path& folder) const {
        if (prefix_.empty())
            return std::make_unique<module_process>(program_on_path(command[0]),
                                                    std::vector<std::string>(command.begin() + 1, command.end()),
                                                    environment_, error_file, folder);
        std::vector<std::string> arguments = prefix_;
        arguments.insert(arguments.end(), command.begin(), command.end());
        return std::make_unique<module_process>(program_on_path("setpriv"), arguments, environment_, error_file, folder);
    }
    // Runs to its end; its exit code.
    int run(const std::vector<std::string>& command, const fs::path& folder) const {
        const auto process = start(command, folder / "command.stderr", folder);
        const auto end = process->wait_for_end(10s);
        return end && end->exited ? end->code : -1;
    }

private:
    std::map<std::string, std::string> environment_;
    std::vector<std::string> prefix_;
};

TEST_F(InstalledModule, TheXScreenSaverDaemonRunsItAndEndsIt) {
    for (const char* tool : {"xscreensaver", "xscreensaver-command"})
        if (program_on_path(tool).empty()) GTEST_SKIP() << tool << " is not installed";
    if (::geteuid() == 0 && program_on_path("setpriv").empty()) GTEST_SKIP() << "setpriv is not installed";

    temporary_directory user;
    const fs::path home = user.path() / "home";
    const fs::path configuration = home / ".config" / "quorrings";
    user.write("home/.xscreensaver", "mode: one\nselected: 0\nsplash: False\nlock: False\nfade: False\nunfade: False\n"
                                     "timeout: 0:30:00\ndpmsEnabled: False\nprograms: " +
                                         (bin() / "quorrings").string() + " --root\n");
    // Cycling every second or two, and no library of the user's own yet.
    user.write("home/.config/quorrings/Quor_Rings_32_Config.ini",
               "[Quor_start]\r\nSTART_AUTO_CYCLING=1\r\nTAGGED_SETTINGS_ONLY=0\r\nMIN_TIME=1\r\nMAX_TIME=2\r\n");
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(user.path().c_str(), nobody, nobody), 0);
        for (const auto& entry : fs::recursive_directory_iterator(user.path())) {
            ASSERT_EQ(::chown(entry.path().c_str(), nobody, nobody), 0);
        }
    }
    const auto before = folder_contents(home);

    // Our module's end is ours to see: its parent, the daemon's helper, does not wait for it.
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    const as_user nobody_user(home, server_->display());
    const auto daemon = nobody_user.start({"xscreensaver", "-no-splash", "-verbose"}, user.path() / "daemon.log", home);
    bool ready = false;
    for (int attempt = 0; attempt < 50 && !ready; ++attempt) {
        ready = nobody_user.run({"xscreensaver-command", "-time"}, user.path()) == 0;
        if (!ready) std::this_thread::sleep_for(200ms);
    }
    ASSERT_TRUE(ready) << file_text(user.path() / "daemon.log");

    ASSERT_EQ(nobody_user.run({"xscreensaver-command", "-activate"}, user.path()), 0);
    std::optional<pid_t> module;
    for (int attempt = 0; attempt < 50 && !module; ++attempt) {
        module = descendant_named(daemon->pid(), "quorrings");
        if (!module) std::this_thread::sleep_for(100ms);
    }
    ASSERT_TRUE(module) << "the daemon did not start the module\n" << file_text(user.path() / "daemon.log");
    std::this_thread::sleep_for(1500ms);
    const screen_pixels first = server_->whole_screen();
    std::this_thread::sleep_for(1s);
    EXPECT_NE(server_->whole_screen(), first) << "nothing moves on screen";

    ASSERT_EQ(nobody_user.run({"xscreensaver-command", "-deactivate"}, user.path()), 0);
    const auto deactivated = std::chrono::steady_clock::now();
    std::optional<int> wait_status;
    bool ended = false;
    while (!wait_status && std::chrono::steady_clock::now() - deactivated < 4s) {
        int status = 0;
        if (::waitpid(*module, &status, WNOHANG) == *module) wait_status = status;
        const auto state = status_of(*module);
        if (!ended && (!state || state->state == 'Z')) {
            ended = true;
            EXPECT_LT(std::chrono::steady_clock::now() - deactivated, 2s) << "the module ended late";
        }
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_TRUE(ended) << "the module still runs";
    if (wait_status) {
        EXPECT_TRUE(WIFEXITED(*wait_status)) << "ended by signal " << WTERMSIG(*wait_status);
        EXPECT_EQ(WEXITSTATUS(*wait_status), 0);
    }
    daemon->terminate();
    daemon->wait_for_end(5s);
    while (::waitpid(-1, nullptr, WNOHANG) > 0) {
    }
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 0), 0);

    // The daemon's word on the module: ending by itself (its window went
    // first) is "abnormal" to the daemon, but only with status 0.
    const std::string module_pid = "pid " + std::to_string(*module) + " ";
    for (const std::string& line : lines_of(file_text(user.path() / "daemon.log"))) {
        if (line.find(module_pid) == std::string::npos) continue;
        for (const char* fault : {"signal", "core", "crash"}) EXPECT_EQ(line.find(fault), std::string::npos) << line;
        if (line.find("exited abnormally") != std::string::npos) {
            EXPECT_TRUE(line.ends_with("with status 0")) << line;
        }
    }
    // The user's files of ours as they were, and no library copied: the
    // daemon keeps files of its own in the home folder.
    const auto ours = [](std::map<fs::path, std::string> files) {
        std::erase_if(files, [](const auto& file) { return file.first.string().find("quorrings") == std::string::npos; });
        return files;
    };
    EXPECT_EQ(ours(folder_contents(home)), ours(before));
    EXPECT_FALSE(fs::exists(home / ".local" / "share" / "quorrings")) << "the shipped library was copied";
    EXPECT_FALSE(fs::exists(home / "core"));
}

TEST_F(InstalledModule, ReadsTheUsersOwnCopyOfTheLibraryFromTheXdgFolder) {
    temporary_directory user;
    const fs::path data = user.path() / "data" / "quorrings";
    fs::create_directories(data);
    // A setting added to the shipped library's text, packed by the settings tool.
    const fs::path text = user.path() / "library.txt";
    ASSERT_EQ(std::system(("'" + (bin() / "quorrings-settings").string() + "' unpack '" +
                           (prefix_->path() / "share" / "quorrings" / "Quor_Rings_32_Settings.cmp").string() + "' '" +
                           text.string() + "'")
                              .c_str()),
              0);
    std::string library = file_text(text);
    const std::size_t first_end = library.find("}\r\n");
    ASSERT_NE(first_end, std::string::npos);
    std::string added = library.substr(0, first_end + 3);
    added.replace(added.find("Fire Tunnel"), 11, "Added by hand");
    put_file(text, library + added);
    ASSERT_EQ(std::system(("'" + (bin() / "quorrings-settings").string() + "' pack '" + text.string() + "' '" +
                           (data / "Quor_Rings_32_Settings.cmp").string() + "'")
                              .c_str()),
              0);
    const auto before = folder_contents(user.path());

    const xcb_window_t window = server_->make_window(0, 0, 320, 240);
    const std::map<std::string, std::string> environment = {
        {"HOME", user.path().string()},           {"DISPLAY", server_->display()},
        {"XDG_DATA_HOME", (user.path() / "data").string()}, {"XDG_CONFIG_HOME", (user.path() / "config").string()}};
    module_process module(bin() / "quorrings", {"--window-id", std::to_string(window), "--setting", "Added by hand"},
                          environment, user.path() / ".." / (user.path().filename().string() + ".stderr"));
    std::this_thread::sleep_for(1500ms);
    ASSERT_TRUE(module.running()) << module.errors();
    module.terminate();
    const auto end = module.wait_for_end(2s);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->code, 0);
    EXPECT_EQ(module.errors(), "");
    EXPECT_EQ(folder_contents(user.path()), before) << "the module wrote into the user's folders";
    std::error_code ignored;
    fs::remove(user.path() / ".." / (user.path().filename().string() + ".stderr"), ignored);
}

}  // namespace
}  // namespace quor::testing
