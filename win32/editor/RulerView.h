#pragma once

#include "editor/GridView.h"

#include <windows.h>
#include <string>
#include <vector>

namespace typ::win {

enum class TRulerKind { Horizontal, Vertical };

// A ruler beside the grid, in its own bordered frame: column numbers and
// marks along the top, line marks down the left. It draws only the part
// facing the visible grid and follows the grid's scrolling.
class TRulerView {
public:
    TRulerView(HWND parent, TRulerKind kind, const TGridView& view, const TGridEditor& grid);
    ~TRulerView();
    TRulerView(const TRulerView&) = delete;
    TRulerView& operator=(const TRulerView&) = delete;

    HWND Handle() const { return FHandle; }
    // The window's messages, through WindowProc.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    // Repaints when what the ruler shows changed.
    void Refresh();

private:
    // What the ruler shows: the grid's cell and glyphs, then the texts of its
    // rows (the two rows of the top ruler; a mark or nothing per grid row on
    // the left).
    struct TPicture {
        SIZE Cell{};
        bool MapGlyphs = false;
        std::vector<std::u16string> Rows;
        bool operator==(const TPicture& other) const {
            return Cell.cx == other.Cell.cx && Cell.cy == other.Cell.cy &&
                   MapGlyphs == other.MapGlyphs && Rows == other.Rows;
        }
    };
    TPicture Picture() const;
    void Paint();
    void PaintColumns(HDC dc, const RECT& client, const TPicture& picture) const;
    void PaintLines(HDC dc, const RECT& client, const TPicture& picture) const;

    TRulerKind FKind;
    const TGridView& FView;
    const TGridEditor& FGrid;
    TOwnedFont FFont;
    SIZE FGlyph{};
    HWND FHandle = nullptr;
    TPicture FShown;
};

} // namespace typ::win
