// The real input box under Win32: a second thread finds it by caption and types, clicks or closes it the
// way a user would, through posted messages.
#ifdef _WIN32
#include "platform/win32/input_box.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace {

const platform::win32::InputBoxButtons kButtons{"OK", "Cancel"};

using namespace std::chrono_literals;

const std::string kWipePrompt =
    "This will Wipe (brick nuke) your phone. Enter    WipeMyDevice    to continue.";

HWND WaitForDialog(const std::wstring& caption) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (const HWND dialog = FindWindowW(L"#32770", caption.c_str());
            dialog != nullptr && IsWindowVisible(dialog)) {
            return dialog;
        }
        std::this_thread::sleep_for(50ms);
    }
    return nullptr;
}

// Runs `act` on the box once it shows; a box still open five seconds later is cancelled so that a failing
// test cannot hang the run.
class BoxDriver {
public:
    BoxDriver(const std::wstring& caption, std::function<void(HWND)> act)
        : thread_([this, caption, act = std::move(act)] {
              const HWND dialog = WaitForDialog(caption);
              if (dialog == nullptr) {
                  return;
              }
              found_ = true;
              act(dialog);
              for (int attempt = 0; attempt < 100 && IsWindow(dialog); ++attempt) {
                  std::this_thread::sleep_for(50ms);
              }
              if (IsWindow(dialog)) {
                  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
              }
          }) {}
    BoxDriver(const BoxDriver&) = delete;
    BoxDriver& operator=(const BoxDriver&) = delete;
    ~BoxDriver() { Finish(); }

    // Waits for the driver; true when it found the box.
    bool Finish() {
        if (thread_.joinable()) {
            thread_.join();
        }
        return found_;
    }

private:
    bool found_ = false;
    std::thread thread_;
};

HWND ChildOfClass(HWND dialog, const wchar_t* className) {
    return FindWindowExW(dialog, nullptr, className, nullptr);
}

HWND Edit(HWND dialog) {
    return ChildOfClass(dialog, L"Edit");
}

void Type(HWND dialog, const std::wstring& text) {
    for (const wchar_t ch : text) {
        PostMessageW(Edit(dialog), WM_CHAR, ch, 0);
    }
}

void PressKey(HWND dialog, WPARAM key) {
    PostMessageW(Edit(dialog), WM_KEYDOWN, key, 0);
    PostMessageW(Edit(dialog), WM_KEYUP, key, 0);
}

void ClickButton(HWND dialog, int id) {
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

struct Look {
    bool editHasFocus = false;
    std::wstring editText;
    LRESULT limit = 0;
    LRESULT defaultId = 0;
    std::wstring prompt, ok, cancel;
    RECT dialog{}, work{}, promptRect{}, editRect{}, okRect{}, cancelRect{}, client{};
    int lineHeight = 0;
    std::wstring fontFace, messageFontFace;
};

// Everything a user sees of the box, read while it is open.
Look Inspect(HWND dialog) {
    Look look;
    GUITHREADINFO gui{};
    gui.cbSize = sizeof(gui);
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui);
    const HWND edit = Edit(dialog);
    const HWND prompt = ChildOfClass(dialog, L"Static");
    look.editHasFocus = gui.hwndFocus == edit;
    look.editText = TextOf(edit);
    look.limit = SendMessageW(edit, EM_GETLIMITTEXT, 0, 0);
    look.defaultId = SendMessageW(dialog, DM_GETDEFID, 0, 0);
    look.prompt = TextOf(prompt);
    look.ok = TextOf(GetDlgItem(dialog, IDOK));
    look.cancel = TextOf(GetDlgItem(dialog, IDCANCEL));
    look.dialog = ScreenRect(dialog);
    look.promptRect = ScreenRect(prompt);
    look.editRect = ScreenRect(edit);
    look.okRect = ScreenRect(GetDlgItem(dialog, IDOK));
    look.cancelRect = ScreenRect(GetDlgItem(dialog, IDCANCEL));
    GetClientRect(dialog, &look.client);
    MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&look.client), 2);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
    look.work = monitor.rcWork;

    const auto font = reinterpret_cast<HFONT>(SendMessageW(prompt, WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    GetObjectW(font, sizeof(logFont), &logFont);
    look.fontFace = logFont.lfFaceName;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    look.messageFontFace = metrics.lfMessageFont.lfFaceName;
    const HDC dc = GetDC(prompt);
    const HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW text{};
    GetTextMetricsW(dc, &text);
    look.lineHeight = text.tmHeight;
    SelectObject(dc, previous);
    ReleaseDC(prompt, dc);
    return look;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(InputBox, ShowsTheWipeQuestionAndReturnsTheTypedWord) {
    Look look;
    BoxDriver driver(L"Wipe Phone", [&look](HWND dialog) {
        look = Inspect(dialog);
        Type(dialog, L"WipeMyDevice");
        PressKey(dialog, VK_RETURN);
    });
    const std::string typed =
        platform::win32::RunInputBox(nullptr, "Wipe Phone", kWipePrompt, "", 255, kButtons);
    ASSERT_TRUE(driver.Finish());
    EXPECT_EQ(typed, "WipeMyDevice");

    EXPECT_TRUE(look.editHasFocus);
    EXPECT_EQ(look.editText, L"");
    EXPECT_EQ(look.limit, 255);
    EXPECT_EQ(look.defaultId, MAKELRESULT(IDOK, DC_HASDEFID));
    EXPECT_EQ(look.prompt, L"This will Wipe (brick nuke) your phone. Enter    WipeMyDevice    to continue.");
    EXPECT_EQ(look.ok, L"OK");
    EXPECT_EQ(look.cancel, L"Cancel");
    EXPECT_EQ(look.fontFace, look.messageFontFace);

    // The prompt wraps onto two lines; prompt, field and buttons stack inside the box, OK left of Cancel.
    const int promptHeight = look.promptRect.bottom - look.promptRect.top;
    EXPECT_GE(promptHeight, 2 * look.lineHeight);
    EXPECT_LT(promptHeight, 3 * look.lineHeight);
    EXPECT_LE(look.promptRect.bottom, look.editRect.top);
    EXPECT_LE(look.editRect.bottom, look.okRect.top);
    EXPECT_LT(look.okRect.right, look.cancelRect.left);
    EXPECT_EQ(look.okRect.top, look.cancelRect.top);
    for (const RECT& part : {look.promptRect, look.editRect, look.okRect, look.cancelRect}) {
        EXPECT_TRUE(Inside(part, look.client));
    }

    // Centred on the screen's work area.
    EXPECT_NEAR(look.dialog.left + look.dialog.right, look.work.left + look.work.right, 2);
    EXPECT_NEAR(look.dialog.top + look.dialog.bottom, look.work.top + look.work.bottom, 2);
}

TEST(InputBox, ReturnsTheTextExactlyAsEdited) {
    struct Case {
        std::wstring typed;
        std::string expected;
    };
    const Case cases[] = {
        {L"  WipeMyDevice ", "  WipeMyDevice "},
        {L"wipemydevice", "wipemydevice"},
        {L"Gr\u00FC\u00DFe \u2713", "Gr\xC3\xBC\xC3\x9F"
                                    "e \xE2\x9C\x93"},
        {L"", ""},
    };
    for (const Case& c : cases) {
        BoxDriver driver(L"Exact text", [&c](HWND dialog) {
            Type(dialog, c.typed);
            ClickButton(dialog, IDOK);
        });
        EXPECT_EQ(platform::win32::RunInputBox(nullptr, "Exact text", "Type:", "", 255, kButtons),
                  c.expected);
        EXPECT_TRUE(driver.Finish());
    }
}

TEST(InputBox, CancelEscAndTheCloseBoxGiveTheDefaultText) {
    const std::pair<const char*, std::function<void(HWND)>> ways[] = {
        {"Cancel", [](HWND dialog) { ClickButton(dialog, IDCANCEL); }},
        {"Esc", [](HWND dialog) { PressKey(dialog, VK_ESCAPE); }},
        {"close box", [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const std::string defaultText : {"", "keep me"}) {
        for (const auto& [way, dismiss] : ways) {
            std::wstring shown;
            BoxDriver driver(L"Dismissed", [&shown, &dismiss = dismiss](HWND dialog) {
                shown = TextOf(Edit(dialog));
                Type(dialog, L"WipeMyDevice");
                dismiss(dialog);
            });
            EXPECT_EQ(platform::win32::RunInputBox(nullptr, "Dismissed", "Type:", defaultText, 255, kButtons),
                      defaultText)
                << way;
            EXPECT_TRUE(driver.Finish()) << way;
            EXPECT_EQ(shown, defaultText == "" ? L"" : L"keep me") << way;
        }
    }
}

TEST(InputBox, TakesAtMostTheLimit) {
    BoxDriver driver(L"Limited", [](HWND dialog) {
        Type(dialog, std::wstring(300, L'x'));
        PressKey(dialog, VK_RETURN);
    });
    EXPECT_EQ(platform::win32::RunInputBox(nullptr, "Limited", "Type:", "", 255, kButtons),
              std::string(255, 'x'));
    EXPECT_TRUE(driver.Finish());
}

} // namespace
#endif
