#include "editor/PrintDoubleShapes.h"

#include <algorithm>

namespace typ {

namespace {

// The two lines of a double stroke: left and right of the centre column,
// above and below the centre row.
class TDoubleCell {
public:
    TDoubleCell(const TBoxCell& cell, std::vector<TSegment>& segments)
        : FCell(cell), FSegments(segments) {
        const int across = std::max(1, (cell.R - cell.X) / 6);
        const int down = kBoxCellHeight / 6;
        Left = cell.C - across;
        Right = cell.C + across;
        Upper = cell.M - down;
        Lower = cell.M + down;
    }

    void Across(int y, int fromX, int toX) { FSegments.push_back({{fromX, y}, {toX, y}}); }
    void Down(int x, int fromY, int toY) { FSegments.push_back({{x, fromY}, {x, toY}}); }

    int X() const { return FCell.X; }
    int R() const { return FCell.R; }
    int T() const { return FCell.T; }
    int B() const { return FCell.B; }

    int Left = 0;
    int Right = 0;
    int Upper = 0;
    int Lower = 0;

private:
    const TBoxCell& FCell;
    std::vector<TSegment>& FSegments;
};

// The corner strokes of a double junction: the inner corner towards each
// quarter of the cell that two of its strokes close.
void UpperLeft(TDoubleCell& d) {
    d.Across(d.Upper, d.X(), d.Left);
    d.Down(d.Left, d.T(), d.Upper);
}
void UpperRight(TDoubleCell& d) {
    d.Across(d.Upper, d.Right, d.R());
    d.Down(d.Right, d.T(), d.Upper);
}
void LowerLeft(TDoubleCell& d) {
    d.Across(d.Lower, d.X(), d.Left);
    d.Down(d.Left, d.Lower, d.B());
}
void LowerRight(TDoubleCell& d) {
    d.Across(d.Lower, d.Right, d.R());
    d.Down(d.Right, d.Lower, d.B());
}

} // namespace

bool AppendDoubleShape(unsigned char byte, const TBoxCell& cell, std::vector<TSegment>& segments) {
    TDoubleCell d(cell, segments);
    switch (byte) {
    case 0xCD: // ═
        d.Across(d.Upper, d.X(), d.R());
        d.Across(d.Lower, d.X(), d.R());
        return true;
    case 0xBA: // ║
        d.Down(d.Left, d.T(), d.B());
        d.Down(d.Right, d.T(), d.B());
        return true;
    case 0xC9: // ╔
        d.Across(d.Upper, d.Left, d.R());
        d.Down(d.Left, d.Upper, d.B());
        LowerRight(d);
        return true;
    case 0xBB: // ╗
        d.Across(d.Upper, d.X(), d.Right);
        d.Down(d.Right, d.Upper, d.B());
        LowerLeft(d);
        return true;
    case 0xC8: // ╚
        d.Down(d.Left, d.T(), d.Lower);
        d.Across(d.Lower, d.Left, d.R());
        UpperRight(d);
        return true;
    case 0xBC: // ╝
        d.Down(d.Right, d.T(), d.Lower);
        d.Across(d.Lower, d.X(), d.Right);
        UpperLeft(d);
        return true;
    case 0xCC: // ╠
        d.Down(d.Left, d.T(), d.B());
        UpperRight(d);
        LowerRight(d);
        return true;
    case 0xB9: // ╣
        d.Down(d.Right, d.T(), d.B());
        UpperLeft(d);
        LowerLeft(d);
        return true;
    case 0xCB: // ╦
        d.Across(d.Upper, d.X(), d.R());
        LowerLeft(d);
        LowerRight(d);
        return true;
    case 0xCA: // ╩
        d.Across(d.Lower, d.X(), d.R());
        UpperLeft(d);
        UpperRight(d);
        return true;
    case 0xCE: // ╬
        UpperLeft(d);
        UpperRight(d);
        LowerLeft(d);
        LowerRight(d);
        return true;
    default:
        return false;
    }
}

} // namespace typ
