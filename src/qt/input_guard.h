// Guards the roads by which text reaches the number boxes: typed keys and
// input-method commits pass the box's key filter, one character at a time;
// pasting by key, by the middle button and by dropping is refused.
#pragma once

#include <QObject>

#include <map>

namespace kulbo {

class Form1;
class TextBox;

class InputGuard : public QObject {
public:
    explicit InputGuard(Form1& form) : form_(form) {}

    // Watches the box's widget.
    void guard(TextBox& box, QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterKey(TextBox& box, QWidget& widget, QEvent* event);
    bool filterCommit(TextBox& box, QWidget& widget, QEvent* event);
    void resend(QWidget& widget, QEvent& event);

    Form1& form_;
    std::map<const QObject*, TextBox*> guarded_;
    bool resending_ = false;
};

}  // namespace kulbo
