// The Qt view of the window model: one widget per control, kept in step with
// the model through its change signal and with the window manager through
// the window's own events; user actions go back to the model as events.
#pragma once

#include "app/form1.h"
#include "app/view.h"
#include "qt/input_guard.h"

#include <QWidget>

#include <functional>
#include <map>

namespace kulbo {

class MainWindow : public QWidget, private ChangeListener {
public:
    explicit MainWindow(Form1& form);
    ~MainWindow() override;

    QWidget* widgetFor(const Control& control) const;
    Control* controlFor(const QObject* widget) const;

    // Whether the box offers its context menu.
    void setContextMenuAllowed(const TextBox& box, bool allowed);

    // Runs before every event that may run a handler (clicks, keys, close)
    // and before every change the window manager makes to the window.
    void setBeforeEvent(std::function<void()> beforeEvent) { beforeEvent_ = std::move(beforeEvent); }

    // Shows the window centred on the screen at its design size.
    void showCentred();

    // Raises the window, restored if it was minimized, and activates it.
    void bringToFront();

    const View& view() const { return view_; }

    // Left out of what a screen reader is told of: the rolling number, never
    // shown, which changes a thousand times a second.
    bool hiddenFromReaders(const QWidget* widget) const { return controlFor(widget) == &form_.Label5; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void propertyChanged(Control& control, Property property) override;
    void textAppended(Control& control, std::size_t from) override;

    void buildChildren(Control& container, QWidget* parent);
    void connectToModel(Control& control, QWidget* widget);
    void syncContent(Control& control);
    void applyEnabled(Control& control, QWidget& widget);
    void announcePick();
    void syncGeometry(Control& control);
    void syncShownSubtree(Control& control);
    void applyWindowState();
    void applyOuterSize();
    bool routeKey(QKeyEvent& key);
    void applyVisible(bool shown);  // shows, or hides, what the view says
    void refocus(Control* focusedBefore);
    void focusOn(Control* control);

    Form1& form_;
    View view_{form_};
    InputGuard guard_{form_};
    std::map<const Control*, QWidget*> widgets_;
    std::map<const QObject*, Control*> controls_;
    std::function<void()> beforeEvent_;
    int picks_ = 0;  // in this run, so that every pick's announcement is new
};

}  // namespace kulbo
