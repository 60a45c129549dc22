#include "gui/KvStart.h"

#include <QApplication>
#include <QDir>

#include "gui/SourceEditor.h"
#include "gui/frmKvTitle.h"

namespace kv {

std::unique_ptr<FormMain> KvStart(const StartupInfo& startup) {
    const Twips twips = Twips::OfScreen();
    const FixedFont font = FixedFont::Choose(twips.dotsPerInch());
    QApplication::setFont(font.at(10));
    frmKvTitle title(font);
    title.show();
    QCoreApplication::processEvents();

    auto window = std::make_unique<FormMain>(startup, font, twips);
    window->Form_Load();
    window->show();
    title.close();
    window->activateWindow();
    window->editor().setFocus();
    return window;
}

QString CommandLineText(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

}  // namespace kv
