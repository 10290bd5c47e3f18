#include "SysInfoDouble.h"

#include "DoubleResponder.h"
#include "WireFaults.h"
#include "sysinfo/ChannelEnvelope.h"
#include "sysinfo/ServerFrame.h"

#include <array>

namespace typ {
namespace {

// How often the serving thread looks whether it must stop.
constexpr TTcpTimeout kPoll{50};
// How long a client may take to send its request or take the answer.
constexpr TTcpTimeout kPeerTimeout{5000};

} // namespace

TSysInfoDouble::TSysInfoDouble(std::uint16_t port)
    : FListener(TcpNetwork().ListenLoopback(port)), FPort(FListener->LocalPort()),
      FThread([this] { Run(); }) {}

TSysInfoDouble::~TSysInfoDouble() {
    Stop();
}

void TSysInfoDouble::Stop() {
    {
        const std::lock_guard lock(FWaitLock);
        FStopping = true;
    }
    FWake.notify_all();
    if (FThread.joinable())
        FThread.join();
    FListener.reset();
}

void TSysInfoDouble::Run() {
    while (!FStopping) {
        std::unique_ptr<TTcpSocket> socket;
        try {
            socket = FListener->Accept(kPoll);
        } catch (const ETcpTimeout&) {
            continue;
        } catch (const ETcpError&) {
            WaitUnlessStopping(kPoll);
            continue;
        }
        try {
            ServeConnection(*socket);
        } catch (const std::exception&) {
            // A connection that fails ends alone; the next one is served.
        }
    }
}

void TSysInfoDouble::ServeConnection(TTcpSocket& socket) {
    if (FPaused)
        return;
    const std::optional<TBytes> request = ReceiveFrame(socket, kPeerTimeout);
    if (!request)
        return;
    const TDoubleMisbehaviour misbehaviour = FMisbehaviour;
    const TBytes answer =
        dbl::AnswerRequest(FStore, *request, misbehaviour == TDoubleMisbehaviour::ExceptionForAll);
    if (!WaitUnlessStopping(std::chrono::milliseconds(FDelayMs.load())))
        return;
    SendAnswer(socket, answer, FMisbehaviour);
}

void TSysInfoDouble::SendAnswer(TTcpSocket& socket, const TBytes& answer,
                                TDoubleMisbehaviour misbehaviour) {
    switch (misbehaviour) {
    case TDoubleMisbehaviour::NeverAnswer:
        HoldUnanswered(socket);
        return;
    case TDoubleMisbehaviour::CloseMidFrame:
        socket.SendAll(dbl::HalfFrame(WrapEnvelope(answer)), kPeerTimeout);
        return;
    case TDoubleMisbehaviour::Garbage:
        SendFrame(socket, dbl::GarbagePayload(), kPeerTimeout);
        return;
    case TDoubleMisbehaviour::Unenciphered:
        SendFrame(socket, answer, kPeerTimeout);
        return;
    case TDoubleMisbehaviour::Trickle:
        Trickle(socket, WrapEnvelope(answer));
        return;
    case TDoubleMisbehaviour::Bomb:
        SendFrame(socket, dbl::BombPayload(), kPeerTimeout);
        return;
    case TDoubleMisbehaviour::CompressedShort:
        SendFrame(socket, WrapEnvelope(dbl::CompressedBodyMessage(answer)), kPeerTimeout);
        return;
    case TDoubleMisbehaviour::None:
    case TDoubleMisbehaviour::ExceptionForAll:
        SendFrame(socket, WrapEnvelope(answer), kPeerTimeout);
        return;
    }
}

// Until the client gives up and closes, or the double stops.
void TSysInfoDouble::HoldUnanswered(TTcpSocket& socket) {
    std::array<std::uint8_t, 256> sink{};
    while (!FStopping) {
        try {
            if (socket.ReceiveSome(sink, kPoll) == 0)
                return;
        } catch (const ETcpTimeout&) {
            continue;
        }
    }
}

// Until the whole frame is out, the client leaves (the send fails) or the
// double stops.
void TSysInfoDouble::Trickle(TTcpSocket& socket, const TBytes& payload) {
    for (const std::uint8_t byte : Framed(payload)) {
        socket.SendAll(std::span<const std::uint8_t>(&byte, 1), kPeerTimeout);
        if (!WaitUnlessStopping(std::chrono::milliseconds(FTrickleMs.load())))
            return;
    }
}

bool TSysInfoDouble::WaitUnlessStopping(std::chrono::milliseconds duration) {
    std::unique_lock lock(FWaitLock);
    return !FWake.wait_for(lock, duration, [this] { return FStopping.load(); });
}

} // namespace typ
