#pragma once

#include "editor/FindOptions.h"
#include "editor/GridEditor.h"
#include "editor/TypFile.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The Importar TYP and Exportar TYP commands apart from their dialogs: the
// template folder, the dialogs' texts, and what happens to the grid and the
// file once the user has chosen.
namespace typ {

constexpr std::u16string_view kTypFilter = u"Archivos TYPs (*.typ)|*.TYP";
constexpr std::u16string_view kOverwriteQuestion = u"El archivo ya existe, desea sobreescribirlo?";
constexpr std::u16string_view kCannotReadMessage =
    u"No se puede leer el archivo seleccionado. Verifique su existencia o que el mismo no "
    u"contenga errores.";

// The common directory, a path delimiter when it ends in none, then TYPS.
std::filesystem::path TypsFolder(std::u16string_view dirComunes);
// Creates the folder when it is missing (one level); a failure is ignored, and
// the dialogs then open wherever the platform places them.
void EnsureTypsFolder(const std::filesystem::path& folder);

// caption + ".TYP"
std::u16string ProposedTypName(std::u16string_view caption);
// "Exportando " / "Importando " + caption + ".TYP"
std::u16string ExportTitle(std::u16string_view caption);
std::u16string ImportTitle(std::u16string_view caption);

// Shows a notice in a plain message box with an OK button.
using TNotify = std::function<void(std::u16string_view message)>;

// The window's import and export, remembering the encoding of the last import
// so that an export writes the same (Windows-1252 until then).
class TTypTransfer {
public:
    TTypEncoding Encoding() const { return FEncoding; }

    // After the open dialog; `chosen` is empty when it was cancelled. A chosen
    // file that no longer exists is reported through `notify` and the text
    // kept. In every case the page is then sized from the text in the memo.
    // Throws EEditorError, leaving text and page as they were, when the file
    // cannot be read or its page would be larger than the editor holds.
    void actImportarTypExecute(TGridEditor& grid,
                               const std::optional<std::filesystem::path>& chosen,
                               const TNotify& notify);

    // After the save dialog: writes the grid's text unless the dialog was
    // cancelled or the user would not overwrite an existing file. True when
    // written. Throws EEditorError when the file cannot be written, leaving
    // any old file as it was. The memo is never changed.
    bool actExportarTypExecute(const TGridEditor& grid,
                               const std::optional<std::filesystem::path>& chosen,
                               const TConfirm& confirmOverwrite) const;

private:
    TTypPageSize Load(TGridEditor& grid, const std::filesystem::path& file);

    TTypEncoding FEncoding = TTypEncoding::Windows1252;
};

} // namespace typ
