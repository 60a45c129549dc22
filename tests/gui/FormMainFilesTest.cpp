// The main window's files: the start-up rules (first start, initial file, command line, source
// folder), Save and Save as, the recent files, and what closing the window writes and asks.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "WorkbenchFixture.h"
#include "gui/SourceEditor.h"
#include "machine/CodePage932.h"

using namespace kv;
using namespace kv::testing;

namespace {

const QString kHeader = QStringLiteral(";*** [KavoraⅡ] ***");
const QString kSaveTitle = QStringLiteral("CASLⅡプログラムファイルの保存");

QByteArray ProgramFileBytes(const QString& text) {
    return cp932::encode(kHeader + QStringLiteral("\r\n") +
                         QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")) +
                         QStringLiteral("\r\n"));
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

class FormMainFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WorkbenchFixture> bench;

    QAction* action(const char* name) { return bench->find<QAction>(QString::fromLatin1(name)); }
    SourceEditor& editor() { return bench->form().editor(); }
    void type(const QString& text) {
        editor().setFocus();
        QTest::keyClick(&editor(), Qt::Key_End, Qt::ControlModifier);
        Type(&editor(), text);
    }
    QString title(const QString& name) { return QStringLiteral("『KavoraⅡ』　ファイル名：") + name; }

private slots:
    void init() { bench = std::make_unique<WorkbenchFixture>(); }
    void cleanup() { bench.reset(); }

    void theFirstStartLoadsTheInitialFile() {
        bench->writeInitialFile(QStringLiteral(" nop\n; hello 実行\n"));
        FormMain& form = bench->start();
        QCOMPARE(form.editor().toPlainText(), QStringLiteral("          NOP       \n; hello 実行\n"));
        QCOMPARE(ColourAt(form.editor(), 21), colours::Comment);
        QCOMPARE(form.currentFileName(), QStringLiteral("無題"));
        QCOMPARE(form.windowTitle(), title(QStringLiteral("新規")));
        QVERIFY(!form.programModified());
        QVERIFY(bench->boxes.boxes.isEmpty());
    }

    void theSettingDecidesOnLaterStarts() {
        bench->writeInitialFile(QStringLiteral(" nop"));
        bench->writeSettings([](Settings& s) { s.loadInitialFile = 0; });
        QCOMPARE(bench->start().editor().toPlainText(), QString());

        cleanup();
        init();
        bench->writeInitialFile(QStringLiteral(" nop"));
        bench->writeSettings([](Settings& s) { s.loadInitialFile = 1; });
        QCOMPARE(bench->start().editor().toPlainText(), QStringLiteral("          NOP       \n"));

        // Without an initial file the editor stays empty, silently.
        cleanup();
        init();
        QCOMPARE(bench->start().editor().toPlainText(), QString());
        QVERIFY(bench->boxes.boxes.isEmpty());
    }

    void theCommandLineOpensOnlyProgramFiles() {
        QDir(bench->folder()).mkdir(QStringLiteral("my programs"));
        const QString program = bench->path(QStringLiteral("my programs/sum.cs2"));
        WorkbenchFixture::writeText(program, kHeader + QStringLiteral("\n lad gr1,1\n ret"));
        bench->writeInitialFile(QStringLiteral(" nop"));
        FormMain& form = bench->start(QLatin1Char('"') + program + QLatin1Char('"'));
        QCOMPARE(form.editor().toPlainText(),
                 QStringLiteral("          LAD       GR1,1\n          RET       \n"));
        QCOMPARE(form.currentFileName(), program);
        QCOMPARE(form.windowTitle(), title(program));
        QCOMPARE(bench->session().settings.recentFiles[0], program);
        QVERIFY(action("mn_file1")->isVisible());
        QVERIFY(!form.programModified());

        // Any other extension, or a file that cannot be read, leaves the start-up to the initial file.
        for (const QString& other :
             {QStringLiteral("sum.cas"), QStringLiteral("sum.txt"), QStringLiteral("gone.CS2")}) {
            cleanup();
            init();
            WorkbenchFixture::writeText(bench->path(other), QStringLiteral(" ret"));
            if (other.startsWith(QLatin1String("gone"))) QFile::remove(bench->path(other));
            bench->writeInitialFile(QStringLiteral(" nop"));
            FormMain& started = bench->start(bench->path(other));
            QCOMPARE(started.editor().toPlainText(), QStringLiteral("          NOP       \n"));
            QCOMPARE(started.currentFileName(), QStringLiteral("無題"));
            QVERIFY(bench->boxes.boxes.isEmpty());
        }

        // A ".CS2" without the header line is read whole after a notice.
        cleanup();
        init();
        WorkbenchFixture::writeText(bench->path(QStringLiteral("OLD.CS2")), QStringLiteral(" nop\n ret"));
        FormMain& foreign = bench->start(bench->path(QStringLiteral("OLD.CS2")));
        QCOMPARE(foreign.editor().toPlainText(),
                 QStringLiteral("          NOP       \n          RET       \n"));
        QCOMPARE(bench->boxes.boxes.size(), 1);
        QCOMPARE(bench->boxes.boxes[0].text,
                 QStringLiteral("『KavoraⅡ』のファイルではありません。\n形式を変更します。"));
    }

    void theSourceFolderBecomesTheCurrentFolder() {
        QDir(bench->folder()).mkdir(QStringLiteral("src"));
        const QString source = bench->path(QStringLiteral("src"));
        bench->writeSettings([&source](Settings& s) { s.sourceFolder = source; });
        bench->start();
        QCOMPARE(QDir::currentPath(), QDir(source).canonicalPath());
        action("mn14")->trigger();
        QCOMPARE(bench->saveRequests.last().folder, source);

        // A folder that does not exist falls back to the program folder.
        cleanup();
        init();
        bench->writeSettings(
            [this](Settings& s) { s.sourceFolder = bench->path(QStringLiteral("nowhere")); });
        bench->start();
        QCOMPARE(bench->session().settings.sourceFolder, bench->folder());
        QCOMPARE(QDir::currentPath(), QDir(bench->folder()).canonicalPath());
    }

    void saveAsThenSave() {
        bench->start();
        FormMain& form = bench->form();
        type(QStringLiteral(" nop"));
        QVERIFY(form.programModified());
        const QString path = bench->path(QStringLiteral("a&b.cs2"));

        // Untitled: Save runs Save as.
        bench->saveAnswers.push_back(path);
        action("mn13")->trigger();
        QCOMPARE(bench->saveRequests.size(), 1);
        QCOMPARE(bench->saveRequests[0].title, kSaveTitle);
        QCOMPARE(bench->saveRequests[0].filter, QStringLiteral("CASLⅡファイル（*.cs2）|*.cs2"));
        QCOMPARE(Bytes(path), ProgramFileBytes(QStringLiteral(" nop")));
        QCOMPARE(form.currentFileName(), path);
        QCOMPARE(form.windowTitle(), title(path));
        QVERIFY(!form.programModified());
        QCOMPARE(action("mn_file1")->text(),
                 QStringLiteral("&1 ") + QString(path).replace(QStringLiteral("&"), QStringLiteral("&&")));
        QVERIFY(action("mn_file1")->isVisible());
        QVERIFY(!action("mn_file2")->isVisible());

        // Save asks before overwriting; No leaves the file alone and the text unmodified.
        type(QStringLiteral("x"));
        bench->boxes.answers.push_back(BoxAnswer::No);
        bench->find<QPushButton>(QStringLiteral("Command1_2"))->click();
        QCOMPARE(bench->boxes.boxes.last().text,
                 QStringLiteral("「") + path + QStringLiteral("」で上書きしてよろしいですか？"));
        QCOMPARE(bench->boxes.boxes.last().title, QStringLiteral("確認"));
        QCOMPARE(bench->boxes.boxes.last().buttons, BoxButtons::YesNo);
        QCOMPARE(Bytes(path), ProgramFileBytes(QStringLiteral(" nop")));
        QVERIFY(!form.programModified());
        bench->boxes.answers.push_back(BoxAnswer::Yes);
        action("mn13")->trigger();
        QCOMPARE(Bytes(path), ProgramFileBytes(QStringLiteral(" nopx")));

        // Save as to a place that cannot be written: a disk error, and nothing changes.
        type(QStringLiteral("y"));
        bench->saveAnswers.push_back(bench->path(QStringLiteral("no such folder/b.cs2")));
        action("mn14")->trigger();
        QCOMPARE(bench->boxes.boxes.last().title, QStringLiteral("ディスクエラー"));
        QCOMPARE(form.currentFileName(), path);
        QVERIFY(form.programModified());

        // A cancelled Save as changes nothing.
        action("mn14")->trigger();
        QCOMPARE(form.currentFileName(), path);
        QVERIFY(form.programModified());
    }

    void anUntitledSaveCancelledStillCountsAsSaved() {
        bench->start();
        type(QStringLiteral(" nop"));
        action("mn13")->trigger();
        QCOMPARE(bench->saveRequests.size(), 1);
        QVERIFY(!bench->form().programModified());
        QCOMPARE(bench->form().currentFileName(), QStringLiteral("無題"));
    }

    void recentFilesOpenOrReportTheMissingFile() {
        const QString there = bench->path(QStringLiteral("there.cs2"));
        WorkbenchFixture::writeText(there, kHeader + QStringLiteral("\n nop"));
        const QString gone = bench->path(QStringLiteral("gone.cs2"));
        bench->writeSettings([&](Settings& s) { s.recentFiles = {gone, there, QString(), QString()}; });
        FormMain& form = bench->start();
        QCOMPARE(action("mn_file1")->text(), QStringLiteral("&1 ") + gone);
        QCOMPARE(action("mn_file2")->text(), QStringLiteral("&2 ") + there);
        QVERIFY(!action("mn_file3")->isVisible());

        action("mn_file1")->trigger();
        QCOMPARE(bench->boxes.boxes.size(), 1);
        QCOMPARE(bench->boxes.boxes[0].title, QStringLiteral("ディスクアクセスエラー"));
        QCOMPARE(bench->boxes.boxes[0].text, QStringLiteral("指定されたファイルがありません\n\n\n"));
        QCOMPARE(form.editor().toPlainText(), QString());

        type(QStringLiteral("x"));
        action("mn_file2")->trigger();
        QCOMPARE(form.editor().toPlainText(), QStringLiteral("          NOP       \n"));
        QCOMPARE(form.currentFileName(), there);
        QVERIFY(!form.programModified());
        QCOMPARE(bench->session().settings.recentFiles[0], there);
        QCOMPARE(bench->session().settings.recentFiles[1], gone);
        QCOMPARE(action("mn_file1")->text(), QStringLiteral("&1 ") + there);
    }

    void closingWritesTheSettingsAndTheInitialFile() {
        bench->start();
        FormMain& form = bench->form();
        action("mn313")->trigger();
        form.editor().setPlainText(QStringLiteral("MAIN START ;実行\n RET"));
        QVERIFY(form.close());
        Settings read;
        QVERIFY(ReadSettings(read, bench->path(QString::fromLatin1(kSettingsFileName))));
        QCOMPARE(read.paneFontSize, std::int16_t{10});
        QCOMPARE(read.windowWidth, bench->twips().fromPixels(form.width()));
        QCOMPARE(read.windowHeight, bench->twips().fromPixels(form.height()));
        QCOMPARE(Bytes(bench->path(QString::fromUtf16(kInitialFileName))),
                 cp932::encode(QStringLiteral("MAIN START ;実行\r\n RET")));
        QVERIFY(bench->boxes.boxes.isEmpty());
    }

    void aMaximisedWindowKeepsItsNormalGeometryInTheFile() {
        bench->writeSettings([](Settings& s) {
            s.maximiseAtStart = 1;
            s.windowWidth = 9000;
            s.windowHeight = 9100;
        });
        FormMain& form = bench->start();
        QTRY_VERIFY(form.isMaximized());
        QVERIFY(form.close());
        Settings read;
        QVERIFY(ReadSettings(read, bench->path(QString::fromLatin1(kSettingsFileName))));
        QCOMPARE(read.windowWidth, 9000);
        QCOMPARE(read.windowHeight, 9100);
        QCOMPARE(read.maximiseAtStart, std::int16_t{1});
    }

    void closingAModifiedProgramAsks() {
        bench->start();
        FormMain& form = bench->form();
        type(QStringLiteral(" nop"));

        // Cancel: the window stays, but the settings and the initial file are written already.
        bench->boxes.answers.push_back(BoxAnswer::Cancel);
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QCOMPARE(bench->boxes.boxes.last().text,
                 QStringLiteral("プログラムが変更されています。\n保存しますか？"));
        QCOMPARE(bench->boxes.boxes.last().title, QStringLiteral("『KavoraⅡ』"));
        QCOMPARE(bench->boxes.boxes.last().buttons, BoxButtons::YesNoCancel);
        QVERIFY(QFile::exists(bench->path(QString::fromLatin1(kSettingsFileName))));
        QCOMPARE(WorkbenchFixture::readText(bench->path(QString::fromUtf16(kInitialFileName))),
                 QStringLiteral(" nop"));

        // Yes, and the save dialog cancelled: nothing was saved, so the window stays open.
        bench->boxes.answers.push_back(BoxAnswer::Yes);
        QVERIFY(!form.close());
        QVERIFY(form.programModified());

        // Yes, and a file chosen: saved, and the window closes.
        const QString path = bench->path(QStringLiteral("kept.cs2"));
        bench->boxes.answers.push_back(BoxAnswer::Yes);
        bench->saveAnswers.push_back(path);
        QVERIFY(form.close());
        QCOMPARE(Bytes(path), ProgramFileBytes(QStringLiteral(" nop")));
    }

    void closingWithNoWritesNoProgram() {
        bench->start();
        type(QStringLiteral(" nop"));
        bench->boxes.answers.push_back(BoxAnswer::No);
        QVERIFY(bench->form().close());
        QVERIFY(bench->saveRequests.isEmpty());
    }

    void anUnwritableInitialFileIsReportedAndTheQuestionStillComes() {
        QDir(bench->folder()).mkdir(QString::fromUtf16(kInitialFileName));
        bench->start();
        type(QStringLiteral(" nop"));
        bench->boxes.answers.push_back(BoxAnswer::Ok);
        bench->boxes.answers.push_back(BoxAnswer::Cancel);
        QVERIFY(!bench->form().close());
        QCOMPARE(bench->boxes.boxes.size(), 2);
        QCOMPARE(bench->boxes.boxes[0].text, QStringLiteral("初期設定ファイルを書き込めませんでした。"));
        QCOMPARE(bench->boxes.boxes[0].title, QStringLiteral("『KavoraⅡ』"));
        QCOMPARE(bench->boxes.boxes[1].buttons, BoxButtons::YesNoCancel);
    }
};

int RunFormMainFilesTest(int argc, char** argv) {
    FormMainFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FormMainFilesTest.moc"
