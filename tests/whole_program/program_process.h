#pragma once
// The vittlon executable as a child process, headless, with its drives and PDF folders.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace vt::test {

// The program as a child process with its drives folder and PDF folder set; what it writes to
// its error output is kept in a file beside the PDF folder.
class Program {
  public:
    // extraEnv: further NAME=value settings, e.g. the print server to use.
    // unprivileged: as root, run it as the user nobody, whom file modes bind (root's reads and
    // deletes ignore them). arguments: the command line after the program's name.
    Program(const std::filesystem::path& drives, const std::filesystem::path& pdf,
            const std::vector<std::string>& extraEnv = {}, bool unprivileged = false,
            const std::vector<std::string>& arguments = {})
        : errorFile_(pdf.string() + "-stderr.txt"), outputFile_(pdf.string() + "-stdout.txt") {
        std::vector<std::string> env = {"VITTLON_DRIVES=" + drives.string(),
                                        "VITTLON_PDF_DIR=" + pdf.string(),
                                        "QT_QPA_PLATFORM=offscreen",
                                        "HOME=" + pdf.string(),
                                        "XDG_STATE_HOME=" + pdf.string() + "-state",
                                        "XDG_CONFIG_HOME=" + pdf.string() + "-config"};
        env.insert(env.end(), extraEnv.begin(), extraEnv.end());
        for (char** e = environ; *e; ++e) {
            std::string kv = *e;
            if (kv.rfind("VITTLON_", 0) != 0 && kv.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
                kv.rfind("HOME=", 0) != 0 && kv.rfind("XDG_STATE_HOME=", 0) != 0 &&
                kv.rfind("XDG_CONFIG_HOME=", 0) != 0) {
                env.push_back(kv);
            }
        }
        std::vector<char*> envp;
        for (auto& kv : env) envp.push_back(kv.data());
        envp.push_back(nullptr);
        std::string binary = VITTLON_BINARY;
        std::vector<std::string> args = {binary};
        if (unprivileged && ::getuid() == 0) {
            args = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", binary};
        }
        args.insert(args.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, errorFile_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 1, outputFile_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Program() {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    bool started() const { return pid_ > 0; }
    // Everything the program wrote to its error output, or its standard output, so far.
    std::string ErrorOutput() const { return Read(errorFile_); }
    std::string Output() const { return Read(outputFile_); }
    void Signal(int sig) { ::kill(pid_, sig); }
    // Whether the program holds a file open in `folder` (also one that has no name yet).
    bool HasFileOpenIn(const std::filesystem::path& folder) const {
        std::error_code error;
        const std::filesystem::path fds = "/proc/" + std::to_string(pid_) + "/fd";
        for (const auto& fd : std::filesystem::directory_iterator(fds, error)) {
            const std::string target = std::filesystem::read_symlink(fd.path(), error).string();
            if (!error && target.rfind(folder.string() + "/", 0) == 0) return true;
        }
        return false;
    }

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
    static std::string Read(const std::string& file) {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string errorFile_;
    std::string outputFile_;
    pid_t pid_ = -1;
    bool exited_ = false;
};

}  // namespace vt::test
