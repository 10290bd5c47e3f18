#include "sysinfo/BinaryMessage.h"

#include "sysinfo/RandomGuid.h"
#include "sysinfo/ServerException.h"

namespace typ {

void TBinaryMessage::InitializeRequest(std::string_view interfaceName,
                                       std::string_view messageName) {
    FClientId = NewRandomGuid();
    InitializeResponse(interfaceName, messageName);
}

void TBinaryMessage::InitializeResponse(std::string_view interfaceName,
                                        std::string_view messageName) {
    StartBody(TMessageType::Message);
    FWriter.WriteUtf8(interfaceName);
    FWriter.WriteUtf8(messageName);
}

void TBinaryMessage::InitializeException(std::string_view className, std::string_view message) {
    StartBody(TMessageType::Exception);
    FWriter.WriteUtf8(className);
    FWriter.WriteUtf8(message);
}

TBytes TBinaryMessage::Encode() const {
    return BuildBinaryMessage(FType, FClientId, FWriter.Bytes());
}

void TBinaryMessage::Decode(const TBytes& binaryMessage) {
    TBinaryParts parts = ParseBinaryMessage(binaryMessage);
    FType = parts.Type;
    FClientId = parts.ClientId;
    FReader = TValueReader(std::move(parts.Body));
}

TMessageNames TBinaryMessage::ReadNames() {
    TMessageNames names;
    names.Interface = FReader.ReadName();
    names.Message = FReader.ReadName();
    return names;
}

void TBinaryMessage::ReadResponseStart() {
    if (FType != TMessageType::Exception) {
        ReadNames();
        return;
    }
    const std::string className = FReader.ReadName();
    const std::string message = FReader.ReadUtf8(kExceptionMessageLimit);
    RaiseServerException(className, message);
}

void TBinaryMessage::Clear() {
    FWriter.Clear();
    FReader = TValueReader();
}

void TBinaryMessage::StartBody(TMessageType type) {
    Clear();
    FType = type;
}

} // namespace typ
