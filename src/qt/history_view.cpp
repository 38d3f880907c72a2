#include "qt/history_view.h"

#include "app/history_lines.h"
#include "app/view.h"
#include "qt/key_codes.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace kulbo {

namespace {

constexpr int kMargin = 4;

// UTF-16 units of UTF-8 bytes: one for each character, two for those past
// the Basic Multilingual Plane.
std::uint32_t utf16Length(const char* bytes, std::size_t size) {
    std::uint32_t units = 0;
    for (std::size_t i = 0; i < size; ++i) {
        auto byte = static_cast<unsigned char>(bytes[i]);
        units += (byte & 0xC0) != 0x80;
        units += byte >= 0xF0;
    }
    return units;
}

}  // namespace

HistoryView::HistoryView(const std::string& text, QWidget* parent) : QAbstractScrollArea(parent), text_(text) {
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reset();
}

void HistoryView::appended() {
    const int firstNew = lineCount();
    for (std::size_t at; (at = text_.find("\r\n", indexed_)) != std::string::npos; indexed_ = at + 2) {
        starts_.push_back(static_cast<std::uint32_t>(indexed_));
        offsets_.push_back(characters_);
        characters_ += utf16Length(text_.data() + indexed_, at - indexed_) + 1;
    }
    if (firstNew < lineCount() && QAccessible::isActive()) {
        QAccessibleTextInsertEvent inserted(this, lineOffset(firstNew), text(lineOffset(firstNew), characterCount()));
        QAccessible::updateAccessibility(&inserted);
    }
    updateScrollRange();
    viewport()->update();
}

void HistoryView::reset() {
    starts_.clear();
    offsets_.clear();
    characters_ = 0;
    indexed_ = 0;
    current_ = 0;
    appended();
}

QString HistoryView::line(int index) const {
    std::size_t start = starts_[index];
    std::size_t end = text_.find("\r\n", start);
    return QString::fromUtf8(text_.data() + start, static_cast<qsizetype>(end - start));
}

int HistoryView::lineAtOffset(int offset) const {
    auto after = std::upper_bound(offsets_.begin(), offsets_.end(), static_cast<std::uint32_t>(std::max(0, offset)));
    return std::max(0, static_cast<int>(after - offsets_.begin()) - 1);
}

// Only the lines the range touches are converted.
QString HistoryView::text(int start, int end) const {
    start = std::clamp(start, 0, characterCount());
    end = std::clamp(end, start, characterCount());
    QString text;
    for (int i = lineAtOffset(start); i < lineCount() && lineOffset(i) < end; ++i) text += line(i) + u'\n';
    const int first = lineCount() > 0 ? lineOffset(lineAtOffset(start)) : 0;
    return text.mid(start - first, end - start);
}

int HistoryView::linesInSight() const {
    return history_lines::inSight(viewport()->height() - kMargin, fontMetrics().lineSpacing());
}

void HistoryView::setCurrentLine(int index) {
    index = std::clamp(index, 0, std::max(0, lineCount() - 1));
    if (index == current_) return;
    current_ = index;
    scrollToLine(index);
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent moved(this, lineCount() > 0 ? lineOffset(index) : 0);
        QAccessible::updateAccessibility(&moved);
    }
}

void HistoryView::scrollToLine(int index) {
    verticalScrollBar()->setValue(history_lines::firstInSight(index, verticalScrollBar()->value(), linesInSight()));
}

QRect HistoryView::lineRect(int index) const {
    const int row = index - verticalScrollBar()->value(), height = fontMetrics().lineSpacing();
    QRect rect(kMargin, kMargin + row * height, viewport()->width() - 2 * kMargin, height);
    return row >= 0 && index < lineCount() && rect.top() < viewport()->height() ? rect : QRect();
}

int HistoryView::lineAtPoint(QPoint inViewport) const {
    if (inViewport.y() < kMargin || !viewport()->rect().contains(inViewport)) return -1;
    int index = verticalScrollBar()->value() + (inViewport.y() - kMargin) / fontMetrics().lineSpacing();
    return index < lineCount() ? index : -1;
}

void HistoryView::updateScrollRange() {
    int inSight = linesInSight();
    verticalScrollBar()->setPageStep(inSight);
    verticalScrollBar()->setRange(0, std::max(0, lineCount() - inSight));
}

void HistoryView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    for (int i = verticalScrollBar()->value(); i < lineCount(); ++i) {
        QRect rect = lineRect(i);
        if (rect.isEmpty()) break;
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, line(i));
    }
    // The current line, for the keyboard.
    QRect current = lineRect(current_);
    if (hasFocus() && !current.isEmpty()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = current.adjusted(-2, 0, 2, 0);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void HistoryView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

// Read-only: the keys move the current line, and the view follows it.
void HistoryView::keyPressEvent(QKeyEvent* event) {
    std::optional<int> line = View::historyLineAfterKey(keyCodeOf(*event), current_, lineCount(), linesInSight());
    if (line)
        setCurrentLine(*line);
    else
        QAbstractScrollArea::keyPressEvent(event);
}

// The current line's frame comes and goes with the focus.
bool HistoryView::event(QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) viewport()->update();
    return QAbstractScrollArea::event(event);
}

}  // namespace kulbo
