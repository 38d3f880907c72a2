#include "app/front_end/main_window.h"

#include "app/front_end/history_view.h"
#include "app/front_end/key_codes.h"
#include "app/front_end/widget_factory.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace kulbo {

namespace {

// The window's outer size is the client area plus what a frame and caption
// take at the design: the model speaks of outer sizes, the view of clients.
constexpr int kFrameWidthTwips = kDesignOuterWidth - 6615;
constexpr int kFrameHeightTwips = kDesignOuterHeight - 6390;

int pixels(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }

QString qt(const std::string& text) { return QString::fromStdString(text); }

// Events that may run a handler.
bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

}  // namespace

MainWindow::MainWindow(Form1& form) : form_(form) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(songFont(9));
    controls_[this] = &form_;
    buildChildren(form_, this);
    applyTabOrder();
    setWindowTitle(qt(form_.Caption));
    applyOuterSize();
    form_.setListener(this);
    // The form previews every key and the tick source catches up before
    // every input: one filter for the whole application.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    form_.setListener(nullptr);
}

QWidget* MainWindow::widgetFor(const Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

Control* MainWindow::controlFor(const QObject* widget) const {
    auto it = controls_.find(widget);
    return it == controls_.end() ? nullptr : it->second;
}

QSize MainWindow::clientSizeFor(int outerWidthTwips, int outerHeightTwips) {
    return QSize(std::max(1, pixels(outerWidthTwips - kFrameWidthTwips)),
                 std::max(1, pixels(outerHeightTwips - kFrameHeightTwips)));
}

void MainWindow::showCentred() {
    if (QScreen* screen = this->screen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    focusFirstShown();
}

void MainWindow::buildChildren(Control& container, QWidget* parent) {
    std::vector<QWidget*> created;
    for (Control* child : container.children) {
        QWidget* w = createWidget(*child, parent);
        if (!w) continue;
        connectToModel(*child, w);
        created.push_back(w);
        buildChildren(*child, w);
    }
    // An earlier child lies above a later one.
    for (auto it = created.rbegin(); it != created.rend(); ++it) (*it)->raise();
}

// Registers the widget and sends what the user does with it to the model.
void MainWindow::connectToModel(Control& c, QWidget* w) {
    widgets_[&c] = w;
    controls_[w] = &c;
    switch (c.kind) {
    case Kind::CommandButton:
        connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this, [this, &c] { form_.click(c); });
        break;
    case Kind::OptionButton:
    case Kind::CheckBox:
        connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this, [this, &c] {
            form_.click(c);
            syncContent(c);  // undo the button's own toggle where the model did not follow
        });
        break;
    case Kind::TextBox: {
        auto& box = static_cast<TextBox&>(c);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            connect(edit, &QLineEdit::textEdited, this, [&box](const QString& text) { box.Text = text.toStdString(); });
        if (&box == &form_.Text1 || &box == &form_.Text2 || &box == &form_.Text4 || &box == &form_.Text6)
            guard_.guard(box, *w);
        break;
    }
    default:
        break;
    }
    syncGeometry(c);
    syncContent(c);
    w->setEnabled(c.Enabled);
    w->setVisible(c.container == &form_ ? seen(c) : c.Visible);
}

void MainWindow::applyTabOrder() {
    std::vector<std::pair<int, QWidget*>> order;
    for (auto [control, widget] : widgets_)
        if (widget->focusPolicy() != Qt::NoFocus) order.emplace_back(control->TabIndex, widget);
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1].second, order[i].second);
    for (auto& entry : order) tabOrder_.push_back(entry.second);
}

void MainWindow::syncGeometry(Control& c) {
    if (QWidget* w = widgetFor(c)) w->setGeometry(pixels(c.Left), pixels(c.Top), pixels(c.Width), pixels(c.Height));
}

void MainWindow::syncContent(Control& c) {
    QWidget* w = widgetFor(c);
    if (!w) return;
    switch (c.kind) {
    case Kind::CommandButton:
        static_cast<QAbstractButton*>(w)->setText(qt(static_cast<CaptionedControl&>(c).Caption));
        break;
    case Kind::Label: {
        auto* label = static_cast<QLabel*>(w);
        label->setText(qt(static_cast<Label&>(c).Caption));
        if (c.LabelledBy) label->setAccessibleDescription(label->text());  // the big display's value
        if (static_cast<Label&>(c).AutoSize) label->adjustSize();
        break;
    }
    case Kind::Frame:
        static_cast<QGroupBox*>(w)->setTitle(qt(static_cast<Frame&>(c).Caption));
        break;
    case Kind::OptionButton: {
        auto* b = static_cast<QAbstractButton*>(w);
        b->setText(qt(static_cast<OptionButton&>(c).Caption));
        b->setChecked(static_cast<OptionButton&>(c).Value);
        b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);  // the group's one tab stop
        break;
    }
    case Kind::CheckBox: {
        auto* b = static_cast<QAbstractButton*>(w);
        b->setText(qt(static_cast<CheckBox&>(c).Caption));
        b->setChecked(static_cast<CheckBox&>(c).Value != 0);
        break;
    }
    case Kind::TextBox: {
        const std::string& text = static_cast<TextBox&>(c).Text;
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            if (edit->text().toStdString() != text) edit->setText(qt(text));
        }
        break;
    }
    default:
        break;
    }
}

// The history box reads the history text itself; it only learns where the
// new lines begin.
void MainWindow::textAppended(Control& c, std::size_t /*from*/) {
    if (auto* history = dynamic_cast<HistoryView*>(widgetFor(c)))
        history->appended();
    else
        propertyChanged(c, Property::Text);
}

void MainWindow::syncShownSubtree(Control& c) {
    if (!c.shown()) return;
    syncContent(c);
    for (Control* child : c.children) syncShownSubtree(*child);
}

void MainWindow::propertyChanged(Control& c, Property property) {
    if (&c == &form_) {
        if (property == Property::Caption) setWindowTitle(qt(form_.Caption));
        if (property == Property::WindowState) applyWindowState();
        if (property == Property::Width || property == Property::Height) applyOuterSize();
        return;
    }
    QWidget* w = widgetFor(c);
    if (!w) return;
    switch (property) {
    case Property::Caption:
    case Property::Text:
    case Property::Value:
        // Hidden controls (the rolling number changes a thousand times a
        // second) catch up when they are shown; the history box keeps up.
        if (auto* history = dynamic_cast<HistoryView*>(w))
            history->reset();
        else if (c.shown())
            syncContent(c);
        break;
    case Property::Enabled:
        w->setEnabled(c.Enabled);
        break;
    case Property::Visible:
        applyVisible(c);
        syncShownSubtree(c);
        break;
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
        syncGeometry(c);
        break;
    case Property::WindowState:
        break;
    }
}

void MainWindow::applyWindowState() {
    Qt::WindowStates state = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (form_.WindowState == kMinimized) state |= Qt::WindowMinimized;
    if (form_.WindowState == kMaximized) state |= Qt::WindowMaximized;
    if (state != windowState()) setWindowState(state);
}

void MainWindow::applyOuterSize() { setFixedSize(clientSizeFor(form_.Width, form_.Height)); }

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        if (beforeEvent_) beforeEvent_();
        Qt::WindowStates state = windowState();
        if (state & Qt::WindowMinimized)
            form_.WindowState = kMinimized;
        else if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
            form_.WindowState = kMaximized;
        else
            form_.WindowState = kNormal;
    }
    QWidget::changeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    if (beforeEvent_) beforeEvent_();
    form_.Width = width() * kTwipsPerPixel + kFrameWidthTwips;
    form_.Height = height() * kTwipsPerPixel + kFrameHeightTwips;
    QWidget::resizeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();  // a confirmed close ends the program at once
    form_.requestClose();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (beforeEvent_ && isInput(event->type())) beforeEvent_();
    if (event->type() == QEvent::KeyPress) {
        // The window receives each key once, before it goes on to the
        // focused control, wherever the focus moves meanwhile.
        if (watched == static_cast<QObject*>(windowHandle())) previewKey(event);
        else if (moveChoice(watched, event)) return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::setContextMenuAllowed(const TextBox& box, bool allowed) {
    if (QWidget* w = widgetFor(box)) w->setContextMenuPolicy(allowed ? Qt::DefaultContextMenu : Qt::NoContextMenu);
}

// Key preview: the form's KeyDown sees every key before the control with the
// focus.
void MainWindow::previewKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    form_.keyDown(keyCodeOf(*key), shiftMaskOf(*key));
}

// An option group is one stop of the tab order; the arrow keys move the
// choice within it, running the handlers as a click does.
bool MainWindow::moveChoice(QObject* watched, QEvent* event) {
    Control* option = controlFor(watched);
    if (!option || option->kind != Kind::OptionButton) return false;
    int key = static_cast<QKeyEvent*>(event)->key();
    int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1 : key == Qt::Key_Up || key == Qt::Key_Left ? -1 : 0;
    if (step == 0) return false;
    std::vector<Control*> group;
    for (Control* sibling : option->container->children)
        if (sibling->kind == Kind::OptionButton) group.push_back(sibling);
    std::sort(group.begin(), group.end(), [](Control* a, Control* b) { return a->TabIndex < b->TabIndex; });
    auto at = std::find(group.begin(), group.end(), option) - group.begin();
    Control& next = *group[(at + step + group.size()) % group.size()];
    form_.click(next);
    if (QWidget* w = widgetFor(next); w && w->isEnabled()) w->setFocus(Qt::TabFocusReason);
    return true;
}

// What the user can see of a control on the form: it must be visible, lie
// inside the client area and not under a shown panel.
bool MainWindow::seen(const Control& c) const {
    if (!c.Visible) return false;
    if (c.container != &form_) return true;
    if (c.Left >= form_.ClientWidth || c.Top >= form_.ClientHeight) return false;
    for (const Control* above : form_.children) {
        if (above == &c) return true;
        if (above->kind == Kind::PictureBox && above->Visible) return false;
    }
    return true;
}

const Control* MainWindow::topPanel() const {
    for (const Control* c : form_.children)
        if (c->kind == Kind::PictureBox && c->Visible) return c;
    return nullptr;
}

// Hidden controls take no focus, no key and no click: what a panel covers is
// hidden with it. Opening a panel puts the focus on its first control in the
// tab order; closing the last one gives the focus back to where it was.
void MainWindow::applyVisible(Control& c) {
    QWidget* w = widgetFor(c);
    if (c.container != &form_) {
        w->setVisible(c.Visible);
        return;
    }
    const Control* topBefore = shownPanel_;
    QWidget* focusBefore = focusWidget();
    for (Control* face : form_.children)
        if (QWidget* faceWidget = widgetFor(*face)) faceWidget->setVisible(seen(*face));
    shownPanel_ = topPanel();
    if (shownPanel_ == topBefore) {
        if (!focusWidget() || !focusWidget()->isVisibleTo(this)) focusFirstShown();
        return;
    }
    if (!topBefore) focusBeforePanels_ = focusBefore;
    if (!shownPanel_ && focusBeforePanels_ && focusBeforePanels_->isVisibleTo(this) && focusBeforePanels_->isEnabled())
        focusBeforePanels_->setFocus(Qt::OtherFocusReason);
    else
        focusFirstShown();
}

void MainWindow::focusFirstShown() {
    for (QWidget* w : tabOrder_)
        if (w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
}

}  // namespace kulbo
