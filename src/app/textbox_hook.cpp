#include "app/textbox_hook.h"

#include "app/platform.h"

namespace kulbo {

void Hook(Platform& platform, TextBox& box) { platform.HookTextBox(box); }

void Unhook(Platform& platform, TextBox& box) { platform.UnhookTextBox(box); }

long WindowProc(int message) { return message == kContextMenuMessage ? -1 : 0; }

}  // namespace kulbo
