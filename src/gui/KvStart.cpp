#include "gui/KvStart.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "gui/SourceEditor.h"
#include "gui/frmKvTitle.h"

namespace kv {

namespace {

// The files shipped beside the executable.
const QStringList& ShippedFiles() {
    static const QStringList files{QString::fromUtf16(kInitialFileName), QStringLiteral("KvTemp.txt"),
                                   QStringLiteral("Kavora2.htm")};
    return files;
}

}  // namespace

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

QString ProgramFolder() {
    const QString own = QCoreApplication::applicationDirPath();
    if (QFileInfo(own).isWritable()) return own;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    for (const QString& name : ShippedFiles())
        if (!QFileInfo::exists(QDir(data).filePath(name)))
            QFile::copy(QDir(own).filePath(name), QDir(data).filePath(name));
    return data;
}

QString CommandLineText(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

}  // namespace kv
