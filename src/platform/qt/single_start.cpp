#include "platform/qt/single_start.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QLocalSocket>
#include <QThread>
#include <cstdlib>
#include <optional>
#include <system_error>

#include "platform/private_file.h"
#include "platform/state_folder.h"

namespace vt {
namespace {
namespace fs = std::filesystem;

constexpr char kShowRequest[] = "show-windows\n";
constexpr int kFirstStartMilliseconds = 5000;  // a first program may still be starting up

// Where this user's running programs meet; nullopt when there is no private place.
std::optional<fs::path> MeetingFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime == '/' && IsPrivateFolder(runtime)) return fs::path(runtime);
    try {
        // A home folder may be shared by several computers: each has its own meeting place.
        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        return PrivateStateFolder(std::string("running-") + host, "the running program's lock");
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The drives folder as one name, the same whichever way it was written (links, "..").
std::string KeyOf(const fs::path& drives) {
    std::error_code error;
    fs::path canonical = fs::weakly_canonical(fs::absolute(drives, error), error);
    if (error) canonical = drives.lexically_normal();
    const std::string bytes = canonical.string();
    return QCryptographicHash::hash(
               QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
               QCryptographicHash::Sha256)
        .toHex()
        .left(16)
        .toStdString();
}

QString SocketName(const fs::path& socket) {
    return QString::fromLocal8Bit(socket.c_str());
}

}  // namespace

SingleStart::SingleStart(const fs::path& drives) {
    const std::optional<fs::path> folder = MeetingFolder();
    if (!folder) return;
    const std::string base = "vittlon-" + KeyOf(drives);
    const fs::path socket = *folder / (base + ".socket");
    // A socket name longer than the system takes cannot be met at: no hand-over then.
    if (socket.string().size() >= sizeof(sockaddr_un::sun_path)) return;
    const fs::path lock = *folder / (base + ".lock");
    lock_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (lock_ < 0) return;
    if (::flock(lock_, LOCK_EX | LOCK_NB) == 0) {
        Listen(socket);
        return;
    }
    ::close(lock_);
    lock_ = -1;
    if (errno != EWOULDBLOCK) return;
    handedOver_ = true;
    AskFirst(socket);
}

SingleStart::~SingleStart() {
    server_.close();
    if (lock_ >= 0) ::close(lock_);
}

void SingleStart::Listen(const fs::path& socket) {
    // A socket left by a killed program: the lock says nobody listens there.
    QLocalServer::removeServer(SocketName(socket));
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(SocketName(socket))) return;
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket* peer = server_.nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            QObject::connect(peer, &QLocalSocket::readyRead, peer, [this, peer] {
                // Anything but the one request is ignored; nothing more than it is read.
                const QByteArray request = peer->read(sizeof kShowRequest - 1);
                peer->disconnectFromServer();
                if (request == kShowRequest && show_) show_();
            });
        }
    });
}

void SingleStart::AskFirst(const fs::path& socket) {
    QLocalSocket first;
    for (int waited = 0; waited < kFirstStartMilliseconds; waited += 100) {
        first.connectToServer(SocketName(socket));
        if (first.waitForConnected(1000)) break;
        QThread::msleep(100);
    }
    if (first.state() != QLocalSocket::ConnectedState) return;
    first.write(kShowRequest);
    firstAnswered_ = first.waitForBytesWritten(1000);
    first.disconnectFromServer();
}

}  // namespace vt
