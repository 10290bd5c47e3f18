#include "editor/TypFileDialogs.h"

#include "editor/TypCommands.h"
#include "platform/WideText.h"

#include <algorithm>
#include <commdlg.h>
#include <string>
#include <vector>

namespace typ::win {

namespace {

// Long paths fit; the proposed name is cut if it would not.
constexpr std::size_t kPathCapacity = 32768;

// "text|pattern" as the dialog wants it: NUL separated, two NULs at the end.
std::wstring DialogFilter(std::u16string_view filter) {
    std::wstring result = Wide(filter);
    std::replace(result.begin(), result.end(), L'|', L'\0');
    result.push_back(L'\0');
    return result;
}

struct TFileDialog {
    TFileDialog(HWND owner, std::u16string_view title, std::u16string_view caption,
                const std::filesystem::path& folder, DWORD flags)
        : Filter(DialogFilter(kTypFilter)), Title(Wide(title)), Folder(folder.wstring()),
          Name(kPathCapacity, L'\0') {
        const std::wstring proposed = Wide(ProposedTypName(caption));
        std::copy_n(proposed.begin(), std::min(proposed.size(), kPathCapacity - 1), Name.begin());
        Options.lStructSize = sizeof(Options);
        Options.hwndOwner = owner;
        Options.lpstrFilter = Filter.c_str();
        Options.nFilterIndex = 1;
        Options.lpstrFile = Name.data();
        Options.nMaxFile = static_cast<DWORD>(Name.size());
        Options.lpstrInitialDir = Folder.c_str();
        Options.lpstrTitle = Title.c_str();
        Options.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR | flags;
    }

    std::optional<std::filesystem::path> Chosen(BOOL shown) const {
        if (!shown)
            return std::nullopt;
        return std::filesystem::path(std::wstring(Name.c_str()));
    }

    std::wstring Filter;
    std::wstring Title;
    std::wstring Folder;
    std::wstring Name;
    OPENFILENAMEW Options{};
};

} // namespace

std::optional<std::filesystem::path> AskImportFile(HWND owner, std::u16string_view caption,
                                                   const std::filesystem::path& folder) {
    TFileDialog dialog(owner, ImportTitle(caption), caption, folder,
                       OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST);
    return dialog.Chosen(GetOpenFileNameW(&dialog.Options));
}

std::optional<std::filesystem::path> AskExportFile(HWND owner, std::u16string_view caption,
                                                   const std::filesystem::path& folder) {
    TFileDialog dialog(owner, ExportTitle(caption), caption, folder, 0);
    return dialog.Chosen(GetSaveFileNameW(&dialog.Options));
}

} // namespace typ::win
