#include "editor/CommandIds.h"
#include "editor/EditorFont.h"
#include "editor/EditorWindowImpl.h"
#include "editor/Panel.h"
#include "editor/StatusPanels.h"
#include "editor/WindowClass.h"
#include "platform/WindowProc.h"

#include <algorithm>
#include <commctrl.h>

namespace typ::win {

namespace {

constexpr wchar_t kClassName[] = L"TfrmEditorTYP";
constexpr wchar_t kDefaultCaption[] = L"Editor de plantillas TYP";
constexpr SIZE kDesignClientSize{1044, 371};
constexpr int kTopStrip = 31;
constexpr int kLeftStrip = 30;
// WS_BORDER takes one pixel on each side.
constexpr int kFrameBorders = 2;

void RegisterFormClass(WNDPROC proc) {
    WNDCLASSEXW windowClass = WindowClass(kClassName, proc, IDC_ARROW);
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterOnce(windowClass);
}

// The design size of the client area, centred on the screen.
RECT CentredFormRect() {
    RECT frame{0, 0, kDesignClientSize.cx, kDesignClientSize.cy};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, TRUE, 0);
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    const LONG left = std::max((GetSystemMetrics(SM_CXSCREEN) - width) / 2, 0L);
    const LONG top = std::max((GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0L);
    return {left, top, left + width, top + height};
}

int WindowHeight(HWND window) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    return static_cast<int>(bounds.bottom - bounds.top);
}

} // namespace

TfrmEditorTYP::TImpl::~TImpl() {
    CloseSearchDialogs();
    EnableOtherWindows();
    if (Form != nullptr) {
        RemoveClipboardFormatListener(Form);
        SetMenu(Form, nullptr);
        DestroyWindow(Form);
    }
}

HWND TfrmEditorTYP::TImpl::Window() {
    if (Form == nullptr)
        Create();
    return Form;
}

// The page is the grid editor's (250 x 80 when new); creation measures the
// font for it without normalising a text loaded before.
void TfrmEditorTYP::TImpl::Create() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    UiFont.Reset(CreateUiFont());
    Menus = std::make_unique<TMenus>();
    CreateForm();
    AddClipboardFormatListener(Form);
    Bars = std::make_unique<TCommandBars>(Form, UiFont.Get());
    StatusBar = CreateStatusPanels(Form, UiFont.Get());
    CreateEditorArea();
    WireGrid();
    CreateSearch();
    View->PageSizeChanged();
    RefreshStatus();
    Layout();
}

void TfrmEditorTYP::TImpl::CreateForm() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterFormClass(WindowProc<TImpl, &TImpl::Form>);
    const RECT bounds = CentredFormRect();
    CreateWindowExW(0, kClassName, kDefaultCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                    nullptr, Menus->Bar(), instance, this);
}

void TfrmEditorTYP::TImpl::CreateEditorArea() {
    RulerArea = std::make_unique<TPanel>(Form, COLOR_BTNFACE, WS_VISIBLE);
    EditorPanel =
        std::make_unique<TPanel>(RulerArea->Handle(), COLOR_BTNFACE, WS_VISIBLE | WS_BORDER);
    View = std::make_unique<TGridView>(EditorPanel->Handle(), Grid);
    TopRuler =
        std::make_unique<TRulerView>(RulerArea->Handle(), TRulerKind::Horizontal, *View, Grid);
    LeftRuler =
        std::make_unique<TRulerView>(RulerArea->Handle(), TRulerKind::Vertical, *View, Grid);
}

void TfrmEditorTYP::TImpl::WireGrid() {
    const auto refreshRulers = [this] {
        TopRuler->Refresh();
        LeftRuler->Refresh();
    };
    Grid.OnPageSizeChanged = [this, refreshRulers] {
        View->PageSizeChanged();
        refreshRulers();
    };
    Grid.Editor().OnChange = [this] { View->TextChanged(); };
    Grid.OnCloseRequest = [this] { SendMessageW(Form, WM_CLOSE, 0, 0); };
    View->OnStatus = [this] { RefreshStatus(); };
    View->OnScroll = refreshRulers;
}

// Control bar on top, status bar at the bottom, between them the rulers'
// strips and the editor panel with the grid filling it.
void TfrmEditorTYP::TImpl::Layout() {
    if (StatusBar == nullptr || View == nullptr)
        return;
    RECT client;
    GetClientRect(Form, &client);
    const int width = static_cast<int>(client.right);
    const int barHeight = Bars->Layout(width);
    SendMessageW(StatusBar, WM_SIZE, 0, 0);
    const int areaHeight =
        std::max(static_cast<int>(client.bottom) - barHeight - WindowHeight(StatusBar), 0);
    MoveWindow(RulerArea->Handle(), 0, barHeight, width, areaHeight, TRUE);
    MoveWindow(EditorPanel->Handle(), kLeftStrip, kTopStrip, std::max(width - kLeftStrip, 0),
               std::max(areaHeight - kTopStrip, 0), TRUE);
    RECT editor;
    GetClientRect(EditorPanel->Handle(), &editor);
    MoveWindow(View->Handle(), 0, 0, editor.right, editor.bottom, TRUE);
    MoveWindow(TopRuler->Handle(), kLeftStrip, 0,
               std::max(editor.right - GetSystemMetrics(SM_CXVSCROLL), 0L) + kFrameBorders,
               kTopStrip, TRUE);
    MoveWindow(LeftRuler->Handle(), 0, kTopStrip, kLeftStrip,
               std::max(editor.bottom - GetSystemMetrics(SM_CYHSCROLL), 0L) + kFrameBorders, TRUE);
}

LRESULT TfrmEditorTYP::TImpl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= kFirstRegisteredMessage && DispatchSearchMessage(message, lParam))
        return 0;
    switch (message) {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_CLIPBOARDUPDATE:
        ClipboardChanged = true;
        return 0;
    case WM_SETFOCUS:
        if (View != nullptr)
            SetFocus(View->Handle());
        return 0;
    case WM_COMMAND:
        // Clicks, menu items and accelerators; other control notifications are not commands.
        if (Bars != nullptr && lParam != 0 && reinterpret_cast<HWND>(lParam) == Bars->ToolBar() &&
            LOWORD(wParam) == CommandMessageId(TCommandId::actDibujar))
            CycleDrawingMode();
        else if (lParam == 0 || HIWORD(wParam) == BN_CLICKED)
            Execute(LOWORD(wParam));
        return 0;
    case WM_NOTIFY:
        if (Notify(*reinterpret_cast<NMHDR*>(lParam)))
            return 0;
        break;
    case WM_DRAWITEM:
        if (Bars != nullptr && Bars->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_INITMENUPOPUP:
        if (reinterpret_cast<HMENU>(wParam) == Menus->Edit() ||
            reinterpret_cast<HMENU>(wParam) == Menus->Popup())
            ApplyEditMenuRule();
        return 0;
    case WM_CONTEXTMENU:
        if (ShowPopupMenu(reinterpret_cast<HWND>(wParam), lParam))
            return 0;
        break;
    default:
        break;
    }
    return DefWindowProcW(Form, message, wParam, lParam);
}

// Tool tips of the command buttons show the commands' hints.
bool TfrmEditorTYP::TImpl::Notify(NMHDR& header) {
    if (header.code != TTN_GETDISPINFOW)
        return false;
    auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
    const std::wstring* hint = Bars->Hint(static_cast<UINT>(header.idFrom));
    if (hint == nullptr)
        return false;
    info.lpszText = const_cast<wchar_t*>(hint->c_str());
    return true;
}

} // namespace typ::win
