#include "editor/TypCommands.h"

#include "editor/TemplateFiles.h"

#include <system_error>

namespace typ {

namespace fs = std::filesystem;

namespace {

constexpr std::u16string_view kTypExtension = u".TYP";

bool EndsWithDelimiter(std::u16string_view directory) {
    return directory.ends_with(u'\\') || directory.ends_with(u'/');
}

} // namespace

fs::path TypsFolder(std::u16string_view dirComunes) {
    std::u16string folder(dirComunes);
    if (!EndsWithDelimiter(folder))
        folder += static_cast<char16_t>(fs::path::preferred_separator);
    return fs::path(folder + u"TYPS");
}

void EnsureTypsFolder(const fs::path& folder) {
    std::error_code ignored;
    fs::create_directory(folder, ignored);
}

std::u16string ProposedTypName(std::u16string_view caption) {
    return std::u16string(caption) + std::u16string(kTypExtension);
}

std::u16string ExportTitle(std::u16string_view caption) {
    return u"Exportando " + ProposedTypName(caption);
}

std::u16string ImportTitle(std::u16string_view caption) {
    return u"Importando " + ProposedTypName(caption);
}

// The page is checked before the text is replaced, so a text too large for
// the editor leaves everything as it was.
TTypPageSize TTypTransfer::Load(TGridEditor& grid, const fs::path& file) {
    TTypText loaded = DecodeTyp(ReadFileBytes(file));
    const TTypPageSize size = TypPageSize(loaded.Text);
    TGridEditor::CheckPageSize(size.Width, size.Height);
    grid.Editor().SetText(loaded.Text);
    FEncoding = loaded.Encoding;
    return size;
}

void TTypTransfer::actImportarTypExecute(TGridEditor& grid, const std::optional<fs::path>& chosen,
                                         const TNotify& notify) {
    const TEditUnit unit(grid);
    std::error_code error;
    const bool exists = chosen && fs::exists(*chosen, error);
    if (chosen && !exists)
        notify(kCannotReadMessage);
    const TTypPageSize size = exists ? Load(grid, *chosen) : TypPageSize(grid.Editor().Text());
    grid.SetPageSize(size.Width, size.Height);
}

bool TTypTransfer::actExportarTypExecute(const TGridEditor& grid,
                                         const std::optional<fs::path>& chosen,
                                         const TConfirm& confirmOverwrite) const {
    if (!chosen)
        return false;
    std::error_code error;
    if (fs::exists(*chosen, error) && !confirmOverwrite(kOverwriteQuestion))
        return false;
    WriteFileBytes(*chosen, EncodeTyp(grid.Editor().Text(), FEncoding));
    return true;
}

} // namespace typ
