#pragma once
// One windowed program per user, computer and drives folder: a second start hands over to the
// first, whose windows come to the front, and ends. Two programs over the same files would each
// keep their own copy of the snack list and settings and write them back over the other's.
//
// The first start holds a lock file and listens on a socket beside it, in the session's
// private runtime folder (or, without one, the user's private state folder under this
// computer's name). The lock goes with the process, also a killed one, so a stale socket never
// keeps the next start out.
#include <QLocalServer>
#include <filesystem>
#include <functional>
#include <string>

namespace vt {

class SingleStart {
  public:
    // drives: the drives folder this program works on.
    explicit SingleStart(const std::filesystem::path& drives);
    ~SingleStart();
    SingleStart(const SingleStart&) = delete;
    SingleStart& operator=(const SingleStart&) = delete;

    // Another program holds this drives folder; it was asked to bring its windows to the front.
    bool HandedOver() const { return handedOver_; }
    // The first program could not be reached (it may be busy): its windows stay as they are.
    bool FirstAnswered() const { return firstAnswered_; }
    // Called in the first program when a later start asks for its windows.
    void OnShowRequest(std::function<void()> show) { show_ = std::move(show); }

  private:
    void Listen(const std::filesystem::path& socket);
    void AskFirst(const std::filesystem::path& socket);

    int lock_ = -1;
    bool handedOver_ = false;
    bool firstAnswered_ = false;
    QLocalServer server_;
    std::function<void()> show_;
};

}  // namespace vt
