#include "platform/TcpSocket.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace typ {
namespace {

[[noreturn]] void FailWith(int error) {
    throw ETcpError("Socket error " + std::to_string(error) + ": " + std::strerror(error));
}

[[noreturn]] void Fail() {
    FailWith(errno);
}

int Check(int result) {
    if (result < 0)
        Fail();
    return result;
}

void MakeNonBlocking(int fd) {
    Check(fcntl(fd, F_SETFL, Check(fcntl(fd, F_GETFL)) | O_NONBLOCK));
}

// Waits until the socket is ready for `events` or the deadline has passed.
void WaitFor(int fd, short events, TTcpDeadline deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const long long left = std::min<long long>(TimeLeft(deadline).count(), INT_MAX);
        const int ready = poll(&entry, 1, static_cast<int>(left));
        if (ready > 0)
            return;
        if (ready == 0)
            throw ETcpTimeout("Socket error " + std::to_string(ETIMEDOUT) + ": " +
                              std::strerror(ETIMEDOUT));
        if (errno != EINTR)
            Fail();
    }
}

bool WouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK;
}

class TPosixTcpSocket final : public TTcpSocket {
public:
    explicit TPosixTcpSocket(int fd) : FFd(fd) {}
    ~TPosixTcpSocket() override { Close(); }
    TPosixTcpSocket(const TPosixTcpSocket&) = delete;
    TPosixTcpSocket& operator=(const TPosixTcpSocket&) = delete;

    void SendAll(std::span<const std::uint8_t> bytes, TTcpTimeout timeout) override {
        const TTcpDeadline deadline = DeadlineIn(timeout);
        while (!bytes.empty()) {
            const ssize_t sent = send(FFd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (sent >= 0)
                bytes = bytes.subspan(static_cast<std::size_t>(sent));
            else if (WouldBlock(errno))
                WaitFor(FFd, POLLOUT, deadline);
            else if (errno != EINTR)
                Fail();
        }
    }

    std::size_t ReceiveSome(std::span<std::uint8_t> buffer, TTcpTimeout timeout) override {
        const TTcpDeadline deadline = DeadlineIn(timeout);
        for (;;) {
            const ssize_t got = recv(FFd, buffer.data(), buffer.size(), 0);
            if (got >= 0)
                return static_cast<std::size_t>(got);
            if (WouldBlock(errno))
                WaitFor(FFd, POLLIN, deadline);
            else if (errno != EINTR)
                Fail();
        }
    }

    void Close() override {
        if (FFd >= 0)
            close(FFd);
        FFd = -1;
    }

private:
    int FFd;
};

// Owns a descriptor until it is handed to the object that keeps it.
class TDescriptor {
public:
    explicit TDescriptor(int fd) : FFd(Check(fd)) {}
    ~TDescriptor() {
        if (FFd >= 0)
            close(FFd);
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;

    int Get() const { return FFd; }
    int Release() {
        const int fd = FFd;
        FFd = -1;
        return fd;
    }

private:
    int FFd;
};

sockaddr_in Resolve(const std::string& host, std::uint16_t port) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int status = getaddrinfo(host.c_str(), nullptr, &hints, &found);
    if (status != 0)
        throw ETcpError("Host not found: " + host + " (" + gai_strerror(status) + ")");
    sockaddr_in address{};
    std::memcpy(&address, found->ai_addr, sizeof address);
    freeaddrinfo(found);
    address.sin_port = htons(port);
    return address;
}

void ConnectWithin(int fd, const sockaddr_in& address, TTcpTimeout timeout) {
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return;
    if (errno != EINPROGRESS && errno != EINTR)
        Fail();
    WaitFor(fd, POLLOUT, DeadlineIn(timeout));
    int error = 0;
    socklen_t length = sizeof error;
    Check(getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length));
    if (error != 0)
        FailWith(error);
}

class TPosixTcpListener final : public TTcpListener {
public:
    explicit TPosixTcpListener(std::uint16_t port)
        : FSocket(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        const int reuse = 1;
        Check(setsockopt(FSocket.Get(), SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse));
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(port);
        Check(bind(FSocket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address));
        Check(listen(FSocket.Get(), SOMAXCONN));
        MakeNonBlocking(FSocket.Get());
    }

    std::uint16_t LocalPort() const override {
        sockaddr_in address{};
        socklen_t length = sizeof address;
        Check(getsockname(FSocket.Get(), reinterpret_cast<sockaddr*>(&address), &length));
        return ntohs(address.sin_port);
    }

    std::unique_ptr<TTcpSocket> Accept(TTcpTimeout timeout) override {
        const TTcpDeadline deadline = DeadlineIn(timeout);
        for (;;) {
            const int fd = accept4(FSocket.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (fd >= 0)
                return std::make_unique<TPosixTcpSocket>(fd);
            if (WouldBlock(errno))
                WaitFor(FSocket.Get(), POLLIN, deadline);
            else if (errno != EINTR && errno != ECONNABORTED)
                Fail();
        }
    }

private:
    TDescriptor FSocket;
};

class TPosixTcpNetwork final : public TTcpNetwork {
public:
    std::unique_ptr<TTcpSocket> Connect(const std::string& host, std::uint16_t port,
                                        TTcpTimeout timeout) const override {
        const sockaddr_in address = Resolve(host, port);
        TDescriptor fd(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
        MakeNonBlocking(fd.Get());
        ConnectWithin(fd.Get(), address, timeout);
        return std::make_unique<TPosixTcpSocket>(fd.Release());
    }

    std::unique_ptr<TTcpListener> ListenLoopback(std::uint16_t port) const override {
        return std::make_unique<TPosixTcpListener>(port);
    }
};

} // namespace

TTcpNetwork& TcpNetwork() {
    static TPosixTcpNetwork network;
    return network;
}

} // namespace typ
