#include "DoubleFailure.h"
#include "DoubleHandlers.h"
#include "charconv/UnicodeBytes.h"

#include <map>
#include <string>

namespace typ::dbl {
namespace {

void Respond(TBinaryMessage& message, const TMessageNames& names) {
    message.InitializeResponse(names.Interface, names.Message);
}

// The group the request asks for, or the refusal that names what is missing.
std::u16string Require(const TDoubleStore& store, std::optional<std::u16string> group,
                       std::u16string_view hlNumber, std::int32_t dataOption) {
    if (!store.Knows(hlNumber))
        throw EDoubleFailure("No existe la instalación \"" + EncodeUtf8(hlNumber) + "\"");
    if (!group)
        throw EDoubleFailure("Opción de datos no válida: " + std::to_string(dataOption));
    return *group;
}

void GetServers(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names) {
    const std::int32_t typeSystem = message.Reader().ReadInteger();
    Respond(message, names);
    message.Writer().WriteAnsiString(store.Installations(typeSystem));
}

void GetServer(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names) {
    const std::u16string hlNumber = message.Reader().ReadAnsiString();
    const std::int32_t dataOption = message.Reader().ReadInteger();
    const std::u16string record =
        Require(store, store.Server(hlNumber, dataOption), hlNumber, dataOption);
    Respond(message, names);
    message.Writer().WriteAnsiString(record);
}

void GetClient(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names) {
    const std::u16string hlNumber = message.Reader().ReadAnsiString();
    store.NoteUserName(message.Reader().ReadAnsiString());
    const std::int32_t dataOption = message.Reader().ReadInteger();
    const std::u16string record =
        Require(store, store.Client(hlNumber, dataOption), hlNumber, dataOption);
    Respond(message, names);
    message.Writer().WriteAnsiString(record);
}

// SetClient, SetServer, SetClientCurrentUser: HLNumber, UserName, SysInfo.
struct TSetRequest {
    std::u16string HLNumber;
    std::u16string SysInfo;
};

TSetRequest ReadSetRequest(TDoubleStore& store, TValueReader& reader, const TMessageNames& names) {
    TSetRequest request;
    request.HLNumber = reader.ReadAnsiString();
    store.NoteUserName(reader.ReadAnsiString());
    request.SysInfo = reader.ReadAnsiString();
    store.NoteSet({names.Message, request.HLNumber, request.SysInfo});
    return request;
}

void RespondTrue(TBinaryMessage& message, const TMessageNames& names) {
    Respond(message, names);
    message.Writer().WriteBoolean(true);
}

void SetClient(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names) {
    const TSetRequest request = ReadSetRequest(store, message.Reader(), names);
    store.MergeClient(request.HLNumber, kBasicGroup, request.SysInfo);
    RespondTrue(message, names);
}

void SetClientCurrentUser(TDoubleStore& store, TBinaryMessage& message,
                          const TMessageNames& names) {
    const TSetRequest request = ReadSetRequest(store, message.Reader(), names);
    store.MergeClient(request.HLNumber, kCurrentUserGroup, request.SysInfo);
    RespondTrue(message, names);
}

void SetServer(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names) {
    const TSetRequest request = ReadSetRequest(store, message.Reader(), names);
    store.MergeServer(request.HLNumber, request.SysInfo);
    RespondTrue(message, names);
}

// Echoes the request: the output is "ECO:" and the input, the outcome record
// names the process, both texts and "Result=True".
void Execute(TDoubleStore&, TBinaryMessage& message, const TMessageNames& names) {
    const std::u16string process = message.Reader().ReadWideString();
    const std::u16string input = message.Reader().ReadWideString();
    const std::u16string output = u"ECO:" + input;
    Respond(message, names);
    message.Writer().WriteWideString(u"ProcessLogicalName=" + process + u"\r\nInputParams=" +
                                     input + u"\r\nOutPutParams=" + output + u"\r\nResult=True");
    message.Writer().WriteWideString(output);
}

void GetPlatformServer(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names) {
    Respond(message, names);
    message.Writer().WriteAnsiString(store.PlatformServer());
}

void GetPlatformClient(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names) {
    Respond(message, names);
    message.Writer().WriteAnsiString(store.PlatformClient());
}

void SetPlatformServer(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names) {
    const std::u16string changes = message.Reader().ReadAnsiString();
    store.NoteSet({names.Message, {}, changes});
    store.MergePlatformServer(changes);
    RespondTrue(message, names);
}

void SetPlatformClient(TDoubleStore& store, TBinaryMessage& message, const TMessageNames& names) {
    const std::u16string changes = message.Reader().ReadAnsiString();
    store.NoteSet({names.Message, {}, changes});
    store.MergePlatformClient(changes);
    RespondTrue(message, names);
}

} // namespace

THandler SvrSysInfoHandler(std::string_view method) {
    static const std::map<std::string_view, THandler> handlers{
        {"GetServers", GetServers},
        {"GetClients", GetServers}, // one list of installations serves both
        {"GetServer", GetServer},
        {"GetClient", GetClient},
        {"SetClient", SetClient},
        {"SetServer", SetServer},
        {"SetClientCurrentUser", SetClientCurrentUser},
        {"Execute", Execute},
        {"GetPlatformServer", GetPlatformServer},
        {"SetPlatformServer", SetPlatformServer},
        {"GetPlatformClient", GetPlatformClient},
        {"SetPlatformClient", SetPlatformClient},
    };
    const auto found = handlers.find(method);
    return found == handlers.end() ? nullptr : found->second;
}

} // namespace typ::dbl
