#include "qt/qt_dialogs.h"

#include "app/message_box.h"
#include "qt/key_codes.h"
#include "qt/main_window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <algorithm>
#include <vector>

namespace kulbo {

namespace {

// Beside its title, a title bar holds the window manager's icon and buttons.
constexpr int kTitleBarRoom = 120;

// Qt sizes a box to its text alone, and places it by the size it had before
// it was laid out: this one is as wide as its whole title needs and is placed
// once its size is known, centred on the window, or on the screen while
// there is no window to see (a second copy refused before its window shows).
class CentredBox : public QMessageBox {
public:
    explicit CentredBox(QWidget* window) : QMessageBox(window && window->isVisible() ? window : nullptr) {}

protected:
    void showEvent(QShowEvent* event) override {
        QFont bold = font();
        bold.setBold(true);  // as title bars mostly are
        auto* grid = static_cast<QGridLayout*>(layout());
        grid->addItem(new QSpacerItem(QFontMetrics(bold).horizontalAdvance(windowTitle()) + kTitleBarRoom, 0,
                                      QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
        QMessageBox::showEvent(event);
        QRect over = parentWidget() ? parentWidget()->window()->geometry() : screen()->availableGeometry();
        move(over.center() - QPoint(width() / 2, height() / 2));
    }
};

// In BoxIcon's order.
constexpr QMessageBox::Icon kIcons[] = {QMessageBox::NoIcon, QMessageBox::Critical, QMessageBox::Question,
                                        QMessageBox::Warning, QMessageBox::Information};

// "是(Y)" with Y as the key Alt or the letter alone presses.
// The box answers its keys as the program decides (boxKeyDown): it sees each
// key before the focused button, and no mnemonic of Qt's own acts on it.
class BoxKeys : public QObject {
public:
    BoxKeys(QMessageBox& box, const BoxLayout& layout) : box_(box), layout_(layout) { qApp->installEventFilter(this); }
    ~BoxKeys() override { qApp->removeEventFilter(this); }
    std::vector<QPushButton*> buttons;  // in the layout's order

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && (watched == &box_ || owns(watched))) {
            event->accept();
            return true;
        }
        if (event->type() != QEvent::KeyPress || watched != box_.windowHandle()) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const auto focused = std::find(buttons.begin(), buttons.end(), box_.focusWidget());
        const int at = focused == buttons.end() ? -1 : static_cast<int>(focused - buttons.begin());
        const BoxKey pressed = boxKeyDown(layout_, at, keyCodeOf(*key), shiftMaskOf(*key));
        if (pressed.focus >= 0) buttons[static_cast<std::size_t>(pressed.focus)]->setFocus(Qt::TabFocusReason);
        for (std::size_t i = 0; pressed.answer && i < buttons.size(); ++i)
            if (layout_.buttons[i].answer == pressed.answer) buttons[i]->click();
        return pressed.consumed;
    }

private:
    bool owns(QObject* object) const { return std::find(buttons.begin(), buttons.end(), object) != buttons.end(); }

    QMessageBox& box_;
    const BoxLayout& layout_;
};

}  // namespace

int QtDialogs::MsgBox(const std::string& prompt, int flags, const std::string& title) {
    const BoxLayout layout = layOutBox(prompt, flags, title);
    CentredBox box(window_);
    box.setWindowTitle(QString::fromStdString(layout.title));
    QStringList lines;
    for (const std::string& line : layout.lines) lines << QString::fromStdString(line);
    box.setText(lines.join('\n'));
    box.setIcon(kIcons[static_cast<int>(layout.icon)]);
    BoxKeys keys(box, layout);
    for (const BoxButton& button : layout.buttons) {
        QPushButton* b = box.addButton(QString::fromStdString(button.caption), button.answer == box::kNo ? QMessageBox::NoRole
                                                           : button.answer == box::kYes ? QMessageBox::YesRole
                                                                                        : QMessageBox::AcceptRole);
        keys.buttons.push_back(b);
        if (button.answer == layout.defaultAnswer) box.setDefaultButton(b);
        if (button.answer == layout.escapeAnswer) box.setEscapeButton(b);
    }
    box.exec();
    auto pressed = std::find(keys.buttons.begin(), keys.buttons.end(), box.clickedButton());
    return pressed != keys.buttons.end() ? layout.buttons[static_cast<std::size_t>(pressed - keys.buttons.begin())].answer
                                         : layout.escapeAnswer;
}

// A name typed without the extension gets it before the dialog looks for a
// file of that name to ask about.
std::optional<std::string> QtDialogs::ChooseSaveFile(const SaveDialog& request) {
    QFileDialog dialog(window_, QString::fromStdString(request.title), QString::fromStdString(request.folder),
                       QString::fromStdString(request.filterName));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromStdString(request.extension));
    dialog.selectFile(QString::fromStdString(request.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

// False only when no handler (xdg-open or a browser) could be started: one
// that starts and then finds no browser is not heard of again.
bool QtDialogs::OpenUrl(const std::string& address) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

// A hooked box offers no context menu.
void QtDialogs::HookTextBox(TextBox& box) { allowContextMenu(box, false); }
void QtDialogs::UnhookTextBox(TextBox& box) { allowContextMenu(box, true); }

void QtDialogs::allowContextMenu(const TextBox& box, bool allowed) {
    if (QWidget* w = window_ ? window_->widgetFor(box) : nullptr)
        w->setContextMenuPolicy(allowed ? Qt::DefaultContextMenu : Qt::NoContextMenu);
}

}  // namespace kulbo
