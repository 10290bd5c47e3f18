#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

namespace typ {

// A failure of the TCP layer, with the layer's own text (UTF-8), such as
// "Socket error 111: Connection refused".
class ETcpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An operation that made no progress within its time limit.
class ETcpTimeout : public ETcpError {
public:
    using ETcpError::ETcpError;
};

using TTcpTimeout = std::chrono::milliseconds;
using TTcpDeadline = std::chrono::steady_clock::time_point;

inline TTcpDeadline DeadlineIn(TTcpTimeout timeout) {
    return std::chrono::steady_clock::now() + timeout;
}

// The time from now to the deadline; zero once it has passed.
inline TTcpTimeout TimeLeft(TTcpDeadline deadline) {
    const auto left =
        std::chrono::duration_cast<TTcpTimeout>(deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? left : TTcpTimeout(0);
}

// A connected TCP stream, closed on destruction. Each operation ends within
// its timeout, however the peer paces its bytes, and then raises ETcpTimeout;
// other failures raise ETcpError.
class TTcpSocket {
public:
    virtual ~TTcpSocket() = default;

    // Sends every byte; the timeout bounds the whole sending.
    virtual void SendAll(std::span<const std::uint8_t> bytes, TTcpTimeout timeout) = 0;
    // Receives what has arrived, at most buffer.size() bytes, waiting up to the
    // timeout for the first of them; 0 when the peer has closed the stream.
    virtual std::size_t ReceiveSome(std::span<std::uint8_t> buffer, TTcpTimeout timeout) = 0;
    // Ends the connection; the destructor does it too.
    virtual void Close() = 0;
};

// A listening socket on the loopback address, closed on destruction.
class TTcpListener {
public:
    virtual ~TTcpListener() = default;

    virtual std::uint16_t LocalPort() const = 0;
    // The next incoming connection; ETcpTimeout when none arrives in time.
    virtual std::unique_ptr<TTcpSocket> Accept(TTcpTimeout timeout) = 0;
};

// Client and server sockets of the platform.
class TTcpNetwork {
public:
    virtual ~TTcpNetwork() = default;

    // Connects to an IPv4 host (a name or a dotted address) and port.
    virtual std::unique_ptr<TTcpSocket> Connect(const std::string& host, std::uint16_t port,
                                                TTcpTimeout timeout) const = 0;
    // Listens on 127.0.0.1 at the port; port 0 lets the system choose a free one.
    virtual std::unique_ptr<TTcpListener> ListenLoopback(std::uint16_t port) const = 0;
};

// The platform's sockets, defined by the platform implementation.
TTcpNetwork& TcpNetwork();

} // namespace typ
