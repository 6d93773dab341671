#pragma once
#include "platform/win32/gdi.h"

#include <windows.h>

#include <string>
#include <vector>

// Reading what a person sees of another process's windows: fonts, tooltips, pixels.
namespace e2e {

struct FontInfo {
    std::string face;
    int height = 0; // the LOGFONT height: negative for a character height in pixels
    int weight = 0;
    int captionWidth = 0; // the caption as drawn in this font, in pixels
    int idealWidth = 0;   // what a button or check box says it needs for its whole caption; 0 for others
};
// Reads the fonts of another process's controls. A font handle means something only in the process that
// made it, so the probe library (trimlode_e2e_probe.dll, beside the driver) is hooked into the thread that
// owns the windows and answers there with the font's description.
class FontProbe {
public:
    explicit FontProbe(DWORD threadId);
    FontProbe(const FontProbe&) = delete;
    FontProbe& operator=(const FontProbe&) = delete;
    // The font the control draws with (WM_GETFONT) and its caption's width in it; an empty face when the
    // control has no font.
    FontInfo FontOf(HWND control) const;

private:
    static std::string ProbeLibrary();
    platform::win32::Module module_; // the hook goes before the library that holds it
    platform::win32::Hook hook_;
};

struct Tooltip {
    HWND control = nullptr; // the tool's window
    std::string text;
};
// Every tool of every tooltip window of the process, read through memory of that process (the tooltip
// messages carry pointers, which the system does not carry across processes).
std::vector<Tooltip> TooltipsOf(HANDLE process, DWORD processId);

// Saves what the screen shows of the window, frame included, as a PNG file.
void SaveScreenshot(HWND window, const std::string& path);

} // namespace e2e
