// The run panel's layout: the run buttons along the top, the rows of the program-line list under
// them with room for the whole source up to the end of the operand column, the tab control on the
// right, the list's scroll bar left of it and the cover panel that hides the rest of long source
// lines (their comments) under them.

#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>

#include "gui/RunPanel.h"

namespace kv {

namespace {

constexpr int kListLeft = 0;
constexpr int kButtonGap = 4;          // pixels between the buttons and under them
constexpr int kSmallestTabPoints = 9;  // the tab control's font gets no smaller
constexpr int kNarrowestTab = 120;     // pixels: the tab control gets no narrower

}  // namespace

void RunPanel::Arrange() {
    const int previousLimit = visibleRowLimit_;
    placeButtons();
    placeRows();
    placeTabs();
    if (visibleRowLimit_ != previousLimit) ShowProgramLines(firstVisibleLine_);
}

void RunPanel::ApplyFontAndRows(int fontSize, int sourceColumns) {
    sourceColumns_ = sourceColumns;
    if (fontSize != fontSize_) {
        fontSize_ = fontSize;
        const QFont font = font_.at(fontSize);
        measure_->setFont(font);
        measure_->adjustSize();
        for (int i = 0; i < kRows; ++i) {
            addressCells_[i]->setFont(font);
            sourceCells_[i]->setFont(font);
        }
    }
    placeButtons();
    placeRows();
    placeTabs();
    ShowProgramLines(lineScroll_->value());
}

void RunPanel::placeButtons() {
    int x = 0, y = 0, bottom = 0;
    for (QPushButton* button : buttons_->findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QSize size(button->sizeHint().width(), button->height());
        if (x > 0 && x + size.width() > width()) {
            x = 0;
            y = bottom + kButtonGap;
        }
        button->setGeometry(x, y, size.width(), size.height());
        x += size.width() + kButtonGap;
        bottom = std::max(bottom, y + size.height());
    }
    buttons_->setGeometry(0, 0, width(), bottom);
    listTop_ = bottom + kButtonGap;
}

// Row i stands i row heights under row 0; a row is shown when its top lies within the panel less
// two rows.
void RunPanel::placeRows() {
    const int rowHeight = measure_->height();
    const int addressWidth = measure_->width();
    const int sourceLeft = kListLeft + addressWidth;
    const int bottomLimit = height() - 2 * rowHeight;
    visibleRowLimit_ = kRows - 1;
    bool limited = false;
    for (int i = 0; i < kRows; ++i) {
        const int top = listTop_ + i * rowHeight;
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
}

// The list needs its address column and the source columns; the scroll bar stands two of its
// widths left of the tab control, which takes what is left.
void RunPanel::placeTabs() {
    if (fontSize_ == 0) return;  // not laid out yet
    const int margin = twips_.toPixels(100);
    const int scrollWidth = lineScroll_->sizeHint().width();
    const int letter = QFontMetrics(sourceCells_[0]->font()).horizontalAdvance(QLatin1Char('A'));
    const int listRight = kListLeft + measure_->width() + sourceColumns_ * letter;
    const int room = width() - margin - listRight - 2 * scrollWidth;
    chooseTabFont(room);
    const QSize whole = tabs_->sizeHint();
    const int tabWidth = std::min(whole.width() <= room ? whole.width() : std::max(room, kNarrowestTab),
                                  std::max(0, width() - margin));
    // Narrower than its pages, the tab control needs the height of their sideways scroll bar too.
    const int sideways = tabWidth < whole.width() ? lineScroll_->sizeHint().width() : 0;
    const int tabHeight = std::min(whole.height() + sideways, std::max(0, height() - listTop_));
    const int tabTop = listTop_ + std::max(0, (height() - listTop_ - tabHeight) / 2);
    tabs_->setGeometry(width() - margin - tabWidth, tabTop, tabWidth, tabHeight);

    const int rowHeight = measure_->height();
    lineScroll_->setGeometry(tabs_->x() - 2 * scrollWidth, listTop_, scrollWidth,
                             (visibleRowLimit_ + 1) * rowHeight);
    const int coverLeft = lineScroll_->x() + lineScroll_->width();
    cover_->setGeometry(coverLeft, 0, std::max(0, width() - coverLeft), height());
    for (QWidget* widget :
         {cover_, static_cast<QWidget*>(lineScroll_), static_cast<QWidget*>(tabs_), buttons_})
        widget->raise();
}

void RunPanel::chooseTabFont(int width) {
    const int largest = std::max(fontSize_, 1);
    int smallest = std::min(largest, kSmallestTabPoints);
    // The widths grow with the size: find the largest size that fits.
    int low = smallest, high = largest;
    if (tabSizeAt(high).width() <= width) {
        low = high;
    } else {
        while (low < high - 1) {
            const int middle = (low + high) / 2;
            if (tabSizeAt(middle).width() <= width)
                low = middle;
            else
                high = middle;
        }
    }
    applyTabFont(low);
}

// Measured once for each pixel size (the label list's width changes it: entering run mode forgets
// the sizes).
QSize RunPanel::tabSizeAt(int pointSize) {
    const int pixels = font_.at(pointSize).pixelSize();
    const auto known = tabSizes_.find(pixels);
    if (known != tabSizes_.end()) return known->second;
    applyTabFont(pointSize);
    const QSize size = tabs_->sizeHint();
    tabSizes_[pixels] = size;
    return size;
}

void RunPanel::applyTabFont(int pointSize) {
    const QFont font = font_.at(pointSize);
    if (font.pixelSize() == tabPixels_) return;
    tabPixels_ = font.pixelSize();
    tabs_->setFont(font);
    for (ValueCell* cell : tabs_->findChildren<ValueCell*>()) cell->fitToDesign();
}

}  // namespace kv
