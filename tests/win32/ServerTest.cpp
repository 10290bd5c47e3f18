#include "ServerTestSupport.h"

#include <Vn_EditorTyp_h.h>
#include <atomic>
#include <gtest/gtest.h>
#include <oleauto.h>
#include <thread>
#include <vector>
#include <wrl/client.h>

namespace typ::win::test {
namespace {

using Microsoft::WRL::ComPtr;

// A BSTR owned by the test.
class TBstr {
public:
    explicit TBstr(const std::wstring& text)
        : FText(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~TBstr() { SysFreeString(FText); }
    TBstr(const TBstr&) = delete;
    TBstr& operator=(const TBstr&) = delete;
    BSTR Get() const { return FText; }
    BSTR* Address() { return &FText; }
    std::wstring Text() const { return {FText, SysStringLen(FText)}; }

private:
    BSTR FText;
};

HWND FindWindowOf(DWORD process, const wchar_t* className, const wchar_t* caption) {
    for (HWND w = FindWindowExW(nullptr, nullptr, className, caption); w;
         w = FindWindowExW(nullptr, w, className, caption)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == process)
            return w;
    }
    return nullptr;
}

HWND FindDescendantOf(HWND parent, const wchar_t* className) {
    for (HWND child = FindWindowExW(parent, nullptr, nullptr, nullptr); child;
         child = FindWindowExW(parent, child, nullptr, nullptr)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (wcscmp(name, className) == 0)
            return child;
        if (const HWND found = FindDescendantOf(child, className))
            return found;
    }
    return nullptr;
}

HWND WaitForWindowOf(DWORD process, const wchar_t* className, const wchar_t* caption) {
    for (int i = 0; i < 200; ++i) {
        if (const HWND w = FindWindowOf(process, className, caption))
            return w;
        Sleep(50);
    }
    return nullptr;
}

// Closes an editor window with its close box once it shows, from another thread:
// the test's thread is inside the call that runs the window modally.
class TCloserWhenShown {
public:
    explicit TCloserWhenShown(HWND window)
        : FThread([this, window] {
              for (int i = 0; i < 400 && !FStop; ++i) {
                  if (IsWindowVisible(window)) {
                      PostMessageW(window, WM_CLOSE, 0, 0);
                      return;
                  }
                  Sleep(50);
              }
          }) {}
    ~TCloserWhenShown() {
        FStop = true;
        FThread.join();
    }
    TCloserWhenShown(const TCloserWhenShown&) = delete;
    TCloserWhenShown& operator=(const TCloserWhenShown&) = delete;

private:
    std::atomic<bool> FStop{false};
    std::thread FThread;
};

// A page of 16384 x 4097 cells is beyond what the editor accepts: the show
// hook fails at once.
std::wstring OversizedText() {
    std::wstring text(16384, L'x');
    for (int i = 0; i < 4096; ++i)
        text += L"\r\n";
    return text + L"y";
}

// Show (201) or ShowEx (202) called late-bound as a scripting host calls it:
// the text is the host's variable, passed as a reference to a VARIANT.
struct TScriptedShow {
    explicit TScriptedShow(const std::wstring& text) {
        variable.vt = VT_BSTR;
        variable.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    }
    ~TScriptedShow() {
        VariantClear(&variable);
        VariantClear(&result);
        for (VARIANTARG& a : arguments)
            VariantClear(&a);
    }
    TScriptedShow(const TScriptedShow&) = delete;
    TScriptedShow& operator=(const TScriptedShow&) = delete;

    HRESULT Invoke(IEditorTypCom* editor, DISPID id, EXCEPINFO* exception = nullptr) {
        // Last argument first: the text, then (ShowEx only) help file and contexts.
        arguments.resize(id == 202 ? 6 : 3);
        for (VARIANTARG& a : arguments)
            VariantInit(&a);
        arguments[0].vt = VT_VARIANT | VT_BYREF;
        arguments[0].pvarVal = &variable;
        for (std::size_t i = 1; i < arguments.size(); ++i) {
            const bool context = id == 202 && (i == 2 || i == 3);
            arguments[i].vt = context ? VT_I4 : VT_BSTR;
            if (!context)
                arguments[i].bstrVal =
                    SysAllocString(i + 1 == arguments.size() ? L"C:\\Comunes" : L"Plantilla");
        }
        DISPPARAMS params{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
        return editor->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, &result, exception,
                              nullptr);
    }
    std::wstring Variable() const {
        return variable.vt == VT_BSTR
                   ? std::wstring(variable.bstrVal, SysStringLen(variable.bstrVal))
                   : L"<not a string>";
    }

    VARIANT variable{};
    VARIANT result{};
    std::vector<VARIANTARG> arguments;
};

constexpr wchar_t kMainWindowClass[] = L"TfmrEditorTypComMain";

// Registered in a Wine prefix of its own; every creation starts a server process.
class ServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CoInitialize(nullptr);
        ASSERT_EQ(RunToEnd(ServerPath(), L"/RegServer"), 0u);
    }
    static void TearDownTestSuite() {
        EXPECT_EQ(RunToEnd(ServerPath(), L"/UnregServer"), 0u);
        CoUninitialize();
    }

    static ComPtr<IEditorTypCom> Create() {
        ComPtr<IEditorTypCom> editor;
        EXPECT_EQ(CoCreateInstance(CLSID_EditorTypCom, nullptr, CLSCTX_LOCAL_SERVER,
                                   IID_IEditorTypCom,
                                   reinterpret_cast<void**>(editor.GetAddressOf())),
                  S_OK);
        return editor;
    }
    static HWND HandleOf(IEditorTypCom* editor) {
        VARIANT value;
        VariantInit(&value);
        EXPECT_EQ(editor->Handle(&value), S_OK);
        EXPECT_EQ(value.vt, VT_I4);
        return reinterpret_cast<HWND>(static_cast<LONG_PTR>(value.lVal));
    }
    static DWORD ProcessOf(HWND window) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        return process;
    }
    static HANDLE OpenServer(DWORD process) {
        return OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
    }
    static bool EndsWithin(HANDLE process, DWORD timeoutMs) {
        return WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0;
    }
};

TEST_F(ServerTest, EachObjectLivesInAProcessOfItsOwnWithAHiddenEditor) {
    const ComPtr<IEditorTypCom> first = Create();
    const ComPtr<IEditorTypCom> second = Create();
    ASSERT_TRUE(first && second);
    const HWND firstWindow = HandleOf(first.Get());
    const HWND secondWindow = HandleOf(second.Get());
    ASSERT_TRUE(IsWindow(firstWindow));
    EXPECT_FALSE(IsWindowVisible(firstWindow));
    wchar_t className[64] = {};
    GetClassNameW(firstWindow, className, 64);
    EXPECT_STREQ(className, L"TfrmEditorTYP");
    const HWND owner = GetWindow(firstWindow, GW_OWNER);
    ASSERT_TRUE(owner) << "an owned window gets no task-bar button";
    GetClassNameW(owner, className, 64);
    EXPECT_STREQ(className, kMainWindowClass);
    EXPECT_EQ(ProcessOf(owner), ProcessOf(firstWindow));
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_NE(ProcessOf(firstWindow), ProcessOf(secondWindow));
    EXPECT_NE(ProcessOf(firstWindow), GetCurrentProcessId());
    EXPECT_EQ(HandleOf(first.Get()), firstWindow) << "the window is created once";
}

TEST_F(ServerTest, ShowHandsBackTheNormalisedTextWhenItDiffers) {
    const ComPtr<IEditorTypCom> editor = Create();
    ASSERT_TRUE(editor);
    const HWND window = HandleOf(editor.Get());
    const TBstr dir(L"C:\\Comunes");
    const TBstr caption(L"Plantilla de prueba");
    {
        TBstr text(L"ab\ncd");
        VARIANT_BOOL changed = VARIANT_FALSE;
        const TCloserWhenShown closer(window);
        ASSERT_EQ(editor->Show(dir.Get(), caption.Get(), text.Address(), &changed), S_OK);
        EXPECT_EQ(changed, VARIANT_TRUE);
        EXPECT_EQ(text.Text(), L"ab\r\ncd");
        EXPECT_FALSE(IsWindowVisible(window));
    }
    {
        TBstr text(L"abc\r\ndef");
        VARIANT_BOOL changed = VARIANT_TRUE;
        const TCloserWhenShown closer(window);
        ASSERT_EQ(editor->Show(dir.Get(), caption.Get(), text.Address(), &changed), S_OK);
        EXPECT_EQ(changed, VARIANT_FALSE);
        EXPECT_EQ(text.Text(), L"abc\r\ndef");
    }
}

TEST_F(ServerTest, LateBoundShowExWritesIntoTheCallersVariable) {
    const ComPtr<IEditorTypCom> editor = Create();
    ASSERT_TRUE(editor);
    const HWND window = HandleOf(editor.Get());
    TScriptedShow call(L"ab\r\nabcd");
    {
        const TCloserWhenShown closer(window);
        ASSERT_EQ(call.Invoke(editor.Get(), 202), S_OK);
    }
    EXPECT_EQ(call.result.vt, VT_BOOL);
    EXPECT_EQ(call.result.boolVal, VARIANT_TRUE);
    EXPECT_EQ(call.Variable(), L"ab  \r\nabcd");
}

TEST_F(ServerTest, FailedCallsReportErrorsAndTheServerGoesOn) {
    const ComPtr<IEditorTypCom> editor = Create();
    ASSERT_TRUE(editor);
    const HWND window = HandleOf(editor.Get());
    const TBstr empty(L"");
    VARIANT_BOOL changed = VARIANT_FALSE;
    EXPECT_TRUE(FAILED(editor->Show(empty.Get(), empty.Get(), nullptr, &changed)));

    VARIANTARG few[2] = {};
    DISPPARAMS fewParams{few, nullptr, 2, 0};
    EXPECT_EQ(
        editor->Invoke(202, IID_NULL, 0, DISPATCH_METHOD, &fewParams, nullptr, nullptr, nullptr),
        DISP_E_BADPARAMCOUNT);

    TScriptedShow call(OversizedText());
    EXCEPINFO exception{};
    EXPECT_EQ(call.Invoke(editor.Get(), 201, &exception), DISP_E_EXCEPTION);
    EXPECT_STREQ(exception.bstrSource, L"Vn_EditorTyp.EditorTypCom");
    EXPECT_STREQ(exception.bstrDescription,
                 L"El tama\u00F1o de p\u00E1gina 16384 x 4097 es demasiado grande.");
    EXPECT_EQ(exception.scode, E_UNEXPECTED);
    EXPECT_EQ(call.Variable(), OversizedText());
    EXPECT_FALSE(IsWindowVisible(window)) << "the failed run ended";
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);

    EXPECT_EQ(HandleOf(editor.Get()), window);
    TBstr text(L"a");
    const TCloserWhenShown closer(window);
    EXPECT_EQ(editor->Show(empty.Get(), empty.Get(), text.Address(), &changed), S_OK);
    EXPECT_EQ(changed, VARIANT_FALSE);
}

// A second ShowEx from another thread of the host arrives while the first
// call's modal run dispatches messages: it is refused, and the user's typing
// goes on into the first call's text.
TEST_F(ServerTest, ASecondShowExWhileTheEditorIsOpenIsRefusedAndTheFirstKeepsItsText) {
    const ComPtr<IEditorTypCom> editor = Create();
    ASSERT_TRUE(editor);
    const HWND window = HandleOf(editor.Get());
    IStream* stream = nullptr;
    ASSERT_EQ(CoMarshalInterThreadInterfaceInStream(IID_IEditorTypCom, editor.Get(), &stream),
              S_OK);
    HRESULT second = S_OK;
    std::wstring description;
    std::wstring secondVariable;
    std::thread other([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        {
            ComPtr<IEditorTypCom> again;
            CoGetInterfaceAndReleaseStream(stream, IID_IEditorTypCom,
                                           reinterpret_cast<void**>(again.GetAddressOf()));
            for (int i = 0; i < 200 && !IsWindowVisible(window); ++i)
                Sleep(50);
            TScriptedShow call(L"otra");
            EXCEPINFO exception{};
            second = again ? call.Invoke(again.Get(), 202, &exception) : E_NOINTERFACE;
            description = exception.bstrDescription ? exception.bstrDescription : L"";
            secondVariable = call.Variable();
            SysFreeString(exception.bstrSource);
            SysFreeString(exception.bstrDescription);
            SysFreeString(exception.bstrHelpFile);
        }
        CoUninitialize();
        const HWND grid = FindDescendantOf(window, L"TMemoEx");
        PostMessageW(grid, WM_CHAR, L'X', 0);
        PostMessageW(window, WM_CLOSE, 0, 0);
    });
    TScriptedShow first(L"abc");
    const HRESULT firstResult = first.Invoke(editor.Get(), 202);
    other.join();
    EXPECT_EQ(second, DISP_E_EXCEPTION);
    EXPECT_EQ(description, L"El editor de plantillas ya est\u00E1 abierto: termine la edici\u00F3n "
                           L"en curso antes de abrir otra.");
    EXPECT_EQ(secondVariable, L"otra");
    EXPECT_EQ(firstResult, S_OK);
    EXPECT_EQ(first.Variable(), L"Xbc");
}

TEST_F(ServerTest, TheLastReleaseEndsAnAutomationServer) {
    ComPtr<IEditorTypCom> editor = Create();
    ASSERT_TRUE(editor);
    const HANDLE server = OpenServer(ProcessOf(HandleOf(editor.Get())));
    ASSERT_NE(server, nullptr);
    EXPECT_FALSE(EndsWithin(server, 500));
    editor.Reset();
    EXPECT_TRUE(EndsWithin(server, 10000));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(server, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(server);
}

TEST_F(ServerTest, AServerStartedByHandOutlivesItsObject) {
    const TStartedProcess server(ServerPath(), L"");
    ASSERT_NE(WaitForWindowOf(server.Id(), kMainWindowClass, L"fmrEditorTypComMain"), nullptr);
    ComPtr<IEditorTypCom> editor = Create();
    ASSERT_TRUE(editor);
    const HWND editorWindow = HandleOf(editor.Get());
    EXPECT_EQ(ProcessOf(editorWindow), server.Id()) << "its class object served the creation";
    EXPECT_FALSE(IsWindowVisible(FindWindowOf(server.Id(), kMainWindowClass, nullptr)));
    editor.Reset();
    EXPECT_FALSE(server.EndsWithin(1500));
    PostMessageW(FindWindowOf(server.Id(), kMainWindowClass, nullptr), WM_CLOSE, 0, 0);
    EXPECT_TRUE(server.EndsWithin(10000)) << "without objects it closes without asking";
}

// Answers the question the server asks and returns its text.
std::wstring AnswerWarning(DWORD process, WPARAM answer) {
    const HWND box = WaitForWindowOf(process, nullptr, L"COM Server Warning");
    if (!box)
        return L"<no question>";
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    PostMessageW(box, WM_COMMAND, answer, 0);
    return text;
}

TEST_F(ServerTest, ClosingWhileAnObjectLivesAsksFirst) {
    ComPtr<IEditorTypCom> editor = Create();
    ASSERT_TRUE(editor);
    const DWORD process = ProcessOf(HandleOf(editor.Get()));
    const HANDLE server = OpenServer(process);
    const HWND mainWindow = FindWindowOf(process, kMainWindowClass, nullptr);
    ASSERT_NE(mainWindow, nullptr);

    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(AnswerWarning(process, IDNO),
              L"There are still active COM objects in this application.  One or more clients "
              L"may have references to these objects, so manually closing this application may "
              L"cause those client application(s) to fail.\r\n\r\nAre you sure you want to "
              L"close this application?");
    EXPECT_FALSE(EndsWithin(server, 1000));
    EXPECT_TRUE(IsWindow(HandleOf(editor.Get())));

    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    AnswerWarning(process, IDYES);
    EXPECT_TRUE(EndsWithin(server, 10000));
    CloseHandle(server);
    editor.Detach(); // its server is gone: there is nothing left to release
}

} // namespace
} // namespace typ::win::test
