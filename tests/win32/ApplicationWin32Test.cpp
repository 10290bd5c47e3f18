#include "application/Win32Application.h"
#include "help/HtmlHelpLibrary.h"

#include <windows.h>
#include <gtest/gtest.h>

namespace typ::win {
namespace {

TEST(ApplicationWin32Test, ProcessQuestionsOfA64BitLocalProcess) {
    const TWow64Answer answer = ReadWow64Answer();
    EXPECT_TRUE(answer.FunctionFound);
    EXPECT_TRUE(answer.CallSucceeded);
    EXPECT_EQ(answer.Wow64, sizeof(void*) == 4);
    EXPECT_EQ(TVnApplication::IsWow64Process(answer), sizeof(void*) == 4);
    EXPECT_FALSE(IsTerminalServer());
}

TEST(ApplicationWin32Test, MinimizeAndRestoreActOnTheProcesssWindows) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"ventana", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        10, 10, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    TWin32ApplicationWindows windows;
    windows.Minimize();
    EXPECT_TRUE(IsIconic(window));
    windows.Restore();
    EXPECT_FALSE(IsIconic(window));
    windows.BringToFront(reinterpret_cast<std::uintptr_t>(window));
    EXPECT_TRUE(IsWindowVisible(window));
    DestroyWindow(window);
}

TEST(ApplicationWin32Test, ThePlatformsHelpViewerIsFoundAndItsAbsenceIsToldNotSilent) {
    THtmlHelpLibrary library;
    EXPECT_TRUE(library.HtmlHelpAvailable());
    EXPECT_TRUE(HtmlHelpAvailable()) << "installed as the dispatcher's viewer";
    try {
        library.ApplicationHelpContext(1234);
        ADD_FAILURE() << "the application has no help of its own to show";
    } catch (const EHelpError& error) {
        EXPECT_STREQ(error.what(), "No fue posible mostrar la ayuda.");
    }
}

} // namespace
} // namespace typ::win
