#include "app/textbox_hook.h"

#include "app/dialog_port.h"

namespace kulbo {

void Hook(DialogPort& dialogs, TextBox& box) { dialogs.HookTextBox(box); }

void Unhook(DialogPort& dialogs, TextBox& box) { dialogs.UnhookTextBox(box); }

}  // namespace kulbo
