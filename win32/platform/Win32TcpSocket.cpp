#include "platform/TcpSocket.h"

#include <algorithm>
#include <cstring>
#include <winsock2.h>
#include <ws2tcpip.h>

namespace typ {
namespace {

// Winsock reports numbers only; these are the texts of the codes a client of
// the loopback address can meet.
const char* ErrorText(int error) {
    switch (error) {
    case WSAECONNREFUSED:
        return "Connection refused";
    case WSAECONNRESET:
        return "Connection reset by peer";
    case WSAECONNABORTED:
        return "Software caused connection abort";
    case WSAETIMEDOUT:
        return "Connection timed out";
    case WSAENETUNREACH:
        return "Network is unreachable";
    case WSAEHOSTUNREACH:
        return "No route to host";
    case WSAENETDOWN:
        return "Network is down";
    case WSAEADDRINUSE:
        return "Address already in use";
    case WSAEADDRNOTAVAIL:
        return "Cannot assign requested address";
    case WSAEACCES:
        return "Permission denied";
    case WSAENOTCONN:
        return "Socket is not connected";
    case WSAESHUTDOWN:
        return "Cannot send after socket shutdown";
    case WSAENOBUFS:
        return "No buffer space available";
    case WSAEMFILE:
        return "Too many open sockets";
    case WSANOTINITIALISED:
        return "Windows Sockets not initialised";
    default:
        return "Unknown socket error";
    }
}

std::string ErrorMessage(int error) {
    return "Socket error " + std::to_string(error) + ": " + ErrorText(error);
}

[[noreturn]] void FailWith(int error) {
    throw ETcpError(ErrorMessage(error));
}

[[noreturn]] void Fail() {
    FailWith(WSAGetLastError());
}

void Check(int result) {
    if (result == SOCKET_ERROR)
        Fail();
}

void MakeNonBlocking(SOCKET socket) {
    u_long nonBlocking = 1;
    Check(ioctlsocket(socket, FIONBIO, &nonBlocking));
}

timeval SelectTimeLeft(TTcpDeadline deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(
        deadline - std::chrono::steady_clock::now());
    const long long micros = left.count() > 0 ? left.count() : 0;
    return timeval{static_cast<long>(micros / 1000000), static_cast<long>(micros % 1000000)};
}

enum class TWaitKind { Read, Write };

// Waits until the socket is ready or the deadline has passed. A connection
// attempt that fails shows in the exception set, as does a broken connection.
void WaitFor(SOCKET socket, TWaitKind kind, TTcpDeadline deadline) {
    fd_set ready;
    fd_set failed;
    FD_ZERO(&ready);
    FD_ZERO(&failed);
    FD_SET(socket, &ready);
    FD_SET(socket, &failed);
    timeval left = SelectTimeLeft(deadline);
    const int count = kind == TWaitKind::Read ? select(0, &ready, nullptr, &failed, &left)
                                              : select(0, nullptr, &ready, &failed, &left);
    if (count == SOCKET_ERROR)
        Fail();
    if (count == 0)
        throw ETcpTimeout(ErrorMessage(WSAETIMEDOUT));
}

bool WouldBlock() {
    return WSAGetLastError() == WSAEWOULDBLOCK;
}

// At most this much per call, since Winsock counts in int.
int Portion(std::size_t size) {
    return static_cast<int>(std::min<std::size_t>(size, 1u << 30));
}

class TWin32TcpSocket final : public TTcpSocket {
public:
    explicit TWin32TcpSocket(SOCKET socket) : FSocket(socket) {}
    ~TWin32TcpSocket() override { Close(); }
    TWin32TcpSocket(const TWin32TcpSocket&) = delete;
    TWin32TcpSocket& operator=(const TWin32TcpSocket&) = delete;

    void SendAll(std::span<const std::uint8_t> bytes, TTcpTimeout timeout) override {
        const TTcpDeadline deadline = DeadlineIn(timeout);
        while (!bytes.empty()) {
            const int sent = send(FSocket, reinterpret_cast<const char*>(bytes.data()),
                                  Portion(bytes.size()), 0);
            if (sent != SOCKET_ERROR)
                bytes = bytes.subspan(static_cast<std::size_t>(sent));
            else if (WouldBlock())
                WaitFor(FSocket, TWaitKind::Write, deadline);
            else
                Fail();
        }
    }

    std::size_t ReceiveSome(std::span<std::uint8_t> buffer, TTcpTimeout timeout) override {
        const TTcpDeadline deadline = DeadlineIn(timeout);
        for (;;) {
            const int got =
                recv(FSocket, reinterpret_cast<char*>(buffer.data()), Portion(buffer.size()), 0);
            if (got != SOCKET_ERROR)
                return static_cast<std::size_t>(got);
            if (!WouldBlock())
                Fail();
            WaitFor(FSocket, TWaitKind::Read, deadline);
        }
    }

    void Close() override {
        if (FSocket != INVALID_SOCKET)
            closesocket(FSocket);
        FSocket = INVALID_SOCKET;
    }

private:
    SOCKET FSocket;
};

// Owns a socket until it is handed to the object that keeps it.
class TSocketHandle {
public:
    explicit TSocketHandle(SOCKET socket) : FSocket(socket) {
        if (FSocket == INVALID_SOCKET)
            Fail();
    }
    ~TSocketHandle() {
        if (FSocket != INVALID_SOCKET)
            closesocket(FSocket);
    }
    TSocketHandle(const TSocketHandle&) = delete;
    TSocketHandle& operator=(const TSocketHandle&) = delete;

    SOCKET Get() const { return FSocket; }
    SOCKET Release() {
        const SOCKET socket = FSocket;
        FSocket = INVALID_SOCKET;
        return socket;
    }

private:
    SOCKET FSocket;
};

sockaddr_in Resolve(const std::string& host, std::uint16_t port) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int status = getaddrinfo(host.c_str(), nullptr, &hints, &found);
    if (status != 0)
        throw ETcpError("Host not found: " + host + " (" + ErrorMessage(status) + ")");
    sockaddr_in address{};
    std::memcpy(&address, found->ai_addr, sizeof address);
    freeaddrinfo(found);
    address.sin_port = htons(port);
    return address;
}

void ConnectWithin(SOCKET socket, const sockaddr_in& address, TTcpTimeout timeout) {
    if (connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        return;
    if (!WouldBlock())
        Fail();
    WaitFor(socket, TWaitKind::Write, DeadlineIn(timeout));
    int error = 0;
    int length = sizeof error;
    Check(getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &length));
    if (error != 0)
        FailWith(error);
}

class TWin32TcpListener final : public TTcpListener {
public:
    explicit TWin32TcpListener(std::uint16_t port)
        : FSocket(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {
        // Keeps another program from taking over the port while it is ours.
        const BOOL exclusive = TRUE;
        Check(setsockopt(FSocket.Get(), SOL_SOCKET, SO_EXCLUSIVEADDRUSE,
                         reinterpret_cast<const char*>(&exclusive), sizeof exclusive));
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
        int length = sizeof address;
        Check(getsockname(FSocket.Get(), reinterpret_cast<sockaddr*>(&address), &length));
        return ntohs(address.sin_port);
    }

    std::unique_ptr<TTcpSocket> Accept(TTcpTimeout timeout) override {
        TSocketHandle accepted(AcceptOrWait(timeout));
        MakeNonBlocking(accepted.Get());
        return std::make_unique<TWin32TcpSocket>(accepted.Release());
    }

private:
    SOCKET AcceptOrWait(TTcpTimeout timeout) {
        const TTcpDeadline deadline = DeadlineIn(timeout);
        for (;;) {
            const SOCKET accepted = accept(FSocket.Get(), nullptr, nullptr);
            if (accepted != INVALID_SOCKET)
                return accepted;
            if (!WouldBlock() && WSAGetLastError() != WSAECONNRESET)
                Fail();
            WaitFor(FSocket.Get(), TWaitKind::Read, deadline);
        }
    }

    TSocketHandle FSocket;
};

// Windows Sockets are started once for the process and stopped at its end.
class TWin32TcpNetwork final : public TTcpNetwork {
public:
    TWin32TcpNetwork() { FStarted = WSAStartup(MAKEWORD(2, 2), &FData) == 0; }
    ~TWin32TcpNetwork() override {
        if (FStarted)
            WSACleanup();
    }
    TWin32TcpNetwork(const TWin32TcpNetwork&) = delete;
    TWin32TcpNetwork& operator=(const TWin32TcpNetwork&) = delete;

    std::unique_ptr<TTcpSocket> Connect(const std::string& host, std::uint16_t port,
                                        TTcpTimeout timeout) const override {
        RequireStarted();
        const sockaddr_in address = Resolve(host, port);
        TSocketHandle socket(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
        MakeNonBlocking(socket.Get());
        ConnectWithin(socket.Get(), address, timeout);
        return std::make_unique<TWin32TcpSocket>(socket.Release());
    }

    std::unique_ptr<TTcpListener> ListenLoopback(std::uint16_t port) const override {
        RequireStarted();
        return std::make_unique<TWin32TcpListener>(port);
    }

private:
    void RequireStarted() const {
        if (!FStarted)
            FailWith(WSANOTINITIALISED);
    }

    WSADATA FData{};
    bool FStarted = false;
};

} // namespace

TTcpNetwork& TcpNetwork() {
    static TWin32TcpNetwork network;
    return network;
}

} // namespace typ
