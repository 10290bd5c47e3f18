#include "sysinfo/ContractValues.h"
#include "sysinfo/PeerText.h"
#include "sysinfo/RemoteError.h"
#include "sysinfo/SvcSysAdminProxy.h"
#include "sysinfo/SvrSysInfoProxy.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Any bytes as the service's response payload, through the envelope, the
// message header, inflation and the values of the two methods that use every
// value kind (Execute: WideString; GetServices: Boolean, array, structures,
// AnsiString). A response is either read or refused with ERemoteError whose
// text is valid UTF-8; a list read back survives its own encoding.
namespace {

using namespace typ;

void Check(bool condition) {
    if (!condition)
        std::abort();
}

class TReplayChannel : public TTransportChannel {
public:
    explicit TReplayChannel(TBytes response) : FResponse(std::move(response)) {}
    TBytes Dispatch(const TBytes&) override { return FResponse; }

private:
    TBytes FResponse;
};

template <typename F> void Refused(F&& call) {
    try {
        call();
    } catch (const ERemoteError& error) {
        const std::string text = error.what();
        Check(ValidUtf8(text) == text);
    }
}

void CheckListSurvivesItsEncoding(const TServiceList* list) {
    TValueWriter writer;
    WriteServiceList(writer, list);
    TValueReader reader(writer.Bytes());
    const auto again = ReadServiceList(reader);
    Check(reader.Remaining() == 0 && (again == nullptr) == (list == nullptr));
    TValueWriter rewritten;
    WriteServiceList(rewritten, again.get());
    Check(rewritten.Bytes() == writer.Bytes());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TReplayChannel channel(TBytes(data, data + size));
    TBinaryMessage message;
    Refused([&] {
        std::u16string output;
        CoSvr_SysInfo::Create(message, channel)->Execute(u"Process", u"Input", output);
    });
    Refused([&] {
        std::unique_ptr<TServiceList> list;
        CoSvc_SysAdmin::Create(message, channel)->GetServices(list);
        CheckListSurvivesItsEncoding(list.get());
    });
    return 0;
}
