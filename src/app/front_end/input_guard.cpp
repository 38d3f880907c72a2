#include "app/front_end/input_guard.h"

#include "app/form1.h"
#include "app/front_end/key_codes.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QTextBoundaryFinder>
#include <QWidget>

namespace kulbo {

namespace {

// C0 and C1 controls, line and paragraph separators and the marks that turn
// text around. The joiner U+200D stays: it holds emoji sequences together.
bool isControl(QChar ch) {
    char16_t c = ch.unicode();
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == 0x200E || c == 0x200F ||
           c == 0x061C || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

int characters(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() != -1) ++count;
    return count;
}

}  // namespace

void InputGuard::guard(TextBox& box, QWidget& widget) {
    guarded_[&widget] = &box;
    widget.installEventFilter(this);
}

bool InputGuard::eventFilter(QObject* watched, QEvent* event) {
    auto it = guarded_.find(watched);
    if (it == guarded_.end()) return false;
    TextBox* box = it->second;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKey(*box, *widget, event);
    case QEvent::InputMethod:
        return filterCommit(*box, *widget, event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

void InputGuard::resend(QWidget& widget, QEvent& event) {
    resending_ = true;
    QCoreApplication::sendEvent(&widget, &event);
    resending_ = false;
}

// A key that carries several characters is taken as that many keys, each
// filtered against the text the ones before it left.
bool InputGuard::filterKey(TextBox& box, QWidget& widget, QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (resending_) return false;
    if (key->matches(QKeySequence::Paste)) return true;
    if (key->text().size() > 1) {
        for (QChar ch : key->text()) {
            if (form_.keyPress(box, keyAsciiOf(ch)) == 0) continue;
            int code = ch.unicode() < 0x80 ? ch.toUpper().unicode() : int(Qt::Key_unknown);
            QKeyEvent one(QEvent::KeyPress, code, key->modifiers(), QString(ch));
            resend(widget, one);
        }
        return true;
    }
    auto code = keyAsciiOf(*key);
    return code && form_.keyPress(box, *code) == 0;
}

// An input method commits text, not keys: each character passes the filter
// against the text the ones before it left, and only what it admits is
// committed, one character at a time.
bool InputGuard::filterCommit(TextBox& box, QWidget& widget, QEvent* event) {
    auto* input = static_cast<QInputMethodEvent*>(event);
    if (resending_ || input->commitString().isEmpty()) return false;
    bool first = true;
    for (QChar ch : input->commitString()) {
        if (form_.keyPress(box, keyAsciiOf(ch)) == 0) continue;
        QInputMethodEvent one;
        one.setCommitString(ch, first ? input->replacementStart() : 0, first ? input->replacementLength() : 0);
        first = false;
        resend(widget, one);
    }
    QInputMethodEvent rest(input->preeditString(), input->attributes());
    resend(widget, rest);
    return true;
}

QValidator::State CharacterLimit::validate(QString& text, int& position) const {
    QString kept;
    int keptPosition = position;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isControl(text[i])) kept += text[i];
        else if (i < position) --keptPosition;
    }
    if (characters(kept) > limit_) return Invalid;
    text = kept;
    position = keptPosition;
    return Acceptable;
}

}  // namespace kulbo
