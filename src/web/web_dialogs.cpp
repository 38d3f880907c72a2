#include "web/web_dialogs.h"

#include "app/view.h"
#include "web/json.h"
#include "web/web_page.h"

#include <emscripten/emscripten.h>

namespace kulbo {

namespace {

EM_ASYNC_JS(int, askTheBox, (const char* layout), { return await kulboPage.box(JSON.parse(UTF8ToString(layout))); });
EM_JS(int, openInNewTab, (const char* address), {
    const tab = window.open(UTF8ToString(address), "_blank");
    if (tab) tab.opener = null;
    return tab ? 1 : 0;
});
EM_JS(void, pageHook, (int index, int hooked), { kulboPage.hook(index, hooked !== 0); });

// By BoxIcon's order.
constexpr const char* kIconNames[] = {"", "critical", "question", "exclamation", "information"};

std::string layoutJson(const BoxLayout& layout) {
    std::vector<std::string> lines, buttons;
    for (const std::string& line : layout.lines) lines.push_back(jsonString(line));
    for (const BoxButton& button : layout.buttons) {
        const ShownCaption shown = shownCaption(button);
        buttons.push_back(JsonObject().add("caption", shown.text).add("accessKeyAt", shown.at).add("answer", button.answer).str());
    }
    return JsonObject()
        .add("title", layout.title)
        .addJson("lines", jsonArray(lines))
        .add("icon", kIconNames[static_cast<int>(layout.icon)])
        .addJson("buttons", jsonArray(buttons))
        .add("defaultAnswer", layout.defaultAnswer)
        .str();
}

}  // namespace

int WebDialogs::MsgBox(const std::string& prompt, int flags, const std::string& title) {
    const BoxLayout layout = layOutBox(prompt, flags, title);
    openBox_ = &layout;
    const int answer = askTheBox(layoutJson(layout).c_str());
    openBox_ = nullptr;
    return box::answerOf(flags, answer);
}

std::optional<std::string> WebDialogs::ChooseSaveFile(const SaveDialog& /*dialog*/) { return std::nullopt; }

bool WebDialogs::OpenUrl(const std::string& address) { return openInNewTab(address.c_str()) != 0; }

void WebDialogs::HookTextBox(TextBox& box) { pageHook(page_->indexOf(&box), 1); }

void WebDialogs::UnhookTextBox(TextBox& box) { pageHook(page_->indexOf(&box), 0); }

}  // namespace kulbo
