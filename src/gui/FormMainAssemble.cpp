// The mode buttons' commands and the assemble panel: assembling and linking, the lists and the
// messages.

#include <QTextEdit>

#include "assembler/Listings.h"
#include "gui/SourceEditor.h"
#include "workbench/AssembleCommand.h"
#include "workbench/Session.h"
#include "gui/FormMain.h"
#include "gui/RunPanel.h"

namespace kv {

// The console window closes whenever it is loaded: its buttons would run a program that the
// editor is about to change.
void FormMain::Command001_Click() {
    edit_.panel->raise();
    session_.assembly.locationCounter = session_.machine.userStart;
    mode_ = Mode::Edit;
    host_.closeConsole();
    run_.setRunWindowOpen(false);
    ApplyMode(0);
    ArrangePanels();
    ApplyFontAndRows();
    edit_.editor->setFocus();
}

void FormMain::Command002_Click() {
    if (mode_ == Mode::Run) {
        mode_ = Mode::Assemble;
        ApplyMode(2);
        ArrangePanels();
        return;
    }
    mode_ = Mode::Assemble;
    listKind_ = QStringLiteral("asm");
    ApplyMode(0);
    messageHeight_ = windowHeightTwips() / 2;
    ArrangePanels();
    ApplyFontAndRows();
    const QFont font = font_.at(session_.settings.paneFontSize);
    for (QTextEdit* pane : {assemble_.messages, assemble_.list}) {
        pane->setFont(font);
        pane->clear();
    }
    assemble_.list->setTextColor(Qt::black);
    // The lists must wait for the assembly that builds them.
    assemble_.buttons->setEnabled(false);

    const QString source = edit_.editor->toPlainText();
    AssembleContext context{session_.table,    session_.settings, session_.machine,
                            session_.assembly, session_.error,    host_};
    const AssembleOutcome outcome = AssembleAndLink(context, source);
    edit_.editor->colourLines(session_.assembly.colouring);
    edit_.editor->colourRanges(outcome.marks, colours::Mark);
    if (outcome.assembled) assemble_.list->setPlainText(outcome.assemblyList);
    assemble_.buttons->setEnabled(true);
    ApplyMode(outcome.linked ? 2 : 1);
}

void FormMain::Command003_Click() {
    mode_ = Mode::Run;
    ApplyFontAndRows();
    ArrangePanels();
    ApplyMode(0);
    runPanel_->EnterRunMode();
    run_.PrepareRunMode();
}

void FormMain::Command3_Click(int index) {
    if (index == 6) {
        messageHeight_ = windowHeightTwips() / 2;
        ArrangePanels();
        return;
    }
    messageHeight_ = 1000;
    ArrangePanels();
    showList(index == 3 ? QStringLiteral("asm") : index == 4 ? QStringLiteral("alt") : QStringLiteral("afk"));
}

void FormMain::showList(const QString& kind) {
    listKind_ = kind;
    AssemblyState& assembly = session_.assembly;
    // The assembly list also gives every line the address prefix the other two lists show.
    const QString assemblyList = BuildAssemblyList(assembly, session_.machine);
    if (kind == QLatin1String("asm"))
        assemble_.list->setPlainText(assemblyList);
    else if (kind == QLatin1String("alt"))
        assemble_.list->setPlainText(BuildAddressList(assembly));
    else
        assemble_.list->setPlainText(BuildFNotationList(assembly));
}

}  // namespace kv
