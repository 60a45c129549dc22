#pragma once
// The keys of the run buttons, as a learner knows them from debuggers: F5 runs, F6 traces, F7
// starts stepping, F8 steps, F9 steps automatically and Shift+F5 ends the run. The buttons of the
// main window and of the console show them in their tool tips, the run menu beside its entries.

#include <QKeySequence>
#include <QString>

namespace kv {

// The key of the main window's run button Command4(index); none for the others.
QKeySequence RunButtonKey(int index);

// A tool tip followed by its key: "コンソール画面で実行（F5）".
QString TipWithKey(const QString& tip, const QKeySequence& key);

}  // namespace kv
