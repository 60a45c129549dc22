#pragma once
// The options dialog's side of the settings: what its controls hold, how they are filled from the
// settings, and Apply ("OK" and "適用"), which checks every entry before it changes anything.

#include <QString>
#include <cstdint>

#include "machine/ErrorState.h"

namespace kv {

class Boxes;
struct Settings;

// The controls of the dialog, as the learner left them.
struct OptionsEntries {
    int editorKind = 1;              // Option1: 1 structured editor, 2 plain editor
    bool maximiseAtStart = false;    // Check3
    bool loadInitialFile = false;    // Check1
    QString sourceFolder;            // Text3
    QString userStart;               // Text1, "#8000"
    QString initialValue;            // Text2, "#7FFF"
    bool conversionComments = true;  // Option31: index 0 (comments) or 1
    bool fNotation = true;           // Option32: index 0 (shown) or 1
    int autoSpeed = 7;               // Slider1, 0 to 10
    QString systemCommand;           // Text4
};

// The highest address the user area may start at: the area and its stack-bottom word stay below
// #A001.
inline constexpr std::int32_t kHighestUserStart = 0x9000;

// The entries for the current settings. A setting outside its values (an editor kind of 3) leaves
// its control at the first choice and gives the number of the internal fault to report (place
// "オプション設定"); 0 when every setting is one the dialog can show.
int EntriesFromSettings(const Settings& settings, OptionsEntries& entries);

// The label after the start address: "#" and the area's last address; empty while the start
// address is no valid one.
QString UserEndText(const QString& userStart);

enum class ApplyOutcome { Applied, Refused };

// Apply. Checks in this order, showing the first problem in its box and changing nothing: the
// folder must exist ("指定されたフォルダが存在しません。"), the start address must be "#hhhh" up to
// #9000 ("先頭アドレスが不正です"), the initial value "#hhhh" ("GRの初期値が不正です"), and a
// system command must be one that runs (a refused one leaves 1001 or 1002 in error for the caller
// to report). Then every entry goes into the settings, the current folder becomes the source folder
// and the system command runs. The caller brings the machine and the assembler to the new user area.
ApplyOutcome ApplyOptions(const OptionsEntries& entries, Settings& settings, ErrorState& error, Boxes& boxes);

}  // namespace kv
