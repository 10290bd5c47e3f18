// A stand-in for the HTML help viewer, placed beside a copy of the server so
// that the module search finds it first: every call is appended to
// "HtmlHelpW.log" beside it as "<window class>|<file>|<command>|<data>".
#include <windows.h>
#include <cstdio>
#include <string>

namespace {

HMODULE GThisModule = nullptr;

std::wstring LogPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(GThisModule, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + L"HtmlHelpW.log";
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        GThisModule = instance;
    return TRUE;
}

extern "C" __declspec(dllexport) HWND WINAPI
    HtmlHelpW(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data) {
    wchar_t className[64] = {};
    GetClassNameW(GetAncestor(caller, GA_ROOT), className, 64);
    if (FILE* log = _wfopen(LogPath().c_str(), L"a, ccs=UTF-8")) {
        fwprintf(log, L"%ls|%ls|%u|%llu\n", className, file ? file : L"", command,
                 static_cast<unsigned long long>(data));
        fclose(log);
    }
    return nullptr;
}
