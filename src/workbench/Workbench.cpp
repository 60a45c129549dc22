#include "workbench/Workbench.h"

#include <QDir>
#include <QFileInfo>

#include "host/Host.h"

namespace kv {

Workbench::Workbench(Host& host, QString programFolder)
    : host_(host),
      programFolder_(std::move(programFolder)),
      notes(host, session.machine, session.assembly),
      run(session.machine, session.assembly, session.error, session.settings, trace, device, notes, host),
      document(session.settings, session.error, host, host, host, programFolder_),
      checker(session.table, session.settings) {}

QString Workbench::programFolderFile(const QString& name) const { return QDir(programFolder_).filePath(name); }

void Workbench::LoadSettings(double twipsPerPixel) {
    SetDefaults(session.settings, twipsPerPixel, programFolder_);
    ReadSettings(session.settings, programFolderFile(QString::fromLatin1(kSettingsFileName)));
    session.applySettings();
    trace.load(session.settings.trace);
}

bool Workbench::LoadSettingsFrom(const QString& path, double twipsPerPixel) {
    SetDefaults(session.settings, twipsPerPixel, programFolder_);
    if (!path.isEmpty()) {
        if (!QFileInfo(path).isReadable()) return false;
        ReadSettings(session.settings, path);
    }
    session.applySettings();
    trace.load(session.settings.trace);
    return true;
}

bool Workbench::SaveSettings() {
    session.settings.trace = trace.stored();
    return WriteSettings(session.settings, programFolderFile(QString::fromLatin1(kSettingsFileName)));
}

void Workbench::EnterEditMode() {
    session.assembly.locationCounter = session.machine.userStart;
    mode_ = Mode::Edit;
    host_.closeConsole();
    run.setRunWindowOpen(false);
}

bool Workbench::ApplyModeTable(int code) {
    if (mode_ == Mode::None) return false;
    ModeTable(mode_, code, modeTable_);
    return true;
}

AssembleOutcome Workbench::Assemble(const QString& source) {
    mode_ = Mode::Assemble;
    AssembleContext context{session.table,    session.settings, session.machine,
                            session.assembly, session.error,    host_};
    return AssembleAndLink(context, source);
}

bool Workbench::Unload(const QString& text) {
    SaveSettings();
    if (!document.WriteInitialFile(text))
        host_.messageBox(QStringLiteral("初期設定ファイルを書き込めませんでした。"), QStringLiteral("『KavoraⅡ』"),
                         BoxIcon::None);
    return document.ConfirmClose(text);
}

}  // namespace kv
