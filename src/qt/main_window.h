// The Qt view of the window model: one widget per control, kept in step with
// the model through its change signal and with the window manager through
// the window's own events; user actions go back to the model as events.
#pragma once

#include "app/program.h"

#include <QWidget>

class QInputMethodEvent;
class QKeyEvent;

#include <map>

namespace kulbo {

class MainWindow : public QWidget, private WindowFront {
public:
    explicit MainWindow(Program& program);
    ~MainWindow() override;

    QWidget* widgetFor(const Control& control) const;
    Control* controlFor(const QObject* widget) const;

    // Shows the window centred on the screen at its design size, the focus
    // on this control.
    void showCentred(Control* focus);

    // Raises the window, restored if it was minimized, and activates it.
    void bringToFront();

    const Readers& readers() const { return program_.readers(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void apply(const std::vector<WindowChange>& changes) override;

private:
    Control* focused() const override { return controlFor(focusWidget()); }

    void buildChildren(Control& container, QWidget* parent);
    void connectToModel(Control& control, QWidget* widget);
    void syncContent(Control& control);
    void applyEnabled(Control& control, QWidget& widget);
    void applyWindowState();
    bool routeKey(QKeyEvent& key);
    void focusOn(Control* control);

    // The roads by which text reaches the filtered boxes (input_guard.cpp):
    // the characters a key types and input-method commits pass the box's key
    // filter, one at a time; pasting by the middle button and by dropping is
    // refused. The keys that type no character the program has seen already.
    bool guardBox(TextBox& box, QWidget& widget, QEvent& event);
    bool typeInto(TextBox& box, QWidget& widget, const QKeyEvent& key);
    bool commitInto(TextBox& box, QWidget& widget, const QInputMethodEvent& input);
    void resend(QWidget& widget, QEvent& event);

    Program& program_;
    Form1& form_;
    bool resending_ = false;
    std::map<const Control*, QWidget*> widgets_;
    std::map<const QObject*, Control*> controls_;
};

}  // namespace kulbo
