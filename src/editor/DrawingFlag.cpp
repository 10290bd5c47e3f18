#include "editor/DrawingFlag.h"

#include <atomic>

namespace typ {

namespace {

std::atomic<bool> drawing{false};

} // namespace

bool DrawingFlag() {
    return drawing.load();
}

void SetDrawingFlag(bool on) {
    drawing.store(on);
}

} // namespace typ
