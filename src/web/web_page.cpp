#include "web/web_page.h"

#include "app/fonts.h"
#include "app/messages.h"
#include "app/text_input.h"
#include "app/view.h"
#include "web/json.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <emscripten/emscripten.h>

namespace kulbo {

namespace {

EM_JS(void, pageShow, (int focus), { kulboPage.show(focus); });
EM_JS(void, pageStep, (int step, int index, const char* text), { kulboPage.step(step, index, UTF8ToString(text)); });
EM_JS(int, pageFocused, (), { return kulboPage.focused; });
EM_JS(void, pageSettleAfter, (int milliseconds), { setTimeout(() => kulboPage.settle(), milliseconds); });
EM_ASYNC_JS(int, askTheBox, (const char* layout), { return await kulboPage.box(JSON.parse(UTF8ToString(layout))); });
EM_JS(int, openInNewTab, (const char* address), {
    const tab = window.open(UTF8ToString(address), "_blank");
    if (tab) tab.opener = null;
    return tab ? 1 : 0;
});
EM_JS(void, pageHook, (int index, int hooked), { kulboPage.hook(index, hooked !== 0); });

// By Kind's order.
constexpr const char* kKindNames[] = {"form", "button", "text", "label", "frame", "panel", "option", "check", "timer"};

std::string colour(const std::optional<Rgb>& rgb) {
    if (!rgb) return "null";
    char css[16];
    std::snprintf(css, sizeof css, "\"#%02x%02x%02x\"", rgb->red, rgb->green, rgb->blue);
    return css;
}

// The faces as a style sheet lists them.
std::string faces(const FontLook& font) {
    std::string list;
    for (const std::string& face : font.faces) list += (list.empty() ? "\"" : ", \"") + face + "\"";
    return list;
}

// By BoxIcon's order.
constexpr const char* kIconNames[] = {"", "critical", "question", "exclamation", "information"};

std::string layoutJson(const BoxLayout& layout) {
    std::vector<std::string> lines, buttons;
    for (const std::string& line : layout.lines) lines.push_back(jsonString(line));
    for (const BoxButton& button : layout.buttons) {
        const ShownCaption caption = shownCaption(button.caption);
        buttons.push_back(JsonObject().add("caption", caption.text).add("accessKeyAt", caption.at).add("answer", button.answer).str());
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

WebPage::WebPage(Program& program) : program_(program) {}

void WebPage::follow() { program_.follow(this); }

WebPage::~WebPage() { program_.follow(nullptr); }

Control* WebPage::control(int index) const {
    const auto& all = program_.form().controls();
    return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index)] : nullptr;
}

int WebPage::indexOf(const Control* c) const {
    const auto& all = program_.form().controls();
    auto at = std::find(all.begin(), all.end(), c);
    return at == all.end() ? -1 : static_cast<int>(at - all.begin());
}

std::string WebPage::describeAll() const {
    const Form1& form = program_.form();
    std::vector<std::string> items;
    for (const Control* c : form.controls()) {
        JsonObject item;
        item.add("name", c->name).add("kind", kKindNames[static_cast<int>(c->kind)]).add("parent", indexOf(c->container));
        const FontLook font = fontOf(*c);
        item.add("font", font.pixels).add("faces", faces(font)).add("weight", font.weight);
        item.addJson("fore", colour(c->ForeColor)).addJson("back", colour(c->BackColor));
        item.add("readerLeavesOut", program_.readers().leftOut(*c));
        if (auto* label = dynamic_cast<const Label*>(c))
            item.add("centered", label->Centered).add("autoSize", label->AutoSize).add("bigDisplay", label->BigDisplay);
        if (auto* box = dynamic_cast<const TextBox*>(c)) {
            item.add("multiLine", box->MultiLine).add("locked", box->Locked).add("keyFilter", hasKeyFilter(form, *box));
            if (box->PasswordChar) item.add("mask", std::string(1, box->PasswordChar));
        }
        if (auto* button = dynamic_cast<const CommandButton*>(c); button && !button->IconName.empty())
            item.add("icon", button->IconName).add("iconSize", button->IconSize);
        items.push_back(item.str());
    }
    JsonObject all;
    all.add("width", pixelsFromTwips(form.ClientWidth)).add("height", pixelsFromTwips(form.ClientHeight));
    all.addJson("disabledText", colour(kDisabledText)).add("faces", faces(windowFont()));
    all.addJson("controls", jsonArray(items));
    // The page's own words about itself, around the window.
    all.add("inAnotherTab", kPageInAnotherTab).add("fullScreen", kPageFullScreen).add("leaveFullScreen", kPageLeaveFullScreen);
    return all.str();
}

std::string WebPage::describeState(int index) const {
    const Control* c = control(index);
    if (!c) return "null";
    JsonObject state;
    const PixelRect place = placeOf(*c);
    state.add("left", place.left).add("top", place.top).add("width", place.width).add("height", place.height);
    const ShownCaption shown = shownCaptionOf(*c);
    state.add("content", shown.text).add("accessKeyAt", shown.at).add("checked", isChecked(*c)).add("enabled", c->Enabled.get());
    return state.str();
}

void WebPage::show(Control* focus) { pageShow(indexOf(focus)); }

void WebPage::settleAfter(TimerClock::Clock::duration delay) {
    pageSettleAfter(static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(delay).count()));
}

Control* WebPage::focused() const { return control(pageFocused()); }

void WebPage::apply(const std::vector<WindowChange>& changes) {
    for (const WindowChange& change : changes) pageStep(change.step, indexOf(change.control), change.text.c_str());
}

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
