// Keeps the context menu away from the number boxes, the password box and the
// history box while they are hooked.
#pragma once

namespace kulbo {

class DialogPort;
class TextBox;

void Hook(DialogPort& dialogs, TextBox& box);
void Unhook(DialogPort& dialogs, TextBox& box);

}  // namespace kulbo
