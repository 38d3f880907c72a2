// What a front end shows for the program beyond its window: message boxes,
// the Save dialog, the browser and the text boxes' context menus. Each front
// end implements it; tests use a fake.
#pragma once

#include "app/message_box.h"

#include <optional>
#include <string>

namespace kulbo {

class TextBox;

// The Save dialog as the program asks for it.
struct SaveDialog {
    std::string title;        // "保存txt报告"
    std::string filterName;   // "文本文件 (*.txt)"
    std::string pattern;      // "*.txt"
    std::string extension;    // "txt": added to a name typed without one
    std::string folder;       // where it opens; empty for the system's choice
    std::string proposedName;
};

class DialogPort {
public:
    virtual ~DialogPort() = default;

    // Modal box; returns the button pressed. The title is the box's own:
    // the program gives its own title to a box that has none.
    virtual int MsgBox(const std::string& prompt, int flags, const std::string& title) = 0;

    // Asks the user where to save a file; none when the user cancels.
    virtual std::optional<std::string> ChooseSaveFile(const SaveDialog& dialog) = 0;

    // Hands a web address to the user's default browser; false when the
    // system could not.
    virtual bool OpenUrl(const std::string& address) = 0;

    // Keeps the box's context menu away until unhooked.
    virtual void HookTextBox(TextBox& box) = 0;
    virtual void UnhookTextBox(TextBox& box) = 0;
};

}  // namespace kulbo
