#include "app/message_box.h"

#include "app/keys.h"
#include "app/messages.h"
#include "app/view.h"

namespace kulbo {

namespace box {

int escapeAnswer(int flags) { return (flags & kButtonsField) == kYesNoButtons ? kNo : kOk; }

int answerOf(int flags, int pressed) {
    if ((flags & kButtonsField) != kYesNoButtons) return kOk;
    return pressed == kYes ? kYes : kNo;
}

}  // namespace box

namespace {

BoxIcon iconOf(int flags) {
    switch (flags & box::kIconField) {
    case box::kCriticalIcon: return BoxIcon::Critical;
    case box::kQuestionIcon: return BoxIcon::Question;
    case box::kExclamationIcon: return BoxIcon::Exclamation;
    case box::kInformationIcon: return BoxIcon::Information;
    default: return BoxIcon::None;
    }
}

std::vector<std::string> linesOf(const std::string& prompt) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = prompt.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(prompt.substr(start, end - start));
    lines.push_back(prompt.substr(start));
    return lines;
}

}  // namespace

BoxLayout layOutBox(const std::string& prompt, int flags, const std::string& title) {
    BoxLayout layout;
    layout.title = title.empty() ? kAppTitle : title;
    layout.lines = linesOf(prompt);
    layout.icon = iconOf(flags);
    if ((flags & box::kButtonsField) == box::kYesNoButtons) {
        layout.buttons = {{kYesButton, box::kYes}, {kNoButton, box::kNo}};
        layout.defaultAnswer = (flags & box::kDefaultField) == box::kSecondButtonDefault ? box::kNo : box::kYes;
    } else {
        layout.buttons = {{kOkButton, box::kOk}};
    }
    layout.escapeAnswer = box::escapeAnswer(flags);
    return layout;
}

BoxKey boxKeyDown(const BoxLayout& box, int focused, int keyCode, int shift) {
    const int count = static_cast<int>(box.buttons.size());
    if (keyCode == key::kEscape) return {box.escapeAnswer};
    if (keyCode == key::kEnter) return {focused >= 0 && focused < count ? box.buttons[focused].answer : box.defaultAnswer};
    if (keyCode == key::kSpace) return {0, -1, false};
    if (keyCode == key::kTab || (keyCode >= key::kLeft && keyCode <= key::kDown)) {
        const bool back = keyCode == key::kLeft || keyCode == key::kUp || (keyCode == key::kTab && (shift & key::kShift));
        return {0, ((focused < 0 ? 0 : focused) + (back ? count - 1 : 1)) % count};
    }
    if (!(shift & key::kCtrl))
        for (const BoxButton& button : box.buttons)
            if (const char accessKey = shownCaption(button.caption).key; accessKey && accessKey == keyCode) return {button.answer};
    return {};
}

}  // namespace kulbo
