// The Qt front end: a real window on Qt's offscreen platform under the
// shared scenarios, keys sent to the window as the system sends them; and
// what Qt alone does (its accessibility objects, X's middle button, the
// application's start).
#include "front_end/driver.h"

#include "qt/application.h"
#include "qt/history_view.h"
#include "qt/main_window.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_setup.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace kulbo::testing {

namespace {

using TestDialogs = FakeBoxes<QtDialogs>;

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
    QWidget* widget(const Control& c) { return window_.widgetFor(c); }

    void click(const Control& c) override { qobject_cast<QAbstractButton*>(widget(c))->click(); }
    void focus(const Control& control) override { widget(control)->setFocus(Qt::TabFocusReason); }
    const Control* focused() override { return window_.controlFor(QApplication::focusWidget()); }

    void press(NamedKey key, int shift) override {
        static const std::map<NamedKey, int> keys = {
            {NamedKey::Space, Qt::Key_Space}, {NamedKey::PageUp, Qt::Key_PageUp}, {NamedKey::PageDown, Qt::Key_PageDown},
            {NamedKey::End, Qt::Key_End},     {NamedKey::Home, Qt::Key_Home},     {NamedKey::Up, Qt::Key_Up},
            {NamedKey::Down, Qt::Key_Down}};
        send(keys.at(key), shift, {});
    }
    void press(char32_t c, int shift) override {
        const QString text = QString::fromUcs4(&c, 1);
        send(c < 0x80 ? text.toUpper().at(0).unicode() : 0, shift, text);
    }
    void paste(std::u32string_view text, PasteRoad road) override {
        QGuiApplication::clipboard()->setText(QString::fromStdU32String(std::u32string(text)));
        if (road == PasteRoad::CtrlV) send(Qt::Key_V, key::kCtrl, {});
        if (road == PasteRoad::ShiftInsert) send(Qt::Key_Insert, key::kShift, {});
        if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget()); edit && road == PasteRoad::BoxCommand)
            edit->paste();
    }
    void commit(std::u32string_view text) override {
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromStdU32String(std::u32string(text)));
        QCoreApplication::sendEvent(QApplication::focusWidget(), &commit);
    }

    Shown shown(const Control& c) override {
        QWidget* w = &c == &program_.form() ? &window_ : widget(c);
        QString text = w == &window_ ? w->windowTitle() : w->property("text").toString();
        if (auto* history = dynamic_cast<HistoryView*>(w))
            for (int i = 0; i < history->lineCount(); ++i) text += history->line(i) + "\r\n";
        auto* button = qobject_cast<QAbstractButton*>(w);
        return {w->x(), w->y(), w->width(), w->height(), !w->isHidden(), w->isEnabled(), w->font().pixelSize(),
                text.toStdString(), button && button->isChecked()};
    }
    // What the window's backing store holds, as the screen shows it.
    std::vector<int> ink(const Control& c) override {
        QCoreApplication::processEvents();
        const QRect place(widget(c)->mapTo(&window_, QPoint(0, 0)), widget(c)->size());
        const QImage shot = window_.screen()->grabWindow(window_.winId()).toImage().copy(place);
        std::vector<int> rows(static_cast<std::size_t>(shot.height()));
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb p = shot.pixel(x, y);
                rows[static_cast<std::size_t>(y)] += std::min({qRed(p), qGreen(p), qBlue(p)}) < 128;
            }
        return rows;
    }
    std::string readerName(const Control& c) override { return readerText(c, QAccessible::Name); }
    std::string readerDescription(const Control& c) override { return readerText(c, QAccessible::Description); }

    int historyLine() override { return history().currentLine(); }
    int historyLinesInSight() override { return history().linesInSight(); }

private:
    // To the window, which hands it to the focused widget as the system does.
    void send(int qtKeyCode, int shift, const QString& text) {
        Qt::KeyboardModifiers modifiers;
        if (shift & key::kShift) modifiers |= Qt::ShiftModifier;
        if (shift & key::kCtrl) modifiers |= Qt::ControlModifier;
        QKeyEvent down(QEvent::KeyPress, qtKeyCode, modifiers, text), up(QEvent::KeyRelease, qtKeyCode, modifiers, text);
        QCoreApplication::sendEvent(window_.windowHandle(), &down);
        QCoreApplication::sendEvent(window_.windowHandle(), &up);
    }
    std::string readerText(const Control& c, QAccessible::Text which) {
        return QAccessible::queryAccessibleInterface(widget(c))->text(which).toStdString();
    }
    HistoryView& history() { return *dynamic_cast<HistoryView*>(widget(program_.form().Text6)); }

    FakePlatform fake_;
    TestDialogs dialogs_{fake_};
    Program program_{fake_, dialogs_};
    MainWindow window_{program_};
};

}  // namespace

std::unique_ptr<FrontEndDriver> makeDriver() { return std::make_unique<QtDriver>(); }

namespace {

class QtFrontEnd : public ::testing::Test {
protected:
    QtDriver driver;
    Form1& form = driver.program().form();
    QAccessibleInterface* reader(const Control& c) { return QAccessible::queryAccessibleInterface(driver.widget(c)); }
};

// The history reads by line, word and character.
TEST_F(QtFrontEnd, ScreenReadersReadTheHistoryLineByLine) {
    for (const char* number : {"7", "8", "9"}) {
        form.Label5.Caption = std::string(number);
        form.click(form.Command1);
    }
    auto& history = *dynamic_cast<HistoryView*>(driver.widget(form.Text6));
    QAccessibleTextInterface* text = reader(form.Text6)->textInterface();
    const QString all = QString::fromStdString(driver.shown(form.Text6).text).remove('\r');
    const int second = static_cast<int>(all.indexOf('\n')) + 1, nine = static_cast<int>(all.lastIndexOf('9'));
    int start = 0, end = 0;
    EXPECT_EQ(text->textAtOffset(second, QAccessible::LineBoundary, &start, &end), history.line(1) + "\n");
    EXPECT_EQ(text->textBeforeOffset(second, QAccessible::LineBoundary, &start, &end), history.line(0) + "\n");
    EXPECT_EQ(text->textBeforeOffset(3, QAccessible::LineBoundary, &start, &end), "");
    EXPECT_EQ(text->textAfterOffset(second, QAccessible::LineBoundary, &start, &end), history.line(2) + "\n");
    EXPECT_EQ(text->textAtOffset(nine, QAccessible::WordBoundary, &start, &end), "9");
    EXPECT_EQ(text->textBeforeOffset(nine, QAccessible::CharBoundary, &start, &end), "[");
    form.Picture3.Visible = true;
    EXPECT_EQ(text->offsetAtPoint(text->characterRect(second).center()), second);
    EXPECT_EQ(text->offsetAtPoint(text->characterRect(nine).center()), nine);

}

// The password box reads as one, and a box's characters are found where
// they are shown; the middle button pastes X's selection nowhere but the
// title box.
TEST_F(QtFrontEnd, BoxesReadAsShownAndTheMiddleButtonPastesNoNumber) {
    EXPECT_TRUE(reader(form.Text3)->state().passwordEdit);
    form.Picture2.Visible = true;
    form.Text5.Text = "三年二班";
    QAccessibleTextInterface* title = reader(form.Text5)->textInterface();
    EXPECT_EQ(title->offsetAtPoint(title->characterRect(2).center()), 2);
    form.Picture2.Visible = false;
    form.click(form.Command2);
    QGuiApplication::clipboard()->setText("42");
    QTest::mouseClick(driver.widget(form.Text2), Qt::MiddleButton, {}, QPoint(2, 5));
    EXPECT_EQ(driver.shown(form.Text2).text, "50");
}

// The program as main starts it, its own lock in folders of the test's: what
// an input changed settles a period later.
TEST(ApplicationTest, StartsAndSettlesAfterAnInput) {
    QTemporaryDir folders;
    for (const char* name : {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME"}) qputenv(name, folders.path().toUtf8());
    Application application;
    ASSERT_TRUE(application.start());
    Form1& form = application.program().form();
    form.Check3.Value = 0;  // as an input's handler would
    application.program().beforeInput();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.Command8.Enabled; }, 2000));
    application.program().finish();
}

}  // namespace
}  // namespace kulbo::testing

// The application outlives every test and is gone before Qt's own statics.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    kulbo::prepareQt();
    return RUN_ALL_TESTS();
}
