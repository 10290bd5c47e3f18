#pragma once

// Where a control sits in its parent, and the pixel corrections that make the
// longer Spanish captions fit.
namespace typ::dialogs {

struct TBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    friend bool operator==(const TBounds&, const TBounds&) = default;
};

// Moves the top-left corner by Dx, Dy and changes the height by Dh and the
// width by Dw (AdjustControl takes them in this order: dx, dy, dh, dw).
struct TBoundsChange {
    int Dx = 0;
    int Dy = 0;
    int Dh = 0;
    int Dw = 0;

    bool IsNone() const { return Dx == 0 && Dy == 0 && Dh == 0 && Dw == 0; }
    friend bool operator==(const TBoundsChange&, const TBoundsChange&) = default;
};

TBounds AdjustedBounds(const TBounds& bounds, const TBoundsChange& change);

// The corrections the tables use: "wider 30", "right 36, narrower 23", "left 6".
constexpr TBoundsChange Wider(int pixels) {
    return {0, 0, 0, pixels};
}
constexpr TBoundsChange Right(int pixels, int widthChange = 0) {
    return {pixels, 0, 0, widthChange};
}
constexpr TBoundsChange Left(int pixels, int widthChange = 0) {
    return {-pixels, 0, 0, widthChange};
}

} // namespace typ::dialogs
