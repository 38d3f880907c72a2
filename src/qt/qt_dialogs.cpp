#include "qt/qt_dialogs.h"

#include "app/message_box.h"
#include "qt/main_window.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <map>

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

QMessageBox::Icon iconOf(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Critical: return QMessageBox::Critical;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::Exclamation: return QMessageBox::Warning;
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// "是(Y)" with Y as the key Alt or the letter alone presses.
QString buttonText(const BoxButton& button) {
    QString caption = QString::fromStdString(button.caption);
    if (button.accessKey) caption.replace(QString("(%1)").arg(button.accessKey), QString("(&%1)").arg(button.accessKey));
    return caption;
}

}  // namespace

int QtDialogs::MsgBox(const std::string& prompt, int flags, const std::string& title) {
    const BoxLayout layout = layOutBox(prompt, flags, title);
    CentredBox box(window_);
    box.setWindowTitle(QString::fromStdString(layout.title));
    QStringList lines;
    for (const std::string& line : layout.lines) lines << QString::fromStdString(line);
    box.setText(lines.join('\n'));
    box.setIcon(iconOf(layout.icon));
    std::map<QAbstractButton*, int> answers;
    for (const BoxButton& button : layout.buttons) {
        QPushButton* b = box.addButton(buttonText(button), button.answer == box::kNo ? QMessageBox::NoRole
                                                           : button.answer == box::kYes ? QMessageBox::YesRole
                                                                                        : QMessageBox::AcceptRole);
        answers[b] = button.answer;
        if (button.answer == layout.defaultAnswer) box.setDefaultButton(b);
        if (button.answer == layout.escapeAnswer) box.setEscapeButton(b);
    }
    box.exec();
    auto pressed = answers.find(box.clickedButton());
    return pressed != answers.end() ? pressed->second : layout.escapeAnswer;
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

void QtDialogs::HookTextBox(TextBox& box) {
    if (window_) window_->setContextMenuAllowed(box, false);
}

void QtDialogs::UnhookTextBox(TextBox& box) {
    if (window_) window_->setContextMenuAllowed(box, true);
}

}  // namespace kulbo
