#include "app/front_end/main_window.h"

#include "app/front_end/key_codes.h"
#include "app/textbox_hook.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace kulbo {

namespace {

// The window's outer size is the client area plus what a frame and caption
// take at the design: the model speaks of outer sizes, the view of clients.
constexpr int kFrameWidthTwips = kDesignOuterWidth - 6615;
constexpr int kFrameHeightTwips = kDesignOuterHeight - 6390;

int pixels(int twips) { return static_cast<int>(std::lround(twips / double(kTwipsPerPixel))); }


QColor color(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

QString qt(const std::string& text) { return QString::fromStdString(text); }

// The window's icon and the pictures of the two buttons of the lock panel.
QIcon drawIcon(const std::string& name) {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    if (name == "unlock") {
        p.setPen(QPen(QColor(90, 90, 90), 3));
        p.drawArc(QRectF(11, 2, 14, 16), 0, 180 * 16);  // the shackle, lifted open
        p.drawLine(QPointF(25, 10), QPointF(25, 14));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(218, 165, 32));
        p.drawRoundedRect(QRectF(4, 14, 20, 16), 3, 3);
        p.setBrush(QColor(70, 50, 10));
        p.drawEllipse(QPointF(14, 21), 2.5, 2.5);
    } else if (name == "window") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 30, 30));
        p.drawEllipse(QRectF(1, 1, 30, 30));
        p.setPen(Qt::white);
        QFont digits = songFont(15);
        digits.setBold(true);
        p.setFont(digits);
        p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, "7");
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 40));
        p.drawEllipse(QRectF(2, 2, 28, 28));
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 10), QPointF(22, 22));
        p.drawLine(QPointF(22, 10), QPointF(10, 22));
    }
    return QIcon(picture);
}

void setPaletteColor(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles, const QColor& c) {
    QPalette palette = widget.palette();
    for (auto role : roles) palette.setColor(role, c);
    widget.setPalette(palette);
}

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

QFont songFont(double points) {
    QFont font;
    font.setFamilies({"宋体", "SimSun", "AR PL SungtiL GB", "AR PL UMing CN", "Noto Serif CJK SC", "Noto Sans CJK SC"});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 20 / kTwipsPerPixel))));
    font.setWeight(QFont::Normal);
    return font;
}

MainWindow::MainWindow(Form1& form) : form_(form) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(songFont(9));
    setWindowIcon(drawIcon("window"));
    controls_[this] = &form_;
    buildChildren(form_, this);
    applyTabOrder();
    setWindowTitle(qt(form_.Caption));
    applyOuterSize();
    form_.setListener(this);
    // The form previews every key, and the text boxes' events are filtered
    // here too: one filter for the whole application, so that each event
    // passes it once.
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
}

void MainWindow::buildChildren(Control& container, QWidget* parent) {
    std::vector<QWidget*> created;
    for (Control* child : container.children)
        if (QWidget* w = createWidget(*child, parent)) created.push_back(w);
    // An earlier child lies above a later one.
    for (auto it = created.rbegin(); it != created.rend(); ++it) (*it)->raise();
}

QWidget* MainWindow::createWidget(Control& c, QWidget* parent) {
    QWidget* w = nullptr;
    switch (c.kind) {
    case Kind::CommandButton: {
        auto& button = static_cast<CommandButton&>(c);
        QAbstractButton* b;
        if (!button.IconName.empty()) {
            auto* tool = new QToolButton(parent);
            tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            tool->setIcon(drawIcon(button.IconName));
            tool->setIconSize(QSize(32, 32));
            b = tool;
        } else {
            b = new QPushButton(parent);
        }
        b->setFocusPolicy(Qt::StrongFocus);
        connect(b, &QAbstractButton::clicked, this, [this, &c] { form_.click(c); });
        w = b;
        break;
    }
    case Kind::TextBox: {
        auto& box = static_cast<TextBox&>(c);
        if (box.MultiLine) {
            auto* edit = new QPlainTextEdit(parent);
            edit->setReadOnly(box.Locked);
            edit->setVerticalScrollBarPolicy(box.VerticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
            edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            edit->viewport()->setAcceptDrops(false);
            controls_[edit->viewport()] = &c;
            w = edit;
        } else {
            auto* edit = new QLineEdit(parent);
            if (box.MaxLength > 0) edit->setMaxLength(box.MaxLength);
            if (box.PasswordChar) {
                edit->setEchoMode(QLineEdit::Password);
                edit->setStyleSheet(QString("QLineEdit { lineedit-password-character: %1; }").arg(int(box.PasswordChar)));
            }
            edit->setReadOnly(box.Locked);
            connect(edit, &QLineEdit::textEdited, this, [&box](const QString& text) { box.Text = text.toStdString(); });
            w = edit;
        }
        w->setAcceptDrops(false);
        if (&box == &form_.Text1 || &box == &form_.Text2 || &box == &form_.Text4 || &box == &form_.Text6)
            filtered_.insert(&box);
        break;
    }
    case Kind::Label: {
        auto& label = static_cast<Label&>(c);
        auto* l = new QLabel(parent);
        l->setAlignment(label.Centered ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(!label.AutoSize && label.FontSize < 100);  // the big display never wraps
        w = l;
        break;
    }
    case Kind::Frame:
        w = new QGroupBox(parent);
        break;
    case Kind::PictureBox: {
        auto* panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAutoFillBackground(true);
        w = panel;
        break;
    }
    case Kind::OptionButton:
    case Kind::CheckBox: {
        QAbstractButton* b = c.kind == Kind::OptionButton ? static_cast<QAbstractButton*>(new QRadioButton(parent))
                                                           : new QCheckBox(parent);
        b->setAutoExclusive(false);  // the model keeps the groups
        connect(b, &QAbstractButton::clicked, this, [this, &c] {
            form_.click(c);
            syncContent(c);  // undo the button's own toggle where the model did not follow
        });
        w = b;
        break;
    }
    case Kind::Timer:
    case Kind::Form:
        return nullptr;
    }

    w->setObjectName(qt(c.name));
    w->setFont(songFont(c.FontSize));
    if (c.ForeColor) setPaletteColor(*w, {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}, color(*c.ForeColor));
    if (c.BackColor) {
        setPaletteColor(*w, {QPalette::Window, QPalette::Button, QPalette::Base}, color(*c.BackColor));
        // Option buttons and check boxes share their frame's colour: drawn clear.
        w->setAutoFillBackground(c.kind != Kind::OptionButton && c.kind != Kind::CheckBox);
    }
    widgets_[&c] = w;
    controls_[w] = &c;
    syncGeometry(c);
    syncContent(c);
    w->setEnabled(c.Enabled);
    w->setVisible(c.Visible);
    buildChildren(c, w);
    return w;
}

void MainWindow::applyTabOrder() {
    std::vector<std::pair<int, QWidget*>> order;
    for (auto [control, widget] : widgets_)
        if (widget->focusPolicy() != Qt::NoFocus) order.emplace_back(control->TabIndex, widget);
    std::sort(order.begin(), order.end());
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1].second, order[i].second);
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
        } else if (auto* history = qobject_cast<QPlainTextEdit*>(w)) {
            appendOrReplaceHistory(*history, text);
        }
        break;
    }
    default:
        break;
    }
}

// A history that only grew keeps its scroll position: the new lines are added
// at the end instead of the whole text being set again.
void MainWindow::appendOrReplaceHistory(QPlainTextEdit& box, const std::string& text) {
    QString shown = qt(text).replace("\r\n", "\n");
    QString current = box.toPlainText();
    if (shown == current) return;
    if (!current.isEmpty() && shown.startsWith(current)) {
        QTextCursor cursor(box.document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(shown.mid(current.size()));
    } else {
        box.setPlainText(shown);
    }
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
        // second) catch up when they are shown.
        if (c.shown()) syncContent(c);
        break;
    case Property::Enabled:
        w->setEnabled(c.Enabled);
        break;
    case Property::Visible:
        w->setVisible(c.Visible);
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
    form_.Width = width() * kTwipsPerPixel + kFrameWidthTwips;
    form_.Height = height() * kTwipsPerPixel + kFrameHeightTwips;
    QWidget::resizeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();  // a confirmed close ends the program at once
    form_.requestClose();
}

void MainWindow::setHooked(TextBox& box, bool hooked) {
    if (hooked)
        hooked_.insert(&box);
    else
        hooked_.erase(&box);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (beforeInput_ && isInput(event->type())) beforeInput_();
    if (event->type() == QEvent::KeyPress) previewKey(watched, event);
    if (Control* c = controlFor(watched); c && c->kind == Kind::TextBox)
        if (filterTextBox(static_cast<TextBox&>(*c), event)) return true;
    return QWidget::eventFilter(watched, event);
}

// Key preview: the form's KeyDown sees every key before the control with the
// focus. A key that a child ignores travels up to its parents; only its
// first receiver, the focus widget, counts.
void MainWindow::previewKey(QObject* watched, QEvent* event) {
    QWidget* focus = QApplication::focusWidget();
    QWidget* firstReceiver = focus && focus->window() == this ? focus : this;
    if (watched != firstReceiver) return;
    auto* key = static_cast<QKeyEvent*>(event);
    form_.keyDown(keyCodeOf(*key), shiftMaskOf(*key));
}

// Every road by which text reaches a number box passes the box's key filter
// or is closed: typed keys and input-method commits are filtered; pasting by
// key, by the middle button and by dropping is refused.
bool MainWindow::filterTextBox(TextBox& box, QEvent* event) {
    if (event->type() == QEvent::ContextMenu && hooked_.count(&box))
        return WindowProc(kContextMenuMessage) != 0;
    if (!filtered_.count(&box)) return false;

    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) return true;
        auto code = keyAsciiOf(*key);
        return code && form_.keyPress(box, *code) == 0;
    }
    case QEvent::InputMethod: {
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (resending_ || input->commitString().isEmpty()) return false;
        QString admitted;
        for (QChar ch : input->commitString())
            if (form_.keyPress(box, keyAsciiOf(ch)) != 0) admitted += ch;
        if (admitted == input->commitString()) return false;
        QInputMethodEvent filtered(input->preeditString(), input->attributes());
        filtered.setCommitString(admitted, input->replacementStart(), input->replacementLength());
        resending_ = true;
        QCoreApplication::sendEvent(widgetFor(box), &filtered);
        resending_ = false;
        return true;
    }
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

}  // namespace kulbo
