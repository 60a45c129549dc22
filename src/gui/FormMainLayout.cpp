// The modes' look: which buttons, panel and menus show (ApplyMode), and the panels' layout in twips
// (ArrangePanels, ApplyFontAndRows).

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

#include "gui/SourceEditor.h"
#include "gui/FormMain.h"
#include "gui/RunPanel.h"

namespace kv {

namespace {

constexpr int kMinimumSize = 8600;  // twips, both ways
constexpr int kPanelLeft = 75;      // twips: the panels are 150 twips narrower than the window

const QColor kActiveMode(255, 255, 0);

void PaintModeButton(QPushButton* button, ModeButton state) {
    QPalette palette = QApplication::palette(button);
    if (state.yellow) palette.setColor(QPalette::Button, kActiveMode);
    button->setPalette(palette);
    button->setEnabled(state.enabled);
}

QString ModeText(Mode mode) {
    switch (mode) {
        case Mode::Edit: return QStringLiteral("編集");
        case Mode::Assemble: return QStringLiteral("アセンブル");
        case Mode::Run: return QStringLiteral("実行");
        case Mode::None: break;
    }
    return QString();
}

}  // namespace

int FormMain::windowWidthTwips() const {
    return twips_.fromPixels(width());
}
int FormMain::windowHeightTwips() const {
    return twips_.fromPixels(height());
}

void FormMain::paintModeButtons() {
    const ModeButtonStates states = bench_.modeButtons();
    PaintModeButton(modeButtons_.edit, states.edit);
    PaintModeButton(modeButtons_.assemble, states.assemble);
    PaintModeButton(modeButtons_.run, states.run);
}

// The mode table decides the mode buttons, also after a run that the console window started in
// assemble mode: its end leaves "アセンブル" as the table has it.
void FormMain::ApplyMode(int code) {
    bench_.notes.ShowRunNote(9, 0);
    if (!bench_.ApplyModeTable(code)) {
        ReportInternalError(host_, QStringLiteral("ボタン処理"), code);
        return;
    }
    paintModeButtons();
    switch (bench_.mode()) {
        case Mode::Edit: showMenus({menus_.file, menus_.edit, menus_.font, menus_.tools, menus_.help}); break;
        case Mode::Assemble: showMenus({menus_.fileOnly, menus_.help}); break;
        case Mode::Run: showMenus({menus_.fileOnly, menus_.run, menus_.help}); break;
        case Mode::None: break;
    }
    edit_.panel->setVisible(bench_.mode() == Mode::Edit);
    assemble_.panel->setVisible(bench_.mode() == Mode::Assemble);
    runPanel_->setVisible(bench_.mode() == Mode::Run);
    status_.mode->setText(ModeText(bench_.mode()));
}

void FormMain::Form_Resize() {
    if (bench_.mode() == Mode::None) return;
    messageHeight_ = windowHeightTwips() / 2;
    ArrangePanels();
    ApplyFontAndRows();
}

void FormMain::ArrangePanels() {
    if (isMinimized()) return;
    maximisedNow_ = isMaximized();
    if (windowWidthTwips() < kMinimumSize || windowHeightTwips() < kMinimumSize)
        resize(std::max(width(), twips_.toPixelsAtLeast(kMinimumSize)),
               std::max(height(), twips_.toPixelsAtLeast(kMinimumSize)));
    const int panelHeight = windowHeightTwips() - 1800;
    const int panelWidth = windowWidthTwips() - 150;
    modeButtons_.edit->parentWidget()->setGeometry(0, 0, centralWidget()->width(), kModeRowHeight);
    for (QWidget* panel : {edit_.panel, assemble_.panel, static_cast<QWidget*>(runPanel_)})
        panel->setGeometry(twips_.toPixels(kPanelLeft), kModeRowHeight, twips_.toPixels(panelWidth),
                           twips_.toPixels(panelHeight));
    switch (bench_.mode()) {
        case Mode::Edit: arrangeEditPanel(panelHeight, panelWidth); break;
        case Mode::Assemble: arrangeAssemblePanel(panelHeight, panelWidth); break;
        case Mode::Run:
            runPanel_->Arrange();
            runPanel_->raise();
            break;
        case Mode::None: break;
    }
}

void FormMain::arrangeEditPanel(int panelHeight, int panelWidth) {
    EditPanel& e = edit_;
    const Settings& s = bench_.session.settings;
    const QFont font = font_.at(s.paneFontSize);
    // The editor stands at the panel's left edge; its text begins a frame and a margin further right.
    const int textLeft = e.editor->frameWidth() + qRound(e.editor->document()->documentMargin());
    int editorWidth = twips_.toPixels(panelWidth - 600);
    const int editorHeight = twips_.toPixels(panelHeight - 1200);

    auto measure = [&](int letters) {
        e.measure->setFont(font);
        e.measure->setText(QString(letters, QLatin1Char('A')));
        e.measure->adjustSize();
        return e.measure->size();
    };
    const QSize labelSize = measure(s.labelWidth);
    QLabel* const* c = e.captions;
    for (QLabel* caption : e.captions) caption->setFont(font);
    c[0]->setGeometry(textLeft, 0, labelSize.width(), labelSize.height());
    const int editorTop = c[0]->y() + labelSize.height() + twips_.toPixels(20);
    const int barWidth = 2;
    e.bars[0]->setGeometry(c[0]->x() + c[0]->width() - twips_.toPixels(20), 0, barWidth, e.panel->height());
    const QSize instructionSize = measure(s.instructionWidth);
    c[1]->setGeometry(c[0]->x() + c[0]->width(), 0, instructionSize.width(), instructionSize.height());
    e.bars[1]->setGeometry(c[1]->x() + c[1]->width() - twips_.toPixels(20), 0, barWidth, e.panel->height());
    // The operand caption ends with the editor.
    const int operandLeft = c[1]->x() + c[1]->width();
    int operandWidth = instructionSize.width();
    if (c[0]->width() + c[1]->width() + instructionSize.width() < editorWidth)
        operandWidth = editorWidth - operandLeft;
    else
        editorWidth = textLeft + c[0]->width() + c[1]->width() + instructionSize.width();
    c[2]->setGeometry(operandLeft, 0, operandWidth, instructionSize.height());

    e.editor->setGeometry(0, editorTop, editorWidth, editorHeight);
    // The button row (with a margin above its buttons) reaches down to the panel's bottom, so that
    // the bars show between the captions only.
    const int buttonsTop = editorTop + editorHeight;
    e.buttons->setFixedHeight(std::max(kButtonHeight + 6, e.panel->height() - buttonsTop));
    e.buttons->setGeometry(0, buttonsTop, e.panel->width(), e.buttons->height());
    for (QWidget* widget : {e.bars[0], e.bars[1], static_cast<QWidget*>(e.editor), e.buttons})
        widget->raise();
    e.panel->hide();
    e.panel->show();
}

void FormMain::arrangeAssemblePanel(int panelHeight, int panelWidth) {
    AssemblePanel& a = assemble_;
    const int paneWidth = twips_.toPixels(panelWidth - 300);
    a.buttons->setGeometry(0, 0, paneWidth, kButtonHeight);
    const int messageTop = twips_.fromPixels(kButtonHeight + 4);
    a.messages->setGeometry(0, twips_.toPixels(messageTop), paneWidth, twips_.toPixels(messageHeight_));
    const int listHeight = std::max(0, panelHeight - messageTop - messageHeight_ - 300);
    a.list->setGeometry(0, twips_.toPixels(messageTop + messageHeight_), paneWidth,
                        twips_.toPixels(listHeight));
}

void FormMain::ApplyFontAndRows() {
    const Settings& s = bench_.session.settings;
    const int size = s.paneFontSize;
    if (bench_.mode() == Mode::Run) {
        runPanel_->ApplyFontAndRows(size, s.labelWidth + s.instructionWidth + s.operandWidth);
        return;
    }
    if (bench_.mode() != Mode::Edit || size == lastAppliedFontSize_) return;
    lastAppliedFontSize_ = size;
    edit_.editor->setFont(font_.at(size));
}

}  // namespace kv
