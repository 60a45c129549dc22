// The input device window: its controls, the device choice with the main window's indicator, the
// record text's buttons, the checks of "設定終了", the close box, and runs that read the records.

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "RunFixture.h"
#include "filedevice/VirtualFileDevice.h"
#include "gui/frmFileIO.h"
#include "gui/frmRun.h"

using namespace kv;
using namespace kv::testing;

namespace {

// Echoes records until the end of the file, whose value ends the loop when it is -1.
const QString kEcho = QStringLiteral(
    "MAIN      START\n"
    "LOOP      IN        BUF,LEN\n"
    "          LD        GR1,LEN\n"
    "          JMI       FIN\n"
    "          OUT       BUF,LEN\n"
    "          JUMP      LOOP\n"
    "FIN       RET\n"
    "BUF       DS        20\n"
    "LEN       DS        1\n"
    "          END\n");

using Shown = QPair<Rgb, QString>;

QPushButton* Button(QDialog& w, const char* name) {
    return Control<QPushButton>(w, name);
}

}  // namespace

class FileDeviceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunFixture> bench;

    void withWindow(const std::function<void(frmFileIO&)>& work) {
        bool shown = false;
        bench->form().host().modalHandler = [&](QDialog& dialog) {
            shown = true;
            QCOMPARE(dialog.objectName(), QStringLiteral("frmFileIO"));
            dialog.show();
            work(static_cast<frmFileIO&>(dialog));
        };
        bench->find<QAction>(QStringLiteral("mn59"))->trigger();
        QVERIFY(shown);
    }
    bool indicatorShown() { return !bench->find<QWidget>(QStringLiteral("DeviceIndicator"))->isHidden(); }
    // Chooses the virtual file device with a record text and finishes with "設定終了".
    void useRecords(const QString& text, int endValue = 0) {
        withWindow([&](frmFileIO& w) {
            QTest::mouseClick(Control<QRadioButton>(w, "Option2_1"), Qt::LeftButton);
            QTest::mouseClick(Control<QRadioButton>(w, QString("Option1_%1").arg(endValue).toLatin1()),
                              Qt::LeftButton);
            w.recordText().setPlainText(text);
            Button(w, "Command5")->click();
            QCOMPARE(w.result(), int(QDialog::Accepted));
        });
    }
    QVector<Shown> run() {
        bench->button(QStringLiteral("Command4_0"))->click();
        QCoreApplication::processEvents();
        return bench->consoleLines();
    }

  private slots:
    void init() {
        bench = std::make_unique<RunFixture>();
        bench->writeSettings([](Settings&) {});
        bench->start();
        QVERIFY(bench->enterRunMode(kEcho));
    }
    void cleanup() { bench.reset(); }

    void controlsInitialTextAndKeyboard() {
        QVERIFY(!indicatorShown());
        withWindow([](frmFileIO& w) {
            QCOMPARE(w.windowTitle(), QStringLiteral("入力装置の設定"));
            QCOMPARE(w.recordText().toPlainText(), VirtualFileDevice::InitialRecordText());
            QCOMPARE(w.recordText().toPlainText().split('\n').size(), 5);
            QVERIFY(Control<QRadioButton>(w, "Option2_0")->isChecked());
            QCOMPARE(Control<QRadioButton>(w, "Option2_0")->text(), QStringLiteral("キーボード"));
            QCOMPARE(Control<QRadioButton>(w, "Option2_1")->text(), QStringLiteral("仮想ファイル装置"));
            QVERIFY(Control<QRadioButton>(w, "Option1_0")->isChecked());
            QCOMPARE(Control<QRadioButton>(w, "Option1_0")->text(), QStringLiteral("-１（ファイルと想定）"));
            QCOMPARE(Control<QRadioButton>(w, "Option1_1")->text(), QStringLiteral("0（キーボードと想定）"));
            QCOMPARE(Control<QLabel>(w, "Label1")->text(), QStringLiteral("ファイルの終わりの値"));
            QCOMPARE(Control<QGroupBox>(w, "Frame2")->title(), QStringLiteral("IN命令の入力装置"));
            QCOMPARE(Control<QGroupBox>(w, "Frame1")->title(), QStringLiteral("仮想ファイル装置"));
            const QStringList captions{"消去", "開く", "保存"};
            for (int i = 0; i < 3; ++i) {
                QPushButton* button = Button(w, QString("Command%1").arg(i + 1).toLatin1());
                QCOMPARE(button->text(), captions[i]);
                QVERIFY(!button->isEnabled());
            }
            QCOMPARE(Button(w, "Command5")->text(), QStringLiteral("設定終了"));
            QVERIFY(!Control<QGroupBox>(w, "Frame1")->isEnabled());
            const QStringList explanation = Control<QPlainTextEdit>(w, "Text9")->toPlainText().split('\n');
            QCOMPARE(explanation.size(), 7);
            QCOMPARE(explanation[0], QStringLiteral("【説明】"));
            QVERIFY(
                explanation[3].startsWith(QStringLiteral("　レコードの最後には、[END](半角)をつけます。")));
            QVERIFY(explanation[5].isEmpty());
        });
    }

    void theDeviceChoiceEnablesTheRecordsAndShowsTheIndicator() {
        withWindow([this](frmFileIO& w) {
            QTest::mouseClick(Control<QRadioButton>(w, "Option2_1"), Qt::LeftButton);
            QVERIFY(Control<QGroupBox>(w, "Frame1")->isEnabled());
            for (const char* name : {"Command1", "Command2", "Command3"})
                QVERIFY(Button(w, name)->isEnabled());
            QVERIFY(indicatorShown());
            QTest::mouseClick(Control<QRadioButton>(w, "Option2_0"), Qt::LeftButton);
            QVERIFY(!Control<QGroupBox>(w, "Frame1")->isEnabled());
            QVERIFY(!indicatorShown());
            QTest::mouseClick(Control<QRadioButton>(w, "Option2_1"), Qt::LeftButton);
            Button(w, "Command5")->click();
        });
        QVERIFY(indicatorShown());
        // Opened again: the device and the text are kept.
        withWindow([](frmFileIO& w) {
            QVERIFY(Control<QRadioButton>(w, "Option2_1")->isChecked());
            QVERIFY(Control<QGroupBox>(w, "Frame1")->isEnabled());
        });
    }

    void theCloseBoxUnloadsTheWindow() {
        useRecords(QStringLiteral("[x]\n[END]\n"));
        QVERIFY(indicatorShown());
        withWindow([](frmFileIO& w) {
            QCOMPARE(w.recordText().toPlainText(), QStringLiteral("[x]\n[END]\n"));
            w.close();
        });
        QVERIFY(!indicatorShown());
        withWindow([](frmFileIO& w) {
            QCOMPARE(w.recordText().toPlainText(), VirtualFileDevice::InitialRecordText());
            QVERIFY(Control<QRadioButton>(w, "Option2_0")->isChecked());
            // Escape does not throw the text away.
            QTest::keyClick(&w, Qt::Key_Escape);
            QVERIFY(w.isVisible());
        });
    }

    void finishingChecksTheRecords() {
        struct Case {
            QString text;
            QString box;  // empty: accepted
        };
        const QVector<Case> cases{
            {QStringLiteral("[a]\n[END]\n"), QString()},
            {QStringLiteral("[a]\n[END]\nnot read\n"), QString()},
            {QStringLiteral("[a]\nab\n[END]\n"),
             QStringLiteral("仮想ファイル装置のレコードが[　]でくくられていません。")},
            {QStringLiteral(" [a]\n[END]\n"),
             QStringLiteral("仮想ファイル装置のレコードが[　]でくくられていません。")},
            {QStringLiteral("[a]\n[END]"), QStringLiteral("仮想ファイル装置の[END]がありません。")},
            {QString(), QStringLiteral("仮想ファイル装置の[END]がありません。")},
        };
        for (const Case& c : cases) {
            bench->boxes.boxes.clear();
            withWindow([&](frmFileIO& w) {
                QTest::mouseClick(Control<QRadioButton>(w, "Option2_1"), Qt::LeftButton);
                w.recordText().setPlainText(c.text);
                Button(w, "Command5")->click();
                QCOMPARE(w.result() == QDialog::Accepted, c.box.isEmpty());
                QCOMPARE(w.isVisible(), !c.box.isEmpty());
            });
            if (c.box.isEmpty()) {
                QVERIFY(bench->boxes.boxes.isEmpty());
            } else {
                QCOMPARE(bench->boxes.boxes.size(), 1);
                QCOMPARE(bench->boxes.boxes[0].text.section(QLatin1Char('\n'), 0, 0), c.box);
                QCOMPARE(bench->boxes.boxes[0].title, QStringLiteral("実行時エラー"));
            }
        }
    }

    void clearSaveAndOpenGiveBackTheSameText() {
        const QString file = bench->path(QStringLiteral("data.csd"));
        const QString text = QStringLiteral("[abc  ]\n[ｱｲｳ]\n[END]\n\n[parked]");
        bench->saveAnswers.push_back(file);
        bench->openAnswers.push_back(file);
        withWindow([&](frmFileIO& w) {
            QTest::mouseClick(Control<QRadioButton>(w, "Option2_1"), Qt::LeftButton);
            w.recordText().setPlainText(text);
            Button(w, "Command3")->click();
            Button(w, "Command1")->click();
            QVERIFY(w.recordText().toPlainText().isEmpty());
            Button(w, "Command2")->click();
            QCOMPARE(w.recordText().toPlainText(), text);
        });
        QCOMPARE(bench->saveRequests.size(), 1);
        QCOMPARE(bench->saveRequests[0].filter, QStringLiteral("データファイル（*.csd）|*.csd"));
        QCOMPARE(bench->openRequests.size(), 1);
        QCOMPARE(bench->openRequests[0].title, QStringLiteral("データファイルを開く"));
        QCOMPARE(
            bench->openRequests[0].filter,
            QStringLiteral(
                "データファイル（*.csd）|*.csd|テキストファイル（*.txt）|*.txt|全てのファイル（*.*）|*.*"));
        QVERIFY(bench->boxes.boxes.isEmpty());
    }

    // A data file written by a text editor, its last line "[END]" with a line break.
    void aFileEndingInEndAndALineBreakIsAccepted() {
        const QString file = bench->path(QStringLiteral("editor.csd"));
        WorkbenchFixture::writeText(file, QStringLiteral("[Kavora]\n[II]\n[END]\n"));
        bench->openAnswers.push_back(file);
        withWindow([](frmFileIO& w) {
            QTest::mouseClick(Control<QRadioButton>(w, "Option2_1"), Qt::LeftButton);
            Button(w, "Command2")->click();
            Button(w, "Command5")->click();
            QCOMPARE(w.result(), int(QDialog::Accepted));
        });
        QVERIFY(bench->boxes.boxes.isEmpty());
        const QVector<Shown> lines = run();
        QVERIFY(lines.contains(Shown{colours::Blue, QStringLiteral("Kavora")}));
        QVERIFY(lines.contains(Shown{colours::Blue, QStringLiteral("II")}));
        QCOMPARE(lines.last(), (Shown{colours::Green, QStringLiteral("■正常終了")}));
    }

    void openAndSaveProblems() {
        bench->openAnswers.push_back(bench->path(QStringLiteral("nothere.csd")));
        bench->saveAnswers.push_back(bench->path(QStringLiteral("no/folder/x.csd")));
        withWindow([](frmFileIO& w) {
            QTest::mouseClick(Control<QRadioButton>(w, "Option2_1"), Qt::LeftButton);
            const QString before = w.recordText().toPlainText();
            Button(w, "Command2")->click();
            QCOMPARE(w.recordText().toPlainText(), before);
            Button(w, "Command3")->click();
            // Cancelled dialogs do nothing.
            Button(w, "Command2")->click();
            Button(w, "Command3")->click();
            QCOMPARE(w.recordText().toPlainText(), before);
        });
        QCOMPARE(bench->boxes.boxes.size(), 2);
        for (const BoxRequest& box : bench->boxes.boxes)
            QCOMPARE(box.title, QStringLiteral("ディスクエラー"));
    }

    void runsReadTheRecordsAndTheEndValue() {
        const Shown start{colours::Green, QStringLiteral("■実行開始（OUT命令がないと何も出力されません。）")};
        useRecords(QStringLiteral("[ab]\n[]\n[END]\n"));
        QVector<Shown> expected{start,
                                {colours::Blue, QStringLiteral("ab")},
                                {colours::Black, QString()},
                                {colours::Green, QStringLiteral("■正常終了")}};
        QCOMPARE(run(), expected);

        // With 0 as the end value the loop goes on after "[END]", and the next read fails.
        bench->console()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        useRecords(QStringLiteral("[ab]\n[END]\n"), 1);
        expected = {start,
                    {colours::Blue, QStringLiteral("ab")},
                    {colours::Black, QString()},
                    {colours::Red, QStringLiteral("　仮想ファイル装置の[END]に達しています。")},
                    {colours::Green, QStringLiteral("■異常終了（命令語アドレス=8000）")}};
        QCOMPARE(run(), expected);
    }
};

int RunFileDeviceTest(int argc, char** argv) {
    FileDeviceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FileDeviceTest.moc"
