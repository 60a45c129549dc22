#pragma once
// Run mode in the window tests: a workbench that has assembled a program and entered run mode, and
// helpers that read the run panel and the console and act while a run lets events run.

#include <QPair>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>

#include "WorkbenchFixture.h"

class QLabel;
class QPushButton;

namespace kv {
class frmRun;
}

namespace kv::testing {

class RunFixture : public WorkbenchFixture {
  public:
    // Assembles the program in the started workbench and enters run mode; false when the
    // program does not assemble.
    bool enterRunMode(const QString& program);

    QLabel* label(const QString& name) { return find<QLabel>(name); }
    QString cell(const QString& name);
    // The five cells of a value row ("GR1", "MEA", "Memory0", "Stack0").
    QStringList row(const QString& prefix);
    QPushButton* button(const QString& name) { return find<QPushButton>(name); }
    // Row of the program-line list whose source cell contains a text; -1 when none does.
    int rowOf(const QString& text);
    // Back colour of a cell of the program-line list.
    static Rgb backColour(const QLabel* cell);
    void clickAddressCell(int row);

    frmRun* console() { return form().host().console(); }
    // The console's lines with the colour of each line's first character (empty lines black).
    QVector<QPair<Rgb, QString>> consoleLines();

    // Calls the action once the console waits for an IN line.
    void whenInputWaits(std::function<void(frmRun&)> action);
    // Types a line into the console and presses Enter.
    static void typeLine(frmRun& console, const QString& text);
};

}  // namespace kv::testing
