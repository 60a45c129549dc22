#pragma once
// A workbench on a temporary program folder: the session, the main window, and answers for every
// box, file dialog and modal window it opens.

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>

#include "GuiTestSupport.h"
#include "gui/FormMain.h"

namespace kv::testing {

class WorkbenchFixture {
public:
    WorkbenchFixture();
    ~WorkbenchFixture();

    QString path(const QString& name) const { return QDir(folder_.path()).filePath(name); }
    QString folder() const { return folder_.path(); }
    // A file of the program folder (or elsewhere), in code page 932 with CR LF.
    static void writeText(const QString& path, const QString& text);
    static QString readText(const QString& path);
    void writeInitialFile(const QString& text) {
        writeText(path(QString::fromUtf16(kInitialFileName)), text);
    }
    // A settings file: the defaults changed by the function.
    void writeSettings(const std::function<void(Settings&)>& change);

    // Sets the defaults, reads the settings file, and loads and shows the main window.
    FormMain& start(const QString& commandLine = QString());

    Session& session() { return form_->workbench().session; }
    FormMain& form() { return *form_; }
    Twips twips() const;
    template <typename T>
    T* find(const QString& name) {
        return form_->findChild<T*>(name);
    }

    BoxRecorder boxes;
    std::deque<QString> saveAnswers;  // empty: the dialog is cancelled
    QVector<FileDialogRequest> saveRequests;
    std::deque<QString> openAnswers;  // empty: the dialog is cancelled
    QVector<FileDialogRequest> openRequests;
    // The printer dialog prints into this PDF file; empty: the dialog is cancelled.
    QString printInto;
    QStringList openedUrls;
    std::deque<QString> folderAnswers;  // likewise for the folder browser
    QStringList modalWindows;  // object names

private:
    QTemporaryDir folder_;
    QString previousDirectory_;
    std::unique_ptr<FormMain> form_;
};

}  // namespace kv::testing
