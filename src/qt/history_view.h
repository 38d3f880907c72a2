// The history box: shows the history text straight from the window model,
// one line per pick, painting only the lines in sight. A day of picks costs
// eight bytes a line here (where each line starts in the model's bytes and in
// the text a screen reader reads), not a text document's block and layout.
#pragma once

#include <QAbstractScrollArea>

#include <cstdint>
#include <string>
#include <vector>

namespace kulbo {

class HistoryView : public QAbstractScrollArea {
public:
    // Shows text, which must outlive the view.
    explicit HistoryView(const std::string& text, QWidget* parent = nullptr);

    // The text grew at its end, or was set anew.
    void appended();
    void reset();

    int lineCount() const { return static_cast<int>(starts_.size()); }
    QString line(int index) const;

    // The text as a screen reader reads it: each line followed by "\n",
    // counted in UTF-16 units as Qt counts.
    int characterCount() const { return static_cast<int>(characters_); }
    int lineOffset(int index) const { return static_cast<int>(offsets_[index]); }
    int lineAtOffset(int offset) const;  // the last line for the end
    QString text(int start, int end) const;

    // The current line, where the keys move and the caret stands, at its start.
    int currentLine() const { return current_; }
    void setCurrentLine(int index);

    // How many whole lines the box shows at once.
    int linesInSight() const;

    // Where a line is painted, in the viewport; empty when out of sight.
    QRect lineRect(int index) const;
    int lineAtPoint(QPoint inViewport) const;  // -1 where there is none
    void scrollToLine(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void updateScrollRange();

    const std::string& text_;
    std::vector<std::uint32_t> starts_;   // where each whole line begins in the text's bytes
    std::vector<std::uint32_t> offsets_;  // ... and in the text read aloud
    std::uint32_t characters_ = 0;
    std::size_t indexed_ = 0;  // bytes of the text looked at so far
    int current_ = 0;
};

}  // namespace kulbo
