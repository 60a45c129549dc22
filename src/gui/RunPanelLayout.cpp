// The run panel's layout: the tab control and the buttons on the right, the program-line scroll
// bar left of them, the cover panel that hides the long source lines under them, and as many rows
// of the program-line list as fit the panel.

#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>

#include "gui/RunPanel.h"

namespace kv {

namespace {

// Row 0 of the program-line list.
constexpr int kListLeft = 0;
constexpr int kListTop = 0;

}  // namespace

void RunPanel::Arrange() {
    const int margin = twips_.toPixels(100);
    tabs_->resize(tabs_->sizeHint());
    buttons_->adjustSize();
    const int tabLeft = width() - tabs_->width() - margin;
    buttons_->move(width() - buttons_->width() - margin, 0);
    const int tabTop = std::max((height() - tabs_->height()) / 2, buttons_->height() + 4);
    tabs_->move(tabLeft, tabTop);
    placeLineScroll();
    const int sourceLeft = sourceCells_[0]->x();
    for (QLabel* source : sourceCells_)
        source->resize(std::max(0, width() - 2 * sourceLeft), source->height());
    const int coverLeft = lineScroll_->x() + lineScroll_->width();
    cover_->setGeometry(coverLeft, 0, std::max(0, width() - coverLeft), height());
    for (QWidget* widget :
         {cover_, static_cast<QWidget*>(lineScroll_), static_cast<QWidget*>(tabs_), buttons_})
        widget->raise();
}

// Two scroll-bar widths left of the tab control (or of the buttons, when they reach further left),
// as high as the visible rows.
void RunPanel::placeLineScroll() {
    const int scrollWidth = lineScroll_->sizeHint().width();
    const int left = std::min(tabs_->x(), buttons_->x()) - 2 * scrollWidth;
    lineScroll_->setGeometry(left, kListTop, scrollWidth, (visibleRowLimit_ + 1) * measure_->height());
}

void RunPanel::ApplyFontAndRows(int fontSize) {
    const QFont font = font_.at(fontSize);
    measure_->setFont(font);
    measure_->adjustSize();
    const int rowHeight = measure_->height();
    const int addressWidth = measure_->width();
    const int sourceLeft = kListLeft + addressWidth;
    const int bottomLimit = height() - 2 * rowHeight;
    visibleRowLimit_ = kRows - 1;
    bool limited = false;
    for (int i = 0; i < kRows; ++i) {
        const int top = kListTop + i * rowHeight;
        addressCells_[i]->setFont(font);
        sourceCells_[i]->setFont(font);
        addressCells_[i]->setGeometry(kListLeft, top, addressWidth, rowHeight);
        sourceCells_[i]->setGeometry(sourceLeft, top, std::max(0, width() - 2 * sourceLeft), rowHeight);
        const bool visible = top <= bottomLimit;
        addressCells_[i]->setVisible(visible);
        sourceCells_[i]->setVisible(visible);
        if (!visible && !limited) {
            visibleRowLimit_ = std::max(0, i - 1);
            limited = true;
        }
    }
    tabs_->setFont(font);
    for (ValueCell* cell : tabs_->findChildren<ValueCell*>()) cell->fitToDesign();
    tabs_->resize(tabs_->sizeHint());
    placeLineScroll();
    ShowProgramLines(lineScroll_->value());
}

}  // namespace kv
