// The mode buttons' commands and the assemble panel: assembling and linking, the lists and the
// messages.

#include <QClipboard>
#include <QGuiApplication>
#include <QTextEdit>

#include "assembler/Listings.h"
#include "gui/SourceEditor.h"
#include "workbench/AssembleCommand.h"
#include "gui/FormMain.h"
#include "gui/RunPanel.h"

namespace kv {

// The console window closes whenever it is loaded: its buttons would run a program that the
// editor is about to change.
void FormMain::Command001_Click() {
    edit_.panel->raise();
    bench_.EnterEditMode();
    ApplyMode(0);
    ArrangePanels();
    ApplyFontAndRows();
    edit_.editor->setFocus();
}

void FormMain::Command002_Click() {
    if (bench_.mode() == Mode::Run) {
        bench_.setMode(Mode::Assemble);
        ApplyMode(2);
        ArrangePanels();
        return;
    }
    bench_.setMode(Mode::Assemble);
    listKind_ = QStringLiteral("asm");
    ApplyMode(0);
    messageHeight_ = windowHeightTwips() / 2;
    ArrangePanels();
    ApplyFontAndRows();
    const QFont font = font_.at(bench_.session.settings.paneFontSize);
    for (QTextEdit* pane : {assemble_.messages, assemble_.list}) {
        pane->setFont(font);
        pane->clear();
    }
    assemble_.list->setTextColor(Qt::black);
    // The lists must wait for the assembly that builds them.
    assemble_.buttons->setEnabled(false);

    const AssembleOutcome outcome = bench_.Assemble(edit_.editor->toPlainText());
    edit_.editor->colourLines(bench_.session.assembly.colouring);
    edit_.editor->colourRanges(outcome.marks, colours::Mark);
    if (outcome.assembled) assemble_.list->setPlainText(outcome.assemblyList);
    assemble_.buttons->setEnabled(true);
    ApplyMode(outcome.linked ? 2 : 1);
}

void FormMain::Command003_Click() {
    bench_.setMode(Mode::Run);
    ApplyFontAndRows();
    ArrangePanels();
    ApplyMode(0);
    runPanel_->EnterRunMode();
    bench_.run.PrepareRunMode();
}

void FormMain::Command3_Click(int index) {
    switch (index) {
        case 0: SaveList(); return;
        case 1: PrintList(); return;
        case 2: CopyList(); return;
        default: break;
    }
    if (index == 6) {
        messageHeight_ = windowHeightTwips() / 2;
        ArrangePanels();
        return;
    }
    messageHeight_ = 1000;
    ArrangePanels();
    showList(index == 3 ? QStringLiteral("asm") : index == 4 ? QStringLiteral("alt") : QStringLiteral("afk"));
}

void FormMain::SaveList() { bench_.document.SaveList(listKind_, assemble_.list->toPlainText()); }

void FormMain::PrintList() { PrintText(assemble_.list->toPlainText(), assemble_.list->font()); }

void FormMain::CopyList() { QGuiApplication::clipboard()->setText(assemble_.list->toPlainText()); }

void FormMain::showList(const QString& kind) {
    listKind_ = kind;
    AssemblyState& assembly = bench_.session.assembly;
    // The assembly list also gives every line the address prefix the other two lists show.
    const QString assemblyList = BuildAssemblyList(assembly, bench_.session.machine);
    if (kind == QLatin1String("asm"))
        assemble_.list->setPlainText(assemblyList);
    else if (kind == QLatin1String("alt"))
        assemble_.list->setPlainText(BuildAddressList(assembly));
    else
        assemble_.list->setPlainText(BuildFNotationList(assembly));
}

}  // namespace kv
