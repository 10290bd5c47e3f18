#include "dialogs/Relabel.h"

#include "dialogs/AdjustControl.h"
#include "dialogs/CaptionMatch.h"

#include <array>

namespace typ::win {
namespace {

constexpr int kLanguageTestLength = 257;

HWND TargetOf(HWND dialog, const dialogs::TRelabelStep& step) {
    switch (step.Target) {
    case dialogs::TRelabelTarget::DialogWindow:
        return dialog;
    case dialogs::TRelabelTarget::Control:
        return GetDlgItem(dialog, step.ControlId);
    case dialogs::TRelabelTarget::ChildCaptioned:
        return FindWindowExW(dialog, nullptr, nullptr, WideCopy(step.Captioned).c_str());
    }
    return nullptr;
}

void ApplyStep(HWND dialog, const dialogs::TRelabelStep& step) {
    const HWND target = TargetOf(dialog, step);
    if (!target)
        return;
    if (!step.Change.IsNone())
        AdjustControl(target, step.Change.Dx, step.Change.Dy, step.Change.Dh, step.Change.Dw);
    if (!step.Caption.empty())
        SetWindowCaption(target, step.Caption);
}

} // namespace

std::wstring WideCopy(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::u16string WindowCaption(HWND window) {
    std::array<wchar_t, kLanguageTestLength + 1> text{};
    const int length = window ? GetWindowTextW(window, text.data(), kLanguageTestLength + 1) : 0;
    const auto end = text.begin() + (length > 0 ? length : 0);
    return std::u16string(text.begin(), end);
}

std::u16string ControlCaption(HWND dialog, int id) {
    return WindowCaption(GetDlgItem(dialog, id));
}

void SetWindowCaption(HWND window, std::u16string_view caption) {
    SetWindowTextW(window, WideCopy(caption).c_str());
}

bool ReadsSpanish(HWND dialog, const dialogs::TLanguageTest& test) {
    return dialogs::SameCaption(ControlCaption(dialog, test.ControlId), test.Reference);
}

void ApplyRelabelSteps(HWND dialog, std::span<const dialogs::TRelabelStep> steps) {
    for (const dialogs::TRelabelStep& step : steps)
        ApplyStep(dialog, step);
}

bool RelabelUnlessSpanish(HWND dialog, const dialogs::TDialogRelabelling& relabelling) {
    if (ReadsSpanish(dialog, relabelling.Test))
        return false;
    ApplyRelabelSteps(dialog, relabelling.Steps);
    return true;
}

} // namespace typ::win
