#pragma once
// The program started as a screensaver host starts its module: its own
// environment, its standard error kept, its end waited for with a limit.

#include <signal.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/files.h"

namespace quor::testing {

// How a process ended: its exit code, or the signal that ended it.
struct process_end {
    bool exited = false;
    int code = -1;    // when exited
    int signal = 0;   // when not
};

class module_process {
public:
    // Runs `program` with `arguments` and exactly `environment`, in `folder` when one is given;
    // standard error goes to `error_file`.
    module_process(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                   const std::map<std::string, std::string>& environment, std::filesystem::path error_file,
                   const std::filesystem::path& folder = {})
        : error_file_(std::move(error_file)) {
        std::vector<std::string> words{program.string()};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<std::string> variables;
        for (const auto& [name, value] : environment) variables.push_back(name + "=" + value);
        std::vector<char*> argv, envp;
        for (std::string& word : words) argv.push_back(word.data());
        for (std::string& variable : variables) envp.push_back(variable.data());
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, error_file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~module_process() {
        if (pid_ > 0 && !end_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    module_process(const module_process&) = delete;
    module_process& operator=(const module_process&) = delete;

    pid_t pid() const { return pid_; }
    // The end, once it came within `limit`; none while it still runs.
    std::optional<process_end> wait_for_end(std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!end_ && pid_ > 0) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                end_ = process_end{WIFEXITED(status), WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                                   WIFSIGNALED(status) ? WTERMSIG(status) : 0};
                break;
            }
            if (std::chrono::steady_clock::now() >= deadline) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return end_;
    }
    bool running() { return !wait_for_end(std::chrono::milliseconds(0)); }
    void terminate() const { ::kill(pid_, SIGTERM); }
    std::string errors() const { return file_text(error_file_); }

private:
    std::filesystem::path error_file_;
    pid_t pid_ = -1;
    std::optional<process_end> end_;
};

// The lines of a text, without their line feeds.
inline std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace quor::testing
