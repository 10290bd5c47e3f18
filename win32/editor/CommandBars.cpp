#include "editor/CommandBars.h"

#include "editor/CommandIds.h"
#include "editor/Panel.h"
#include "editor/ToolBarPictures.h"
#include "platform/WideText.h"

#include <algorithm>
#include <commctrl.h>
#include <vector>

namespace typ::win {

namespace {

using enum TCommandId;

constexpr int kButtonWidth = 26;
constexpr int kIndent = 4;
constexpr int kSeparatorWidth = 8;
constexpr int kButtonHeight = 22;
constexpr int kRowMargin = 2;
constexpr int kBandGap = 4;
constexpr int kGlyphMargin = 6;
constexpr int kVariablesWidth = 140;
constexpr UINT kVariablesPlaceholderId = 2002;
constexpr std::array<int, 3> kImportExportWidths = {149, 100, 100};

enum class TSlot { Button, Check, Separator, Variables };

struct TToolSlot {
    TSlot Kind;
    TCommandId Command = actAbrir;
    int Picture = 0; // its index in kToolBarPictures
};

// The standard tool bar, left to right; the divider and the separator of the
// design both show as a separator.
constexpr std::array<TToolSlot, 14> kStandardSlots = {{
    {TSlot::Button, actAbrir, 0},
    {TSlot::Button, actGuardar, 1},
    {TSlot::Button, actImprimir, 2},
    {TSlot::Button, actVistaPreliminar, 10},
    {TSlot::Button, actDeshacer, 3},
    {TSlot::Separator},
    {TSlot::Button, actCortar, 4},
    {TSlot::Button, actCopiar, 5},
    {TSlot::Button, actPegar, 6},
    {TSlot::Separator},
    {TSlot::Check, actDibujar, 7},
    {TSlot::Button, actBuscar, 8},
    {TSlot::Button, actAyuda, 9},
    {TSlot::Variables},
}};

TBBUTTON SeparatorButton(int width, UINT id) {
    TBBUTTON button{};
    button.iBitmap = width;
    button.idCommand = static_cast<int>(id);
    button.fsStyle = BTNS_SEP;
    return button;
}

// The caption stays the button's text, for accessibility; mixed buttons do
// not draw it.
TBBUTTON CommandButton(const TToolSlot& slot, int picture, const std::wstring& text) {
    TBBUTTON button{};
    button.iBitmap = picture;
    button.idCommand = static_cast<int>(CommandMessageId(slot.Command));
    button.fsState = Command(slot.Command).HasHandler ? TBSTATE_ENABLED : 0;
    button.fsStyle =
        static_cast<BYTE>(BTNS_NOPREFIX | (slot.Kind == TSlot::Check ? BTNS_CHECK : BTNS_BUTTON));
    button.iString = reinterpret_cast<INT_PTR>(text.c_str());
    return button;
}

// Every picture shown by exactly one command button.
constexpr bool EachPictureOnce() {
    std::array<int, kToolBarPictures.size()> uses{};
    for (const TToolSlot& slot : kStandardSlots) {
        if (slot.Kind != TSlot::Button && slot.Kind != TSlot::Check)
            continue;
        if (slot.Picture < 0 || slot.Picture >= static_cast<int>(uses.size()))
            return false;
        ++uses[static_cast<std::size_t>(slot.Picture)];
    }
    for (const int use : uses)
        if (use != 1)
            return false;
    return true;
}
static_assert(EachPictureOnce(), "each command button shows a picture of its own");

HWND CreateButton(HWND parent, const wchar_t* caption, UINT id, DWORD style, HFONT font) {
    const HWND button = CreateWindowExW(
        0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return button;
}

bool IsShown(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

} // namespace

TCommandBars::TCommandBars(HWND form, HFONT font)
    : FControlBar(form, COLOR_WINDOW, WS_VISIBLE), FPictures(ToolBarPictures()) {
    CreateStandardBar(font);
    CreateVariablesButton(font);
    CreateImportExportBar(font);
}

void TCommandBars::CreateStandardBar(HFONT font) {
    FStandardBar = CreateWindowExW(
        0, TOOLBARCLASSNAMEW, L"",
        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS |
            TBSTYLE_TRANSPARENT | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
        0, 0, 0, 0, FControlBar.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(FStandardBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(FStandardBar, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(FStandardBar, TB_SETINDENT, kIndent, 0);
    SendMessageW(FStandardBar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    SendMessageW(FStandardBar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FPictures->Handle()));
    SendMessageW(FStandardBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(kPictureSize, kPictureSize));
    SendMessageW(FStandardBar, TB_SETBUTTONSIZE, 0, MAKELPARAM(kButtonWidth, kButtonHeight));
    SendMessageW(FStandardBar, TB_SETBUTTONWIDTH, 0, MAKELPARAM(kButtonWidth, kButtonWidth));
    AddStandardButtons();
    RECT help{};
    SendMessageW(FStandardBar, TB_GETRECT, CommandMessageId(actAyuda),
                 reinterpret_cast<LPARAM>(&help));
    FHelpButtonWidth = static_cast<int>(help.right - help.left);
}

void TCommandBars::AddStandardButtons() {
    std::vector<TBBUTTON> buttons;
    for (const TToolSlot& slot : kStandardSlots) {
        if (slot.Kind == TSlot::Separator) {
            buttons.push_back(SeparatorButton(kSeparatorWidth, 0));
        } else if (slot.Kind == TSlot::Variables) {
            buttons.push_back(SeparatorButton(kVariablesWidth, kVariablesPlaceholderId));
        } else {
            const TCommand& command = Command(slot.Command);
            const UINT id = CommandMessageId(slot.Command);
            FTexts[id] = Wide(ButtonText(command));
            FHints[id] = Wide(command.Hint);
            buttons.push_back(CommandButton(slot, slot.Picture, FTexts[id]));
        }
    }
    SendMessageW(FStandardBar, TB_ADDBUTTONSW, buttons.size(),
                 reinterpret_cast<LPARAM>(buttons.data()));
}

void TCommandBars::CreateVariablesButton(HFONT font) {
    FVariablesButton = CreateButton(FStandardBar, L"&Variables de impresión", kVariablesButtonId,
                                    BS_PUSHBUTTON | WS_TABSTOP, font);
    FVariablesHint = L"Variables de impresión";
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = FStandardBar;
    tool.uId = reinterpret_cast<UINT_PTR>(FVariablesButton);
    tool.lpszText = FVariablesHint.data();
    const auto tips = reinterpret_cast<HWND>(SendMessageW(FStandardBar, TB_GETTOOLTIPS, 0, 0));
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// The import and export buttons are skipped by the Tab key; they draw their
// own picture left of the caption.
void TCommandBars::CreateImportExportBar(HFONT font) {
    FImportExportBar = std::make_unique<TPanel>(FControlBar.Handle(), COLOR_WINDOW, WS_VISIBLE);
    FImportExportButtons = {
        CreateButton(FImportExportBar->Handle(), L"&Importar / Exportar TYP", kImportExportButtonId,
                     BS_PUSHBUTTON, font),
        CreateButton(FImportExportBar->Handle(), L"&Importar TYP", CommandMessageId(actImportarTyp),
                     BS_OWNERDRAW, font),
        CreateButton(FImportExportBar->Handle(), L"&Exportar TYP", CommandMessageId(actExportarTyp),
                     BS_OWNERDRAW, font),
    };
    // The first button has no command of its own; the others are their commands'.
    EnableWindow(FImportExportButtons[0], FALSE);
    EnableWindow(FImportExportButtons[1], Command(actImportarTyp).HasHandler);
    EnableWindow(FImportExportButtons[2], Command(actExportarTyp).HasHandler);
    for (const int width : kImportExportWidths)
        FImportExportWidth += width;
}

SIZE TCommandBars::StandardBarSize() const {
    SIZE size{};
    SendMessageW(FStandardBar, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    return size;
}

// One row: the import/export bar beside the standard bar, at its left unless
// that would overlap the standard bar, as bands of a control bar do.
int TCommandBars::Layout(int width) {
    const SIZE standard = StandardBarSize();
    const int rowHeight = std::max(static_cast<int>(standard.cy), kButtonHeight) + 2 * kRowMargin;
    MoveWindow(FStandardBar, 0, (rowHeight - standard.cy) / 2, standard.cx, standard.cy, TRUE);
    PlaceVariablesButton();
    const int left = std::max(ImportExportLeft(), static_cast<int>(standard.cx));
    MoveWindow(FImportExportBar->Handle(), left, (rowHeight - kButtonHeight) / 2,
               FImportExportWidth, kButtonHeight, TRUE);
    PlaceImportExportButtons();
    MoveWindow(FControlBar.Handle(), 0, 0, width, rowHeight, TRUE);
    return rowHeight;
}

void TCommandBars::PlaceVariablesButton() {
    RECT slot{};
    SendMessageW(FStandardBar, TB_GETRECT, kVariablesPlaceholderId,
                 reinterpret_cast<LPARAM>(&slot));
    const int top = (static_cast<int>(slot.top + slot.bottom) - kButtonHeight) / 2;
    MoveWindow(FVariablesButton, slot.left, top, kVariablesWidth, kButtonHeight, TRUE);
}

void TCommandBars::PlaceImportExportButtons() {
    int left = 0;
    for (std::size_t i = 0; i < FImportExportButtons.size(); ++i) {
        if (!IsShown(FImportExportButtons[i]))
            continue;
        MoveWindow(FImportExportButtons[i], left, 0, kImportExportWidths[i], kButtonHeight, TRUE);
        left += kImportExportWidths[i];
    }
}

// Unchanged states are left alone: the idle update runs after every message,
// and a repaint would wake the message loop again.
void TCommandBars::Enable(TCommandId command, bool enabled) {
    const UINT id = CommandMessageId(command);
    const bool buttonEnabled = SendMessageW(FStandardBar, TB_ISBUTTONENABLED, id, 0) != 0;
    if (buttonEnabled != enabled)
        SendMessageW(FStandardBar, TB_ENABLEBUTTON, id, MAKELPARAM(enabled ? TRUE : FALSE, 0));
    for (const HWND button : FImportExportButtons)
        if (static_cast<UINT>(GetDlgCtrlID(button)) == id &&
            (IsWindowEnabled(button) != 0) != enabled)
            EnableWindow(button, enabled);
}

void TCommandBars::Check(TCommandId command, bool checked) {
    SendMessageW(FStandardBar, TB_CHECKBUTTON, CommandMessageId(command),
                 MAKELPARAM(checked ? TRUE : FALSE, 0));
}

void TCommandBars::Hide(TCommandId command) {
    SendMessageW(FStandardBar, TB_HIDEBUTTON, CommandMessageId(command), MAKELPARAM(TRUE, 0));
}

bool TCommandBars::Hidden(TCommandId command) const {
    return SendMessageW(FStandardBar, TB_ISBUTTONHIDDEN, CommandMessageId(command), 0) != 0;
}

void TCommandBars::HideImportExportButton() {
    ShowWindow(FImportExportButtons[0], SW_HIDE);
}

void TCommandBars::HideVariablesButton() {
    ShowWindow(FVariablesButton, SW_HIDE);
    SendMessageW(FStandardBar, TB_HIDEBUTTON, kVariablesPlaceholderId, MAKELPARAM(TRUE, 0));
}

bool TCommandBars::VariablesButtonVisible() const {
    return IsShown(FVariablesButton);
}

void TCommandBars::SetImportExportBounds(int left, int width) {
    FImportExportLeft = left;
    FImportExportWidth = width;
}

int TCommandBars::ImportExportLeft() const {
    return FImportExportLeft.value_or(static_cast<int>(StandardBarSize().cx) + kBandGap);
}

bool TCommandBars::DrawItem(const DRAWITEMSTRUCT& item) const {
    const auto found =
        std::find(FImportExportButtons.begin() + 1, FImportExportButtons.end(), item.hwndItem);
    if (found == FImportExportButtons.end())
        return false;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    RECT face = item.rcItem;
    DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const int shift = pushed ? 1 : 0;
    const int picture = static_cast<int>(found - FImportExportButtons.begin()) - 1;
    ImageList_DrawEx(
        FImportExportPictures.Handle(), picture, item.hDC, item.rcItem.left + kGlyphMargin + shift,
        (item.rcItem.top + item.rcItem.bottom - kPictureSize) / 2 + shift, kPictureSize,
        kPictureSize, CLR_NONE, disabled ? GetSysColor(COLOR_BTNFACE) : CLR_DEFAULT,
        disabled ? ILD_BLEND50 : ILD_NORMAL);
    wchar_t caption[40] = {};
    GetWindowTextW(item.hwndItem, caption, 40);
    RECT text = item.rcItem;
    text.left += kGlyphMargin + kPictureSize + shift;
    text.top += shift;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = SelectObject(item.hDC, font);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(item.hDC, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(item.hDC, previous);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
    return true;
}

const std::wstring* TCommandBars::Hint(UINT id) const {
    const auto found = FHints.find(id);
    return found == FHints.end() ? nullptr : &found->second;
}

} // namespace typ::win
