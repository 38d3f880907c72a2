// The Qt front end under the shared scenarios: a real window on Qt's
// offscreen platform, keys sent to the window as the system sends them.
#include "front_end/driver.h"

#include "qt/history_view.h"
#include "qt/main_window.h"
#include "qt/qt_dialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace kulbo::testing {

namespace {

// The front end's own dialogs, but for the boxes, which the fake answers.
struct TestDialogs : QtDialogs {
    FakePlatform& fake;
    explicit TestDialogs(FakePlatform& fake) : fake(fake) {}
    int MsgBox(const std::string& prompt, int flags, const std::string& title) override {
        return fake.MsgBox(prompt, flags, title);
    }
};

class QtDriver : public FrontEndDriver {
public:
    QtDriver() {
        dialogs_.setWindow(&window_);
        program_.form().load();
        window_.showCentred(program_.view().firstFocus());
        window_.activateWindow();
        [[maybe_unused]] bool active = QTest::qWaitForWindowActive(&window_);  // the scenarios see the focus fail if not
    }

    Program& program() override { return program_; }
    FakePlatform& fake() override { return fake_; }

    void focus(const Control& control) override { window_.widgetFor(control)->setFocus(Qt::TabFocusReason); }
    const Control* focused() override { return window_.controlFor(QApplication::focusWidget()); }

    void press(NamedKey key, int shift) override { send(qtKey(key), shift, {}); }
    void press(char32_t c, int shift) override {
        const QString text = QString::fromUcs4(&c, 1);
        send(c < 0x80 ? text.toUpper().at(0).unicode() : 0, shift, text);
    }
    void type(std::u32string_view characters) override {
        for (char32_t c : characters) press(c, 0);
    }
    void paste(std::u32string_view text, PasteRoad road) override {
        QGuiApplication::clipboard()->setText(QString::fromStdU32String(std::u32string(text)));
        switch (road) {
        case PasteRoad::CtrlV: send(Qt::Key_V, key::kCtrl, {}); break;
        case PasteRoad::ShiftInsert: send(Qt::Key_Insert, key::kShift, {}); break;
        case PasteRoad::BoxCommand:
            if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) edit->paste();
            break;
        }
    }

    std::u32string shownText(const TextBox& box) override {
        return qobject_cast<QLineEdit*>(window_.widgetFor(box))->text().toStdU32String();
    }
    std::string windowTitle() override { return window_.windowTitle().toStdString(); }
    std::string readerName(const Control& c) override { return readerText(c, QAccessible::Name); }
    std::string readerDescription(const Control& c) override { return readerText(c, QAccessible::Description); }

    int historyLine() override { return history().currentLine(); }
    int historyLinesInSight() override { return history().linesInSight(); }

    void closeWindow() override { window_.close(); }

private:
    static int qtKey(NamedKey key) {
        switch (key) {
        case NamedKey::Backspace: return Qt::Key_Backspace;
        case NamedKey::Tab: return Qt::Key_Tab;
        case NamedKey::Enter: return Qt::Key_Return;
        case NamedKey::Escape: return Qt::Key_Escape;
        case NamedKey::Space: return Qt::Key_Space;
        case NamedKey::PageUp: return Qt::Key_PageUp;
        case NamedKey::PageDown: return Qt::Key_PageDown;
        case NamedKey::End: return Qt::Key_End;
        case NamedKey::Home: return Qt::Key_Home;
        case NamedKey::Left: return Qt::Key_Left;
        case NamedKey::Up: return Qt::Key_Up;
        case NamedKey::Right: return Qt::Key_Right;
        case NamedKey::Down: return Qt::Key_Down;
        case NamedKey::Insert: return Qt::Key_Insert;
        case NamedKey::Delete: return Qt::Key_Delete;
        }
        return 0;
    }

    // To the window, which hands it to the focused widget as the system does.
    void send(int qtKeyCode, int shift, const QString& text) {
        Qt::KeyboardModifiers modifiers;
        if (shift & key::kShift) modifiers |= Qt::ShiftModifier;
        if (shift & key::kCtrl) modifiers |= Qt::ControlModifier;
        if (shift & key::kAlt) modifiers |= Qt::AltModifier;
        QKeyEvent down(QEvent::KeyPress, qtKeyCode, modifiers, text);
        QKeyEvent up(QEvent::KeyRelease, qtKeyCode, modifiers, text);
        QCoreApplication::sendEvent(window_.windowHandle(), &down);
        QCoreApplication::sendEvent(window_.windowHandle(), &up);
    }

    std::string readerText(const Control& c, QAccessible::Text which) {
        return QAccessible::queryAccessibleInterface(window_.widgetFor(c))->text(which).toStdString();
    }

    HistoryView& history() { return *dynamic_cast<HistoryView*>(window_.widgetFor(program_.form().Text6)); }

    FakePlatform fake_;
    TestDialogs dialogs_{fake_};
    Program program_{fake_, dialogs_};
    MainWindow window_{program_};
};

}  // namespace

std::unique_ptr<FrontEndDriver> makeDriver() { return std::make_unique<QtDriver>(); }

}  // namespace kulbo::testing
