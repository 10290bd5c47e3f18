#include "editor/BoxDrawing.h"

#include <algorithm>
#include <utility>

namespace typ {

namespace {

constexpr int kMarkerUp = 1;
constexpr int kMarkerDown = 2;
constexpr int kMarkerLeft = 3;
constexpr int kMarkerRight = 4;

constexpr std::array<char16_t, 7> kUpStrokes = {179, 180, 192, 193, 195, 197, 217};
constexpr std::array<char16_t, 7> kDownStrokes = {179, 180, 191, 194, 195, 197, 218};
constexpr std::array<char16_t, 7> kLeftStrokes = {180, 191, 193, 194, 196, 197, 217};
constexpr std::array<char16_t, 7> kRightStrokes = {192, 193, 194, 195, 196, 197, 218};

// Each single-line character and its double-line twin.
constexpr std::array<std::pair<char16_t, char16_t>, 11> kTwins = {{{179, 186},
                                                                   {180, 185},
                                                                   {191, 187},
                                                                   {192, 200},
                                                                   {193, 202},
                                                                   {194, 203},
                                                                   {195, 204},
                                                                   {196, 205},
                                                                   {197, 206},
                                                                   {217, 188},
                                                                   {218, 201}}};

char16_t SingleTwin(char16_t c) {
    for (const auto& [single, twin] : kTwins)
        if (c == twin)
            return single;
    return c;
}

const std::array<char16_t, 7>& StrokesTowards(TDirection direction) {
    switch (direction) {
    case TDirection::Up:
        return kUpStrokes;
    case TDirection::Down:
        return kDownStrokes;
    case TDirection::Left:
        return kLeftStrokes;
    case TDirection::Right:
        break;
    }
    return kRightStrokes;
}

bool IsCursorKey(int key) {
    return key == vk::Left || key == vk::Up || key == vk::Right || key == vk::Down;
}

// The character of a cell, none beyond the end of its line or the page.
std::optional<char16_t> CharAt(const TMemo& memo, int column, int line) {
    if (line < 0 || line >= memo.LineCount() || column < 1 || column > memo.LineLength(line))
        return std::nullopt;
    return memo.Line(line)[static_cast<std::size_t>(column - 1)];
}

// The number of lines as the line list counts them (a final empty line after
// a closing line break is not one).
int ListedLines(const TMemo& memo) {
    const int lines = memo.LineCount();
    return memo.LineLength(lines - 1) == 0 ? lines - 1 : lines;
}

// The character a table entry stands for: markers read the table's own lines.
int CharacterOf(const TLineTable& linea, int value, int key) {
    switch (value) {
    case 0:
        if (key == vk::Up || key == vk::Down)
            return linea[static_cast<std::size_t>(LineaIndex(true, true, false, false))];
        if (key == vk::Left || key == vk::Right)
            return linea[static_cast<std::size_t>(LineaIndex(false, false, true, true))];
        return 0;
    case kMarkerUp:
    case kMarkerDown:
        return linea[static_cast<std::size_t>(LineaIndex(true, true, false, false))];
    case kMarkerLeft:
    case kMarkerRight:
        return linea[static_cast<std::size_t>(LineaIndex(false, false, true, true))];
    default:
        return value;
    }
}

} // namespace

bool HasStroke(std::optional<char16_t> character, TDirection direction) {
    if (!character)
        return false;
    const auto& codes = StrokesTowards(direction);
    return std::find(codes.begin(), codes.end(), SingleTwin(*character)) != codes.end();
}

int InStyle(int code, TLineStyle style) {
    for (const auto& [single, twin] : kTwins)
        if (code == single || code == twin)
            return style == TLineStyle::Double ? twin : single;
    return code;
}

int LineaIndex(bool up, bool down, bool left, bool right) {
    return (up ? 8 : 0) + (down ? 4 : 0) + (left ? 2 : 0) + (right ? 1 : 0);
}

TLineTable InitLineTable() {
    TLineTable linea{};
    auto set = [&linea](bool up, bool down, bool left, bool right, int value) {
        linea[static_cast<std::size_t>(LineaIndex(up, down, left, right))] = value;
    };
    set(false, false, false, false, 0);
    set(false, false, false, true, kMarkerRight);
    set(false, false, true, false, kMarkerLeft);
    set(false, false, true, true, 196);
    set(false, true, false, false, kMarkerDown);
    set(false, true, false, true, 218);
    set(false, true, true, false, 191);
    set(false, true, true, true, 194);
    set(true, false, false, false, kMarkerUp);
    set(true, false, false, true, 192);
    set(true, false, true, false, 217);
    set(true, false, true, true, 193);
    set(true, true, false, false, 179);
    set(true, true, false, true, 195);
    set(true, true, true, false, 180);
    set(true, true, true, true, 197);
    return linea;
}

TCellInfo ComputeCell(const TMemo& memo, const TLineTable& linea, int column, int line, int key) {
    TCellInfo cell;
    cell.Column = column;
    cell.Line = line;
    cell.Character = CharAt(memo, column, line);
    cell.CursorKey = IsCursorKey(key);
    cell.Up =
        line >= 1 && (HasStroke(CharAt(memo, column, line - 1), TDirection::Down) || key == vk::Up);
    cell.Down = line + 1 < ListedLines(memo) &&
                (HasStroke(CharAt(memo, column, line + 1), TDirection::Up) || key == vk::Down);
    cell.Left = column >= 2 &&
                (HasStroke(CharAt(memo, column - 1, line), TDirection::Right) || key == vk::Left);
    cell.Right = memo.LineLength(line) >= column + 1 &&
                 (HasStroke(CharAt(memo, column + 1, line), TDirection::Left) || key == vk::Right);
    const int value =
        linea[static_cast<std::size_t>(LineaIndex(cell.Up, cell.Down, cell.Left, cell.Right))];
    cell.NewChar = CharacterOf(linea, value, key);
    return cell;
}

void PutCell(TMemo& memo, int width, int column, int line, int code) {
    if (line < 0 || line >= memo.LineCount() || column < 1 || memo.LineLength(line) < column)
        return;
    const std::u16string& old = memo.Line(line);
    const auto keep = static_cast<std::size_t>(std::max(width, 0));
    std::u16string text = old.substr(0, static_cast<std::size_t>(column - 1));
    if (code > 0)
        text += static_cast<char16_t>(code);
    text.append(old, static_cast<std::size_t>(column), keep);
    text.resize(std::min(text.size(), keep));
    memo.Lines().Put(line, text);
}

void TBoxDrawing::DrawStep(TMemo& memo, int width, int key) {
    if (!IsCursorKey(key))
        return;
    const TPoint caret = memo.CaretPos();
    const int column = caret.X + 1;
    const int line = caret.Y;
    if (column <= 1 && key == vk::Left)
        return;
    if (memo.LineLength(line) <= column && key == vk::Right)
        return;
    TMemoUpdate update(memo);
    const int selStart = memo.SelStart();
    const TCellInfo cell = ComputeCell(memo, FLinea, column, line, key);
    PutCell(memo, width, column, line, InStyle(cell.NewChar, FStyle));
    Reshape(memo, width, cell);
    memo.SetSelStart(selStart);
    FKeyAnt = key;
}

// The cell the caret came from gets a stroke towards the new cell, when the
// new cell reaches out to it.
void TBoxDrawing::Reshape(TMemo& memo, int width, const TCellInfo& cell) {
    int column = cell.Column;
    int line = cell.Line;
    switch (FKeyAnt) {
    case vk::Left:
        if (!cell.Right)
            return;
        ++column;
        break;
    case vk::Up:
        if (!cell.Down)
            return;
        ++line;
        break;
    case vk::Right:
        if (!cell.Left)
            return;
        --column;
        break;
    case vk::Down:
        if (!cell.Up)
            return;
        --line;
        break;
    default:
        return;
    }
    const int code = ComputeCell(memo, FLinea, column, line, FKeyAnt).NewChar;
    PutCell(memo, width, column, line, InStyle(code, FStyle));
}

} // namespace typ
