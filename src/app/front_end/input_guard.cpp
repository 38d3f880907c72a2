#include "app/front_end/input_guard.h"

#include "app/form1.h"
#include "app/front_end/key_codes.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QPlainTextEdit>

namespace kulbo {

void InputGuard::guard(TextBox& box, QWidget& widget) {
    guarded_[&widget] = {&box, &widget};
    widget.installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&widget)) {
        guarded_[area->viewport()] = {&box, &widget};
        area->viewport()->installEventFilter(this);
    }
}

bool InputGuard::eventFilter(QObject* watched, QEvent* event) {
    auto it = guarded_.find(watched);
    if (it == guarded_.end()) return false;
    auto [box, widget] = it->second;
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKey(*box, event);
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

bool InputGuard::filterKey(TextBox& box, QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) return true;
    auto code = keyAsciiOf(*key);
    return code && form_.keyPress(box, *code) == 0;
}

// An input method commits text, not keys: each character passes the filter,
// and only what it admits is committed.
bool InputGuard::filterCommit(TextBox& box, QWidget& widget, QEvent* event) {
    auto* input = static_cast<QInputMethodEvent*>(event);
    if (resending_ || input->commitString().isEmpty()) return false;
    QString admitted;
    for (QChar ch : input->commitString())
        if (form_.keyPress(box, keyAsciiOf(ch)) != 0) admitted += ch;
    if (admitted == input->commitString()) return false;
    QInputMethodEvent filtered(input->preeditString(), input->attributes());
    filtered.setCommitString(admitted, input->replacementStart(), input->replacementLength());
    resending_ = true;
    QCoreApplication::sendEvent(&widget, &filtered);
    resending_ = false;
    return true;
}

}  // namespace kulbo
