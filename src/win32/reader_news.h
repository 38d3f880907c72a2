// Telling screen readers that a control's name or description changed, and
// speaking news: a UI Automation notification where the system has one.
#pragma once

#include <windows.h>

#include <string>

namespace kulbo {

// The control's name, or else its description, changed; news, when not
// empty, is spoken at once.
void announce(HWND control, bool name, const std::string& news);

}  // namespace kulbo
