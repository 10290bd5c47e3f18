#include "editor/PrintPreview.h"

#include "editor/EditorFont.h"
#include "editor/Panel.h"
#include "editor/PreviewSheetView.h"
#include "editor/PreviewStatus.h"
#include "editor/PreviewTarget.h"
#include "editor/WindowClass.h"
#include "platform/HandleOwners.h"
#include "platform/WideText.h"
#include "platform/WindowProc.h"

#include <array>
#include <commctrl.h>
#include <memory>

namespace typ::win {

namespace {

constexpr int kButtonHeight = 24;
constexpr int kStripHeight = kButtonHeight + 6;
constexpr int kButtonGap = 4;
constexpr UINT kImprimirId = 100;
constexpr UINT kFirstZoomId = 110;

struct TButtonSpec {
    const wchar_t* Caption;
    UINT Id;
    int Width;
};

// Cerrar answers IDCANCEL, as Escape does in a dialog box.
constexpr std::array<TButtonSpec, 7> kButtons = {{
    {L"&Imprimir", kImprimirId, 80},
    {L"&Cerrar", IDCANCEL, 80},
    {L"Ajustar a la página", kFirstZoomId, 130},
    {L"Ajustar al ancho", kFirstZoomId + 1, 110},
    {L"50 %", kFirstZoomId + 2, 60},
    {L"100 %", kFirstZoomId + 3, 60},
    {L"200 %", kFirstZoomId + 4, 60},
}};

constexpr std::array<TZoom, 5> kZoomButtons = {{
    {TZoomMode::FitPage},
    {TZoomMode::FitWidth},
    {TZoomMode::Percent, 50},
    {TZoomMode::Percent, 100},
    {TZoomMode::Percent, 200},
}};

// Status panels: sheet size, printer, zoom, what the sheet cuts.
constexpr std::array<int, 4> kStatusRightEdges = {120, 420, 500, -1};

class TPrintPreview {
public:
    TPrintPreview(HWND owner, std::u16string_view editorCaption, const TMemo& memo);
    ~TPrintPreview();
    TPrintPreview(const TPrintPreview&) = delete;
    TPrintPreview& operator=(const TPrintPreview&) = delete;

    TPreviewChoice Run();
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND FHandle = nullptr;

private:
    void CreateParts();
    void Layout();
    void Command(UINT id);
    void Finish(TPreviewChoice choice);
    void ShowStatus();
    void ShowZoom();
    void SetStatusText(WPARAM part, const std::wstring& text);
    bool Ours(HWND window) const;
    bool PreTranslate(MSG& message);

    HWND FOwner;
    TPreviewTarget FTarget;
    TOwnedFont FFont;
    std::unique_ptr<TPanel> FStrip;
    std::unique_ptr<TPreviewSheetView> FView;
    HWND FStatus = nullptr;
    bool FDone = false;
    TPreviewChoice FChoice = TPreviewChoice::Close;
};

TPrintPreview::TPrintPreview(HWND owner, std::u16string_view editorCaption, const TMemo& memo)
    : FOwner(owner), FTarget(PreviewTargetFor(memo)), FFont(CreateUiFont()) {
    WNDCLASSEXW windowClass = WindowClass(
        kPreviewWindowClass, WindowProc<TPrintPreview, &TPrintPreview::FHandle>, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    RegisterOnce(windowClass);
    const std::wstring caption = Wide(PreviewCaption(editorCaption));
    CreateWindowExW(0, kPreviewWindowClass, caption.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                    GetModuleHandleW(nullptr), this);
    if (FHandle != nullptr)
        CreateParts();
}

TPrintPreview::~TPrintPreview() {
    FView.reset();
    FStrip.reset();
    if (FHandle != nullptr)
        DestroyWindow(FHandle);
}

void TPrintPreview::CreateParts() {
    FStrip = std::make_unique<TPanel>(FHandle, COLOR_BTNFACE, WS_VISIBLE);
    int left = kButtonGap;
    for (const TButtonSpec& button : kButtons) {
        const HWND control = CreateWindowExW(
            0, L"BUTTON", button.Caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, left,
            (kStripHeight - kButtonHeight) / 2, button.Width, kButtonHeight, FStrip->Handle(),
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(button.Id)), GetModuleHandleW(nullptr),
            nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FFont.Get()), FALSE);
        left += button.Width + kButtonGap;
    }
    FStatus = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0,
                              0, 0, 0, FHandle, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(FStatus, SB_SETPARTS, kStatusRightEdges.size(),
                 reinterpret_cast<LPARAM>(kStatusRightEdges.data()));
    FView = std::make_unique<TPreviewSheetView>(FHandle, FTarget, [this] { ShowZoom(); });
    ShowStatus();
}

void TPrintPreview::Layout() {
    if (FView == nullptr)
        return;
    RECT client{};
    GetClientRect(FHandle, &client);
    SendMessageW(FStatus, WM_SIZE, 0, 0);
    RECT status{};
    GetWindowRect(FStatus, &status);
    const int statusHeight = static_cast<int>(status.bottom - status.top);
    MoveWindow(FStrip->Handle(), 0, 0, client.right, kStripHeight, TRUE);
    MoveWindow(FView->Handle(), 0, kStripHeight, client.right,
               std::max(0, static_cast<int>(client.bottom) - kStripHeight - statusHeight), TRUE);
}

void TPrintPreview::SetStatusText(WPARAM part, const std::wstring& text) {
    SendMessageW(FStatus, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
}

void TPrintPreview::ShowStatus() {
    if (FStatus == nullptr || FView == nullptr)
        return;
    SetStatusText(0, Wide(SheetSizeText(FTarget.Sheet)));
    SetStatusText(1, FTarget.PrinterName.empty() ? Wide(kNoPrinterText) : FTarget.PrinterName);
    SetStatusText(3, Wide(CutText(FTarget.Layout)));
    ShowZoom();
}

// Only the zoom changes while the preview runs, and the status bar paints
// each text it is given at once.
void TPrintPreview::ShowZoom() {
    if (FStatus != nullptr && FView != nullptr)
        SetStatusText(2, Wide(ZoomText(FView->Percent())));
}

void TPrintPreview::Command(UINT id) {
    if (id == kImprimirId) {
        Finish(TPreviewChoice::Print);
        return;
    }
    if (id == IDCANCEL) {
        Finish(TPreviewChoice::Close);
        return;
    }
    if (id >= kFirstZoomId && id < kFirstZoomId + kZoomButtons.size())
        FView->SetZoom(kZoomButtons[id - kFirstZoomId]);
    // The keys and the wheel go on working on the sheet.
    SetFocus(FView->Handle());
}

void TPrintPreview::Finish(TPreviewChoice choice) {
    FChoice = choice;
    FDone = true;
    PostMessageW(FHandle, WM_NULL, 0, 0);
}

bool TPrintPreview::Ours(HWND window) const {
    return window == FHandle || IsChild(FHandle, window);
}

// Escape closes the preview wherever the focus is; Ctrl with plus or minus
// zooms from anywhere in it.
bool TPrintPreview::PreTranslate(MSG& message) {
    if (message.message != WM_KEYDOWN || !Ours(message.hwnd))
        return false;
    if (message.wParam == VK_ESCAPE) {
        Finish(TPreviewChoice::Close);
        return true;
    }
    if (message.hwnd != FView->Handle() && GetKeyState(VK_CONTROL) < 0 &&
        (message.wParam == VK_ADD || message.wParam == VK_OEM_PLUS ||
         message.wParam == VK_SUBTRACT || message.wParam == VK_OEM_MINUS)) {
        SendMessageW(FView->Handle(), WM_KEYDOWN, message.wParam, message.lParam);
        return true;
    }
    return false;
}

// As a dialog box: the buttons' mnemonics and Tab work. A quit message ends
// the preview and is left for the outer loop.
TPreviewChoice TPrintPreview::Run() {
    if (FView == nullptr)
        return TPreviewChoice::Close;
    const bool ownerWasEnabled = FOwner != nullptr && !EnableWindow(FOwner, FALSE);
    ShowWindow(FHandle, SW_SHOWMAXIMIZED);
    SetForegroundWindow(FHandle);
    SetFocus(FView->Handle());
    MSG message;
    while (!FDone) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (PreTranslate(message) || IsDialogMessageW(FHandle, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // The owner takes the activation back before the preview goes away.
    if (ownerWasEnabled)
        EnableWindow(FOwner, TRUE);
    ShowWindow(FHandle, SW_HIDE);
    return FChoice;
}

LRESULT TPrintPreview::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        Layout();
        return 0;
    case WM_COMMAND:
        Command(LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        Finish(TPreviewChoice::Close);
        return 0;
    case WM_SETFOCUS:
        if (FView != nullptr)
            SetFocus(FView->Handle());
        return 0;
    default:
        return DefWindowProcW(FHandle, message, wParam, lParam);
    }
}

} // namespace

TPreviewChoice ShowPrintPreview(HWND owner, std::u16string_view editorCaption, const TMemo& memo) {
    TPrintPreview preview(owner, editorCaption, memo);
    return preview.Run();
}

} // namespace typ::win
