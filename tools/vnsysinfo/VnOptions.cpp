#include "VnOptions.h"

#include <charconv>

namespace typ::vn {
namespace {

std::uint16_t PortOf(const std::string& text) {
    unsigned value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value == 0 ||
        value > 65535)
        throw EVnUsage("Puerto no válido: " + text);
    return static_cast<std::uint16_t>(value);
}

} // namespace

TVnOptions ParseVnOptions(const std::vector<std::string>& arguments) {
    TVnOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool takesValue = argument == "--host" || argument == "--port";
        if (takesValue && i + 1 == arguments.size())
            throw EVnUsage("Falta el valor de " + argument);
        if (argument == "--host")
            options.Host = arguments[++i];
        else if (argument == "--port")
            options.Port = PortOf(arguments[++i]);
        else if (argument == "--help")
            options.Help = true;
        else if (argument.starts_with("--"))
            throw EVnUsage("Opción desconocida: " + argument);
        else
            options.Words.push_back(argument);
    }
    return options;
}

const char* VnUsage() {
    return "Uso: vnsysinfo [--host HOST] [--port PUERTO] ORDEN\n"
           "Lee y cambia lo que guarda el Servicio de Información del Sistema.\n"
           "\n"
           "  client HL                      el registro del cliente de la instalación HL\n"
           "  server HL                      el registro del servidor de la instalación HL\n"
           "  clients [orvik|zorval|both]    las instalaciones cliente (both si no se dice)\n"
           "  servers [orvik|zorval|both]    las instalaciones servidor\n"
           "  platform client|server         el registro de la plataforma\n"
           "  get client|server HL PROPIEDAD una propiedad, leída con su tipo\n"
           "  set client HL PROPIEDAD=VALOR... cambia propiedades y las envía al servicio\n"
           "  execute NOMBRE ENTRADA         ejecuta un proceso del servicio\n"
           "  services                       la lista de servicios de administración\n"
           "\n"
           "  --host HOST   dirección del servicio (127.0.0.1)\n"
           "  --port PUERTO puerto del servicio (9097)\n"
           "  --help        esta ayuda\n"
           "\n"
           "Códigos de salida: 0 hecho; 1 orden mal escrita o propiedad desconocida;\n"
           "2 el servicio no responde o rechaza la petición; 3 un valor que no se\n"
           "convierte a su tipo; 4 el servicio no aceptó los cambios; 5 error inesperado.\n";
}

} // namespace typ::vn
