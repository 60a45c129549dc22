#pragma once
// One open program and everything it needs beside the windows: the session (machine, assembly,
// settings, error state), the run with its file device, trace options and run notes, the program
// document and the mode. The workbench window and kavora2-cli each make one; the window keeps only
// its widgets and translates between them and this.

#include <QString>

#include "editor/LineCheck.h"
#include "filedevice/VirtualFileDevice.h"
#include "simulator/RunControl.h"
#include "simulator/RunNotes.h"
#include "simulator/Trace.h"
#include "workbench/AssembleCommand.h"
#include "workbench/Modes.h"
#include "workbench/ProgramDocument.h"
#include "workbench/Session.h"

namespace kv {

class Host;

class Workbench {
public:
    // programFolder holds the settings file, the initial file and the template.
    Workbench(Host& host, QString programFolder);
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    Host& host() { return host_; }
    const QString& programFolder() const { return programFolder_; }
    QString programFolderFile(const QString& name) const;

    // Every setting to its default (twipsPerPixel converts the default window size), then the
    // settings file of the program folder over them; the machine takes the user area.
    void LoadSettings(double twipsPerPixel);
    // The defaults, then the named settings file over them when there is one; false when it
    // cannot be read.
    bool LoadSettingsFrom(const QString& path, double twipsPerPixel);
    // The trace options into the settings, then the settings file of the program folder.
    bool SaveSettings();

    Mode mode() const { return mode_; }
    void setMode(Mode mode) { mode_ = mode; }
    // ApplyMode's part without widgets: the mode table for the mode and a result code becomes the
    // mode buttons' states. False when the mode is None (nothing changes then; the caller reports
    // it).
    bool ApplyModeTable(int code);
    // The mode buttons as they show now: the table's states, locked while a run is going on.
    ModeButtonStates modeButtons() const { return WithRunLock(modeTable_, run.buttons()); }
    // "編集モード": the location counter back at the start of the area, the console closed.
    void EnterEditMode();
    // "アセンブル": assembles and links the source with the message pane's report.
    AssembleOutcome Assemble(const QString& source);

    // The window closes with this text in the editor: the settings file, the initial file (a box
    // when it cannot be written), then the question about a modified program. True when the window
    // may close.
    bool Unload(const QString& text);

private:
    Host& host_;
    QString programFolder_;
    Mode mode_ = Mode::None;
    ModeButtonStates modeTable_;

public:
    Session session;
    TraceOptions trace;
    VirtualFileDevice device;
    RunNotes notes;
    RunControl run;
    ProgramDocument document;
    LineChecker checker;
};

}  // namespace kv
