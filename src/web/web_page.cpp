#include "web/web_page.h"

#include "app/geometry.h"
#include "app/text_input.h"
#include "web/json.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <emscripten/emscripten.h>

namespace kulbo {

namespace {

EM_JS(void, pageShow, (int focus), { kulboPage.show(focus); });
EM_JS(void, pageChanged, (int index, int property), { kulboPage.changed(index, property); });
EM_JS(void, pageAppended, (int index, int from), { kulboPage.appended(index, from); });
EM_JS(void, pageFocus, (int index), { kulboPage.focus(index); });
EM_JS(int, pageFocused, (), { return kulboPage.focused; });
EM_JS(void, pageSettleAfter, (int milliseconds), { setTimeout(() => kulboPage.settle(), milliseconds); });

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Form: return "form";
    case Kind::CommandButton: return "button";
    case Kind::TextBox: return "text";
    case Kind::Label: return "label";
    case Kind::Frame: return "frame";
    case Kind::PictureBox: return "panel";
    case Kind::OptionButton: return "option";
    case Kind::CheckBox: return "check";
    case Kind::Timer: return "timer";
    }
    return "";
}

std::string colour(const std::optional<Rgb>& rgb) {
    if (!rgb) return "null";
    char css[16];
    std::snprintf(css, sizeof css, "\"#%02x%02x%02x\"", rgb->red, rgb->green, rgb->blue);
    return css;
}

// A caption or a box's text; the history box's text is read by its own road.
std::string content(const Control& c) {
    if (auto* captioned = dynamic_cast<const CaptionedControl*>(&c)) return captioned->Caption;
    if (auto* box = dynamic_cast<const TextBox*>(&c); box && !box->MultiLine) return box->Text;
    return {};
}

int value(const Control& c) {
    if (c.kind == Kind::OptionButton) return static_cast<const OptionButton&>(c).Value ? 1 : 0;
    if (c.kind == Kind::CheckBox) return static_cast<const CheckBox&>(c).Value;
    return 0;
}

bool isContent(Property property) {
    return property == Property::Caption || property == Property::Text || property == Property::Value;
}

}  // namespace

WebPage::WebPage(Program& program) : program_(program) { program_.follow(this); }

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
        item.add("name", c->name).add("kind", kindName(c->kind)).add("parent", indexOf(c->container));
        item.add("font", fontPixels(c->FontSize)).addJson("fore", colour(c->ForeColor)).addJson("back", colour(c->BackColor));
        item.add("readerLeavesOut", program_.readers().leftOut(*c));
        if (auto* label = dynamic_cast<const Label*>(c))
            item.add("centered", label->Centered).add("autoSize", label->AutoSize).add("bigDisplay", label->BigDisplay);
        if (auto* box = dynamic_cast<const TextBox*>(c))
            item.add("multiLine", box->MultiLine).add("locked", box->Locked).add("password", box->PasswordChar != '\0')
                .add("keyFilter", hasKeyFilter(form, *box));
        if (auto* button = dynamic_cast<const CommandButton*>(c); button && !button->IconName.empty())
            item.add("icon", button->IconName).add("iconSize", button->IconSize);
        items.push_back(item.str());
    }
    JsonObject all;
    all.add("width", pixelsFromTwips(form.ClientWidth)).add("height", pixelsFromTwips(form.ClientHeight));
    all.addJson("disabledText", colour(kDisabledText)).addJson("controls", jsonArray(items));
    return all.str();
}

std::string WebPage::describeState(int index) const {
    const Control* c = control(index);
    if (!c) return "null";
    const View& view = program_.view();
    JsonObject state;
    state.add("left", pixelsFromTwips(c->Left)).add("top", pixelsFromTwips(c->Top));
    state.add("width", pixelsFromTwips(c->Width)).add("height", pixelsFromTwips(c->Height));
    const ShownCaption shown = c->kind == Kind::CommandButton ? shownCaption(content(*c)) : ShownCaption{content(*c)};
    state.add("content", shown.text).add("accessKeyAt", shown.at).add("value", value(*c));
    state.add("enabled", static_cast<bool>(c->Enabled)).add("shown", c == &program_.form() || view.showsWidget(*c));
    state.add("readerName", program_.readers().name(*c)).add("description", program_.readers().description(*c));
    return state.str();
}

void WebPage::show(Control* focus) { pageShow(indexOf(focus)); }

void WebPage::settleAfter(TimerClock::Clock::duration delay) {
    pageSettleAfter(static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(delay).count()));
}

// Hidden controls catch up when they are shown (the rolling number changes
// a thousand times a second); the history box keeps up line by line.
void WebPage::propertyChanged(Control& c, Property property) {
    const bool history = c.kind == Kind::TextBox && static_cast<TextBox&>(c).MultiLine;
    if (isContent(property) && !history && !c.shown()) return;
    pageChanged(indexOf(&c), static_cast<int>(property));
    if (property == Property::Enabled || property == Property::Visible)
        if (Control* focus = program_.view().focusAfterChange(control(pageFocused()))) pageFocus(indexOf(focus));
}

void WebPage::textAppended(Control& c, std::size_t from) { pageAppended(indexOf(&c), static_cast<int>(from)); }

}  // namespace kulbo
