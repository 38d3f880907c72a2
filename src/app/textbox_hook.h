// Keeps the context menu away from the number boxes, the password box and the
// history box while they are hooked.
#pragma once

namespace kulbo {

class Platform;
class TextBox;

void Hook(Platform& platform, TextBox& box);
void Unhook(Platform& platform, TextBox& box);

}  // namespace kulbo
