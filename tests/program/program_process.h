#pragma once
// The vittlon executable as a child process, headless, with its drives and PDF folders.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace vt::test {

// The program as a child process with its drives folder and PDF folder set.
class Program {
  public:
    // extraEnv: further NAME=value settings, e.g. the print server to use.
    Program(const std::filesystem::path& drives, const std::filesystem::path& pdf,
            const std::vector<std::string>& extraEnv = {}) {
        std::vector<std::string> env = {"VITTLON_DRIVES=" + drives.string(),
                                        "VITTLON_PDF_DIR=" + pdf.string(),
                                        "QT_QPA_PLATFORM=offscreen", "HOME=" + pdf.string()};
        env.insert(env.end(), extraEnv.begin(), extraEnv.end());
        for (char** e = environ; *e; ++e) {
            std::string kv = *e;
            if (kv.rfind("VITTLON_", 0) != 0 && kv.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
                kv.rfind("HOME=", 0) != 0) {
                env.push_back(kv);
            }
        }
        std::vector<char*> envp;
        for (auto& kv : env) envp.push_back(kv.data());
        envp.push_back(nullptr);
        std::string binary = VITTLON_BINARY;
        char* argv[] = {binary.data(), nullptr};
        if (posix_spawn(&pid_, binary.c_str(), nullptr, nullptr, argv, envp.data()) != 0) pid_ = -1;
    }
    ~Program() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    bool started() const { return pid_ > 0; }
    void Signal(int sig) { ::kill(pid_, sig); }

    // The exit status once it ended within the time; nullopt when it is still running.
    std::optional<int> WaitFor(std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exited_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return std::nullopt;
    }

  private:
    pid_t pid_ = -1;
    bool exited_ = false;
};

}  // namespace vt::test
