#pragma once
// The notes of a running program in the second panel of the main window's status bar.

#include <QString>

namespace kv {

class RunView;
struct MachineState;
struct AssemblyState;

// The second panel of the main window's status bar while a program runs.
class RunNotes {
public:
    RunNotes(RunView& host, const MachineState& machine, const AssemblyState& assembly)
        : host_(host), machine_(machine), assembly_(assembly) {}

    // A note of 0 stands for the note given last, whatever the kind. kind 0: the note's text when it
    // has one; kind 1: the F-notation of the instruction at PR when PR lies in the user area;
    // kind 9: clear the panel.
    void ShowRunNote(int kind, int note);
    // The same as ShowRunNote(9, 0), cheap enough for every instruction.
    void clear() {
        if (!shown_.isEmpty()) show(QString());
    }
    const QString& text() const { return shown_; }

private:
    void show(const QString& text);

    RunView& host_;
    const MachineState& machine_;
    const AssemblyState& assembly_;
    int lastNote_ = 0;
    QString shown_;
};

}  // namespace kv
