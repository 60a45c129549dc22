#include "gui/frmKvTitle.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "gui/FixedFont.h"

namespace kv {

namespace {

QLabel* AddLabel(QVBoxLayout* layout, const QString& text, const QFont& font,
                 const QString& name = QString()) {
    auto* label = new QLabel(text);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    if (!name.isEmpty()) label->setObjectName(name);
    layout->addWidget(label);
    return label;
}

}  // namespace

frmKvTitle::frmKvTitle(const FixedFont& font, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmKvTitle"));
    setWindowTitle(QStringLiteral("『KavoraⅡ』"));
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(2);
    frame->setStyleSheet(QStringLiteral("QFrame { background: rgb(255,255,224); }"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(40, 24, 40, 24);
    layout->setSpacing(10);
    AddLabel(layout, QStringLiteral("誰でも使えるCASLⅡシミュレータ"), font.at(14));
    AddLabel(layout, QStringLiteral("『KavoraⅡ』"), font.at(32))
        ->setStyleSheet(QStringLiteral("color: rgb(0,0,160);"));
    AddLabel(layout, QStringLiteral("情報処理技術者試験用"), font.at(14));
    layout->addSpacing(12);
    AddLabel(layout, QStringLiteral("解像度　800×600以上　　"), font.at(10));
    AddLabel(layout, QStringLiteral("色数　　16ビット以上　"), font.at(10));
    AddLabel(layout, QStringLiteral("Version 1.07v02"), font.at(10), QStringLiteral("lblVersion"));
}

void frmKvTitle::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
}

}  // namespace kv
