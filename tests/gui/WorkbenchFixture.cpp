#include "WorkbenchFixture.h"

#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QUrl>
#include <QTest>

#include "machine/CodePage932.h"
#include "gui/FixedFont.h"

namespace kv::testing {

WorkbenchFixture::WorkbenchFixture() : previousDirectory_(QDir::currentPath()) {}

WorkbenchFixture::~WorkbenchFixture() {
    form_.reset();
    QDir::setCurrent(previousDirectory_);
}

Twips WorkbenchFixture::twips() const {
    return Twips::OfScreen();
}

void WorkbenchFixture::writeText(const QString& path, const QString& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(cp932::encode(QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"))));
}

QString WorkbenchFixture::readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("<missing>");
    return cp932::decode(file.readAll());
}

void WorkbenchFixture::writeSettings(const std::function<void(Settings&)>& change) {
    Settings settings;
    SetDefaults(settings, twips().perPixel(), folder());
    change(settings);
    QVERIFY(WriteSettings(settings, path(QString::fromLatin1(kSettingsFileName))));
}

FormMain& WorkbenchFixture::start(const QString& commandLine) {
    const Twips screen = twips();
    form_ = std::make_unique<FormMain>(StartupInfo{folder(), commandLine}, FixedFont::Choose(screen.dotsPerInch()),
                                       screen);
    GuiHost& host = form_->host();
    boxes.install(host);
    // A file dialog keeps its request and answers with the next name of its list.
    const auto answering = [](std::deque<QString>& answers, QVector<FileDialogRequest>& requests) {
        return [&answers, &requests](const FileDialogRequest& request) {
            requests.push_back(request);
            if (answers.empty()) return QString();
            const QString answer = answers.front();
            answers.pop_front();
            return answer;
        };
    };
    host.saveFileHandler = answering(saveAnswers, saveRequests);
    host.openFileHandler = answering(openAnswers, openRequests);
    host.printHandler = [this](QPrinter& printer) {
        if (printInto.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printInto);
        return true;
    };
    host.urlHandler = [this](const QUrl& url) {
        openedUrls << url.toLocalFile();
        return true;
    };
    host.folderHandler = [this](const QString&, const QString&) {
        if (folderAnswers.empty()) return QString();
        const QString answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    };
    host.modalHandler = [this](QDialog& dialog) { modalWindows << dialog.objectName(); };
    host.inputHandler = [](const QString&, const QString&) { return QString(); };
    form_->Form_Load();
    form_->show();
    if (!QTest::qWaitForWindowExposed(form_.get())) qWarning("the main window was not exposed");
    return *form_;
}

}  // namespace kv::testing
