#pragma once

#include "server/Guid.h"
#include "sysinfo/Bytes.h"
#include "sysinfo/MessageHeader.h"
#include "sysinfo/ValueReader.h"
#include "sysinfo/ValueWriter.h"

#include <string>
#include <string_view>

namespace typ {

// The interface and message names at the start of a request or response body.
struct TMessageNames {
    std::string Interface;
    std::string Message;
};

// The message object of one remote call at a time: the client identifier, the
// body being written and the body received. Both sides use it: the client
// writes a request and reads the response, a service reads the request and
// writes a response or an exception.
class TBinaryMessage {
public:
    // Client side: a new random client identifier and a body holding the names.
    void InitializeRequest(std::string_view interfaceName, std::string_view messageName);
    // Service side: a body holding the names; the client identifier is kept.
    void InitializeResponse(std::string_view interfaceName, std::string_view messageName);
    // Service side: an exception body with the class name and the message.
    void InitializeException(std::string_view className, std::string_view message);

    TValueWriter& Writer() { return FWriter; }
    // Header and body as they go into the envelope.
    TBytes Encode() const;

    // Takes in a received binary message: checks the header, takes over its
    // client identifier and inflates the body. Throws ERemoteError.
    void Decode(const TBytes& binaryMessage);
    TMessageType Type() const { return FType; }
    const TGuid& ClientId() const { return FClientId; }
    TValueReader& Reader() { return FReader; }
    // Reads the names of a received request or response.
    TMessageNames ReadNames();
    // The client's reading of a response up to its values: an exception body
    // raises its failure (see RaiseServerException); any other body has its
    // names read and dropped.
    void ReadResponseStart();

    // Releases both bodies.
    void Clear();

private:
    void StartBody(TMessageType type);

    TGuid FClientId;
    TMessageType FType = TMessageType::Message;
    TValueWriter FWriter;
    TValueReader FReader;
};

} // namespace typ
