#include "VnCommands.h"

#include "charconv/UnicodeBytes.h"
#include "environment/Conversion.h"
#include "environment/StrUtils.h"
#include "platform/ServiceState.h"
#include "sysinfo/SvcSysAdminProxy.h"
#include "sysinfo/SysInfoChannelFactory.h"
#include "sysinfo/TcpTransportChannel.h"
#include "sysinfo/VnSysInfoGateWay.h"
#include "sysinfo/VnSysInfoStub.h"

#include <functional>
#include <map>
#include <span>

namespace typ::vn {
namespace {

using TWords = std::vector<std::string>;

// A service at another address than the local service's has no entry in this
// machine's service manager: it is taken as running.
class TAssumedRunning final : public TServiceStateSource {
public:
    bool GetServiceState(const std::u16string&, const std::u16string&,
                         std::uint8_t& State) const override {
        State = kServiceRunning;
        return true;
    }
};

// Points the stub at the options' address for the life of a command.
class TServiceAddress {
public:
    explicit TServiceAddress(const TVnOptions& options) {
        SetSysInfoChannelFactory([host = options.Host, port = options.Port] {
            return std::make_unique<TTcpTransportChannel>(host, port, kSysInfoTimeout);
        });
#ifdef _WIN32
        const bool checked = options.AtDefaultAddress();
#else
        const bool checked = false; // no service manager here
#endif
        if (!checked)
            SetServiceStateSource(&FRunning);
    }
    ~TServiceAddress() {
        SetServiceStateSource(nullptr);
        SetSysInfoChannelFactory({});
    }
    TServiceAddress(const TServiceAddress&) = delete;
    TServiceAddress& operator=(const TServiceAddress&) = delete;

private:
    TAssumedRunning FRunning;
};

std::u16string Text(const std::string& utf8) {
    return DecodeUtf8(utf8);
}

void PrintLines(std::ostream& out, const std::vector<std::u16string>& lines) {
    for (const std::u16string& line : lines)
        out << EncodeUtf8(line) << '\n';
}

void Expect(const TWords& words, std::size_t count) {
    if (words.size() != count)
        throw EVnUsage("Número de argumentos incorrecto para " + words[0]);
}

// "client" or "server" at the position.
bool IsClientSide(const TWords& words, std::size_t at) {
    if (words[at] == "client")
        return true;
    if (words[at] == "server")
        return false;
    throw EVnUsage("Se esperaba client o server: " + words[at]);
}

TTypeSystem TypeSystemOf(const TWords& words) {
    if (words.size() == 1)
        return TTypeSystem::tsBoth;
    Expect(words, 2);
    static const std::map<std::string, TTypeSystem> kinds{{"orvik", TTypeSystem::tsOrvik},
                                                          {"zorval", TTypeSystem::tsZorval},
                                                          {"both", TTypeSystem::tsBoth}};
    const auto found = kinds.find(words[1]);
    if (found == kinds.end())
        throw EVnUsage("Tipo de sistema desconocido: " + words[1]);
    return found->second;
}

// A property of a record or one of its views, read as text.
struct TPropertySource {
    std::span<const TSysProperty* const> Table;
    std::function<std::u16string(const TSysProperty&)> Read;
};

std::u16string ReadProperty(const std::vector<TPropertySource>& sources, const std::string& name) {
    for (const TPropertySource& source : sources)
        if (const TSysProperty* property = FindProperty(source.Table, Text(name)))
            return source.Read(*property);
    throw EVnUsage("Propiedad desconocida: " + name);
}

std::u16string ClientProperty(TSysClientW& client, const std::string& name) {
    return ReadProperty(
        {{SysClientKeys::All, [&](const TSysProperty& p) { return client.PropertyText(p); }},
         {ConnectionInfoKeys::All,
          [&](const TSysProperty& p) { return PropertyText(client.ConnectionInfo(), p); }},
         {CUConfigKeys::All,
          [&](const TSysProperty& p) { return PropertyText(client.CUConfig(), p); }},
         {SysServiceLocationKeys::All,
          [&](const TSysProperty& p) { return PropertyText(client.SysServiceLocation(), p); }}},
        name);
}

std::u16string ServerProperty(TSysServerW& server, const std::string& name) {
    return ReadProperty(
        {{SysServerKeys::All, [&](const TSysProperty& p) { return server.PropertyText(p); }},
         {SysServiceLocationKeys::All,
          [&](const TSysProperty& p) { return PropertyText(server.SysServiceLocation(), p); }}},
        name);
}

void Get(const TWords& words, std::ostream& out) {
    Expect(words, 4);
    const std::u16string number = Text(words[2]);
    std::u16string value;
    if (IsClientSide(words, 1))
        value = ClientProperty(*TVnSysInfoGateWay::GetClientNewInstance(number), words[3]);
    else
        value = ServerProperty(*TVnSysInfoGateWay::GetServerNewInstance(number), words[3]);
    out << EncodeUtf8(value) << '\n';
}

// Where a change of the client record goes: the record or one of its views.
struct TChangeTarget {
    std::span<const TSysProperty* const> Table;
    std::function<TSysInfo&()> Record;
    bool CurrentUser = false;
};

void Set(const TWords& words) {
    if (words.size() < 4)
        throw EVnUsage("Faltan las propiedades que cambiar");
    if (!IsClientSide(words, 1))
        throw EVnUsage("Solo se pueden cambiar registros de cliente");
    std::unique_ptr<TSysClientW> client = TVnSysInfoGateWay::GetClientNewInstance(Text(words[2]));
    const std::vector<TChangeTarget> targets{
        {SysClientKeys::All, [&]() -> TSysInfo& { return *client; }},
        {ConnectionInfoKeys::All, [&]() -> TSysInfo& { return client->ConnectionInfo(); }},
        {CUConfigKeys::All, [&]() -> TSysInfo& { return client->CUConfig(); }, true}};
    bool currentUser = false;
    for (std::size_t i = 3; i < words.size(); ++i) {
        const std::size_t separator = words[i].find('=');
        if (separator == std::string::npos)
            throw EVnUsage("Se esperaba PROPIEDAD=VALOR: " + words[i]);
        const std::string name = words[i].substr(0, separator);
        const TChangeTarget* target = nullptr;
        const TSysProperty* property = nullptr;
        for (const TChangeTarget& candidate : targets)
            if ((property = FindProperty(candidate.Table, Text(name))) != nullptr) {
                target = &candidate;
                break;
            }
        if (property == nullptr)
            throw EVnUsage("Propiedad desconocida: " + name);
        if (!property->Writable())
            throw EVnUsage("La propiedad " + name + " no se puede cambiar");
        try {
            SetPropertyText(target->Record(), *property, Text(words[i].substr(separator + 1)));
        } catch (const EConvertError& error) {
            throw EVnFailure(vxConversion, "Valor no válido para " + name + ": " + error.what());
        }
        currentUser = currentUser || target->CurrentUser;
    }
    bool accepted = TVnSysInfoGateWay::SetClient(*client);
    if (currentUser)
        accepted = TVnSysInfoGateWay::SetClientCurrentUser(*client) && accepted;
    if (!accepted)
        throw EVnFailure(vxNotAccepted, "El servicio no aceptó los cambios");
}

void Services(std::ostream& out) {
    const TSysInfoConnection connection = TVnSysInfoStub::OpenChannel();
    const auto proxy = CoSvc_SysAdmin::Create(*connection.Message, *connection.Channel);
    std::unique_ptr<TServiceList> list;
    if (!proxy->GetServices(list) || !list)
        throw EVnFailure(vxService, "El servicio no dio la lista de servicios");
    for (int i = 0; i < list->Count(); ++i) {
        const TService* service = list->Items(i);
        if (service != nullptr)
            out << EncodeUtf8(service->Name) << '=' << (service->Start ? "True" : "False") << '\n';
    }
}

void Run(const TWords& words, std::ostream& out) {
    const std::string& command = words[0];
    if (command == "client" || command == "server") {
        Expect(words, 2);
        const std::u16string number = Text(words[1]);
        PrintLines(out, SplitLines(command == "client"
                                       ? TVnSysInfoGateWay::GetClientNewInstance(number)->Text()
                                       : TVnSysInfoGateWay::GetServerNewInstance(number)->Text()));
    } else if (command == "clients") {
        PrintLines(out, TVnSysInfoGateWay::GetClientsNewInstance(TypeSystemOf(words))->Clients());
    } else if (command == "servers") {
        PrintLines(out, TVnSysInfoGateWay::GetServersNewInstance(TypeSystemOf(words))->Servers());
    } else if (command == "platform") {
        Expect(words, 2);
        PrintLines(out,
                   SplitLines(IsClientSide(words, 1)
                                  ? TVnSysInfoGateWay::GetPlatformClientNewInstance()->Text()
                                  : TVnSysInfoGateWay::GetPlatformServerNewInstance()->Text()));
    } else if (command == "get") {
        Get(words, out);
    } else if (command == "set") {
        Set(words);
    } else if (command == "execute") {
        Expect(words, 3);
        std::u16string output;
        TVnSysInfoGateWay::Execute(Text(words[1]), Text(words[2]), output);
        PrintLines(out, SplitLines(output));
    } else if (command == "services") {
        Expect(words, 1);
        Services(out);
    } else {
        throw EVnUsage("Orden desconocida: " + command);
    }
}

// One line, whatever line breaks the message holds.
std::string OneLine(std::string message) {
    for (char& c : message)
        if (c == '\r' || c == '\n')
            c = ' ';
    return message;
}

} // namespace

void RunVnCommand(const TVnOptions& options, std::ostream& out) {
    if (options.Words.empty())
        throw EVnUsage("Falta la orden");
    const TServiceAddress address(options);
    Run(options.Words, out);
}

int VnSysInfoMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    try {
        const TVnOptions options = ParseVnOptions(arguments);
        if (options.Help) {
            out << VnUsage();
            return vxDone;
        }
        RunVnCommand(options, out);
        return vxDone;
    } catch (const EVnUsage& error) {
        err << "vnsysinfo: " << OneLine(error.what()) << " (vnsysinfo --help)\n";
        return vxUsage;
    } catch (const EVnFailure& error) {
        err << "vnsysinfo: " << OneLine(error.what()) << '\n';
        return error.Code;
    } catch (const EConvertError& error) {
        err << "vnsysinfo: el valor guardado no es del tipo de la propiedad: "
            << OneLine(error.what()) << '\n';
        return vxConversion;
    } catch (const std::exception& error) {
        // The gateway's errors and the service's refusals.
        err << "vnsysinfo: error del servicio: " << OneLine(error.what()) << '\n';
        return vxService;
    } catch (...) {
        err << "vnsysinfo: error inesperado\n";
        return vxUnexpected;
    }
}

} // namespace typ::vn
