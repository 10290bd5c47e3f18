#include "editor/PrintBoxShapes.h"

#include "editor/PrintDoubleShapes.h"

#include <array>
#include <initializer_list>

namespace typ {

namespace {

// Where a stroke ends across and down the cell: the +1 ends make the strokes
// of a corner overlap by one pixel on some shapes.
enum class TAcross : unsigned char { X, C, C1, R };
enum class TDown : unsigned char { T, M, M1, B };

struct TStroke {
    TAcross FromX;
    TDown FromY;
    TAcross ToX;
    TDown ToY;
};

enum class TShape : unsigned char {
    None,
    Horizontal,
    Vertical,
    DownRight,
    DownLeft,
    UpRight,
    UpLeft,
    TeeRight,
    TeeLeft,
    TeeDown,
    TeeUp,
    Cross,
};

using enum TAcross;
using enum TDown;

constexpr TStroke kAcross{X, M, R, M};
constexpr TStroke kDown{C, T, C, B};

struct TShapeStrokes {
    std::array<TStroke, 2> Strokes;
    int Count;
};

constexpr TShapeStrokes StrokesOf(TShape shape) {
    switch (shape) {
    case TShape::Horizontal:
        return {{kAcross}, 1};
    case TShape::Vertical:
        return {{kDown}, 1};
    case TShape::DownRight:
        return {{TStroke{C, M, R, M}, TStroke{C, M1, C, B}}, 2};
    case TShape::DownLeft:
        return {{TStroke{C, M, C, B}, TStroke{X, M, C, M}}, 2};
    case TShape::UpRight:
        return {{TStroke{C, T, C, M}, TStroke{C, M, R, M}}, 2};
    case TShape::UpLeft:
        return {{TStroke{C, T, C, M1}, TStroke{X, M, C1, M}}, 2};
    case TShape::TeeRight:
        return {{TStroke{C, M, R, M}, kDown}, 2};
    case TShape::TeeLeft:
        return {{TStroke{X, M, C, M}, kDown}, 2};
    case TShape::TeeDown:
        return {{TStroke{C, M1, C, B}, kAcross}, 2};
    case TShape::TeeUp:
        return {{kAcross, TStroke{C, T, C, M}}, 2};
    case TShape::Cross:
        return {{kAcross, kDown}, 2};
    case TShape::None:
        break;
    }
    return {{}, 0};
}

constexpr void Assign(std::array<TShape, 256>& shapes, TShape shape,
                      std::initializer_list<unsigned char> bytes) {
    for (const unsigned char byte : bytes)
        shapes[byte] = shape;
}

constexpr std::array<TShape, 256> MakeShapes() {
    std::array<TShape, 256> shapes{};
    Assign(shapes, TShape::Horizontal, {0xC4, 0xCD});
    Assign(shapes, TShape::Vertical, {0xB3, 0xBA});
    Assign(shapes, TShape::DownRight, {0xDA, 0xC9, 0xD5, 0xD6});
    Assign(shapes, TShape::DownLeft, {0xBF, 0xB7, 0xB8});
    Assign(shapes, TShape::UpRight, {0xC0, 0xC8, 0xD3, 0xD4});
    Assign(shapes, TShape::UpLeft, {0xD9, 0xBC, 0xBD, 0xBE});
    Assign(shapes, TShape::TeeRight, {0xC3, 0xC6, 0xC7, 0xCC});
    Assign(shapes, TShape::TeeLeft, {0xB4, 0xB5, 0xB6, 0xB9});
    Assign(shapes, TShape::TeeDown, {0xC2, 0xCB, 0xD1, 0xD2});
    Assign(shapes, TShape::TeeUp, {0xC1, 0xCA, 0xCF, 0xD0});
    Assign(shapes, TShape::Cross, {0xC5, 0xCE, 0xD7, 0xD8});
    return shapes;
}

constexpr std::array<TShape, 256> kShapes = MakeShapes();

int Across(const TBoxCell& cell, TAcross at) {
    switch (at) {
    case X:
        return cell.X;
    case C:
        return cell.C;
    case C1:
        return cell.C + 1;
    case R:
        break;
    }
    return cell.R;
}

int Down(const TBoxCell& cell, TDown at) {
    switch (at) {
    case T:
        return cell.T;
    case M:
        return cell.M;
    case M1:
        return cell.M + 1;
    case B:
        break;
    }
    return cell.B;
}

} // namespace

TBoxCell BoxCell(int position, int lineTop, int spaceWidth) {
    const int half = (spaceWidth + 1) / 2;
    const int left = position * spaceWidth + kBoxCellLeft;
    const int middle = lineTop + kBoxCellHeight / 2;
    return {left, left + half, left + 2 * half, lineTop, middle, lineTop + kBoxCellHeight};
}

// 0xBB, the double corner of the upper right, is drawn with the other ten
// double-line bytes.
bool IsBoxDrawingByte(unsigned char byte) {
    return kShapes[byte] != TShape::None || byte == 0xBB;
}

void AppendBoxShape(unsigned char byte, const TBoxCell& cell, std::vector<TSegment>& segments) {
    if (AppendDoubleShape(byte, cell, segments))
        return;
    const TShapeStrokes shape = StrokesOf(kShapes[byte]);
    for (int i = 0; i < shape.Count; ++i) {
        const TStroke& stroke = shape.Strokes[static_cast<std::size_t>(i)];
        segments.push_back({{Across(cell, stroke.FromX), Down(cell, stroke.FromY)},
                            {Across(cell, stroke.ToX), Down(cell, stroke.ToY)}});
    }
}

} // namespace typ
