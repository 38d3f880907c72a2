#include "app/textbox_hook.h"

#include "app/platform.h"

namespace kulbo {

void Hook(Platform& platform, TextBox& box) { platform.HookTextBox(box); }

void Unhook(Platform& platform, TextBox& box) { platform.UnhookTextBox(box); }

}  // namespace kulbo
