#include "qt/main_window.h"

#include "app/geometry.h"
#include "qt/history_view.h"
#include "qt/key_codes.h"
#include "app/text_input.h"
#include "qt/widget_factory.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>


namespace kulbo {

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MainWindow::MainWindow(Program& program) : program_(program), form_(program.form()) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(qtFont(windowFont()));
    controls_[this] = &form_;
    buildChildren(form_, this);
    program_.follow(this);
    // The form previews every key, and the filtered boxes take what passes
    // their filter: one filter for the whole application.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    program_.follow(nullptr);
}

QWidget* MainWindow::widgetFor(const Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

Control* MainWindow::controlFor(const QObject* widget) const {
    auto it = controls_.find(widget);
    return it == controls_.end() ? nullptr : it->second;
}

void MainWindow::showCentred(Control* focus) {
    if (QScreen* screen = this->screen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    focusOn(focus);
}

void MainWindow::bringToFront() {
    if (windowState() & Qt::WindowMinimized) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
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
    case Kind::OptionButton:
    case Kind::CheckBox:
        connect(static_cast<QAbstractButton*>(w), &QAbstractButton::clicked, this, [this, &c] {
            program_.click(c);
            // Undo a choice's own toggle where the model did not follow.
            if (c.kind != Kind::CommandButton) syncContent(c);
        });
        break;
    case Kind::TextBox: {
        auto& box = static_cast<TextBox&>(c);
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            connect(edit, &QLineEdit::textEdited, this, [this, &box, edit](const QString& text) {
                KeptEdit kept = keepEdit(form_, box, text.toStdU16String(), static_cast<std::size_t>(edit->cursorPosition()));
                if (!kept.changed) return;
                edit->setText(QString::fromStdU16String(kept.text));
                edit->setCursorPosition(static_cast<int>(kept.caret));
            });
        break;
    }
    default:
        break;
    }
}

// A disabled control takes neither the focus nor typing, and does not tell
// a screen reader that it would.
void MainWindow::applyEnabled(Control& c, QWidget& w) {
    if (View::reachableByKeyboard(c))
        w.setFocusPolicy(c.Enabled ? Qt::StrongFocus : Qt::NoFocus);
    if (auto* edit = qobject_cast<QLineEdit*>(&w)) edit->setReadOnly(!c.Enabled || static_cast<TextBox&>(c).Locked);
    w.setEnabled(c.Enabled);
}

void MainWindow::syncContent(Control& c) {
    QWidget* w = widgetFor(c);
    if (!w) return;
    switch (c.kind) {
    case Kind::Label: {
        auto* label = static_cast<QLabel*>(w);
        label->setText(qt(static_cast<Label&>(c).Caption));
        if (static_cast<Label&>(c).AutoSize) label->adjustSize();
        break;
    }
    case Kind::Frame:
        static_cast<QGroupBox*>(w)->setTitle(qt(static_cast<Frame&>(c).Caption));
        break;
    case Kind::CommandButton:
    case Kind::OptionButton:
    case Kind::CheckBox: {
        auto* b = static_cast<QAbstractButton*>(w);
        b->setText(qt(static_cast<CaptionedControl&>(c).Caption));
        b->setChecked(isChecked(c));
        break;
    }
    case Kind::TextBox: {
        const std::string& text = static_cast<TextBox&>(c).Text;
        auto* edit = qobject_cast<QLineEdit*>(w);
        if (edit && edit->text().toStdString() != text) edit->setText(qt(text));
        break;
    }
    default:
        break;
    }
}

// The history box reads the history text itself; it only learns where the
// new lines begin. Readers hear the focused control's new description as
// news from the desktop: "开始" has the focus at a pick.
void MainWindow::apply(const std::vector<WindowChange>& changes) {
    for (const WindowChange& change : changes) {
        Control& c = *change.control;
        if (&c == &form_) {
            if (change.step == WindowChange::Content) setWindowTitle(qt(form_.Caption));
            if (change.step == WindowChange::WindowState) applyWindowState();
            if (change.step == WindowChange::Geometry) {
                PixelSize client = clientSizeForOuter(form_.Width, form_.Height);
                setFixedSize(client.width, client.height);
            }
            continue;
        }
        QWidget* w = widgetFor(c);
        if (!w) continue;
        switch (change.step) {
        case WindowChange::Content: syncContent(c); break;
        case WindowChange::Geometry: {
            PixelRect place = placeOf(c);
            w->setGeometry(place.left, place.top, place.width, place.height);
            break;
        }
        case WindowChange::Enabled: applyEnabled(c, *w); break;
        case WindowChange::WindowState: break;
        case WindowChange::Show: w->setVisible(true); break;
        case WindowChange::Hide: w->setVisible(false); break;
        case WindowChange::Focus: focusOn(&c); break;
        case WindowChange::HistoryReplaced: static_cast<HistoryView*>(w)->reset(); break;
        case WindowChange::HistoryAppended: static_cast<HistoryView*>(w)->appended(); break;
        case WindowChange::ReaderName: w->setAccessibleName(qt(change.text)); break;
        case WindowChange::ReaderDescription:
        case WindowChange::Announce: w->setAccessibleDescription(qt(change.text)); break;
        }
    }
}

void MainWindow::applyWindowState() {
    Qt::WindowStates state = windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (form_.WindowState == kMinimized) state |= Qt::WindowMinimized;
    if (form_.WindowState == kMaximized) state |= Qt::WindowMaximized;
    if (state != windowState()) setWindowState(state);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const Qt::WindowStates state = windowState();
        program_.windowStateChanged(state & Qt::WindowMinimized                                ? kMinimized
                                    : state & (Qt::WindowMaximized | Qt::WindowFullScreen) ? kMaximized
                                                                                           : kNormal);
    }
    QWidget::changeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    int outerWidth = 0, outerHeight = 0;
    outerSizeForClient({width(), height()}, kDesignDpi, outerWidth, outerHeight);
    program_.windowResized(outerWidth, outerHeight);
    QWidget::resizeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();  // a confirmed close ends the program at once
    program_.requestClose();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A button's "&O" is the program's access key: the window sees the key
    // first, as any other, and no shortcut of the button's own acts on it.
    if (event->type() == QEvent::ShortcutOverride && controlFor(watched)) {
        event->accept();
        return true;
    }
    // The window receives each key once, before it goes on to the focused
    // control, wherever the focus moves meanwhile.
    if (event->type() == QEvent::KeyPress && watched == static_cast<QObject*>(windowHandle()))
        return routeKey(*static_cast<QKeyEvent*>(event));
    Control* control = controlFor(watched);
    if (control && control->kind == Kind::TextBox && hasKeyFilter(form_, static_cast<TextBox&>(*control)))
        return guardBox(static_cast<TextBox&>(*control), *static_cast<QWidget*>(watched), *event);
    return QWidget::eventFilter(watched, event);
}

bool MainWindow::routeKey(QKeyEvent& key) {
    View::KeyResult result = program_.keyDown(controlFor(focusWidget()), keyCodeOf(key), shiftMaskOf(key));
    focusOn(result.focus);
    return result.consumed;
}

void MainWindow::focusOn(Control* control) {
    if (QWidget* w = control ? widgetFor(*control) : nullptr) w->setFocus(Qt::TabFocusReason);
}

}  // namespace kulbo
