#pragma once
// The system commands of the options dialog: one-line commands that reach settings without a
// control of their own. "leng n,w" sets a column width of formatted source lines (n = 1 label,
// 2 instruction, 3 operand), "font n,s" a size of the font menu (1 large, 2 medium, 3 small; the
// panes follow when they show that size), "fr v" the FR switch, "debug n,v" a debug switch.

#include <QString>
#include <QStringList>

#include "machine/ErrorState.h"

namespace kv {

struct Settings;

enum class SystemCommandOutcome {
    Ignored,   // empty, a single word, or more than ten words: nothing happens
    Accepted,  // the setting is changed
    Refused,   // 1001 unknown command, 1002 a parameter out of range; nothing is changed
};

// The words of a command: the text split at blanks, full-width blanks and commas, which belong to
// no word.
QStringList SystemCommandWords(const QString& text);

// Checks the command without running it; Refused leaves its code in error.
SystemCommandOutcome CheckSystemCommand(const QString& text, ErrorState& error);
// Checks and runs the command.
SystemCommandOutcome RunSystemCommand(const QString& text, Settings& settings, ErrorState& error);

}  // namespace kv
