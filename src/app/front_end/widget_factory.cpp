#include "app/front_end/widget_factory.h"

#include "app/front_end/input_guard.h"
#include "app/window_model.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace kulbo {

namespace {

QColor color(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

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

QWidget* newCommandButton(const CommandButton& button, QWidget* parent) {
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
    return b;
}

QWidget* newTextBox(const TextBox& box, QWidget* parent) {
    QWidget* w;
    if (box.MultiLine) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setReadOnly(box.Locked);
        edit->setVerticalScrollBarPolicy(box.VerticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->viewport()->setAcceptDrops(false);
        w = edit;
    } else {
        auto* edit = new QLineEdit(parent);
        if (box.MaxLength > 0) edit->setValidator(new CharacterLimit(box.MaxLength, edit));
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
    l->setAlignment(label.Centered ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(!label.AutoSize && label.FontSize < 100);  // the big display never wraps
    return l;
}

QWidget* newPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    return panel;
}

QWidget* newChoice(const Control& c, QWidget* parent) {
    QAbstractButton* b = c.kind == Kind::OptionButton ? static_cast<QAbstractButton*>(new QRadioButton(parent))
                                                       : new QCheckBox(parent);
    b->setAutoExclusive(false);  // the model keeps the groups
    return b;
}

QWidget* newWidget(const Control& c, QWidget* parent) {
    switch (c.kind) {
    case Kind::CommandButton: return newCommandButton(static_cast<const CommandButton&>(c), parent);
    case Kind::TextBox: return newTextBox(static_cast<const TextBox&>(c), parent);
    case Kind::Label: return newLabel(static_cast<const Label&>(c), parent);
    case Kind::Frame: return new QGroupBox(parent);
    case Kind::PictureBox: return newPanel(parent);
    case Kind::OptionButton:
    case Kind::CheckBox: return newChoice(c, parent);
    case Kind::Timer:
    case Kind::Form: return nullptr;
    }
    return nullptr;
}

}  // namespace

QFont songFont(double points) {
    QFont font;
    font.setFamilies({"宋体", "SimSun", "AR PL SungtiL GB", "AR PL UMing CN", "Noto Serif CJK SC", "Noto Sans CJK SC"});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 20 / kTwipsPerPixel))));
    font.setWeight(QFont::Normal);
    return font;
}

QIcon windowIcon() { return drawIcon("window"); }

QWidget* createWidget(const Control& c, QWidget* parent) {
    QWidget* w = newWidget(c, parent);
    if (!w) return nullptr;
    w->setObjectName(QString::fromStdString(c.name));
    w->setFont(songFont(c.FontSize));
    if (c.ForeColor) setPaletteColor(*w, {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}, color(*c.ForeColor));
    if (c.BackColor) {
        setPaletteColor(*w, {QPalette::Window, QPalette::Button, QPalette::Base}, color(*c.BackColor));
        // Option buttons and check boxes share their frame's colour: drawn clear.
        w->setAutoFillBackground(c.kind != Kind::OptionButton && c.kind != Kind::CheckBox);
    }
    return w;
}

}  // namespace kulbo
