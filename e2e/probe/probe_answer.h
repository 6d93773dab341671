#pragma once
#include <windows.h>

// What the probe library writes for the driver about one control, read inside trimlode.exe: the font the
// control draws with, and how wide its caption is in that font.
struct ProbeAnswer {
    LOGFONTW font;
    LONG captionWidth; // the caption's text as the control draws it (accelerator marks processed)
    LONG idealWidth;   // what a button or check box says it needs for its whole caption; 0 for others
};
