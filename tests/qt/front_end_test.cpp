#include "qt/application.h"
#include "qt/close_requests.h"
#include "qt/history_view.h"
#include "qt/key_codes.h"
#include "qt/main_window.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_setup.h"
#include "qt/widget_factory.h"
#include "support/fake_platform.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QAbstractScrollArea>
#include <QRadioButton>
#include <QScrollBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace kulbo;
using namespace kulbo::testing;

namespace {

// Hooking a box keeps its context menu away, and a box takes the focus, as
// on the desktop.
struct WindowPlatform : FakePlatform {
    MainWindow* window = nullptr;
    int MsgBox(const std::string& prompt, int flags, const std::string& title) override {
        if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
        return FakePlatform::MsgBox(prompt, flags, title);
    }
    void HookTextBox(TextBox& box) override {
        FakePlatform::HookTextBox(box);
        if (window) window->setContextMenuAllowed(box, false);
    }
    void UnhookTextBox(TextBox& box) override {
        FakePlatform::UnhookTextBox(box);
        if (window) window->setContextMenuAllowed(box, true);
    }
    void TellReader(const Control& control, ReaderText which) override {
        FakePlatform::TellReader(control, which);
        if (window) window->tellReader(control, which);
    }
};

// Counts what reaches a widget.
struct EventCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent*) override {
        ++count;
        return false;
    }
};

int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

const char* widgetClassFor(const Control& c) {
    switch (c.kind) {
    case Kind::CommandButton: return static_cast<const CommandButton&>(c).IconName.empty() ? "QPushButton" : "QToolButton";
    case Kind::TextBox: return static_cast<const TextBox&>(c).MultiLine ? "QAbstractScrollArea" : "QLineEdit";
    case Kind::Label: return "QLabel";
    case Kind::Frame: return "QGroupBox";
    case Kind::PictureBox: return "QFrame";
    case Kind::OptionButton: return "QRadioButton";
    case Kind::CheckBox: return "QCheckBox";
    default: return "";
    }
}

std::string modelText(const Control& c) {
    if (c.kind == Kind::TextBox) return static_cast<const TextBox&>(c).Text;
    if (auto* captioned = dynamic_cast<const CaptionedControl*>(&c)) return captioned->Caption;
    return "";
}

// The history box's lines, each ending in a line break.
QString shownLines(const HistoryView& history) {
    QString text;
    for (int i = 0; i < history.lineCount(); ++i) text += history.line(i) + "\n";
    return text;
}

QString widgetText(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* history = dynamic_cast<HistoryView*>(w)) return shownLines(*history);
    return {};
}

// Asks for a context menu and closes whatever popup it opened.
bool contextMenuOpensOn(QWidget* w) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), w->mapToGlobal(QPoint(4, 4)));
    QCoreApplication::sendEvent(w, &event);
    QWidget* popup = QApplication::activePopupWidget();
    if (popup) popup->close();
    QCoreApplication::processEvents();
    return popup != nullptr;
}

class FrontEnd : public ::testing::Test {
protected:
    FrontEnd() {
        platform.window = &window;
        form.load();
    }

    template <class W = QWidget>
    W* widget(const Control& c) {
        return qobject_cast<W*>(window.widgetFor(c));
    }
    QAbstractButton* button(const Control& c) { return widget<QAbstractButton>(c); }
    QLineEdit* line(const Control& c) { return widget<QLineEdit>(c); }
    QLabel* label(const Control& c) { return widget<QLabel>(c); }
    QAccessibleInterface* reader(const Control& c) { return QAccessible::queryAccessibleInterface(window.widgetFor(c)); }

    void showActive() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    WindowPlatform platform;
    Program program{platform, platform};
    Form1& form = program.form();
    MainWindow window{program};
};

// --- The widget tree matches the model -------------------------------------

TEST_F(FrontEnd, EveryControlHasAWidgetOfItsKindAsDesigned) {
    EXPECT_EQ(window.size(), QSize(441, 426));
    EXPECT_EQ(window.windowTitle(), "Kulbo");
    int widgets = 0;
    for (Control* c : form.controls()) {
        SCOPED_TRACE(c->name);
        QWidget* w = window.widgetFor(*c);
        if (c == &form || c->kind == Kind::Timer) {
            EXPECT_EQ(w, nullptr);
            continue;
        }
        ASSERT_NE(w, nullptr);
        ++widgets;
        EXPECT_EQ(window.controlFor(w), c);
        EXPECT_STREQ(w->metaObject()->className(), widgetClassFor(*c));
        EXPECT_EQ(w->parentWidget(), c->container == &form ? &window : window.widgetFor(*c->container));
        EXPECT_EQ(w->pos(), QPoint(pixels(c->Left), pixels(c->Top)));
        auto* autoSized = dynamic_cast<Label*>(c);
        if (!autoSized || !autoSized->AutoSize) {
            EXPECT_EQ(w->size(), QSize(pixels(c->Width), pixels(c->Height)));
        }
        if (c != &form.Label4) {  // the big display fits its digits to the frame
            EXPECT_EQ(w->font().pixelSize(), std::lround(c->FontSize * 4 / 3));
        }
        EXPECT_EQ(w->isVisibleTo(&window), c->shown() && c != &form.Command12);  // below the client area
        EXPECT_EQ(w->isEnabled(), c->Enabled.get());
        EXPECT_EQ(widgetText(w).toStdString(), modelText(*c));
        if (auto* option = dynamic_cast<OptionButton*>(c)) {
            EXPECT_EQ(button(*c)->isChecked(), option->Value.get());
        }
        if (auto* check = dynamic_cast<CheckBox*>(c)) {
            EXPECT_EQ(button(*c)->isChecked(), check->Value == 1);
        }
    }
    EXPECT_EQ(widgets, 51);  // 56 controls less the five timers
}

// Tab goes where the view says, and the widget takes the focus.
TEST_F(FrontEnd, TabAndTheArrowsMoveTheFocusAsTheViewSays) {
    showActive();
    window.showCentred(program.view().firstFocus());
    const QPoint offCentre = window.geometry().center() - window.screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 3);  // halves rounded
    ASSERT_EQ(QApplication::focusWidget(), widget(form.Command1));
    QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.Command2));
    QTest::keyClick(window.windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.Command1));
    QKeyEvent chinese(QEvent::KeyPress, 0x4E09, Qt::NoModifier, "三");  // U+4E09 is no Tab
    QCoreApplication::sendEvent(window.windowHandle(), &chinese);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.Command1));

    form.Picture2.Visible = true;
    widget(form.Option4)->setFocus();
    QTest::keyClick(window.windowHandle(), Qt::Key_Up);
    EXPECT_TRUE(form.Option3.Value);
    EXPECT_EQ(QApplication::focusWidget(), widget(form.Option3));
    EXPECT_TRUE(button(form.Option3)->isChecked());
}

TEST_F(FrontEnd, EarlierSiblingsLieAboveLaterOnes) {
    auto depth = [&](const Control& c) { return window.widgetFor(c)->parentWidget()->children().indexOf(window.widgetFor(c)); };
    for (Control* container : form.controls()) {
        const Control* above = nullptr;
        for (Control* child : container->children) {
            if (!window.widgetFor(*child)) continue;
            if (above) {
                EXPECT_GT(depth(*above), depth(*child)) << above->name << " over " << child->name;
            }
            above = child;
        }
    }
    for (Control* panel : {&form.Picture1, &form.Picture2, &form.Picture3})
        for (Control* face : std::initializer_list<Control*>{&form.Frame1, &form.Command1, &form.Text1, &form.Label1, &form.Label11})
            EXPECT_GT(depth(*panel), depth(*face)) << panel->name << " over " << face->name;
}

// Relative luminance contrast, as the accessibility guidelines define it.
double contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What readers hear is the scenarios' business; here, how Qt shows it (the
// events that carry it are heard in tests/e2e/linux/screen_reader.sh).
TEST_F(FrontEnd, ScreenReadersFindRolesAndReadableColours) {
    for (OptionButton* option : {&form.Option1, &form.Option2, &form.Option3, &form.Option4, &form.Option5})
        EXPECT_EQ(reader(*option)->role(), QAccessible::RadioButton);
    EXPECT_EQ(reader(form.Option5)->text(QAccessible::Name), "不重复方式");
    EXPECT_EQ(reader(form.Label4)->text(QAccessible::Name), "幸运数");

    // Disabled text is readable: the range boxes, and a label on a grey frame.
    QPalette range = widget(form.Text1)->palette(), avoid = widget(form.Label8)->palette();
    EXPECT_GE(contrast(range.color(QPalette::Disabled, QPalette::Text), range.color(QPalette::Disabled, QPalette::Base)), 4.5);
    EXPECT_GE(contrast(avoid.color(QPalette::Disabled, QPalette::WindowText), QColor(224, 224, 224)), 4.5);
    // The frame's grey stays the frame's: the boxes in it keep a white ground.
    EXPECT_EQ(widget(form.Text5)->palette().color(QPalette::Base), widget(form.Text1)->palette().color(QPalette::Active, QPalette::Base));
    EXPECT_EQ(widget(form.Frame5)->palette().color(QPalette::Window), QColor(224, 224, 224));
}

// The window is a frame named by its title; its panels are named by their
// headings; the rolling number is not there at all; what is disabled takes
// neither the focus nor typing.
TEST_F(FrontEnd, ScreenReadersFindAFrameOfPanelsAndOnlyWhatTakesInput) {
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), "Kulbo");
    QList<QObject*> children;
    for (int i = 0; i < frame->childCount(); ++i) children.append(frame->child(i)->object());
    EXPECT_FALSE(children.contains(widget(form.Label5)));
    EXPECT_EQ(children.size(), window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size() - 1);
    const std::pair<Control*, const char*> panels[] = {
        {&form.Picture1, "管理员模式"}, {&form.Picture2, "设置"}, {&form.Picture3, "抽到的历史幸运号"}};
    for (auto [panel, heading] : panels) {
        EXPECT_EQ(reader(*panel)->role(), QAccessible::Pane) << panel->name;
        EXPECT_EQ(reader(*panel)->text(QAccessible::Name), heading);
    }

    EXPECT_FALSE(reader(form.Text2)->state().focusable);
    EXPECT_FALSE(reader(form.Text2)->state().editable);
    form.click(form.Command2);  // 修改: the maximum opens, 开始 closes
    EXPECT_TRUE(reader(form.Text2)->state().focusable);
    EXPECT_TRUE(reader(form.Text2)->state().editable);
    EXPECT_FALSE(reader(form.Command1)->state().focusable);
}

// The history box reads by line, word and character, and whole; the keys
// move its caret from line to line. A query converts only the lines it
// touches, so a long history answers at once.
TEST_F(FrontEnd, ScreenReadersReadTheHistoryLineByLineAndWhole) {
    EXPECT_EQ(reader(form.Text6)->textInterface()->cursorPosition(), 0);  // an empty history
    for (const char* number : {"7", "8", "9"}) {
        form.Label5.Caption = std::string(number);
        form.click(form.Command1);
    }
    auto& history = *dynamic_cast<HistoryView*>(widget(form.Text6));
    QAccessibleTextInterface* text = reader(form.Text6)->textInterface();
    ASSERT_NE(text, nullptr);
    const QString all = shownLines(history);
    const int second = static_cast<int>(all.indexOf('\n')) + 1, nine = static_cast<int>(all.lastIndexOf('9'));
    int start = 0, end = 0;
    EXPECT_EQ(text->text(0, text->characterCount()), all);
    EXPECT_EQ(text->text(-4, 1 << 20), all);  // a reader asking past either end gets what there is
    EXPECT_EQ(text->textAtOffset(second + 3, QAccessible::LineBoundary, &start, &end), history.line(1) + "\n");
    EXPECT_EQ(start, second);
    EXPECT_EQ(text->textBeforeOffset(second + 3, QAccessible::LineBoundary, &start, &end), history.line(0) + "\n");
    EXPECT_EQ(text->textAfterOffset(second, QAccessible::LineBoundary, &start, &end), history.line(2) + "\n");
    EXPECT_EQ(text->textAtOffset(nine, QAccessible::WordBoundary, &start, &end), "9");
    EXPECT_EQ(text->textAtOffset(nine + 1, QAccessible::CharBoundary, &start, &end), "]");
    EXPECT_EQ(text->textBeforeOffset(nine, QAccessible::CharBoundary, &start, &end), "[");
    EXPECT_TRUE(text->characterRect(text->characterCount()).isEmpty());
    EXPECT_EQ(text->text(0, 0), "");
    text->attributes(nine, &start, &end);  // the whole text is one run of plain text
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, text->characterCount()));

    showActive();
    form.Picture3.Visible = true;
    ASSERT_EQ(QApplication::focusWidget(), &history);
    QTest::keyClick(&history, Qt::Key_Down);
    EXPECT_EQ(text->cursorPosition(), second);
    QTest::keyClick(&history, Qt::Key_End);
    EXPECT_EQ(text->cursorPosition(), all.lastIndexOf(history.line(2)));
    // A point on a character is that character's offset.
    EXPECT_EQ(text->offsetAtPoint(text->characterRect(nine).center()), nine);
    // The lines are painted, each in its row.
    const QImage shot = history.viewport()->grab().toImage();
    for (int i = 0; i < 3; ++i) {
        const QRect row = history.lineRect(i);
        int ink = 0;
        for (int x = row.left(); x < row.right(); ++x)
            for (int y = row.top(); y < row.bottom(); ++y) ink += qGray(shot.pixel(x, y)) < 128;
        EXPECT_GT(ink, 20) << "line " << i;
    }

    std::string day;
    for (int i = 0; i < 100000; ++i) day += "2024年03月15日_09:05:07抽到幸运数: [" + std::to_string(i % 999 + 1) + "]\r\n";
    form.Text6.Text = day;
    QElapsedTimer clock;
    clock.start();
    for (int offset = 0; offset < text->characterCount(); offset += 397) text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(text->textAtOffset(text->characterCount() - 2, QAccessible::LineBoundary, &start, &end),
              "2024年03月15日_09:05:07抽到幸运数: [100]\n");
    EXPECT_EQ(history.verticalScrollBar()->pageStep(), history.linesInSight());
    EXPECT_EQ(history.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);  // as the design's box has
    // The view follows the current line down and back up.
    QTest::keyClick(&history, Qt::Key_End);
    EXPECT_EQ(history.verticalScrollBar()->value(), history.verticalScrollBar()->maximum());
    QTest::keyClick(&history, Qt::Key_Home);
    EXPECT_EQ(history.verticalScrollBar()->value(), 0);
}

// Qt's keys in the core's codes, and a box's selection as readers see it.
TEST_F(FrontEnd, KeysAndSelectionsInTheCoresTerms) {
    auto code = [](int qtKey, const QString& text = {}) { return keyCodeOf(QKeyEvent(QEvent::KeyPress, qtKey, {}, text)); };
    EXPECT_EQ(code(Qt::Key_F4), 115);
    EXPECT_EQ(code(Qt::Key_Period, "."), 190);
    EXPECT_EQ(code(Qt::Key_Enter), 13);
    EXPECT_EQ(code(Qt::Key_Zenkaku_Hankaku), 0);  // no code of its own
    // Ctrl with a letter types its control character, though the event carries no text.
    EXPECT_EQ(keyAsciiOf(QKeyEvent(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier)), 22);
    EXPECT_EQ(keyAsciiOf(QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::ControlModifier)), std::nullopt);
    form.Text1.Text = "123";
    line(form.Text1)->setSelection(0, 2);
    QAccessibleTextInterface* text = reader(form.Text1)->textInterface();
    EXPECT_EQ(text->selectionCount(), 1);
    line(form.Text1)->deselect();
    EXPECT_EQ(text->selectionCount(), 0);
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(0, 0));
    EXPECT_TRUE(reader(form.Text3)->state().passwordEdit);
    EXPECT_FALSE(reader(form.Text1)->state().passwordEdit);
}

TEST_F(FrontEnd, BoxesAndColoursFollowTheDesign) {
    const QColor red(255, 0, 0);
    EXPECT_EQ(label(form.Label4)->palette().color(QPalette::WindowText), red);
    EXPECT_TRUE(label(form.Label4)->alignment() & Qt::AlignHCenter);
    for (Control* picture : {&form.Command4, &form.Command5}) {
        EXPECT_FALSE(button(*picture)->icon().pixmap(32).isNull()) << picture->name;
        EXPECT_EQ(widget<QToolButton>(*picture)->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);  // and the caption
    }
    EXPECT_EQ(label(form.Label11)->palette().color(QPalette::WindowText), red);
    EXPECT_EQ(line(form.Text3)->echoMode(), QLineEdit::Password);
    for (Control* panel : {&form.Picture1, &form.Picture2, &form.Picture3})
        EXPECT_TRUE(widget(*panel)->autoFillBackground()) << panel->name;  // what lies below stays hidden
}

// --- Clicks reach their handlers --------------------------------------------

TEST_F(FrontEnd, ClickingStartPicksTheRollingNumber) {
    platform.randomValues = {0.5};  // 26 of 1..50
    form.tick(form.Timer1);
    ASSERT_EQ(form.Label5.Caption, "26");

    button(form.Command1)->click();
    EXPECT_EQ(form.Label4.Caption, "26");
    EXPECT_EQ(label(form.Label4)->text(), "26");
    EXPECT_EQ(form.Text6.Text.get().size() - form.Text6.Text.get().find("[26]\r\n"), 6u);

    // A disabled button and a button on a hidden panel do nothing.
    form.Label4.Caption = "";
    form.Command1.Enabled = false;
    EXPECT_FALSE(button(form.Command1)->isEnabled());
    button(form.Command1)->click();
    EXPECT_EQ(form.Label4.Caption, "");

    form.Text5.Text = "三年二班";
    button(form.Command6)->click();
    EXPECT_EQ(form.Caption, "Kulbo");
    form.Picture2.Visible = true;
    button(form.Command6)->click();
    EXPECT_EQ(form.Caption, "三年二班 - Kulbo");
    EXPECT_EQ(window.windowTitle(), "三年二班 - Kulbo");
    EXPECT_FALSE(widget(form.Picture2)->isVisibleTo(&window));
}

TEST_F(FrontEnd, OptionAndCheckClicksGoThroughTheModel) {
    form.Picture2.Visible = true;
    auto* enable = button(form.Option1);
    enable->click();
    EXPECT_TRUE(form.Option1.Value);
    EXPECT_FALSE(form.Option2.Value);
    EXPECT_TRUE(enable->isChecked());
    EXPECT_FALSE(button(form.Option2)->isChecked());
    EXPECT_TRUE(line(form.Text4)->isEnabled());  // its handler ran

    enable->click();  // already chosen: stays chosen
    EXPECT_TRUE(form.Option1.Value);
    EXPECT_TRUE(enable->isChecked());

    // The other group is untouched.
    EXPECT_TRUE(button(form.Option4)->isChecked());

    button(form.Check2)->click();
    EXPECT_EQ(form.Check2.Value, 0);
    EXPECT_FALSE(button(form.Check2)->isChecked());
    EXPECT_FALSE(button(form.Check3)->isEnabled());
    EXPECT_FALSE(button(form.Check4)->isEnabled());
    button(form.Check2)->click();
    EXPECT_EQ(form.Check2.Value, 1);
    EXPECT_TRUE(button(form.Check3)->isEnabled());
}

// --- Model changes reach their widgets --------------------------------------

TEST_F(FrontEnd, ModelChangesReachTheirWidgets) {
    form.Label4.Caption = "7";
    EXPECT_EQ(label(form.Label4)->text(), "7");
    form.Text1.Text = "12";
    EXPECT_EQ(line(form.Text1)->text(), "12");
    form.Text1.Enabled = true;
    EXPECT_TRUE(line(form.Text1)->isEnabled());
    form.Caption = "初一 - Kulbo";
    EXPECT_EQ(window.windowTitle(), "初一 - Kulbo");
    form.Label11.Visible = false;
    EXPECT_TRUE(widget(form.Label11)->isHidden());

    // Choices made while the settings are hidden show when they open.
    form.select(form.Option3);
    form.Picture2.Visible = true;
    EXPECT_TRUE(button(form.Option3)->isChecked());
    EXPECT_FALSE(button(form.Option4)->isChecked());
    EXPECT_TRUE(widget(form.Option3)->isVisibleTo(&window));
}

TEST_F(FrontEnd, HistoryWrittenWhileHiddenShowsWhenThePanelOpens) {
    auto& history = *dynamic_cast<HistoryView*>(widget(form.Text6));
    auto shownHistory = [&] { return QString::fromStdString(form.Text6.Text).replace("\r\n", "\n"); };
    platform.randomValues = {0.0, 0.1, 0.2};
    for (int i = 0; i < 3; ++i) {
        form.tick(form.Timer1);
        form.click(form.Command1);
    }
    EXPECT_EQ(shownLines(history), shownHistory());  // kept up while hidden: opening costs nothing

    form.Picture3.Visible = true;
    EXPECT_EQ(shownLines(history), shownHistory());
    EXPECT_EQ(shownLines(history).count('\n'), 3);

    form.click(form.Command1);  // while shown: at once
    EXPECT_EQ(shownLines(history), shownHistory());

    form.Picture3.Visible = false;
    form.click(form.Command1);
    form.Picture3.Visible = true;
    EXPECT_EQ(shownLines(history), shownHistory());
    EXPECT_EQ(shownLines(history).count('\n'), 5);

    form.Text6.Text = "";
    EXPECT_EQ(shownLines(history), "");
}

TEST_F(FrontEnd, TicksOfTheHiddenRollingNumberLeaveTheViewAlone) {
    QLabel* rolling = label(form.Label5);
    QCoreApplication::processEvents();  // what building the window left behind
    EventCounter events;
    rolling->installEventFilter(&events);
    for (int i = 0; i < 999; ++i) form.tick(form.Timer1);
    platform.randomValues = {0.99};
    form.tick(form.Timer1);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Label5.Caption, "50");
    EXPECT_EQ(rolling->text(), "1");  // stale, by design
    EXPECT_EQ(events.count, 0);

    form.Label5.Visible = true;
    EXPECT_EQ(rolling->text(), "50");
}

// --- Keys and the number boxes ----------------------------------------------

TEST_F(FrontEnd, NumberBoxTakesOnlyDigitsAndOnePoint) {
    showActive();
    form.Text2.Enabled = true;
    form.Text2.Text = "";
    QLineEdit* maximum = line(form.Text2);
    maximum->setFocus();

    QTest::keyClicks(maximum, "1a.x.5");
    EXPECT_EQ(maximum->text(), "1.5");
    EXPECT_EQ(form.Text2.Text, "1.5");
    QTest::keyClick(maximum, Qt::Key_Backspace);
    EXPECT_EQ(maximum->text(), "1.");
    EXPECT_EQ(form.Text2.Text, "1.");
    maximum->setCursorPosition(1);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7F)));  // as X sends it
    QCoreApplication::sendEvent(maximum, &del);  // it edits: no character for the filter
    EXPECT_EQ(form.Text2.Text, "1");

    form.Text2.Text = "9";
    maximum->setCursorPosition(0);
    QInputMethodEvent commit;
    commit.setCommitString("5中2");
    QCoreApplication::sendEvent(maximum, &commit);
    EXPECT_EQ(maximum->text(), "529");
    EXPECT_EQ(form.Text2.Text, "529");

    // Several characters at once are filtered as if typed one by one.
    form.Text2.Text = "5";
    maximum->setCursorPosition(1);
    commit.setCommitString("..");
    QCoreApplication::sendEvent(maximum, &commit);
    EXPECT_EQ(form.Text2.Text, "5.");
    form.Text2.Text = "";
    QKeyEvent twoCharacters(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, "1x");
    QCoreApplication::sendEvent(maximum, &twoCharacters);
    EXPECT_EQ(maximum->text(), "1");
}

TEST_F(FrontEnd, TheMiddleButtonPastesOnlyIntoTheTitleBox) {
    showActive();
    QGuiApplication::clipboard()->setText("42");
    form.Text2.Enabled = true;
    QLineEdit* maximum = line(form.Text2);
    maximum->setFocus();

    // The middle button never reaches the box: the cursor stays put.
    form.Text2.Text = "123";
    maximum->setCursorPosition(3);
    const QPoint start(2, maximum->height() / 2);
    QTest::mouseClick(maximum, Qt::MiddleButton, {}, start);
    EXPECT_EQ(maximum->cursorPosition(), 3);
    EXPECT_EQ(maximum->text(), "123");
    QTest::mouseClick(maximum, Qt::LeftButton, {}, start);
    EXPECT_EQ(maximum->cursorPosition(), 0);

    // The title box takes anything, pasted or typed.
    form.Picture2.Visible = true;
    QLineEdit* title = line(form.Text5);
    title->setFocus();
    QTest::keyClick(title, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(title, "ab");
    QInputMethodEvent commit;
    commit.setCommitString("班");
    QCoreApplication::sendEvent(title, &commit);
    EXPECT_EQ(title->text(), "42ab班");
    EXPECT_EQ(form.Text5.Text, "42ab班");
}

TEST_F(FrontEnd, TitleBoxCountsCharactersAsSeenAndTakesNoControls) {
    form.Picture2.Visible = true;
    QLineEdit* title = line(form.Text5);
    QInputMethodEvent commit;
    commit.setCommitString(u"三年\t二班\u202E"_qs);
    QCoreApplication::sendEvent(title, &commit);
    EXPECT_EQ(form.Text5.Text, "三年二班");

    form.Text5.Text = "";
    commit.setCommitString(u"aaaaaaaaaaaaaaa😀"_qs);
    QCoreApplication::sendEvent(title, &commit);
    QTest::keyClick(title, Qt::Key_B);  // a 17th
    EXPECT_EQ(form.Text5.Text, "aaaaaaaaaaaaaaa😀");
    button(form.Command6)->click();
    EXPECT_EQ(window.windowTitle(), "aaaaaaaaaaaaaaa😀 - Kulbo");
}

TEST_F(FrontEnd, HookedBoxesShowNoContextMenu) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    form.Text1.Enabled = true;
    form.Picture3.Visible = true;
    EXPECT_FALSE(contextMenuOpensOn(line(form.Text1)));
    EXPECT_FALSE(contextMenuOpensOn(widget<QAbstractScrollArea>(form.Text6)->viewport()));
    form.Picture3.Visible = false;

    form.Picture2.Visible = true;
    EXPECT_TRUE(contextMenuOpensOn(line(form.Text5)));
    form.Picture2.Visible = false;

    form.unload();
    EXPECT_TRUE(contextMenuOpensOn(line(form.Text1)));
}

TEST_F(FrontEnd, EnterOpensTheSettingsFromTheLockPanel) {
    showActive();
    button(form.Command3)->click();
    ASSERT_TRUE(widget(form.Picture1)->isVisible());
    widget(form.Command4)->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), widget(form.Command4));

    QTest::keyClick(window.windowHandle(), Qt::Key_Enter);  // the keypad's Enter too
    EXPECT_TRUE(form.Picture2.Visible);
    EXPECT_FALSE(form.Picture1.Visible);
    EXPECT_TRUE(widget(form.Picture2)->isVisible());
}

TEST_F(FrontEnd, EnterReachesTheFormOnceEvenWhenTheBoxPassesItOn) {
    showActive();
    button(form.Command3)->click();
    QLineEdit* password = line(form.Text3);
    password->setFocus();
    QTest::keyClicks(password, "731952846017364528");  // shows the credits instead of unlocking

    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].title, "版权");
    EXPECT_TRUE(form.Picture1.Visible);  // a second preview would have unlocked
    EXPECT_FALSE(form.Picture2.Visible);
    EXPECT_EQ(password->text(), "");
}

// Every input brings the timers to where they would be: the click's history
// line carries the time of the click, though nothing ticked while idle.
TEST_F(FrontEnd, AnInputBringsTheTimersUpToItFirst) {
    showActive();
    program.clock().start(TimerClock::Clock::now() - std::chrono::milliseconds(5));
    platform.now = {2022, 1, 1, 0, 5, 9};
    QTest::mouseClick(button(form.Command1), Qt::LeftButton);
    EXPECT_EQ(form.Text6.Text.get().rfind("2022年01月01日_00:05:09抽到幸运数: [", 0), 0u);
}

// The program as main starts it: its own lock in folders of the test's, the
// window shown with its boxes hooked, and what an input changed settles a
// period later.
TEST(ApplicationTest, StartsTheWindowAndSettlesAfterAnInput) {
    QTemporaryDir folders;
    for (const char* name : {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME"}) qputenv(name, folders.path().toUtf8());
    Application application;
    ASSERT_TRUE(application.start());
    MainWindow& window = application.window();
    Form1& form = application.program().form();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.widgetFor(form.Text1)->contextMenuPolicy(), Qt::NoContextMenu);
    form.Check3.Value = 0;  // as an input's handler would
    application.program().beforeInput();
    QTest::qWait(30);
    EXPECT_FALSE(form.Command8.Enabled);
    application.program().finish();
    EXPECT_EQ(window.widgetFor(form.Text1)->contextMenuPolicy(), Qt::DefaultContextMenu);
}

// --- The platform -------------------------------------------------------------

// Window managers match the window to its menu entry by this name.
TEST(QtDialogsTest, TheProgramNamesItsDesktopEntryAndVersion) {
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.example.kulbo.Kulbo");
    EXPECT_FALSE(QCoreApplication::applicationVersion().isEmpty());
}

// Enter takes the default (否 here), Escape answers 否, Y answers 是.
TEST(QtDialogsTest, QuestionsShowTheirIconButtonsAndKeys) {
    QtDialogs dialogs;
    auto answerBy = [&](Qt::Key key, QMessageBox::Icon* icon, QStringList* buttons) {
        QTimer::singleShot(0, [=] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            if (icon) *icon = box->icon();
            for (QAbstractButton* b : box->buttons())
                if (buttons) buttons->append(b->text());
            QTest::keyClick(box, key);
        });
        return dialogs.MsgBox("确定要退出吗？", box::kYesNoQuestionNoDefault, "Kulbo");
    };
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    EXPECT_EQ(answerBy(Qt::Key_Return, &icon, &buttons), box::kNo);
    EXPECT_EQ(icon, QMessageBox::Question);
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({"否(&N)", "是(&Y)"}));
    EXPECT_EQ(answerBy(Qt::Key_Escape, nullptr, nullptr), box::kNo);
    EXPECT_EQ(answerBy(Qt::Key_Y, nullptr, nullptr), box::kYes);
}

// A box shows its whole title, and while the window is not shown (a refused
// second copy has none) it is centred on the screen.
TEST(QtDialogsTest, ABoxShowsItsWholeTitleCentredOnTheScreenBeforeTheWindowShows) {
    FakePlatform model;
    Program program{model, model};
    MainWindow window{program};
    QtDialogs platform;
    platform.setWindow(&window);
    QRect shown;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        shown = box->geometry();
        QTest::keyClick(box, Qt::Key_Return);
    });
    platform.MsgBox("该程序已在运行！", box::kExclamation, "运行中断 - Kulbo");
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GT(shown.width(), QFontMetrics(bold).horizontalAdvance("运行中断 - Kulbo") + 100);
    EXPECT_LE((shown.center() - QGuiApplication::primaryScreen()->availableGeometry().center()).manhattanLength(), 2);
}

// The dialog opens where it is asked to, and a name typed without an
// extension gets ".txt".
TEST(QtDialogsTest, SaveDialogOpensInTheFolderAskedAndAddsTheExtension) {
    QTemporaryDir folder;
    QString startedIn, filter, proposed;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        startedIn = dialog->directory().absolutePath();
        filter = dialog->nameFilters().value(0);
        proposed = dialog->selectedFiles().value(0);
        dialog->selectFile("名单");
        static_cast<QDialog*>(dialog)->accept();  // as the Save button does
    });
    SaveDialog asked{"保存txt报告", "文本文件 (*.txt)", "*.txt", "txt", folder.path().toStdString(), "a.txt"};
    EXPECT_EQ(QtDialogs().ChooseSaveFile(asked), folder.filePath("名单.txt").toStdString());
    EXPECT_EQ(startedIn, folder.path());
    EXPECT_EQ(filter, "文本文件 (*.txt)");
    EXPECT_TRUE(proposed.endsWith("/a.txt"));
}

// --- Window state -----------------------------------------------------------

TEST_F(FrontEnd, MaximizingIsMirroredAndUndone) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    form.Width = kDesignOuterWidth + 150;  // the outer width alone, ten pixels more
    EXPECT_EQ(window.width(), 451);
    form.Width = kDesignOuterWidth;
    window.setWindowState(Qt::WindowMaximized);
    EXPECT_EQ(form.WindowState, kMaximized);

    form.tick(form.Timer2);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.WindowState, kNormal);
    EXPECT_FALSE(window.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window.size(), QSize(441, 426));

    window.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(form.WindowState, kMinimized);
    form.tick(form.Timer2);
    EXPECT_EQ(form.WindowState, kMinimized);  // only a maximized window is put back
    form.WindowState = kNormal;
    EXPECT_FALSE(window.windowState() & Qt::WindowMinimized);
}

}  // namespace

// The application outlives every test and is gone before Qt's own statics.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    kulbo::prepareQt();
    return RUN_ALL_TESTS();
}
