// Guards the roads by which text reaches the number boxes: the characters a
// key types and input-method commits pass the box's key filter, one at a
// time; pasting by the middle button and by dropping is refused. The keys
// that type no character the program has seen already.
#pragma once

#include <QObject>

#include <map>

namespace kulbo {

class Program;
class TextBox;

class InputGuard : public QObject {
public:
    explicit InputGuard(Program& program) : program_(program) {}

    // Watches the box's widget.
    void guard(TextBox& box, QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterKey(TextBox& box, QWidget& widget, QEvent* event);
    bool filterCommit(TextBox& box, QWidget& widget, QEvent* event);
    void resend(QWidget& widget, QEvent& event);

    Program& program_;
    std::map<const QObject*, TextBox*> guarded_;
    bool resending_ = false;
};

}  // namespace kulbo
