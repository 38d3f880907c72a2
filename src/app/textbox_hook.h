// Keeps the context menu away from the number boxes, the password box and the
// history box: their messages pass through the program's own window procedure.
#pragma once

namespace kulbo {

class Platform;
class TextBox;

void Hook(Platform& platform, TextBox& box);
void Unhook(Platform& platform, TextBox& box);

// The replacement window procedure. Returns -1 for a message the box must not
// see; 0 means the message goes on to the box's own procedure.
long WindowProc(int message);

}  // namespace kulbo
