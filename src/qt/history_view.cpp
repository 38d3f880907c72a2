#include "qt/history_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace kulbo {

HistoryView::HistoryView(const std::string& text, QWidget* parent) : QAbstractScrollArea(parent), text_(text) {
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reset();
}

void HistoryView::appended() {
    for (std::size_t at; (at = text_.find("\r\n", indexed_)) != std::string::npos; indexed_ = at + 2)
        starts_.push_back(static_cast<std::uint32_t>(indexed_));
    // What a screen reader says of the box besides its name.
    setAccessibleDescription(starts_.empty() ? QString("没有记录")
                                             : QString("共 %1 条，最新：%2").arg(lineCount()).arg(line(lineCount() - 1)));
    updateScrollRange();
    viewport()->update();
}

void HistoryView::reset() {
    starts_.clear();
    indexed_ = 0;
    appended();
}

QString HistoryView::line(int index) const {
    std::size_t start = starts_[index];
    std::size_t end = text_.find("\r\n", start);
    return QString::fromUtf8(text_.data() + start, static_cast<qsizetype>(end - start));
}

void HistoryView::updateScrollRange() {
    int inSight = std::max(1, viewport()->height() / fontMetrics().lineSpacing());
    verticalScrollBar()->setPageStep(inSight);
    verticalScrollBar()->setRange(0, std::max(0, lineCount() - inSight));
}

void HistoryView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    const int height = fontMetrics().lineSpacing(), margin = 4;
    int y = margin;
    for (int i = verticalScrollBar()->value(); i < lineCount() && y < viewport()->height(); ++i, y += height)
        painter.drawText(QRect(margin, y, viewport()->width() - 2 * margin, height), Qt::AlignLeft | Qt::AlignVCenter,
                         line(i));
}

void HistoryView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

// Read-only: the keys scroll.
void HistoryView::keyPressEvent(QKeyEvent* event) {
    QScrollBar& bar = *verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_Up: bar.triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Down: bar.triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_PageUp: bar.triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_PageDown: bar.triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_Home: bar.triggerAction(QAbstractSlider::SliderToMinimum); break;
    case Qt::Key_End: bar.triggerAction(QAbstractSlider::SliderToMaximum); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
}

}  // namespace kulbo
