#include "qt/qt_platform.h"

#include "platform/posix/instance_places.h"
#include "qt/main_window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QUrl>

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

}  // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

bool QtPlatform::PrevInstance() {
    gaveWay_ = SystemPlatform::PrevInstance();
    if (gaveWay_) return true;
    for (int listener : listenForShowRequests(instanceLock())) {
        auto& notifier = showRequests_.emplace_back(std::make_unique<QSocketNotifier>(listener, QSocketNotifier::Read));
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [this, listener] {
            if (takeShowRequests(listener) && window_) window_->bringToFront();
        });
    }
    return false;
}

// After the refusal box: the window of the copy that runs comes forward
// once the box has gone, not under it.
void QtPlatform::End() {
    if (gaveWay_) askToShow(instancePlaces(userFolders()));
    SystemPlatform::End();
}

int QtPlatform::MsgBox(const std::string& prompt, int flags, const std::string& title) {
    CentredBox box(window_);
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(prompt).replace("\r\n", "\n"));
    switch (flags & box::kIconField) {
    case box::kCriticalIcon: box.setIcon(QMessageBox::Critical); break;
    case box::kQuestionIcon: box.setIcon(QMessageBox::Question); break;
    case box::kExclamationIcon: box.setIcon(QMessageBox::Warning); break;
    case box::kInformationIcon: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    // Qt's own buttons, so its translation gives 是(Y) and 否(N) with their keys.
    if ((flags & box::kButtonsField) == box::kYesNoButtons) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        bool noByDefault = (flags & box::kDefaultField) == box::kSecondButtonDefault;
        box.setDefaultButton(noByDefault ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? box::kYes : box::kNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return box::kOk;
}

// In the documents folder, or the home folder when there is none. A name
// typed without an extension gets ".txt" before the dialog looks for a file
// of that name to ask about.
std::optional<std::string> QtPlatform::ChooseSaveFile(const std::string& proposedName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    QFileDialog dialog(window_, "保存txt报告", folder, "文本文件 (*.txt)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("txt");
    dialog.selectFile(QString::fromStdString(proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

void QtPlatform::OpenUrl(const std::string& address) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void QtPlatform::HookTextBox(TextBox& box) {
    if (window_) window_->setContextMenuAllowed(box, false);
}

void QtPlatform::UnhookTextBox(TextBox& box) {
    if (window_) window_->setContextMenuAllowed(box, true);
}

}  // namespace kulbo
