#pragma once

#include "dialogs/RelabelStep.h"

#include <windows.h>
#include <span>
#include <string>
#include <string_view>

// Applying the relabelling tables to a live dialog. Controls and windows the
// dialog does not have are skipped without error.
namespace typ::win {

std::wstring WideCopy(std::u16string_view text);

// A window's caption as the language test reads it: at most 257 characters.
std::u16string WindowCaption(HWND window);
std::u16string ControlCaption(HWND dialog, int id);
void SetWindowCaption(HWND window, std::u16string_view caption);

// True when the test's control already reads the Spanish reference text.
bool ReadsSpanish(HWND dialog, const dialogs::TLanguageTest& test);

void ApplyRelabelSteps(HWND dialog, std::span<const dialogs::TRelabelStep> steps);

// The language test, then the steps when it failed; true when it relabelled.
bool RelabelUnlessSpanish(HWND dialog, const dialogs::TDialogRelabelling& relabelling);

} // namespace typ::win
