#pragma once

#include "dialogs/ControlBounds.h"

#include <span>
#include <string_view>

// One line of a dialog's relabelling table: which window it touches, the
// caption it gives and the correction of its place and size.
namespace typ::dialogs {

enum class TRelabelTarget {
    DialogWindow,   // the dialog window itself
    Control,        // the control with ControlId
    ChildCaptioned, // the child window whose caption is Captioned
};

struct TRelabelStep {
    TRelabelTarget Target = TRelabelTarget::Control;
    int ControlId = 0;
    std::u16string_view Captioned;
    std::u16string_view Caption; // empty: the caption stays
    TBoundsChange Change;        // applied before the caption
};

constexpr TRelabelStep DialogWindow(std::u16string_view caption, TBoundsChange change = {}) {
    return {TRelabelTarget::DialogWindow, 0, {}, caption, change};
}
constexpr TRelabelStep Control(int id, std::u16string_view caption, TBoundsChange change = {}) {
    return {TRelabelTarget::Control, id, {}, caption, change};
}
constexpr TRelabelStep Moved(int id, TBoundsChange change) {
    return {TRelabelTarget::Control, id, {}, {}, change};
}
constexpr TRelabelStep ChildCaptioned(std::u16string_view captioned, std::u16string_view caption) {
    return {TRelabelTarget::ChildCaptioned, 0, captioned, caption, {}};
}

// A dialog already speaks Spanish when this control's caption reads the
// reference text, in any letter case.
struct TLanguageTest {
    int ControlId = 0;
    std::u16string_view Reference;
};

struct TDialogRelabelling {
    TLanguageTest Test;
    std::span<const TRelabelStep> Steps;
};

} // namespace typ::dialogs
