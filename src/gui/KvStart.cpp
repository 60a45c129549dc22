#include "gui/KvStart.h"

#include <QApplication>
#include <QDir>

#include "gui/SourceEditor.h"
#include "workbench/Session.h"
#include "gui/frmKvTitle.h"

namespace kv {

Workbench::Workbench(const StartupInfo& startup) {
    const Twips twips = Twips::OfScreen();
    const FixedFont font = FixedFont::Choose(twips.dotsPerInch());
    QApplication::setFont(font.at(10));
    frmKvTitle title(font);
    title.show();
    QCoreApplication::processEvents();

    session_ = std::make_unique<Session>();  // builds the instruction table
    Session& s = *session_;
    SetDefaults(s.settings, twips.perPixel(), startup.programFolder);
    ReadSettings(s.settings, QDir(startup.programFolder).filePath(QString::fromLatin1(kSettingsFileName)));
    s.applySettings();

    window_ = std::make_unique<FormMain>(s, startup, font, twips);
    window_->Form_Load();
    window_->show();
    title.close();
    window_->activateWindow();
    window_->editor().setFocus();
}

Workbench::~Workbench() = default;

std::unique_ptr<Workbench> KvStart(const StartupInfo& startup) {
    return std::make_unique<Workbench>(startup);
}

QString CommandLineText(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

}  // namespace kv
