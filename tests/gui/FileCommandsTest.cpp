// The file menu's and the panels' file commands in the real window: new, open, merge, templates,
// printing, the listing buttons, the help page and the screen shot, and which menus each mode shows.

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "WorkbenchFixture.h"
#include "gui/SourceEditor.h"
#include "machine/CodePage932.h"

using namespace kv;
using namespace kv::testing;

namespace {

const QString kHeader = QStringLiteral(";*** [KavoraⅡ] ***");
const QString kProgram = QStringLiteral("MAIN      START\n          LAD       GR1,3 ;三\n          RET\n          END");
// The same after the format command.
const QString kFormatted = QStringLiteral(
    "MAIN      START     \n          LAD       GR1,3               ;三\n          RET       \n          END       \n");

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The text of a PDF file, as poppler's pdftotext reads it; empty when the tool is missing.
QString PdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) return QString();
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WorkbenchFixture> bench;

    QAction* action(const char* name) { return bench->find<QAction>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) { return bench->find<QPushButton>(QString::fromLatin1(name)); }
    SourceEditor& editor() { return bench->form().editor(); }
    QString title(const QString& name) { return QStringLiteral("『KavoraⅡ』　ファイル名：") + name; }
    QString program(const QString& name, const QString& text) {
        const QString path = bench->path(name);
        WorkbenchFixture::writeText(path, kHeader + QLatin1Char('\n') + text);
        return path;
    }

private slots:
    void init() { bench = std::make_unique<WorkbenchFixture>(); }
    void cleanup() { bench.reset(); }

    void newOpenAndMerge() {
        FormMain& form = bench->start();
        Type(&editor(), QStringLiteral("; mine"));
        button("Command1_0")->click();  // 新規: nothing asked, one undo step brings the text back
        QCOMPARE(editor().toPlainText(), QString());
        QVERIFY(bench->boxes.boxes.isEmpty());
        editor().undo();
        QCOMPARE(editor().toPlainText(), QStringLiteral("; mine"));

        // Open, cancelled: nothing happens. Open a program: its text, unmodified, named in the title.
        button("Command1_1")->click();
        QCOMPARE(bench->openRequests.size(), 1);
        QCOMPARE(bench->openRequests[0].title, QStringLiteral("CASLⅡのプログラムファイルを開く"));
        QCOMPARE(editor().toPlainText(), QStringLiteral("; mine"));
        const QString main = program(QStringLiteral("main.cs2"), kProgram);
        bench->openAnswers = {main};
        action("mn12")->trigger();
        QCOMPARE(editor().toPlainText(), kFormatted);
        QCOMPARE(form.currentFileName(), main);
        QCOMPARE(form.windowTitle(), title(main));
        QVERIFY(!form.programModified());

        // A file that is no text leaves the editor as it was and says why.
        const QString picture = bench->path(QStringLiteral("pic.cs2"));
        WriteBytes(picture, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        bench->openAnswers = {picture};
        action("mn12")->trigger();
        QCOMPARE(editor().toPlainText(), kFormatted);
        QVERIFY(bench->boxes.boxes.last().text.startsWith(QStringLiteral("テキストファイルではありません。")));

        // Merge: the file's lines follow the text's, each on its own line; the merged file becomes
        // the document's name and the text counts as modified.
        editor().setPlainText(QStringLiteral("; first"));
        const QString sub = program(QStringLiteral("sub.cs2"), QStringLiteral("SUB       START\n          RET\n          END"));
        bench->openAnswers = {sub};
        action("mn12A")->trigger();
        QCOMPARE(editor().toPlainText(),
                 QStringLiteral("; first\nSUB       START     \n          RET       \n          END       \n"));
        QCOMPARE(form.currentFileName(), sub);
        QVERIFY(form.programModified());
        QCOMPARE(bench->session().settings.recentFiles[0], sub);
        QCOMPARE(bench->session().settings.recentFiles[1], main);
    }

    void templatesStoreAndStart() {
        FormMain& form = bench->start();
        const QString main = program(QStringLiteral("main.cs2"), kProgram);
        bench->openAnswers = {main};
        action("mn12")->trigger();
        editor().setPlainText(QStringLiteral("; 雛形\nMAIN      START"));
        action("mn15A")->trigger();
        QCOMPARE(Bytes(bench->path(QStringLiteral("KvTemp.txt"))),
                 cp932::encode(QStringLiteral("; 雛形\r\nMAIN      START\r\n")));
        QVERIFY(!form.programModified());

        editor().setPlainText(QStringLiteral("other"));
        action("mn11A")->trigger();
        QCOMPARE(editor().toPlainText(), QStringLiteral("; 雛形\nMAIN      START\n"));
        QCOMPARE(ColourAt(editor(), 0), colours::Comment);
        QCOMPARE(ColourAt(editor(), 6), colours::Black);
        QCOMPARE(form.windowTitle(), title(QStringLiteral("新規")));
        QCOMPARE(form.currentFileName(), main);  // Save still goes to the file opened before

        QFile::remove(bench->path(QStringLiteral("KvTemp.txt")));
        action("mn11A")->trigger();
        QCOMPARE(bench->boxes.boxes.last().text, QStringLiteral("テンプレートを読み込めません。"));
        QCOMPARE(editor().toPlainText(), QStringLiteral("; 雛形\nMAIN      START\n"));
    }

    void savingCharactersTheCodePageLacksOffersUtf8() {
        FormMain& form = bench->start();
        const QString path = bench->path(QStringLiteral("u.cs2"));
        WriteBytes(path, (kHeader + QStringLiteral("\r\n; café €\r\n NOP\r\n")).toUtf8());
        bench->openAnswers = {path};
        action("mn12")->trigger();
        QCOMPARE(editor().toPlainText(), QStringLiteral("; café €\n          NOP       \n"));
        Type(&editor(), QStringLiteral(" "));
        bench->boxes.answers = {BoxAnswer::Yes, BoxAnswer::No};  // overwrite yes, UTF-8 no
        action("mn13")->trigger();
        QVERIFY(bench->boxes.boxes.last().text.contains(QStringLiteral("　1行目：é\n　1行目：€\n")));
        QCOMPARE(Bytes(path), (kHeader + QStringLiteral("\r\n; café €\r\n NOP\r\n")).toUtf8());  // untouched
        QVERIFY(form.programModified());
        bench->boxes.answers = {BoxAnswer::Yes, BoxAnswer::Yes};
        action("mn13")->trigger();
        QVERIFY(Bytes(path).startsWith("\xEF\xBB\xBF"));
        QVERIFY(!form.programModified());
        editor().clear();
        bench->openAnswers = {path};
        action("mn12")->trigger();
        QCOMPARE(editor().toPlainText(), QStringLiteral("; café €\n          NOP       \n"));
    }

    void printingTheSourceAndTheList() {
        bench->start();
        editor().setPlainText(kProgram);
        action("mn15")->trigger();  // cancelled: nothing printed, nothing said
        QVERIFY(bench->boxes.boxes.isEmpty());
        bench->printInto = bench->path(QStringLiteral("source.pdf"));
        action("mn15")->trigger();
        QVERIFY(QFile::exists(bench->printInto));
        const QString printed = PdfText(bench->printInto);
        if (printed.isEmpty()) QSKIP("pdftotext is not installed");
        QVERIFY(printed.contains(QStringLiteral("LAD")));
        QVERIFY(printed.contains(QStringLiteral("GR1,3")));

        button("Command002")->click();
        bench->printInto = bench->path(QStringLiteral("list.pdf"));
        button("Command3_1")->click();
        QVERIFY(PdfText(bench->printInto).contains(QStringLiteral("8000:")));
    }

    void theListButtonsSaveCopyAndSwitch() {
        bench->start();
        const QString main = program(QStringLiteral("p1.cs2"), kProgram);
        bench->openAnswers = {main};
        action("mn12")->trigger();
        button("Command002")->click();
        auto* list = bench->find<QTextEdit>(QStringLiteral("RichTextBox310"));

        button("Command3_4")->click();  // the address list
        bench->saveAnswers = {bench->path(QStringLiteral("p1.alt"))};
        button("Command3_0")->click();
        const FileDialogRequest& request = bench->saveRequests.last();
        QCOMPARE(request.title, QStringLiteral("アドレスリストの保存"));
        QCOMPARE(request.filter, QStringLiteral("アドレスファイル（*.alt）|*.alt"));
        QCOMPARE(request.proposedName, bench->path(QStringLiteral("p1")));
        QCOMPARE(Bytes(bench->path(QStringLiteral("p1.alt"))),
                 cp932::encode(QString(list->toPlainText()).replace(QLatin1Char('\n'), QStringLiteral("\r\n")) +
                               QStringLiteral("\r\n")));

        button("Command3_2")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), list->toPlainText());
        QVERIFY(list->toPlainText().contains(QStringLiteral("MAIN")));
    }

    void theHelpPageAndTheScreenShot() {
        FormMain& form = bench->start();
        action("mn91")->trigger();  // no page anywhere: a box says so
        QVERIFY(bench->openedUrls.isEmpty());
        QVERIFY(bench->boxes.boxes.last().text.contains(QStringLiteral("Kavora2.htm")));
        WorkbenchFixture::writeText(bench->path(QStringLiteral("Kavora2.htm")), QStringLiteral("<html></html>"));
        action("mn91")->trigger();
        QCOMPARE(bench->openedUrls, QStringList{bench->path(QStringLiteral("Kavora2.htm"))});

        QGuiApplication::clipboard()->clear();
        bench->find<QToolButton>(QStringLiteral("Image1"))->click();
        QCOMPARE(bench->boxes.boxes.last().text, QStringLiteral("画面ショットをクリップボードにコピーしました。"));
        const QImage shot = QGuiApplication::clipboard()->image();
        QVERIFY(!shot.isNull());
        QCOMPARE(shot.size(), form.grab().size());
    }

    void eachModeShowsItsMenus() {
        FormMain& form = bench->start();
        const auto shown = [&] {
            QStringList names;
            for (QAction* top : form.menuBar()->actions())
                if (top->isVisible()) names << top->objectName();
            return names;
        };
        QCOMPARE(shown(), QStringList({"mn10", "mn20", "mn30", "mn40", "mn90"}));
        QStringList file;
        for (QAction* entry : action("mn10")->menu()->actions())
            if (!entry->isSeparator() && !entry->objectName().startsWith(QLatin1String("mn_file"))) file << entry->objectName();
        QCOMPARE(file, QStringList({"mn11", "mn11A", "mn12", "mn12A", "mn13", "mn14", "mn15A", "mn15", "mn19"}));
        editor().setPlainText(kProgram);
        button("Command002")->click();
        QCOMPARE(shown(), QStringList({"mn100", "mn90"}));
        button("Command003")->click();
        QCOMPARE(shown(), QStringList({"mn100", "mn50", "mn90"}));
        for (const char* inert : {"mn51", "mn52", "mn53"}) QVERIFY(!action(inert)->isEnabled());

        // The font sizes are one radio group.
        QActionGroup* sizes = action("mn311")->actionGroup();
        QVERIFY(sizes != nullptr);
        QCOMPARE(action("mn313")->actionGroup(), sizes);
        QVERIFY(sizes->isExclusive());
    }
};

int RunFileCommandsTest(int argc, char** argv) {
    FileCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FileCommandsTest.moc"
