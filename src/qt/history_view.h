// The history box: shows the history text straight from the window model,
// one line per pick, painting only the lines in sight. A day of picks costs
// four bytes a line here, not a text document's block and layout.
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

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateScrollRange();

    const std::string& text_;
    std::vector<std::uint32_t> starts_;  // where each whole line begins
    std::size_t indexed_ = 0;            // bytes of the text looked at so far
};

}  // namespace kulbo
