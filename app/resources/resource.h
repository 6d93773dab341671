// Identifiers shared by the resource script and the program.
#pragma once

// The program icon; the lowest icon ID, so Explorer shows it for the executable.
#define TRIMLODE_ICON_ID 1
