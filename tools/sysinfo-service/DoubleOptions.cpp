#include "DoubleOptions.h"

#include <charconv>
#include <utility>

namespace typ::dbl {
namespace {

constexpr std::pair<const char*, TDoubleMisbehaviour> kSwitches[] = {
    {"--close-mid-frame", TDoubleMisbehaviour::CloseMidFrame},
    {"--garbage", TDoubleMisbehaviour::Garbage},
    {"--unenciphered", TDoubleMisbehaviour::Unenciphered},
    {"--compressed-short", TDoubleMisbehaviour::CompressedShort},
    {"--exceptions", TDoubleMisbehaviour::ExceptionForAll},
    {"--never-answer", TDoubleMisbehaviour::NeverAnswer},
    {"--trickle", TDoubleMisbehaviour::Trickle},
    {"--bomb", TDoubleMisbehaviour::Bomb},
};

constexpr long long kMaxDelay = 24 * 3600 * 1000;

// "--option milliseconds" when the wait is set.
void AddDelay(std::vector<std::string>& arguments, const char* option,
              std::chrono::milliseconds delay) {
    if (delay.count() > 0) {
        arguments.emplace_back(option);
        arguments.push_back(std::to_string(delay.count()));
    }
}

long long NumberOf(const std::string& option, const std::string& text, long long low,
                   long long high) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw EDoubleUsage(option + " espera un número entre " + std::to_string(low) + " y " +
                           std::to_string(high) + ": \"" + text + "\"");
    return value;
}

const std::string& ValueOf(const std::vector<std::string>& arguments, std::size_t& index) {
    if (index + 1 >= arguments.size())
        throw EDoubleUsage(arguments[index] + " espera un valor");
    return arguments[++index];
}

bool ReadSwitch(const std::string& argument, TDoubleOptions& options) {
    for (const auto& [name, misbehaviour] : kSwitches) {
        if (argument == name) {
            options.Misbehaviour = misbehaviour;
            return true;
        }
    }
    return false;
}

} // namespace

TDoubleOptions ParseDoubleOptions(const std::vector<std::string>& arguments) {
    TDoubleOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--port")
            options.Port =
                static_cast<std::uint16_t>(NumberOf(argument, ValueOf(arguments, i), 0, 65535));
        else if (argument == "--delay")
            options.Delay =
                std::chrono::milliseconds(NumberOf(argument, ValueOf(arguments, i), 0, kMaxDelay));
        else if (argument == "--start-delay")
            options.StartDelay =
                std::chrono::milliseconds(NumberOf(argument, ValueOf(arguments, i), 0, kMaxDelay));
        else if (argument == "--journal")
            options.Journal = ValueOf(arguments, i);
        else if (argument == "--install")
            options.Install = true;
        else if (argument == "--uninstall")
            options.Uninstall = true;
        else if (argument == "--service")
            options.Service = true;
        else if (argument == "--help" || argument == "-h")
            options.Help = true;
        else if (!ReadSwitch(argument, options))
            throw EDoubleUsage("Opción desconocida: " + argument);
    }
    if (options.Install && options.Uninstall)
        throw EDoubleUsage("--install y --uninstall no van juntas");
    return options;
}

std::vector<std::string> ServingArguments(const TDoubleOptions& options) {
    std::vector<std::string> arguments{"--port", std::to_string(options.Port)};
    AddDelay(arguments, "--delay", options.Delay);
    AddDelay(arguments, "--start-delay", options.StartDelay);
    if (!options.Journal.empty())
        arguments.insert(arguments.end(), {"--journal", options.Journal});
    for (const auto& [name, misbehaviour] : kSwitches)
        if (options.Misbehaviour == misbehaviour)
            arguments.emplace_back(name);
    return arguments;
}

const char* DoubleUsage() {
    return "Uso: sysinfo-service [opciones]\n"
           "Doble de pruebas del servicio de información del sistema: atiende en 127.0.0.1\n"
           "hasta que se le detiene (Ctrl+C).\n"
           "\n"
           "  --port N            puerto (9097; 0: uno libre)\n"
           "  --delay MS          espera MS milisegundos antes de cada respuesta (0)\n"
           "  --start-delay MS    (servicio) sigue pendiente de inicio MS milisegundos (0)\n"
           "  --journal FICHERO   añade al fichero una línea por llamada y por cambio recibido\n"
           "  --close-mid-frame   cierra la conexión a mitad de la respuesta\n"
           "  --garbage           responde bytes que no son un mensaje\n"
           "  --unenciphered      responde el mensaje sin cifrar\n"
           "  --compressed-short  comprime también las respuestas cortas\n"
           "  --exceptions        responde una excepción a cada llamada\n"
           "  --never-answer      acepta la llamada y no responde nunca\n"
           "  --trickle           envía la respuesta byte a byte, uno cada 3 segundos\n"
           "  --bomb              responde un sobre comprimido pequeño que anuncia 3 GiB\n"
           "  --install           (Windows) instala el servicio VnSysInfoService con estas\n"
           "                      opciones, de inicio manual\n"
           "  --uninstall         (Windows) detiene y elimina el servicio VnSysInfoService\n"
           "  --help              muestra esta ayuda\n"
           "\n"
           "Códigos de salida: 0 bien, 1 uso incorrecto, 2 fallo al atender o al\n"
           "(des)instalar.\n";
}

} // namespace typ::dbl
