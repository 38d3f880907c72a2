// Telling screen readers that a control's name or description changed, and
// speaking news: a UI Automation notification where the system has one.
#pragma once

#include "app/dialog_port.h"

#include <windows.h>

#include <string>

namespace kulbo {

// The control's text changed; news, when not empty, is spoken at once.
void announce(HWND control, ReaderText which, const std::string& news);

}  // namespace kulbo
