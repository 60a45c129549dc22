// The text commands of the edit and tools menus: find, replace and the old-CASL conversion. The core
// works on a copy of the editor's text; the window asks for the words, shows the progress and the
// count, and puts the result into the editor.

#include <QCoreApplication>
#include <QProgressBar>
#include <algorithm>

#include "editor/FindReplace.h"
#include "editor/LoopSlice.h"
#include "editor/OldCaslConversion.h"
#include "gui/FormMain.h"
#include "gui/SourceEditor.h"
#include "gui/frmFindOption.h"

namespace kv {

namespace {

// Lets the window repaint (the progress bar above all) while a command works on its copy of the
// text. Keys and clicks wait until the command has put its result into the editor, so that nothing
// typed meanwhile is overwritten.
class RepaintOnly : public Events {
public:
    void letEventsRun() override { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
    void waitForEvents() override { letEventsRun(); }
};

QString NotFound(const QString& search) {
    return QStringLiteral("【") + search + QStringLiteral("】は、ありません。");
}

// The status bar's progress bar over a text of a length, from 1 to the length.
void StartProgress(QProgressBar* progress, qsizetype length) {
    progress->setRange(1, static_cast<int>(std::max<qsizetype>(1, length)));
    progress->setValue(1);
    progress->show();
}

LoopSlice::Progress ProgressTo(QProgressBar* progress) {
    return [progress](qsizetype position) {
        progress->setValue(static_cast<int>(std::max<qsizetype>(1, position)));
    };
}

}  // namespace

void FormMain::FindCommand() {
    frmFindOption dialog(FindMode::Find, this);
    host_.showModal(dialog);
    host_.letEventsRun();
    const QString search = dialog.SearchText();
    if (search.isEmpty()) return;
    RepaintOnly events;
    LoopSlice slice(events);
    const QVector<TextRange> found = FindAll(edit_.editor->toPlainText(), search, slice);
    edit_.editor->markFound(found);
    host_.messageBox(
        found.isEmpty() ? NotFound(search) : QString::number(found.size()) + QStringLiteral("語ありました。"),
        QStringLiteral("検索"), BoxIcon::Information);
}

void FormMain::ReplaceCommand() {
    frmFindOption dialog(FindMode::Replace, this);
    host_.showModal(dialog);
    host_.letEventsRun();
    const QString search = dialog.SearchText();
    const QString replacement = dialog.ReplaceText();
    if (search.isEmpty() || replacement.isEmpty()) return;
    RepaintOnly events;
    LoopSlice slice(events);
    const ReplacedText replaced = ReplaceAll(edit_.editor->toPlainText(), search, replacement, slice);
    if (replaced.changed) {
        edit_.editor->rewriteText(replaced.text, replaced.runs);
        bench_.document.setModified(true);
    }
    host_.messageBox(replaced.count == 0
                         ? NotFound(search)
                         : QString::number(replaced.count) + QStringLiteral("語を置換しました。"),
                     QStringLiteral("置換"), BoxIcon::Information);
}

// The conversion and the format that follows it are one change of the text, which one undo takes
// back.
void FormMain::ConvertOldCaslCommand() {
    host_.messageBox(QStringLiteral("旧CASLの命令を、CASLⅡの命令に置換します。\n"
                                    "ただし、FRの設定などが異なるため、そのまま動作できるとは限りません。\n"
                                    "人手による見直しと修正が必要です。\n"
                                    "また、JPZは、JPLとJZEの２行に変換します。"),
                     QStringLiteral("旧CASLプログラムの利用"), BoxIcon::Information);
    const QString text = edit_.editor->toPlainText();
    if (text.size() <= 1) return;
    QProgressBar* progress = status_.progress;
    RepaintOnly events;
    StartProgress(progress, text.size());
    LoopSlice converting(events, ProgressTo(progress));
    const QString converted =
        ConvertOldCasl(text, BuildOldMnemonicMap(),
                       ConversionCommentsFrom(bench_.session.settings.conversionComments), converting);
    StartProgress(progress, converted.size());
    LoopSlice formatting(events, ProgressTo(progress));
    const FormattedText formatted = kv::FormatAndCheckAll(
        bench_.checker, converted, [&formatting](int position) { formatting.tick(position); });
    edit_.editor->rewriteText(formatted.text, formatted.runs);
    progress->hide();
    bench_.document.setModified(true);
}

}  // namespace kv
