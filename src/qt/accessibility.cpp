#include "qt/qt_setup.h"

#include "qt/history_view.h"
#include "qt/main_window.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QTextBoundaryFinder>

namespace kulbo {

namespace {

class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(MainWindow* window) : QAccessibleWidget(window, QAccessible::Window), window_(*window) {}

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        QList<QWidget*> list = children();
        return index >= 0 && index < list.size() ? QAccessible::queryAccessibleInterface(list[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> children() const {
        QList<QWidget*> list;
        for (QObject* object : window_.children()) {
            auto* w = qobject_cast<QWidget*>(object);
            const Control* control = w ? window_.controlFor(w) : nullptr;
            if (w && !w->isWindow() && !(control && window_.readers().leftOut(*control))) list.append(w);
        }
        return list;
    }

    MainWindow& window_;
};

// A box whose text a screen reader reads through Qt's text interface; the
// text carries no attributes.
class TextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

// Qt's own interface for a line edit calls it editable even while it is
// disabled. Edits come only by the keyboard, through the boxes' filters into
// the model, so no editable-text interface is offered.
class BoxAccessible : public TextAccessible {
public:
    explicit BoxAccessible(QLineEdit* edit) : TextAccessible(edit), edit_(*edit) {}

    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Value ? edit_.displayText() : QAccessibleWidget::text(which);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = edit_.isReadOnly() || !edit_.isEnabled();
        state.editable = !state.readOnly;
        state.passwordEdit = edit_.echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    void selection(int index, int* startOffset, int* endOffset) const override {
        bool selected = index == 0 && edit_.hasSelectedText();
        *startOffset = selected ? edit_.selectionStart() : 0;
        *endOffset = selected ? edit_.selectionEnd() : 0;
    }
    int selectionCount() const override { return edit_.hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { edit_.setSelection(startOffset, endOffset - startOffset); }
    void removeSelection(int) override { edit_.deselect(); }
    void setSelection(int, int startOffset, int endOffset) override { addSelection(startOffset, endOffset); }
    int cursorPosition() const override { return edit_.cursorPosition(); }
    void setCursorPosition(int position) override { edit_.setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override {
        return edit_.displayText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(edit_.displayText().size()); }

    // From the caret's rectangle, which knows how far the text has scrolled.
    QRect characterRect(int offset) const override {
        const QString shown = edit_.displayText();
        if (offset < 0 || offset >= shown.size()) return {};
        QRect caret = edit_.inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QFontMetrics metrics = edit_.fontMetrics();
        int x = caret.x() + metrics.horizontalAdvance(shown.left(offset)) -
                metrics.horizontalAdvance(shown.left(edit_.cursorPosition()));
        return QRect(edit_.mapToGlobal(QPoint(x, caret.y())), QSize(metrics.horizontalAdvance(shown.at(offset)), caret.height()));
    }
    int offsetAtPoint(const QPoint& point) const override { return edit_.cursorPositionAt(edit_.mapFromGlobal(point)); }
    void scrollToSubstring(int startIndex, int endIndex) override {
        edit_.setCursorPosition(endIndex);
        edit_.setCursorPosition(startIndex);
    }

private:
    QLineEdit& edit_;
};

// Offsets are those of the text as read aloud (HistoryView::text); a query
// converts only the lines it touches.
class HistoryAccessible : public TextAccessible {
public:
    explicit HistoryAccessible(HistoryView* view) : TextAccessible(view), view_(*view) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    // Nothing is selected in the box.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

    int cursorPosition() const override { return view_.lineCount() > 0 ? view_.lineOffset(view_.currentLine()) : 0; }
    void setCursorPosition(int position) override { view_.setCurrentLine(view_.lineAtOffset(position)); }

    QString text(int startOffset, int endOffset) const override {
        return view_.text(startOffset, endOffset < 0 ? characterCount() : endOffset);
    }
    int characterCount() const override { return view_.characterCount(); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset, int* endOffset) const override {
        unitAt(offset, type, *startOffset, *endOffset);
        return view_.text(*startOffset, *endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                             int* endOffset) const override {
        unitAt(offset, type, *startOffset, *endOffset);
        if (*startOffset == 0) *endOffset = 0;
        else unitAt(*startOffset - 1, type, *startOffset, *endOffset);
        return view_.text(*startOffset, *endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                            int* endOffset) const override {
        unitAt(offset, type, *startOffset, *endOffset);
        if (*endOffset >= characterCount()) *startOffset = *endOffset = characterCount();
        else unitAt(*endOffset, type, *startOffset, *endOffset);
        return view_.text(*startOffset, *endOffset);
    }

    QRect characterRect(int offset) const override {
        if (offset < 0 || offset >= characterCount()) return {};
        const int index = view_.lineAtOffset(offset), column = offset - view_.lineOffset(index);
        QRect line = view_.lineRect(index);
        if (line.isEmpty()) return {};
        const QString text = view_.line(index) + u'\n';
        QFontMetrics metrics = view_.fontMetrics();
        QRect rect(line.left() + metrics.horizontalAdvance(text.left(column)), line.top(),
                   metrics.horizontalAdvance(text.at(column)), line.height());
        return QRect(view_.viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint inViewport = view_.viewport()->mapFromGlobal(point);
        const int index = view_.lineAtPoint(inViewport);
        if (index < 0) return -1;
        const QString text = view_.line(index);
        const int x = inViewport.x() - view_.lineRect(index).left();
        int column = 0;
        while (column < text.size() && view_.fontMetrics().horizontalAdvance(text.left(column + 1)) <= x) ++column;
        return view_.lineOffset(index) + column;
    }
    void scrollToSubstring(int startIndex, int) override { view_.scrollToLine(view_.lineAtOffset(startIndex)); }

private:
    // The unit of text that holds the offset: a line for lines, sentences and
    // paragraphs (each pick is one), a word or a character within its line.
    void unitAt(int offset, QAccessible::TextBoundaryType type, int& start, int& end) const {
        const int count = characterCount();
        if (type == QAccessible::NoBoundary) {
            start = 0;
            end = count;
            return;
        }
        if (offset < 0 || offset >= count) {
            start = end = count;
            return;
        }
        const int index = view_.lineAtOffset(offset), lineStart = view_.lineOffset(index);
        const QString text = view_.line(index) + u'\n';
        start = lineStart;
        end = lineStart + static_cast<int>(text.size());
        if (type == QAccessible::CharBoundary) {
            start = offset;
            end = offset + 1;
        } else if (type == QAccessible::WordBoundary) {
            QTextBoundaryFinder words(QTextBoundaryFinder::Word, text);
            words.setPosition(offset - lineStart);
            if (!words.isAtBoundary()) words.toPreviousBoundary();
            start = lineStart + static_cast<int>(words.position());
            qsizetype next = words.toNextBoundary();
            end = lineStart + static_cast<int>(next < 0 ? text.size() : next);
        }
    }

    HistoryView& view_;
};

QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
    if (auto* history = dynamic_cast<HistoryView*>(object)) return new HistoryAccessible(history);
    if (auto* window = dynamic_cast<MainWindow*>(object)) return new WindowAccessible(window);
    auto* widget = qobject_cast<QWidget*>(object);
    auto* window = widget ? dynamic_cast<MainWindow*>(widget->window()) : nullptr;
    if (!window) return nullptr;  // a dialog's widgets stay Qt's
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return new BoxAccessible(edit);
    // The panels, which Qt would take for windows' frames.
    const Control* control = window->controlFor(widget);
    if (control && control->kind == Kind::PictureBox) return new QAccessibleWidget(widget, QAccessible::Pane);
    return nullptr;
}

}  // namespace

void installAccessibility() { QAccessible::installFactory(accessibleFor); }

}  // namespace kulbo
