#include "server/HostedEdit.h"

#include "server/HostedText.h"

namespace typ::win {

namespace {

constexpr int kImportExportBarLeft = 228;
constexpr int kImportExportBarWidth = 200;
constexpr std::uint8_t kHostedEdition = 2;

void PrepareWindow(TFrmEditorTypNoTaskBar& form, const THostedRequest& request) {
    form.HideHostedFileCommands();
    form.SetCaption(request.Caption);
    form.SetImportExportBarBounds(kImportExportBarLeft, kImportExportBarWidth);
    form.SetDirComunes(WithTrailingDelimiter(request.DirComunes));
    form.SetTypeEdition(kHostedEdition);
    form.LeaveDrawingMode();
    form.SetMaximized();
    form.SetImportExportBarBounds(form.ImportExportBarLeft() - form.HelpButtonWidth(),
                                  kImportExportBarWidth);
}

// Without a help context the help buttons go; the values stored by an earlier
// run stay.
void ApplyHelp(TFrmEditorTypNoTaskBar& form, const THostedRequest& request) {
    if (request.HelpContext <= 0) {
        form.HideHelpButtons();
        return;
    }
    form.SetHelpContext(request.HelpContext);
    form.SetHelpContextVar(request.HelpContextVar);
    form.SetHelpFile(request.HelpFile);
}

} // namespace

std::optional<std::u16string> EditHosted(TFrmEditorTypNoTaskBar& form,
                                         const THostedRequest& request, std::u16string_view text) {
    PrepareWindow(form, request);
    ApplyHelp(form, request);
    form.LoadText(NormalizeLineBreaks(text));
    form.ShowModalHosted();
    std::u16string edited = form.Grid().Editor().Text();
    if (!HostedTextChanged(text, edited))
        return std::nullopt;
    return edited;
}

} // namespace typ::win
