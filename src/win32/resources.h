// Resource numbers shared by the resource script and the program.
#pragma once

#define KULBO_ICON_WINDOW 1
#define KULBO_ICON_UNLOCK 2
#define KULBO_ICON_CANCEL 3
