#include "EditorWindowTestSupport.h"
#include "editor/CommandIds.h"
#include "editor/DrawingFlag.h"
#include "editor/DrawingMode.h"

#include <algorithm>
#include <commctrl.h>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

namespace typ::win::test {
namespace {

using enum TCommandId;
using Items = std::vector<std::wstring>;

bool ButtonEnabled(HWND toolBar, TCommandId command) {
    return SendMessageW(toolBar, TB_ISBUTTONENABLED, CommandMessageId(command), 0) != 0;
}

bool ButtonHidden(HWND toolBar, TCommandId command) {
    return SendMessageW(toolBar, TB_ISBUTTONHIDDEN, CommandMessageId(command), 0) != 0;
}

bool HasVisibleStyle(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

TEST(EditorWindow, IsCreatedHiddenWithItsClassNamesAndParts) {
    TfrmEditorTYP form;
    const HWND window = form.Handle();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(form.Handle(), window);
    EXPECT_EQ(ClassOf(window), L"TfrmEditorTYP");
    EXPECT_FALSE(IsWindowVisible(window));
    const HWND grid = GridOf(form);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(GetParent(GetParent(GetParent(grid))), window);
    EXPECT_NE(ToolBarOf(form), nullptr);
    EXPECT_NE(StatusBarOf(form), nullptr);
    EXPECT_EQ(FindDescendants(window, L"TypRuler").size(), 2u);
    form.SetCaption(u"Plantilla: factura");
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    EXPECT_STREQ(caption, L"Plantilla: factura");
    EXPECT_EQ(form.Grid().AnchoPagina(), 250);
    EXPECT_EQ(form.Grid().AltoPagina(), 80);
}

TEST(EditorWindow, MenuBarShowsEveryCaptionWithItsShortcut) {
    TfrmEditorTYP form;
    const HMENU bar = GetMenu(form.Handle());
    EXPECT_EQ(MenuItems(bar), (Items{L"&Archivo", L"&Edición", L"&Formato", L"&Ayuda"}));
    EXPECT_EQ(MenuItems(GetSubMenu(bar, 0)),
              (Items{L"&Abrir\tCtrl+A", L"&Guardar\tCtrl+G", L"G&uardar como...",
                     L"&Imprimir\tCtrl+P", L"&Vista preliminar\tCtrl+F2", L"Configurar &página...",
                     L"C&onfigurar impresora...", L"-", L"&Cerrar"}));
    EXPECT_EQ(MenuItems(GetSubMenu(bar, 1)), (Items{L"Des&hacer\tCtrl+Z",
                                                    L"&Rehacer\tCtrl+Y",
                                                    L"-",
                                                    L"Cor&tar\tCtrl+X",
                                                    L"&Copiar\tCtrl+C",
                                                    L"&Pegar\tCtrl+V",
                                                    L"Borr&ar\tCtrl+D",
                                                    L"-",
                                                    L"&Insertar línea\tCtrl+I",
                                                    L"B&orrar línea\tCtrl+N",
                                                    L"-",
                                                    L"&Seleccionar todo\tCtrl+E",
                                                    L"-",
                                                    L"&Buscar...\tCtrl+B",
                                                    L"B&uscar siguiente\tF3",
                                                    L"Reempla&zar...\tCtrl+L",
                                                    L"-",
                                                    L"&Dibujar\tF6",
                                                    L"Dibujar &doble\tShift+F6",
                                                    L"&Marco\tCtrl+M"}));
    EXPECT_EQ(MenuItems(GetSubMenu(bar, 2)), (Items{L"Cortar &palabras", L"-", L"F&uente..."}));
    EXPECT_EQ(GetSubMenu(bar, 3), nullptr);
    EXPECT_EQ(GetMenuItemID(bar, 3), CommandMessageId(actAyuda));
}

TEST(EditorWindow, CommandsWithoutHandlersAreDisabledEverywhere) {
    TfrmEditorTYP form;
    const HMENU bar = GetMenu(form.Handle());
    for (const TCommand& command : CommandTable()) {
        // Importar and Exportar TYP have tool-bar buttons only.
        if (GetMenuState(bar, CommandMessageId(command.Id), MF_BYCOMMAND) == 0xFFFFFFFF)
            continue;
        EXPECT_EQ(MenuItemGrayed(bar, CommandMessageId(command.Id)), !command.HasHandler)
            << command.Name;
    }
    const HWND toolBar = ToolBarOf(form);
    for (const TCommandId command : {actAbrir, actGuardar})
        EXPECT_FALSE(ButtonEnabled(toolBar, command)) << Command(command).Name;
    for (const TCommandId command : {actAyuda, actDeshacer, actDibujar, actBuscar, actCortar})
        EXPECT_TRUE(ButtonEnabled(toolBar, command)) << Command(command).Name;
    EXPECT_FALSE(IsWindowEnabled(ButtonCaptioned(form, L"&Importar / Exportar TYP")));
    EXPECT_TRUE(IsWindowEnabled(ButtonCaptioned(form, L"&Importar TYP")));
    EXPECT_TRUE(IsWindowEnabled(ButtonCaptioned(form, L"&Exportar TYP")));
    EXPECT_TRUE(IsWindowEnabled(ButtonCaptioned(form, L"&Variables de impresión")));
}

std::wstring ToolTipOf(HWND toolBar, UINT_PTR id) {
    const auto tips = reinterpret_cast<HWND>(SendMessageW(toolBar, TB_GETTOOLTIPS, 0, 0));
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = toolBar;
    tool.uId = id;
    tool.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    return text;
}

TEST(EditorWindow, ToolButtonsShowTheirPicturesWithTheHintsAsToolTips) {
    TfrmEditorTYP form;
    const HWND toolBar = ToolBarOf(form);
    const auto pictures =
        reinterpret_cast<HIMAGELIST>(SendMessageW(toolBar, TB_GETIMAGELIST, 0, 0));
    ASSERT_NE(pictures, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(pictures), 11);
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(pictures, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
    // The ten pictures of the design at 0 to 9, Vista preliminar's after them.
    const TCommandId buttons[] = {actAbrir,  actGuardar, actImprimir,       actDeshacer,
                                  actCortar, actCopiar,  actPegar,          actDibujar,
                                  actBuscar, actAyuda,   actVistaPreliminar};
    for (int i = 0; i < 11; ++i) {
        TBBUTTONINFOW info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_IMAGE;
        SendMessageW(toolBar, TB_GETBUTTONINFOW, CommandMessageId(buttons[i]),
                     reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.iImage, i);
        RECT bounds{};
        SendMessageW(toolBar, TB_GETRECT, CommandMessageId(buttons[i]),
                     reinterpret_cast<LPARAM>(&bounds));
        EXPECT_EQ(bounds.right - bounds.left, 26) << i;
    }
    // The caption is no longer drawn but stays the button's text.
    wchar_t text[40] = {};
    SendMessageW(toolBar, TB_GETBUTTONTEXTW, CommandMessageId(actBuscar),
                 reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Buscar");
    EXPECT_EQ(ToolTipOf(toolBar, CommandMessageId(actImprimir)), L"Imprimir");
    EXPECT_EQ(ToolTipOf(toolBar, CommandMessageId(actVistaPreliminar)), L"Vista preliminar");
    EXPECT_EQ(SendMessageW(toolBar, TB_COMMANDTOINDEX, CommandMessageId(actVistaPreliminar), 0),
              SendMessageW(toolBar, TB_COMMANDTOINDEX, CommandMessageId(actImprimir), 0) + 1)
        << "right after Imprimir";
    EXPECT_EQ(ToolTipOf(toolBar, CommandMessageId(actAyuda)), L"Ayuda");
    const HWND variables = ButtonCaptioned(form, L"&Variables de impresión");
    EXPECT_EQ(ToolTipOf(toolBar, reinterpret_cast<UINT_PTR>(variables)), L"Variables de impresión");
    RECT bounds{};
    GetWindowRect(variables, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 140);
    EXPECT_EQ(bounds.bottom - bounds.top, 22);
}

TEST(EditorWindow, StatusBarHasThreePanelsShowingTheGridStatus) {
    TfrmEditorTYP form;
    const HWND statusBar = StatusBarOf(form);
    int edges[4] = {};
    ASSERT_EQ(SendMessageW(statusBar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 200);
    EXPECT_EQ(edges[1], 230);
    form.Grid().Editor().SetSel(3, 3);
    ShowPlain(form);
    EXPECT_EQ(StatusText(statusBar, 0), L" Modo de Edición");
    EXPECT_EQ(StatusText(statusBar, 1), L"\tSOB");
    EXPECT_EQ(StatusText(statusBar, 2), L"Posición: (x, y) = (3, 1)");
}

TEST(EditorWindow, HostedFileCommandsAndHelpButtonsReallyHide) {
    TfrmEditorTYP form;
    const HWND toolBar = ToolBarOf(form);
    const HMENU archivo = GetSubMenu(GetMenu(form.Handle()), 0);
    const HWND importExport = ButtonCaptioned(form, L"&Importar / Exportar TYP");
    const HWND variables = ButtonCaptioned(form, L"&Variables de impresión");
    EXPECT_TRUE(form.HelpButtonsVisible());

    form.HideHostedFileCommands();
    EXPECT_TRUE(ButtonHidden(toolBar, actAbrir));
    EXPECT_TRUE(ButtonHidden(toolBar, actGuardar));
    EXPECT_FALSE(ButtonHidden(toolBar, actImprimir));
    EXPECT_FALSE(HasVisibleStyle(importExport));
    EXPECT_TRUE(HasVisibleStyle(ButtonCaptioned(form, L"&Importar TYP")));
    EXPECT_EQ(MenuItems(archivo),
              (Items{L"&Imprimir\tCtrl+P", L"&Vista preliminar\tCtrl+F2", L"Configurar &página...",
                     L"C&onfigurar impresora...", L"-", L"&Cerrar"}));
    EXPECT_TRUE(form.HelpButtonsVisible());

    const int helpWidth = form.HelpButtonWidth();
    form.HideHelpButtons();
    EXPECT_FALSE(form.HelpButtonsVisible());
    EXPECT_TRUE(ButtonHidden(toolBar, actAyuda));
    EXPECT_FALSE(HasVisibleStyle(variables));
    EXPECT_EQ(form.HelpButtonWidth(), helpWidth);
}

RECT BoundsInParent(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

TEST(EditorWindow, ImportExportBarTakesTheBoundsItIsGivenOnTheFirstRow) {
    TfrmEditorTYP form;
    const HWND toolBar = ToolBarOf(form);
    RECT help{};
    SendMessageW(toolBar, TB_GETRECT, CommandMessageId(actAyuda), reinterpret_cast<LPARAM>(&help));
    EXPECT_EQ(form.HelpButtonWidth(), help.right - help.left);
    EXPECT_EQ(form.HelpButtonWidth(), 26);

    // Hosted without a help context: the bar closes the gap the Help button leaves.
    form.HideHostedFileCommands();
    form.HideHelpButtons();
    form.SetImportExportBarBounds(228, 200);
    form.SetImportExportBarBounds(form.ImportExportBarLeft() - form.HelpButtonWidth(), 200);
    EXPECT_EQ(form.ImportExportBarLeft(), 228 - form.HelpButtonWidth());
    const HWND importButton = ButtonCaptioned(form, L"&Importar TYP");
    const HWND bar = GetParent(importButton);
    RECT screen{};
    GetWindowRect(bar, &screen);
    RECT bounds = screen;
    MapWindowPoints(nullptr, GetParent(bar), reinterpret_cast<POINT*>(&bounds), 2);
    // Vista preliminar's button makes the standard bar end past that left: the
    // bar then starts where the standard bar ends.
    const RECT standard = BoundsInParent(toolBar);
    EXPECT_EQ(bounds.left,
              std::max(228 - form.HelpButtonWidth(), static_cast<int>(standard.right)));
    EXPECT_EQ(bounds.right - bounds.left, 200);
    // The hidden first button leaves no gap.
    RECT button{};
    GetWindowRect(importButton, &button);
    EXPECT_EQ(button.left, screen.left);
    EXPECT_LE(standard.right, bounds.left);
    EXPECT_LT(bounds.top, standard.bottom);
    EXPECT_EQ(BoundsInParent(GetParent(bar)).bottom, std::max(standard.bottom, bounds.bottom) + 2);
}

TEST(EditorWindow, ImportExportBarGivenALeftOverTheStandardBarSitsBesideIt) {
    TfrmEditorTYP form;
    form.SetImportExportBarBounds(10, 200);
    const HWND bar = GetParent(ButtonCaptioned(form, L"&Importar TYP"));
    const RECT bounds = BoundsInParent(bar);
    const RECT standard = BoundsInParent(ToolBarOf(form));
    EXPECT_EQ(bounds.left, standard.right);
    EXPECT_LT(bounds.top, standard.bottom);
}

// The button's face as the form paints it: the rows of its picture's column band.
std::vector<COLORREF> PaintedGlyph(TfrmEditorTYP& form, HWND button) {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 22);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(button));
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = button;
    item.hDC = dc;
    item.rcItem = {0, 0, 100, 22};
    EXPECT_EQ(SendMessageW(form.Handle(), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item)),
              TRUE);
    std::vector<COLORREF> pixels;
    for (int y = 3; y < 19; ++y)
        for (int x = 6; x < 22; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

TEST(EditorWindow, ImportAndExportButtonsPaintPicturesOfTheirOwn) {
    TfrmEditorTYP form;
    const auto import = PaintedGlyph(form, ButtonCaptioned(form, L"&Importar TYP"));
    const auto exportGlyph = PaintedGlyph(form, ButtonCaptioned(form, L"&Exportar TYP"));
    EXPECT_GT(std::set<COLORREF>(import.begin(), import.end()).size(), 4u);
    EXPECT_NE(import, exportGlyph);
}

TEST(EditorWindow, EditMenuRuleFollowsSelectionAndClipboard) {
    TfrmEditorTYP form;
    form.SetTypeEdition(kHostedEdition);
    form.LoadText(u"abcdef");
    form.Grid().Editor().SetSel(0, 4);
    ASSERT_TRUE(OpenClipboard(form.Handle()));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4 * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), L"xyz");
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();

    const HMENU bar = GetMenu(form.Handle());
    SendMessageW(form.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(bar, 1)), 1);
    for (const TCommandId command : {actPegar, actCortar, actCopiar, actBorrar})
        EXPECT_FALSE(MenuItemGrayed(bar, CommandMessageId(command))) << Command(command).Name;
    form.Grid().Editor().SetSel(2, 2);
    SendMessageW(form.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(bar, 1)), 1);
    for (const TCommandId command : {actCortar, actCopiar, actBorrar})
        EXPECT_TRUE(MenuItemGrayed(bar, CommandMessageId(command))) << "nothing selected";
    EXPECT_FALSE(MenuItemGrayed(bar, CommandMessageId(actPegar)));
    EXPECT_FALSE(ButtonEnabled(ToolBarOf(form), actCortar));
    EXPECT_FALSE(MenuItemGrayed(bar, CommandMessageId(actCerrar)));
}

TEST(EditorWindow, PopupMenuOfTheGridListsItsItems) {
    TfrmEditorTYP form;
    ShowPlain(form);
    Items shown;
    // A loaded machine may open the menu after the first look: look again.
    int looks = 0;
    std::function<void()> look = [&] {
        const std::vector<HWND> menus = ThreadWindows(L"#32768");
        if (menus.empty() && ++looks < 40) {
            RunLater(look);
            return;
        }
        if (!menus.empty())
            shown = MenuItems(reinterpret_cast<HMENU>(SendMessageW(menus[0], MN_GETHMENU, 0, 0)));
        EndMenu();
    };
    RunLater(look);
    SendMessageW(form.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(GridOf(form)),
                 MAKELPARAM(200, 200));
    EXPECT_EQ(shown,
              (Items{L"Cor&tar\tCtrl+X", L"&Copiar\tCtrl+C", L"&Pegar\tCtrl+V", L"-",
                     L"&Buscar...\tCtrl+B", L"B&uscar siguiente\tF3", L"Reempla&zar...\tCtrl+L",
                     L"-", L"&Rehacer\tCtrl+Y", L"&Marco\tCtrl+M"}));
}

class THookedForm : public TfrmEditorTYP {
public:
    int Helps = 0;
    int VariablesHelps = 0;
    bool HelpFails = false;

protected:
    void HelpHook() override {
        ++Helps;
        if (HelpFails)
            throw std::runtime_error("No se encontró la ayuda de la plantilla «factura».");
    }
    void VariablesHelpHook() override { ++VariablesHelps; }
};

TEST(EditorWindow, AyudaAndTheVariablesButtonCallTheirHooks) {
    THookedForm form;
    SendMessageW(form.Handle(), WM_COMMAND, CommandMessageId(actAyuda), 0);
    EXPECT_EQ(form.Helps, 1);
    SendMessageW(ButtonCaptioned(form, L"&Variables de impresión"), BM_CLICK, 0, 0);
    EXPECT_EQ(form.VariablesHelps, 1);
    EXPECT_EQ(form.Helps, 1);
    SendMessageW(form.Handle(), WM_COMMAND, CommandMessageId(actAbrir), 0);
    EXPECT_EQ(form.Helps + form.VariablesHelps, 2);
}

TEST(EditorWindow, AnErrorOfACommandIsShownAndTheWindowStaysOpen) {
    THookedForm form;
    form.HelpFails = true;
    ShowPlain(form);
    std::wstring message;
    bool errorIcon = false;
    RunLater([&] {
        const std::vector<HWND> boxes = ThreadWindows(L"#32770");
        if (boxes.empty())
            return;
        wchar_t text[256] = {};
        GetDlgItemTextW(boxes[0], 0xFFFF, text, 256);
        message = text;
        for (const HWND control : FindDescendants(boxes[0], L"Static"))
            if (reinterpret_cast<HICON>(SendMessageW(control, STM_GETICON, 0, 0)) ==
                LoadIconW(nullptr, IDI_ERROR))
                errorIcon = true;
        PostMessageW(boxes[0], WM_COMMAND, IDOK, 0);
    });
    SendMessageW(form.Handle(), WM_COMMAND, CommandMessageId(actAyuda), 0);
    EXPECT_EQ(message, L"No se encontró la ayuda de la plantilla «factura».");
    EXPECT_TRUE(errorIcon);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST(EditorWindow, LeavingDrawingModeUnchecksDibujarAndClearsTheFlag) {
    TfrmEditorTYP form;
    form.SetTypeEdition(kHostedEdition);
    actDibujarExecute(form.Grid());
    ASSERT_TRUE(DrawingFlag());
    form.LeaveDrawingMode();
    EXPECT_FALSE(DrawingFlag());
    EXPECT_FALSE(form.Grid().DrawingChecked());
    const HMENU bar = GetMenu(form.Handle());
    EXPECT_EQ(GetMenuState(bar, CommandMessageId(actDibujar), MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(StatusText(StatusBarOf(form), 0), L" Modo de Edición");
    for (const TCommandId command : {actCortar, actCopiar, actPegar, actBorrar, actBuscar})
        EXPECT_FALSE(MenuItemGrayed(bar, CommandMessageId(command))) << Command(command).Name;
}

// The commands reach the grid through WM_COMMAND, as menus, tool bar and
// accelerators send them.
TEST(EditorWindow, DibujarAndTheLineCommandsRunFromTheirMenuItems) {
    TfrmEditorTYP form;
    form.SetTypeEdition(kHostedEdition);
    form.LoadText(u"");
    form.SetPageSize(3, 3);
    const auto command = [&form](TCommandId id) {
        SendMessageW(form.Handle(), WM_COMMAND, CommandMessageId(id), 0);
    };
    command(actDibujar);
    EXPECT_TRUE(DrawingFlag());
    const HMENU bar = GetMenu(form.Handle());
    EXPECT_NE(GetMenuState(bar, CommandMessageId(actDibujar), MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_TRUE(MenuItemGrayed(bar, CommandMessageId(actBorrar)));
    EXPECT_EQ(StatusText(StatusBarOf(form), 0), L" Modo de Dibujo con teclas del cursor ");
    for (const int key : {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RIGHT})
        form.Grid().KeyDown(key, 0);
    EXPECT_EQ(form.Grid().Editor().Text(), u"\u00B3  \r\n\u00B3  \r\n\u00C0\u00C4 ");
    command(actDibujar);
    EXPECT_FALSE(DrawingFlag());

    form.Grid().Editor().SetSelStart(5);
    command(actInsertarLinea);
    EXPECT_EQ(form.Grid().Editor().Text(), u"\u00B3  \r\n   \r\n\u00B3  ");
    command(actBorrarLinea); // the caret stayed on the line that moved down
    EXPECT_EQ(form.Grid().Editor().Text(), u"\u00B3  \r\n   \r\n   ");
    command(actSeleccionarTodo);
    EXPECT_EQ(form.Grid().Editor().SelLength(), 13);
    command(actBorrar);
    EXPECT_EQ(form.Grid().Editor().Text(), u"");
    command(actDeshacer);
    EXPECT_EQ(form.Grid().Editor().Text(), u"\u00B3  \r\n   \r\n   ");
}

// The Dibujar button goes round off, single and double lines; the menu items
// show which, and status panel 0 says it.
TEST(EditorWindow, TheDibujarButtonCyclesOffSingleAndDoubleLines) {
    TfrmEditorTYP form;
    form.SetTypeEdition(kHostedEdition);
    const HWND toolBar = ToolBarOf(form);
    const HMENU bar = GetMenu(form.Handle());
    const auto click = [&] {
        SendMessageW(form.Handle(), WM_COMMAND, CommandMessageId(actDibujar),
                     reinterpret_cast<LPARAM>(toolBar));
    };
    const auto checked = [&](TCommandId id) {
        return (GetMenuState(bar, CommandMessageId(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    click();
    EXPECT_TRUE(checked(actDibujar));
    EXPECT_FALSE(checked(actDibujarDoble));
    click();
    EXPECT_FALSE(checked(actDibujar));
    EXPECT_TRUE(checked(actDibujarDoble));
    EXPECT_NE(SendMessageW(toolBar, TB_ISBUTTONCHECKED, CommandMessageId(actDibujar), 0), 0);
    EXPECT_EQ(StatusText(StatusBarOf(form), 0), L" Modo de Dibujo doble con teclas del cursor ");
    EXPECT_TRUE(MenuItemGrayed(bar, CommandMessageId(actBorrar)));
    click();
    EXPECT_FALSE(DrawingFlag());
    EXPECT_FALSE(checked(actDibujarDoble));
    EXPECT_EQ(SendMessageW(toolBar, TB_ISBUTTONCHECKED, CommandMessageId(actDibujar), 0), 0);
    EXPECT_FALSE(MenuItemGrayed(bar, CommandMessageId(actBorrar)));
}

} // namespace
} // namespace typ::win::test
