#include "Options.h"

#include <cerrno>
#include <climits>
#include <cwchar>

namespace typ::win {
namespace {

EHostError UsageError(std::wstring message) {
    return EHostError(TExitCode::Usage, std::move(message));
}

long ParseLong(const std::wstring& option, const std::wstring& text) {
    wchar_t* end = nullptr;
    errno = 0;
    const long value = std::wcstol(text.c_str(), &end, 10);
    if (text.empty() || *end != L'\0' || errno == ERANGE)
        throw UsageError(option + L" espera un número entero: \"" + text + L"\"");
    return value;
}

class TArgReader {
public:
    explicit TArgReader(const std::vector<std::wstring>& args) : FArgs(args) {}

    bool AtEnd() const { return FNext == FArgs.size(); }
    const std::wstring& Next() { return FArgs[FNext++]; }
    const std::wstring& ValueOf(const std::wstring& option) {
        if (AtEnd())
            throw UsageError(L"Falta el valor de " + option);
        return Next();
    }

private:
    const std::vector<std::wstring>& FArgs;
    std::size_t FNext = 0;
};

bool IsOption(const std::wstring& arg) {
    return arg.size() > 1 && arg[0] == L'-';
}

void ReadOption(const std::wstring& option, TArgReader& reader, THostOptions& options) {
    if (option == L"--caption") {
        options.Caption = reader.ValueOf(option);
    } else if (option == L"--dir") {
        options.Dir = reader.ValueOf(option);
    } else if (option == L"--help-context") {
        options.HelpContext = ParseLong(option, reader.ValueOf(option));
    } else if (option == L"--help-context-var") {
        options.HelpContextVar = ParseLong(option, reader.ValueOf(option));
    } else if (option == L"--help-file") {
        options.HelpFile = reader.ValueOf(option);
    } else if (option == L"--print") {
        options.Print = true;
    } else if (option == L"--print-to") {
        options.PrintTo = reader.ValueOf(option);
        if (options.PrintTo.empty())
            throw UsageError(L"--print-to espera el nombre de la imagen");
    } else if (option == L"--help" || option == L"-h") {
        options.Help = true;
    } else {
        throw UsageError(L"Opción desconocida: " + option);
    }
}

} // namespace

THostOptions ParseHostOptions(const std::vector<std::wstring>& args) {
    THostOptions options;
    TArgReader reader(args);
    bool optionsEnded = false;
    while (!reader.AtEnd()) {
        const std::wstring& arg = reader.Next();
        if (!optionsEnded && arg == L"--")
            optionsEnded = true;
        else if (!optionsEnded && IsOption(arg))
            ReadOption(arg, reader, options);
        else if (options.File.empty())
            options.File = arg;
        else
            throw UsageError(L"Sobra un argumento: " + arg);
    }
    if (options.File.empty() && !options.Help)
        throw UsageError(L"Falta el archivo TYP");
    return options;
}

std::wstring DefaultCaption(std::wstring_view file) {
    const auto slash = file.find_last_of(L"\\/:");
    const auto name = slash == std::wstring_view::npos ? file : file.substr(slash + 1);
    return L"Editor TYP - " + std::wstring(name);
}

const wchar_t* HostUsage() {
    return L"Uso: typhost [opciones] ARCHIVO.TYP\n"
           L"Abre la plantilla en el editor TYP y la guarda si cambia al cerrar el editor.\n"
           L"\n"
           L"  --caption TEXTO         título de la ventana (por omisión \"Editor TYP - \"\n"
           L"                          y el nombre del archivo)\n"
           L"  --dir CARPETA           carpeta común (por omisión, la carpeta del archivo)\n"
           L"  --help-context N        contexto de ayuda; 0 o menos oculta la Ayuda (0)\n"
           L"  --help-context-var N    contexto de ayuda de las variables de impresión (0)\n"
           L"  --help-file ARCHIVO     archivo de ayuda (ninguno)\n"
           L"  --print                 muestra la plantilla en la terminal, sin editarla\n"
           L"  --print-to IMAGEN.png   guarda como imagen PNG la página que se imprimiría\n"
           L"                          (A4 a 300 ppp), sin impresora y sin editarla\n"
           L"  --help                  muestra esta ayuda\n"
           L"\n"
           L"Códigos de salida: 0 bien, 1 uso incorrecto, 2 archivo ilegible, 3 editor no\n"
           L"registrado, 4 el editor no se pudo crear, 5 la llamada falló, 6 no se pudo guardar\n"
           L"(la plantilla o la imagen), 7 error inesperado.\n";
}

} // namespace typ::win
