#pragma once

#include "editor/GridView.h"

#include <windows.h>

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
    void Refresh() const;

private:
    void Paint() const;
    void PaintColumns(HDC dc, const RECT& client) const;
    void PaintLines(HDC dc, const RECT& client) const;

    TRulerKind FKind;
    const TGridView& FView;
    const TGridEditor& FGrid;
    TOwnedFont FFont;
    SIZE FGlyph{};
    HWND FHandle = nullptr;
};

} // namespace typ::win
