// typhost: edits a TYP file through the editor's automation server, as a host
// application would.
#include "Console.h"
#include "EditorClient.h"
#include "HostError.h"
#include "Options.h"
#include "PictureFile.h"
#include "PrintedPage.h"
#include "TemplateFile.h"
#include "TemplateView.h"
#include "charconv/CodePage850.h"
#include "platform/WideText.h"

#include <windows.h>
#include <exception>
#include <objbase.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace typ::win;

std::wstring FullPath(const std::wstring& path) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
    return full;
}

std::wstring FolderOf(const std::wstring& fullPath) {
    return fullPath.substr(0, fullPath.find_last_of(L'\\'));
}

class TApartment {
public:
    TApartment() { CoInitialize(nullptr); }
    ~TApartment() { CoUninitialize(); }
    TApartment(const TApartment&) = delete;
    TApartment& operator=(const TApartment&) = delete;
};

TShowArgs ShowArgsFor(const THostOptions& options, const std::wstring& fullPath) {
    TShowArgs args;
    args.Dir = options.Dir.empty() ? FolderOf(fullPath) : options.Dir;
    args.Caption = options.Caption.empty() ? DefaultCaption(fullPath) : options.Caption;
    args.HelpContext = options.HelpContext;
    args.HelpContextVar = options.HelpContextVar;
    args.HelpFile = options.HelpFile;
    return args;
}

void Edit(const THostOptions& options) {
    const std::wstring path = FullPath(options.File);
    const std::u16string text = typ::DosBytesToAnsi(ReadTemplateBytes(path));
    std::optional<std::u16string> changed;
    {
        const TApartment apartment;
        changed = EditThroughServer(ShowArgsFor(options, path), text);
    }
    if (!changed) {
        WriteOut(L"Sin cambios: " + path + L"\n");
        return;
    }
    ReplaceTemplateBytes(path, typ::AnsiToDosBytes(*changed));
    WriteOut(L"Plantilla guardada: " + path + L"\n");
}

void SavePrintedPage(const THostOptions& options) {
    const TGrayPicture page = PrintedPage(ReadTemplateBytes(FullPath(options.File)));
    WritePictureFile(options.PrintTo, EncodeGrayPng(page));
    WriteOut(L"Página impresa guardada: " + options.PrintTo + L"\n");
}

void Run(const THostOptions& options) {
    if (options.Help)
        WriteOut(HostUsage());
    else if (options.Print)
        WriteOut(TemplateAsGlyphs(ReadTemplateBytes(FullPath(options.File))));
    else if (!options.PrintTo.empty())
        SavePrintedPage(options);
    else
        Edit(options);
}

// Any other failure (memory exhausted, a fault of the program): the exit code
// after those of TExitCode.
constexpr int kUnexpectedFailure = 7;

} // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        Run(ParseHostOptions(std::vector<std::wstring>(argv + 1, argv + argc)));
        return static_cast<int>(TExitCode::Ok);
    } catch (const EHostError& error) {
        WriteError(L"typhost: " + error.Message() + L"\n");
        if (error.Code() == TExitCode::Usage)
            WriteError(HostUsage());
        return static_cast<int>(error.Code());
    } catch (const std::exception& error) {
        WriteError(L"typhost: error inesperado: " + WideFromUtf8(error.what()) + L"\n");
        return kUnexpectedFailure;
    } catch (...) {
        WriteError(L"typhost: error inesperado.\n");
        return kUnexpectedFailure;
    }
}
