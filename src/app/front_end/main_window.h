// The Qt view of the window model: one widget per control, built by kind and
// kept in step through the model's change signal; user actions go back to the
// model as events.
#pragma once

#include "app/form1.h"

#include <QFont>
#include <QWidget>

#include <functional>
#include <map>
#include <set>

class QPlainTextEdit;

namespace kulbo {

// The one typeface of the window, at a size in points (20 twips each).
QFont songFont(double points);

class MainWindow : public QWidget, private ChangeListener {
public:
    explicit MainWindow(Form1& form);
    ~MainWindow() override;

    QWidget* widgetFor(const Control& control) const;
    Control* controlFor(const QObject* widget) const;

    // Whether the box's context menu is kept away (see textbox_hook.h).
    void setHooked(TextBox& box, bool hooked);

    // Runs before every event that may run a handler (clicks, keys, close).
    void setBeforeInput(std::function<void()> beforeInput) { beforeInput_ = std::move(beforeInput); }

    // Shows the window centred on the screen at its design size.
    void showCentred();

    static QSize clientSizeFor(int outerWidthTwips, int outerHeightTwips);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void propertyChanged(Control& control, Property property) override;

    QWidget* createWidget(Control& control, QWidget* parent);
    void buildChildren(Control& container, QWidget* parent);
    void applyTabOrder();
    void syncContent(Control& control);
    void syncGeometry(Control& control);
    void syncShownSubtree(Control& control);
    void applyWindowState();
    void applyOuterSize();
    void appendOrReplaceHistory(QPlainTextEdit& box, const std::string& text);

    bool filterTextBox(TextBox& box, QEvent* event);
    void previewKey(QObject* watched, QEvent* event);

    Form1& form_;
    std::map<const Control*, QWidget*> widgets_;
    std::map<const QObject*, Control*> controls_;
    std::set<const TextBox*> hooked_;
    std::set<const TextBox*> filtered_;
    bool resending_ = false;
    std::function<void()> beforeInput_;
};

}  // namespace kulbo
