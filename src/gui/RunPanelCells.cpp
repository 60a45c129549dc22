#include "gui/RunPanelCells.h"

#include <QHBoxLayout>

#include "host/Host.h"
#include "simulator/WordDisplay.h"

namespace kv {

namespace {

constexpr int kIndent = 3;  // pixels between the frame and the text

struct CellDesign {
    const char* name;
    QString design;
    QString tip;
};

// The five notations in their order: design text (the widest value; the character cell holds one
// full-width character) and tool tip.
const std::array<CellDesign, 5>& Designs() {
    static const std::array<CellDesign, 5> designs{{
        {"_Hex", QStringLiteral("#0000"), QStringLiteral("16進数")},
        {"_Signed", QStringLiteral("-32768"), QStringLiteral("算術10進数")},
        {"_Unsigned", QStringLiteral("65535"), QStringLiteral("論理10進数")},
        {"_Char", QStringLiteral("※"), QStringLiteral("文字")},
        {"_Binary", QStringLiteral("0000 0000 0000 0000"), QStringLiteral("2進数")},
    }};
    return designs;
}

}  // namespace

ValueCell::ValueCell(const QString& name, const QString& designText, const QString& tip, QWidget* parent)
    : QLabel(parent), design_(designText) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setIndent(kIndent);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    if (!tip.isEmpty()) setToolTip(tip);
    fitToDesign();
}

// Measured in the normal weight, so that bold text changes nothing of the layout.
void ValueCell::fitToDesign() {
    QFont normal = font();
    normal.setBold(false);
    const QFontMetrics metrics(normal);
    const int frame = 2 * frameWidth();
    setFixedSize(metrics.horizontalAdvance(design_) + frame + 2 * kIndent, metrics.height() + frame + 2);
}

// Only the weight is set on the cell; family and size still come from the tab control.
void ValueCell::setBold(bool bold) {
    if (font().bold() == bold) return;
    QFont weight;
    weight.setBold(bold);
    setFont(weight);
}

WordCells::WordCells(QHBoxLayout* row, QWidget* parent, const QString& prefix, bool withAddress) {
    if (withAddress) {
        address_ =
            new ValueCell(prefix + QStringLiteral("_Address"), QStringLiteral("0000"), QString(), parent);
        row->addWidget(address_);
    }
    for (int i = 0; i < 5; ++i) {
        const CellDesign& d = Designs()[i];
        cells_[i] = new ValueCell(prefix + QLatin1String(d.name), d.design, d.tip, parent);
        row->addWidget(cells_[i]);
    }
}

// Words are shown as 16-bit patterns, as the trace shows them.
void WordCells::show(std::int32_t value, Host& host) {
    const std::int32_t w = value & 0xFFFF;
    cells_[0]->setText(FormatHexWord(w));
    cells_[1]->setText(FormatSignedWord(w, host));
    cells_[2]->setText(FormatUnsignedWord(w, host));
    cells_[3]->setText(FormatCharWord(w));
    cells_[4]->setText(FormatBinaryWord(w));
}

void WordCells::show(std::int32_t address, std::int32_t value, Host& host) {
    if (address_) address_->setText(HexWord(address));
    show(value, host);
}

void WordCells::showUnknown() {
    cells_[0]->setText(QStringLiteral("#????"));
    cells_[1]->setText(QStringLiteral("   ?"));
    cells_[2]->setText(QStringLiteral("   ?"));
    cells_[3]->setText(QStringLiteral("?"));
    cells_[4]->setText(QStringLiteral("???? ???? ???? ????"));
}

void WordCells::clear() {
    if (address_) address_->clear();
    for (ValueCell* cell : cells_) cell->clear();
}

void WordCells::setBold(bool bold) {
    for (ValueCell* cell : cells_) cell->setBold(bold);
}

}  // namespace kv
