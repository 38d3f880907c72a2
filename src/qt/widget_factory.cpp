#include "qt/widget_factory.h"

#include "qt/history_view.h"
#include "app/window_model.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace kulbo {

namespace {

bool isBigDisplay(const Control& c) { return c.kind == Kind::Label && static_cast<const Label&>(c).BigDisplay; }

QColor color(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// The pictures are drawings rendered at build time into the program's
// resources, at the sizes they are shown at, plain and doubled; each is
// loaded only when asked for. Menus take the installed icons.
QIcon pictureIcon(const std::string& name, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes)
        icon.addFile(QString(":/pictures/%1x%1/apps/%2.png").arg(size).arg(QString::fromStdString(name)), QSize(size, size));
    return icon;
}

QPalette::ColorRole backgroundRole(Kind kind) {
    switch (kind) {
    case Kind::TextBox: return QPalette::Base;
    case Kind::CommandButton: return QPalette::Button;
    default: return QPalette::Window;
    }
}

void setPaletteColor(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles, const QColor& c) {
    QPalette palette = widget.palette();
    for (auto role : roles) palette.setColor(role, c);
    widget.setPalette(palette);
}

QWidget* newCommandButton(const CommandButton& button, QWidget* parent) {
    QAbstractButton* b;
    if (!button.IconName.empty()) {
        auto* tool = new QToolButton(parent);
        tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tool->setIcon(pictureIcon(button.IconName, {button.IconSize, 2 * button.IconSize}));
        tool->setIconSize(QSize(button.IconSize, button.IconSize));
        b = tool;
    } else {
        b = new QPushButton(parent);
    }
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

QWidget* newTextBox(const TextBox& box, QWidget* parent) {
    QWidget* w;
    if (box.MultiLine) {
        auto* history = new HistoryView(box.Text.get(), parent);  // the one multi-line box, read-only
        history->viewport()->setAcceptDrops(false);
        w = history;
    } else {
        auto* edit = new QLineEdit(parent);
        if (box.PasswordChar) {
            edit->setEchoMode(QLineEdit::Password);
            edit->setStyleSheet(QString("QLineEdit { lineedit-password-character: %1; }").arg(int(box.PasswordChar)));
        }
        edit->setReadOnly(box.Locked);
        w = edit;
    }
    w->setAcceptDrops(false);
    return w;
}

QWidget* newLabel(const Label& label, QWidget* parent) {
    auto* l = new QLabel(parent);
    Qt::Alignment vertical = isBigDisplay(label) ? Qt::AlignVCenter : Qt::AlignTop;  // the digits in the middle, as on every program
    l->setAlignment((label.Centered ? Qt::AlignHCenter : Qt::AlignLeft) | vertical);
    l->setWordWrap(!label.AutoSize && !isBigDisplay(label));
    return l;
}

QWidget* newWidget(const Control& c, QWidget* parent) {
    switch (c.kind) {
    case Kind::CommandButton: return newCommandButton(static_cast<const CommandButton&>(c), parent);
    case Kind::TextBox: return newTextBox(static_cast<const TextBox&>(c), parent);
    case Kind::Label: return newLabel(static_cast<const Label&>(c), parent);
    case Kind::Frame: return new QGroupBox(parent);
    case Kind::PictureBox: {
        auto* panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return panel;  // its background filled below
    }
    // Option buttons stay auto-exclusive, as screen readers then hear them as
    // such; the model keeps the groups all the same.
    case Kind::OptionButton: return new QRadioButton(parent);
    case Kind::CheckBox: return new QCheckBox(parent);
    case Kind::Timer:
    case Kind::Form: return nullptr;
    }
    return nullptr;
}

}  // namespace

QFont qtFont(const FontLook& look) {
    QFont font;
    QStringList faces;
    for (const std::string& face : look.faces) faces << QString::fromStdString(face);
    font.setFamilies(faces);
    font.setPixelSize(look.pixels);
    font.setWeight(QFont::Weight(look.weight));
    return font;
}

QIcon windowIcon() { return pictureIcon("kulbo", {16, 32, 64}); }

QWidget* createWidget(const Control& c, QWidget* parent) {
    QWidget* w = newWidget(c, parent);
    if (!w) return nullptr;
    w->setObjectName(QString::fromStdString(c.name));
    w->setFont(qtFont(fontOf(c)));
    if (c.ForeColor) setPaletteColor(*w, {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}, color(*c.ForeColor));
    if (c.BackColor) {
        // Only the control's own background: a frame's colour must not reach
        // the text boxes inside it.
        setPaletteColor(*w, {backgroundRole(c.kind)}, color(*c.BackColor));
        w->setAutoFillBackground(c.kind == Kind::Frame || c.kind == Kind::Label);
    }
    if (c.kind == Kind::PictureBox) w->setAutoFillBackground(true);
    return w;
}

}  // namespace kulbo
