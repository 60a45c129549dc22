#pragma once
// Every error, warning and notice is a number in the one ErrorState; the catalogue turns the number
// into a category (the box title), a message and up to three lines of explanation.

#include <QString>
#include <cstdint>

namespace kv {

class Host;
struct MachineState;
struct AssemblyState;

struct ErrorState {
    std::int32_t code = 0;  // 0: no error
    // The faulting effective address and the referable range, shown by 404 to 406.
    std::int32_t ea = 0, low = 0, high = 0;

    void raise(std::int32_t c) { code = c; }
    void raiseAddress(std::int32_t c, std::int32_t address, std::int32_t first, std::int32_t last) {
        code = c;
        ea = address;
        low = first;
        high = last;
    }
};

struct CatalogueText {
    QString title;    // category by range; empty for 1100 and above
    QString message;  // empty when the catalogue has no message for the code
    QString explanation[3];
};

// The texts of a code (with the addresses of 404 to 406 taken from the state).
CatalogueText Catalogue(const ErrorState& error);

// Composes the texts of the current error and resets it to 0.
//  mode 0: beep and a box with the exclamation icon: message and the three explanations;
//  mode 1: beep and a box with the information icon: the message alone;
//  mode 2: no box; returns a full-width blank followed by the message.
// Modes 0 and 1 show nothing when the message is empty. Returns the line form in every mode.
QString ReportError(ErrorState& error, Host& host, int mode);

// A case that cannot occur was met: the place names where.
void ReportInternalError(Host& host, const QString& place, int number);

// The second panel of the main window's status bar while a program runs.
class RunNotes {
public:
    RunNotes(Host& host, const MachineState& machine, const AssemblyState& assembly)
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

    Host& host_;
    const MachineState& machine_;
    const AssemblyState& assembly_;
    int lastNote_ = 0;
    QString shown_;
};

}  // namespace kv
