#include "GridScript.h"

#include "GridShape.h"
#include "ScriptBytes.h"
#include "editor/DrawingFlag.h"
#include "editor/DrawingMode.h"
#include "editor/GridEditor.h"
#include "editor/LineCommands.h"
#include "editor/SearchCommands.h"
#include "editor/TypFile.h"
#include "editor/ViewGeometry.h"
#include "server/HostedText.h"

#include <array>
#include <cstdio>
#include <optional>

// What the editor documents as leaving the page otherwise than in its shape,
// and so is not a fault here:
// - Within a key cycle (between its first key-down and its key-up) lines may
//   be short or long: the key-up pads or re-normalises. Only complete cycles
//   are checked, and a cycle holds its modifiers from key-down to key-up (a
//   key-up with Ctrl or Alt held skips the re-normalisation).
// - Backspace at column 0 of a line after the first joins it to the line
//   before; the page, which would be a line short, is closed at once, so the
//   full page is expected after it too.
// - Deshacer, Borrar, Reemplazar and Reemplazar todo do not re-normalise: once
//   one of them has left the page out of shape, nothing is checked until a
//   command that normalises (Cortar, Pegar, Insertar línea, Borrar línea, a
//   new page).
// Commands run whether or not the window would enable them at that moment
// (drawing mode, an empty selection or clipboard): the core must keep the
// shape either way.
namespace typ::test {

namespace {

// A fake clipboard: the platform's clipboard is not available here.
class TScriptClipboard : public TClipboard {
public:
    std::optional<std::u16string> Held;
    std::optional<std::u16string> Text() const override { return Held; }
    void SetText(std::u16string_view text) override { Held = std::u16string(text); }
};

constexpr std::array<int, 36> kKeys = {
    vk::Back,   vk::Tab,    vk::Clear,  vk::Return, vk::Shift, vk::Control, vk::Menu, vk::Pause,
    vk::Escape, vk::Prior,  vk::Next,   vk::End,    vk::Home,  vk::Left,    vk::Up,   vk::Right,
    vk::Down,   vk::Insert, vk::Delete, vk::F1,     vk::F12,   ' ',         '0',      'A',
    'H',        'Z',        0x60,       0x6F,       0xBA,      0xDE,        vk::Left, vk::Right,
    vk::Delete, vk::Back,   'A',        ' '};

bool DeliversCharacter(int key) {
    return key == ' ' || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ||
           (key >= 0x60 && key <= 0x6F) || (key >= 0xBA && key <= 0xC0) ||
           (key >= 0xDB && key <= 0xDF) || key == 0xE2;
}

void AppendCodePoint(std::u16string& text, char32_t code) {
    if (code <= 0xFFFF) {
        text += static_cast<char16_t>(code);
        return;
    }
    code -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (code >> 10));
    text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
}

// The characters one key-down delivers on a keyboard whose layout gives the
// key `layout`: Alt alone delivers none, Ctrl the control codes, Ctrl+Alt
// (AltGr) the layout's characters; a character beyond the basic plane comes
// as its two surrogates.
std::u16string Typed(int key, TShiftState shift, char32_t layout) {
    const bool ctrl = (shift & ssCtrl) != 0;
    const bool alt = (shift & ssAlt) != 0;
    std::u16string typed;
    if (alt && !ctrl)
        return typed;
    if (ctrl && !alt) {
        if (key >= 'A' && key <= 'Z')
            typed += static_cast<char16_t>(key - 'A' + 1);
        else if (key == vk::Back)
            typed += u'\x7f';
        else if (key == vk::Return)
            typed += u'\n';
        return typed;
    }
    if (DeliversCharacter(key)) {
        AppendCodePoint(typed, layout);
        return typed;
    }
    if (ctrl)
        return typed;
    switch (key) {
    case vk::Back:
        return u"\b";
    case vk::Tab:
        return u"\t";
    case vk::Return:
        return u"\r";
    case vk::Escape:
        return u"\x1b";
    default:
        return typed;
    }
}

std::string Shown(std::u16string_view text) {
    std::string shown = "\"";
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F && c != u'"' && c != u'\\') {
            shown += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            shown += escaped;
        }
    }
    return shown + "\"";
}

class TGridScript {
public:
    TGridScript(std::span<const std::uint8_t> script, std::ostream* trace)
        : FIn(script), FTrace(trace) {}

    std::string Run();

private:
    TMemo& Memo() { return FGrid.Editor(); }
    bool Answer() { return (FIn.Byte() & 1) != 0; }
    char32_t ReadCodePoint();
    std::u16string ReadText();
    std::u16string ReadFieldText();
    int ReadCellOffset();
    TFindOptions ReadFindOptions() { return FIn.Byte() & (frDown | frMatchCase | frWholeWord); }
    void Note(const std::string& action);

    void Step();
    void KeyCycle();
    void MouseSelection();
    void DoubleClick();
    void ClipboardCommand();
    void LineCommand();
    void SearchCommand();
    void ReplaceCommand();
    void DrawingCommand();
    void UnnormalisedCommand();
    void NewPage();

    std::string ShapeFault() const;
    void ExpectShape();
    void ExpectNormalised();
    void AllowLeftOutOfShape();
    void Fail(const std::string& fault);

    TScriptBytes FIn;
    std::ostream* FTrace;
    TGridEditor FGrid;
    TScriptClipboard FClipboard;
    TSearchCommands FSearch{FGrid.Editor(), [this](std::u16string_view) { return Answer(); },
                            [this](const std::u16string&, int, char16_t, int) { return Answer(); }};
    // False once a command documented not to re-normalise has left the page
    // out of shape.
    bool FChecked = true;
    int FActions = 0;
    std::string FAction;
    std::string FFailure;
};

// Bytes below 0xF0 are their own code; the rest give any character of the
// basic plane or one beyond it. Surrogates come only in pairs, as keyboards
// and the clipboard deliver them.
char32_t TGridScript::ReadCodePoint() {
    const int first = FIn.Byte();
    if (first < 0xF0)
        return static_cast<char32_t>(first);
    if (first == 0xFF)
        return static_cast<char32_t>(0x10000 + FIn.Word());
    const int code = FIn.Word();
    return static_cast<char32_t>(code >= 0xD800 && code <= 0xDFFF ? code + 0x800 : code);
}

// Up to 31 characters of the script (0xEF stands for CR LF, so that short
// scripts reach several lines), or a stretch of the grid's own text, up to
// 252 characters, which searches then find.
std::u16string TGridScript::ReadText() {
    const int head = FIn.Byte();
    std::u16string text;
    if ((head & 0x80) != 0) {
        const std::u16string all = Memo().Text();
        const auto start = static_cast<std::size_t>(FIn.Word()) % (all.size() + 1);
        return all.substr(start, static_cast<std::size_t>((head & 0x3F) * 4 + 1));
    }
    for (int i = head & 0x1F; i > 0; --i) {
        const char32_t code = ReadCodePoint();
        if (code == 0xEF)
            text += u"\r\n";
        else
            AppendCodePoint(text, code);
    }
    return text;
}

// The find and replace dialogs' fields hold one line: a text stops at its
// first line break.
std::u16string TGridScript::ReadFieldText() {
    std::u16string text = ReadText();
    return text.substr(0, text.find_first_of(u"\r\n"));
}

// Where a click lands: a cell of the page or just outside it, as the view
// hands it to the memo.
int TGridScript::ReadCellOffset() {
    const int line = FIn.Below(FGrid.AltoPagina() + 3) - 1;
    const int column = FIn.Below(FGrid.AnchoPagina() + 4) - 1;
    return OffsetOfCell(Memo(), {line, column});
}

void TGridScript::Note(const std::string& action) {
    FAction = action;
    if (FTrace != nullptr)
        *FTrace << FActions << ": " << action << '\n';
}

void TGridScript::Fail(const std::string& fault) {
    if (!fault.empty() && FFailure.empty())
        FFailure = "after action " + std::to_string(FActions) + " (" + FAction + "): " + fault;
}

std::string TGridScript::ShapeFault() const {
    return GridShapeFault(FGrid.Editor(), FGrid.AnchoPagina(), FGrid.AltoPagina());
}

void TGridScript::ExpectShape() {
    if (FChecked)
        Fail(ShapeFault());
}

void TGridScript::ExpectNormalised() {
    FChecked = true;
    Fail(ShapeFault());
}

void TGridScript::AllowLeftOutOfShape() {
    if (FChecked && !ShapeFault().empty()) {
        FChecked = false;
        if (FTrace != nullptr)
            *FTrace << "   left out of shape, as documented\n";
    }
}

void TGridScript::KeyCycle() {
    const int pick = FIn.Byte();
    const int key = pick < 0xF0 ? kKeys[static_cast<std::size_t>(pick) % kKeys.size()] : FIn.Byte();
    const auto shift = static_cast<TShiftState>(FIn.Below(8));
    const int downs = 1 + FIn.Below(4);
    const std::u16string typed = Typed(key, shift, ReadCodePoint());
    Note("key " + std::to_string(key) + " shift " + std::to_string(shift) + " down x" +
         std::to_string(downs) + " typing " + Shown(typed));
    for (int i = 0; i < downs; ++i) {
        FGrid.KeyDown(key, shift);
        for (char16_t c : typed)
            FGrid.KeyPress(c);
    }
    FGrid.KeyUp(key, shift);
    ExpectShape();
}

// As the view does: the button goes down on a cell (with Shift, extending the
// selection from its anchor), the mouse drags, the button comes up.
void TGridScript::MouseSelection() {
    const bool extend = Answer();
    const int offset = ReadCellOffset();
    const int anchor = extend ? SelectionAnchor(Memo()) : offset;
    Memo().SetSel(anchor, offset);
    FGrid.UpdateStatus();
    for (int drags = FIn.Below(3); drags > 0; --drags)
        Memo().SetSel(anchor, ReadCellOffset());
    FGrid.UpdateStatus();
    Note("mouse selection " + std::to_string(Memo().SelStart()) + " +" +
         std::to_string(Memo().SelLength()));
    ExpectShape();
}

void TGridScript::DoubleClick() {
    const TRange word = WordAt(Memo(), ReadCellOffset());
    Memo().SetSel(word.Start, word.End);
    FGrid.UpdateStatus();
    Note("double click selecting " + std::to_string(word.Start) + " to " +
         std::to_string(word.End));
    ExpectShape();
}

void TGridScript::ClipboardCommand() {
    switch (FIn.Below(4)) {
    case 0: {
        FClipboard.Held = ReadText();
        Note("Pegar " + Shown(*FClipboard.Held));
        actPegarExecute(FGrid, FClipboard);
        break;
    }
    case 1:
        Note("Pegar of the clipboard");
        actPegarExecute(FGrid, FClipboard);
        break;
    case 2:
        Note("Cortar");
        actCortarExecute(FGrid, FClipboard);
        break;
    default:
        Note("Copiar");
        actCopiarExecute(FGrid, FClipboard);
        ExpectShape();
        return;
    }
    ExpectNormalised();
}

void TGridScript::LineCommand() {
    if (Answer()) {
        Note("Insertar línea");
        actInsertarLineaExecute(FGrid);
    } else {
        Note("Borrar línea");
        actBorrarLineaExecute(FGrid);
    }
    ExpectNormalised();
}

void TGridScript::SearchCommand() {
    if (Answer()) {
        const std::u16string text = ReadFieldText();
        const TFindOptions options = ReadFindOptions();
        Note("Buscar " + Shown(text) + " options " + std::to_string(options));
        FSearch.FindDialogZV1Find(text, options);
    } else {
        Note("Buscar siguiente");
        FSearch.actBuscarSiguienteExecute();
    }
    FGrid.UpdateStatus();
    ExpectShape();
}

void TGridScript::ReplaceCommand() {
    const std::u16string findText = ReadFieldText();
    const std::u16string replaceText = ReadFieldText();
    const TFindOptions options = ReadFindOptions() | (Answer() ? frReplaceAll : frReplace);
    Note("Reemplazar " + Shown(findText) + " by " + Shown(replaceText) + " options " +
         std::to_string(options));
    FSearch.DoReplace(findText, replaceText, options);
    AllowLeftOutOfShape();
}

void TGridScript::DrawingCommand() {
    if (Answer()) {
        Note("Dibujar");
        actDibujarExecute(FGrid);
    } else {
        Note("leave drawing mode");
        LeaveDrawingMode(FGrid);
    }
    FGrid.UpdateStatus();
    ExpectShape();
}

void TGridScript::UnnormalisedCommand() {
    switch (FIn.Below(3)) {
    case 0:
        Note("Deshacer");
        actDeshacerExecute(FGrid);
        AllowLeftOutOfShape();
        break;
    case 1:
        Note("Borrar");
        actBorrarExecute(FGrid);
        AllowLeftOutOfShape();
        break;
    default:
        Note("Seleccionar todo");
        actSeleccionarTodoExecute(FGrid);
        ExpectShape();
        break;
    }
}

// A size from the page dialog, a host's text with the page the hosted window
// fits to it, or a TYP file's bytes with the page import makes of them (the
// file's decoding without the file).
void TGridScript::NewPage() {
    switch (FIn.Below(3)) {
    case 0: {
        const int width = 1 + FIn.Below(120);
        const int height = 1 + FIn.Below(40);
        Note("page " + std::to_string(width) + " x " + std::to_string(height));
        FGrid.SetPageSize(width, height);
        break;
    }
    case 1: {
        const std::u16string text = ReadText();
        Note("hosted text " + Shown(text));
        Memo().SetText(NormalizeLineBreaks(text));
        const TPageSize page = PrepareHostedPage(Memo());
        FGrid.SetPageSize(page.Width, page.Height);
        break;
    }
    default: {
        std::string bytes(static_cast<std::size_t>(FIn.Byte()), '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(FIn.Byte());
        const TTypText loaded = DecodeTyp(bytes);
        Note("imported " + Shown(loaded.Text));
        Memo().SetText(loaded.Text);
        const TTypPageSize page = TypPageSize(loaded.Text);
        FGrid.SetPageSize(page.Width, page.Height);
        break;
    }
    }
    Memo().SetPageLines(1 + FIn.Below(FGrid.AltoPagina() + 1));
    ExpectNormalised();
}

void TGridScript::Step() {
    switch (FIn.Below(16)) {
    case 0:
        MouseSelection();
        break;
    case 1:
        DoubleClick();
        break;
    case 2:
    case 3:
        ClipboardCommand();
        break;
    case 4:
        LineCommand();
        break;
    case 5:
        SearchCommand();
        break;
    case 6:
        ReplaceCommand();
        break;
    case 7:
        DrawingCommand();
        break;
    case 8:
        UnnormalisedCommand();
        break;
    case 9:
        NewPage();
        break;
    default:
        KeyCycle();
        break;
    }
}

// The drawing flag is the process's: every script starts with it off, as a
// hosted run does.
std::string TGridScript::Run() {
    SetDrawingFlag(false);
    FGrid.SetTypeEdition(static_cast<std::uint8_t>(FIn.Below(4)));
    NewPage();
    while (!FIn.AtEnd() && FFailure.empty()) {
        ++FActions;
        Step();
    }
    return FFailure;
}

} // namespace

std::string RunGridScript(std::span<const std::uint8_t> script, std::ostream* trace) {
    return TGridScript(script, trace).Run();
}

} // namespace typ::test
