// What the page's script calls: one program per page, handed back to every
// call. A handler that opens a box waits in it, and the script waits with it.
#include "app/geometry.h"
#include "app/history_lines.h"
#include "app/keys.h"
#include "app/text_input.h"
#include "app/unicode.h"
#include "platform/web/web_system.h"
#include "web/json.h"
#include "web/web_page.h"

#include <emscripten/emscripten.h>
#include <utility>

using namespace kulbo;

namespace {

struct WebProgram {
    WebSystem system;
    WebDialogs dialogs;
    Program program{system, dialogs};
    WebPage page{program};
    std::string reply;  // the text last handed to the script, kept till the next

    WebProgram() { dialogs.setPage(&page); }

    const char* answer(std::string text) {
        reply = std::move(text);
        return reply.c_str();
    }
    TextBox* box(int index) const { return dynamic_cast<TextBox*>(page.control(index)); }
};

std::string edited(const std::u16string& text, std::size_t caret) {
    return JsonObject().add("text", utf8Of(codePointsOfUtf16(text))).add("caret", static_cast<int>(caret)).str();
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE WebProgram* kulbo_new() { return new WebProgram; }

EMSCRIPTEN_KEEPALIVE const char* kulbo_controls(WebProgram* app) { return app->answer(app->page.describeAll()); }

EMSCRIPTEN_KEEPALIVE const char* kulbo_state(WebProgram* app, int index) {
    return app->answer(app->page.describeState(index));
}

// The page's elements are made: from now on they follow the program. 0 when
// the program ended as it loaded (a second page).
EMSCRIPTEN_KEEPALIVE int kulbo_start(WebProgram* app) {
    app->page.follow();
    return app->program.start(app->page) ? 1 : 0;
}

// The scale of the window on the page, its full-screen control `corner` pixels square.
EMSCRIPTEN_KEEPALIVE double kulbo_scale(double width, double height, double corner) { return pageScale(width, height, corner); }

EMSCRIPTEN_KEEPALIVE void kulbo_settle(WebProgram* app) { app->program.settle(); }

EMSCRIPTEN_KEEPALIVE void kulbo_click(WebProgram* app, int index) {
    if (Control* c = app->page.control(index)) app->program.click(*c);
}

// Bit 0: the focused control must not see the key; the bits above: one more
// than where the focus goes, 0 where it stays.
EMSCRIPTEN_KEEPALIVE int kulbo_key_down(WebProgram* app, int focusedIndex, const char* key, int shift) {
    View::KeyResult result = app->program.keyDown(app->page.control(focusedIndex), keyCodeOfName(key), shift);
    return (result.consumed ? 1 : 0) | ((app->page.indexOf(result.focus) + 1) << 1);
}

// Characters typed into a filtered box in place of its selection, each past
// its KeyPress filter: the box's text and caret after them.
EMSCRIPTEN_KEEPALIVE const char* kulbo_type(WebProgram* app, int index, const char* shown, int selectionStart,
                                            int selectionEnd, const char* typed) {
    TextBox* box = app->box(index);
    const std::u16string text = utf16Of(codePointsOfUtf8(shown));
    if (!box) return app->answer(edited(text, text.size()));
    KeptEdit kept = app->program.type(*box, text, static_cast<std::size_t>(selectionStart),
                                      static_cast<std::size_t>(selectionEnd), codePointsOfUtf8(typed));
    return app->answer(edited(kept.text, kept.caret));
}

// The box's text changed by any other road: what it keeps, null when it
// keeps the change as it is.
EMSCRIPTEN_KEEPALIVE const char* kulbo_edit(WebProgram* app, int index, const char* shown, int caret) {
    TextBox* box = app->box(index);
    if (!box) return app->answer("null");
    KeptEdit kept = keepEdit(app->program.form(), *box, utf16Of(codePointsOfUtf8(shown)), static_cast<std::size_t>(caret));
    return app->answer(kept.changed ? edited(kept.text, kept.caret) : "null");
}

// Where a key in the history box moves its caret, and the first line in
// sight then; null for a key that moves nothing.
EMSCRIPTEN_KEEPALIVE const char* kulbo_history_key(WebProgram* app, const char* key, const char* text, int caret,
                                                   double firstInSight, double height, double lineHeight) {
    auto move = history_lines::afterKey(keyCodeOfName(key), utf16Of(codePointsOfUtf8(text)), static_cast<std::size_t>(caret),
                                        static_cast<int>(firstInSight), history_lines::inSight(height, lineHeight));
    if (!move) return app->answer("null");
    return app->answer(JsonObject().add("caret", static_cast<int>(move->caret)).add("first", move->first).str());
}

// A key in the open box: its answer, where the focus goes, and whether the
// focused button must not see the key.
EMSCRIPTEN_KEEPALIVE const char* kulbo_box_key(WebProgram* app, int focused, const char* key, int shift) {
    const BoxLayout* box = app->dialogs.openBox();
    const BoxKey pressed = box ? boxKeyDown(*box, focused, keyCodeOfName(key), shift) : BoxKey{0, -1, false};
    return app->answer(
        JsonObject().add("answer", pressed.answer).add("focus", pressed.focus).add("consumed", pressed.consumed).str());
}

}  // extern "C"
