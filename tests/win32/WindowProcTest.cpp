#include "platform/WindowProc.h"

#include "LogTestSupport.h"
#include "editor/WindowClass.h"

#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace typ::win::test {
namespace {

constexpr UINT kThrowStd = WM_APP;
constexpr UINT kThrowOther = WM_APP + 1;
constexpr UINT kAnswer = WM_APP + 2;

// A window of a test class on the shared procedure, whose handler throws on
// request as a painting that runs out of memory would.
class TThrowingWindow {
public:
    TThrowingWindow() {
        RegisterOnce(WindowClass(L"TypThrowingTest",
                                 WindowProc<TThrowingWindow, &TThrowingWindow::Handle>, IDC_ARROW));
        CreateWindowExW(0, L"TypThrowingTest", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                        GetModuleHandleW(nullptr), this);
    }
    ~TThrowingWindow() { DestroyWindow(Handle); }
    TThrowingWindow(const TThrowingWindow&) = delete;
    TThrowingWindow& operator=(const TThrowingWindow&) = delete;

    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kThrowStd)
            throw std::bad_alloc();
        if (message == kThrowOther)
            throw 42;
        if (message == kAnswer)
            return 7;
        return DefWindowProcW(Handle, message, wParam, lParam);
    }

    HWND Handle = nullptr;
};

// Each occurrence of `text` in the program's log.
std::size_t Occurrences(const std::string& log, const std::string& text) {
    std::size_t count = 0;
    for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
        ++count;
    return count;
}

TEST(WindowProc, AnErrorInAHandlerIsLoggedGetsTheDefaultAnswerAndTheWindowLivesOn) {
    const typ::test::TAppDataSandbox sandbox;
    typ::test::WriteBytes(sandbox.LogIni(),
                          "[LogFileHelp]\r\n[GLOBAL]\r\nArchivo_Texto_Nivel=1\r\n");
    TThrowingWindow window;
    ASSERT_NE(window.Handle, nullptr);
    EXPECT_EQ(SendMessageW(window.Handle, kThrowStd, 0, 0), 0);
    EXPECT_EQ(SendMessageW(window.Handle, kThrowOther, 0, 0), 0);
    EXPECT_TRUE(IsWindow(window.Handle));
    EXPECT_EQ(SendMessageW(window.Handle, kAnswer, 0, 0), 7);
    const std::string log = typ::test::ReadBytes(sandbox.ProgramLog());
    EXPECT_EQ(Occurrences(log, "#FALLA"), 2u) << log;
    EXPECT_EQ(Occurrences(log, "Error en el procedimiento de ventana, mensaje 32768"), 1u) << log;
    EXPECT_EQ(Occurrences(log, "Error en el procedimiento de ventana, mensaje 32769"), 1u) << log;
}

// A window destroyed from outside, as a parent takes its children along,
// leaves its object no handle to reuse.
TEST(WindowProc, TheObjectForgetsItsWindowOnceTheWindowIsGone) {
    TThrowingWindow window;
    const HWND handle = window.Handle;
    ASSERT_NE(handle, nullptr);
    DestroyWindow(handle);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(window.Handle, nullptr);
}

} // namespace
} // namespace typ::win::test
