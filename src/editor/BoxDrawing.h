#pragma once

#include "editor/Memo.h"

#include <array>
#include <optional>

// Drawing frames with the cursor keys: each step writes, under the caret, the
// box character that joins the strokes around the cell with a stroke towards
// where the caret goes, and re-shapes the cell it came from. Codes are DOS
// bytes; in DOS-as-ANSI text the character has the same code.
//
// Lines are single or double. Code page 850 has no character that mixes both
// strokes, so where a double line meets a single one the cell takes the
// junction of the line being drawn: the other line's strokes keep their place
// in the junction's shape, in the drawn line's style.
namespace typ {

enum class TDirection { Up, Down, Left, Right };
enum class TLineStyle { Single, Double };

// Whether a DOS box character, single or double, has a stroke towards the
// direction; false for any other character and for no character at all
// (beyond a line's end).
bool HasStroke(std::optional<char16_t> character, TDirection direction);

// The character of the same strokes in the style; any other code unchanged.
int InStyle(int code, TLineStyle style);

// The junction table, indexed by the four stroke flags: the code of the
// character with exactly those strokes, a marker 1 to 4 for a lone up, down,
// left or right stroke, 0 for none.
using TLineTable = std::array<int, 16>;
TLineTable InitLineTable();
int LineaIndex(bool up, bool down, bool left, bool right);

// One cell as a drawing step sees it. Column counts from 1, line from 0.
struct TCellInfo {
    int Column = 0;
    int Line = 0;
    std::optional<char16_t> Character;
    bool CursorKey = false;
    bool Up = false;
    bool Down = false;
    bool Left = false;
    bool Right = false;
    // The character to write; 0 writes nothing (only for a key that is not a
    // cursor key, on a cell with no strokes).
    int NewChar = 0;
};

TCellInfo ComputeCell(const TMemo& memo, const TLineTable& linea, int column, int line, int key);

// Writes one character into a line, keeping it at most `width` long; a line
// shorter than the column is left alone, and a code of 0 or below removes the
// character instead.
void PutCell(TMemo& memo, int width, int column, int line, int code);

// The drawing state of one editor: the junction table and the previous cursor
// key of a drawing step, which survives mode switches and mouse moves.
class TBoxDrawing {
public:
    TBoxDrawing() : FLinea(InitLineTable()) {}

    const TLineTable& Linea() const { return FLinea; }
    int KeyAnt() const { return FKeyAnt; }
    TLineStyle Style() const { return FStyle; }
    void SetStyle(TLineStyle style) { FStyle = style; }

    // Draws at the caret for a cursor key that is about to move it; any other
    // key does nothing.
    void DrawStep(TMemo& memo, int width, int key);

private:
    void Reshape(TMemo& memo, int width, const TCellInfo& cell);

    TLineTable FLinea;
    int FKeyAnt = 0;
    TLineStyle FStyle = TLineStyle::Single;
};

} // namespace typ
