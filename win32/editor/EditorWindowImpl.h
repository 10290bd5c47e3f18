#pragma once

#include "dialogs/FindDialogZv.h"
#include "dialogs/PrintDialogZv.h"
#include "editor/CommandBars.h"
#include "editor/EditorWindow.h"
#include "editor/GridView.h"
#include "editor/Menus.h"
#include "editor/Panel.h"
#include "editor/RulerView.h"
#include "editor/SearchCommands.h"
#include "editor/TypCommands.h"
#include "platform/HandleOwners.h"

#include <windows.h>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace typ::win {

// The editor window's parts and state behind TfrmEditorTYP.
struct TfrmEditorTYP::TImpl {
    explicit TImpl(TfrmEditorTYP& owner) : Owner(owner) {}
    ~TImpl();
    TImpl(const TImpl&) = delete;
    TImpl& operator=(const TImpl&) = delete;

    // The platform window, created with all its parts on first use.
    HWND Window();

    // Creation and layout (EditorFrame.cpp).
    void Create();
    void CreateForm();
    void CreateEditorArea();
    void WireGrid();
    void CreateSearch();
    void Layout();
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool Notify(NMHDR& header);

    // Commands (EditorCommands.cpp; search in EditorSearch.cpp, printing in
    // EditorPrinting.cpp).
    using THandler = void (TImpl::*)();
    static THandler HandlerOf(TCommandId command);
    void Execute(UINT id);
    void CommandDone();
    void actCerrarExecute();
    void actAyudaExecute();
    void actDibujarExecute();
    void actDeshacerExecute();
    void actRehacerExecute();
    void actDibujarDobleExecute();
    void actMarcoExecute();
    void CycleDrawingMode();
    void actBorrarExecute();
    void actSeleccionarTodoExecute();
    void actInsertarLineaExecute();
    void actBorrarLineaExecute();
    void actCortarExecute();
    void actCopiarExecute();
    void actPegarExecute();
    void actBuscarExecute();
    void actBuscarSiguienteExecute();
    void actReemplazarExecute();
    void FindDialogZV1Find();
    void ReplaceDialog1Replace();
    void CloseSearchDialogs();
    bool DispatchSearchMessage(UINT message, LPARAM lParam);
    // Messages from RegisterWindowMessage, such as the find dialogs' commands.
    static constexpr UINT kFirstRegisteredMessage = 0xC000;
    void actImportarTypExecute();
    void actExportarTypExecute();
    void actConfigPaginaExecute();
    void actConfigImpresoraExecute();
    void actImprimirExecute();
    void actVistaPreliminarExecute();
    void actCortarPalabrasExecute();
    void actFuenteExecute();
    std::u16string Caption() const;
    void IdleUpdate();
    void ShowDrawingState();
    void SetCommandEnabled(TCommandId command, bool enabled);
    void ApplyEnabling(std::span<const TCommandEnabling> changes);
    void ApplyEditMenuRule();
    bool ShowPopupMenu(HWND source, LPARAM position);
    void LeaveDrawingMode();
    void RefreshStatus();

    // Life cycle (EditorLifeCycle.cpp).
    void ShowModal();
    void ShowEvent();
    void RunModalLoop();
    void Close();
    void Hide();
    static BOOL CALLBACK DisableWindow(HWND window, LPARAM data);
    void DisableOtherWindows();
    void EnableOtherWindows();

    TfrmEditorTYP& Owner;
    TGridEditor Grid;
    std::u16string TypInMemo;
    std::u16string DirComunes;
    HWND Form = nullptr;
    HWND StatusBar = nullptr;
    std::unique_ptr<TPanel> RulerArea;
    std::unique_ptr<TPanel> EditorPanel;
    TOwnedFont UiFont;
    std::unique_ptr<TMenus> Menus;
    std::unique_ptr<TCommandBars> Bars;
    std::unique_ptr<TGridView> View;
    std::unique_ptr<TRulerView> TopRuler;
    std::unique_ptr<TRulerView> LeftRuler;
    std::unique_ptr<TSearchCommands> Search;
    std::unique_ptr<TFindDialogZV> FindDialogZV1;
    std::unique_ptr<TReplaceDialogZV> ReplaceDialog1;
    TPrinterSetupDialogZV PrinterSetupDialog1;
    TTypTransfer Transfer;
    std::vector<HWND> DisabledWindows;
    bool Maximized = false;
    bool Closed = true;
    // Whether the clipboard holds text, asked again only after it changed.
    bool ClipboardHasText = false;
    bool ClipboardChanged = true;
};

} // namespace typ::win
