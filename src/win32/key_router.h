// Every key the window gets goes to the program first (the form's key
// preview, Tab, the option groups' arrows, Escape and the access keys),
// before the focused control may see it.
#pragma once

#include <windows.h>

namespace kulbo {

class FocusKeeper;
class Program;

class KeyRouter {
public:
    KeyRouter(Program& program, FocusKeeper& focus) : program_(program), focus_(focus) {}

    // A message for the window, before it is translated and dispatched;
    // true when the program used it up.
    bool preTranslate(const MSG& message);

private:
    Program& program_;
    FocusKeeper& focus_;
    bool swallowAltRelease_ = false;
};

}  // namespace kulbo
