// The filtered boxes' roads in: see MainWindow::guardBox.
#include "qt/main_window.h"

#include "app/text_input.h"

#include <QCoreApplication>
#include <QInputMethodEvent>

namespace kulbo {

bool MainWindow::guardBox(TextBox& box, QWidget& widget, QEvent& event) {
    switch (event.type()) {
    case QEvent::KeyPress:
        return typeInto(box, widget, static_cast<QKeyEvent&>(event));
    case QEvent::InputMethod:
        return commitInto(box, widget, static_cast<QInputMethodEvent&>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return static_cast<QMouseEvent&>(event).button() == Qt::MiddleButton;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

void MainWindow::resend(QWidget& widget, QEvent& event) {
    resending_ = true;
    QCoreApplication::sendEvent(&widget, &event);
    resending_ = false;
}

// The characters a key types pass one by one, as a key each.
bool MainWindow::typeInto(TextBox& box, QWidget& widget, const QKeyEvent& key) {
    const std::u32string typed = key.text().toStdU32String();
    if (resending_ || typed.empty() || isControlCharacter(typed.front())) return false;
    program_.type(box, typed, [&](char32_t c) {
        QString text = QString::fromUcs4(&c, 1);
        int code = c < 0x80 ? text.toUpper().at(0).unicode() : int(Qt::Key_unknown);
        QKeyEvent one(QEvent::KeyPress, code, key.modifiers(), text);
        resend(widget, one);
    });
    return true;
}

// An input method commits text, not keys: only what the filter admits is
// committed, one character at a time.
bool MainWindow::commitInto(TextBox& box, QWidget& widget, const QInputMethodEvent& input) {
    if (resending_ || input.commitString().isEmpty()) return false;
    bool first = true;
    program_.type(box, input.commitString().toStdU32String(), [&](char32_t c) {
        QInputMethodEvent one;
        one.setCommitString(QString::fromUcs4(&c, 1), first ? input.replacementStart() : 0,
                            first ? input.replacementLength() : 0);
        first = false;
        resend(widget, one);
    });
    QInputMethodEvent rest(input.preeditString(), input.attributes());
    resend(widget, rest);
    return true;
}

}  // namespace kulbo
