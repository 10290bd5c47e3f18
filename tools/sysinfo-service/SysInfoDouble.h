#pragma once

#include "DoubleSeed.h"
#include "DoubleStore.h"
#include "platform/TcpSocket.h"
#include "sysinfo/Bytes.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

namespace typ {

// How the double answers; settable at any time, read for each answer.
enum class TDoubleMisbehaviour {
    None,            // the contract's answer
    CloseMidFrame,   // announces the whole response, sends half of it, closes
    Garbage,         // a frame whose payload is no message at all
    Unenciphered,    // the binary message without its envelope (valid)
    CompressedShort, // the short body compressed and flagged so (valid)
    ExceptionForAll, // an exception response (EVnSysInfoError) for every call
    NeverAnswer,     // reads the request, then holds the connection unanswered
    Trickle,         // the answer's frame one byte at a time, a pause after each
    Bomb,            // a small compressed envelope that announces gigabytes
};

// The pause between the bytes of a trickled answer, unless set otherwise.
inline constexpr std::chrono::milliseconds kDefaultTrickleInterval{3000};

// A stand-in for the system-information service: listens on 127.0.0.1 and
// serves, on a thread of its own, one connection after another: one request
// frame, one response frame, close. Its records live in Store(), seeded as
// DoubleSeed.h says; the Set methods merge the key=value lines they receive
// and answer true.
class TSysInfoDouble {
public:
    // Listens at the port, 0 for any free one. Throws ETcpError when the port
    // is taken.
    explicit TSysInfoDouble(std::uint16_t port = 0);
    // Stops.
    ~TSysInfoDouble();
    TSysInfoDouble(const TSysInfoDouble&) = delete;
    TSysInfoDouble& operator=(const TSysInfoDouble&) = delete;

    std::uint16_t Port() const { return FPort; }
    // Ends serving (a connection held or delayed is dropped) and stops
    // listening; later calls do nothing.
    void Stop();

    void SetMisbehaviour(TDoubleMisbehaviour misbehaviour) { FMisbehaviour = misbehaviour; }
    // Each answer waits this long before it is sent; 0 for none.
    void SetDelay(std::chrono::milliseconds delay) { FDelayMs = delay.count(); }
    // The pause after each byte of a trickled answer.
    void SetTrickleInterval(std::chrono::milliseconds interval) { FTrickleMs = interval.count(); }
    // While paused, every connection is closed at once without an answer.
    void SetPaused(bool paused) { FPaused = paused; }

    // Records, administration flag, last user name and call counters.
    dbl::TDoubleStore& Store() { return FStore; }
    // Calls of a method (its message name) that reached the double.
    int Calls(std::string_view method) const { return FStore.Calls(method); }
    int TotalCalls() const { return FStore.TotalCalls(); }

private:
    void Run();
    void ServeConnection(TTcpSocket& socket);
    void SendAnswer(TTcpSocket& socket, const TBytes& answer, TDoubleMisbehaviour misbehaviour);
    void HoldUnanswered(TTcpSocket& socket);
    void Trickle(TTcpSocket& socket, const TBytes& payload);
    // False when stopped before the time was up.
    bool WaitUnlessStopping(std::chrono::milliseconds duration);

    dbl::TDoubleStore FStore;
    std::unique_ptr<TTcpListener> FListener;
    std::uint16_t FPort = 0;
    std::atomic<TDoubleMisbehaviour> FMisbehaviour{TDoubleMisbehaviour::None};
    std::atomic<long long> FDelayMs{0};
    std::atomic<long long> FTrickleMs{kDefaultTrickleInterval.count()};
    std::atomic<bool> FPaused{false};
    std::atomic<bool> FStopping{false};
    std::mutex FWaitLock;
    std::condition_variable FWake;
    std::thread FThread;
};

} // namespace typ
