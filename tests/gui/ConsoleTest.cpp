// The console window: what a run writes into it and in which colours, typed input for IN, ending
// and closing during a run, its buttons, keys and size.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "RunFixture.h"
#include "gui/ConsoleEdit.h"
#include "gui/FormMain.h"
#include "gui/frmRun.h"
#include "gui/FixedFont.h"

using namespace kv;
using namespace kv::testing;

namespace {

// Reads a line and writes it back.
const QString kEcho = QStringLiteral(
    "MAIN      START\n"
    "          IN        BUF,LEN\n"
    "          OUT       BUF,LEN\n"
    "          RET\n"
    "BUF       DS        10\n"
    "LEN       DS        1\n"
    "          END\n");

const QString kHello = QStringLiteral(
    "MAIN      START\n"
    "          OUT       MSG,LEN\n"
    "          RET\n"
    "MSG       DC        'Hi'\n"
    "LEN       DC        2\n"
    "          END\n");

const QString kTwoInputs = QStringLiteral(
    "MAIN      START\n"
    "          IN        BUF,LEN\n"
    "          IN        BUF,LEN\n"
    "          RET\n"
    "BUF       DS        10\n"
    "LEN       DS        1\n"
    "          END\n");

const QString kEndless = QStringLiteral(
    "MAIN      START\n"
    "LOOP      JUMP      LOOP\n"
    "          END\n");

using Shown = QPair<Rgb, QString>;

const Shown kStart{colours::Green, QStringLiteral("■実行開始（OUT命令がないと何も出力されません。）")};
const Shown kPrompt{colours::Green, QStringLiteral("IN命令です。入力してください。")};
const Shown kForcedEnd{colours::Green, QStringLiteral("■強制終了")};

}  // namespace

class ConsoleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunFixture> bench;

    void click(const char* name) { bench->button(QString::fromLatin1(name))->click(); }
    QPushButton* consoleButton(const char* name) {
        return bench->console()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    std::int32_t lengthWord() {
        MachineState& m = bench->session().machine;
        return m.word(0x8023);  // IN, OUT and RET take 12 + 12 + 1 words, then BUF 10 words, then LEN
    }

private slots:
    void init() {
        bench = std::make_unique<RunFixture>();
        bench->writeSettings([](Settings&) {});
        bench->start();
    }
    void cleanup() { bench.reset(); }

    void aTypedLineAnswersIn() {
        QVERIFY(bench->enterRunMode(kEcho));
        bench->whenInputWaits([](frmRun& console) {
            QVERIFY(!console.console().isReadOnly());
            RunFixture::typeLine(console, QStringLiteral("abc"));
        });
        click("Command4_0");
        const QVector<Shown> expected{kStart,
                                      kPrompt,
                                      {colours::Black, QStringLiteral("abc")},
                                      {colours::Blue, QStringLiteral("abc")},
                                      {colours::Green, QStringLiteral("■正常終了")}};
        QCOMPARE(bench->consoleLines(), expected);
        QCOMPARE(lengthWord(), 3);
        QCOMPARE(bench->session().machine.word(0x8019), std::int32_t('a'));
        // The run is over: the console takes typing again and its buttons work.
        QVERIFY(!bench->console()->console().isReadOnly());
        for (const char* name : {"Command1", "Command2", "Command5", "Command6"})
            QVERIFY(consoleButton(name)->isEnabled());
        QCOMPARE(bench->console()->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("8018"));

        // An empty line stores length 0; "実行" of the console runs again from the start.
        bench->whenInputWaits([](frmRun& console) { RunFixture::typeLine(console, QString()); });
        consoleButton("Command5")->click();
        QCOMPARE(lengthWord(), 0);
        QCOMPARE(bench->consoleLines().last().second, QStringLiteral("■正常終了"));
        QCOMPARE(bench->consoleLines().size(), 10);
    }

    void theConsoleEndButtonEndsAnInputWait() {
        QVERIFY(bench->enterRunMode(kEcho));
        bench->whenInputWaits([this](frmRun&) { consoleButton("Command3")->click(); });
        click("Command4_0");
        QCOMPARE(bench->consoleLines().last(), kForcedEnd);
        QCOMPARE(lengthWord(), 0);
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::None);
    }

    void theMainEndButtonWaitsForTheLine() {
        QVERIFY(bench->enterRunMode(kEcho));
        bench->whenInputWaits([this](frmRun& console) {
            click("Command4_5");
            QVERIFY(bench->form().runControl().stopRequested());
            RunFixture::typeLine(console, QStringLiteral("xy"));
        });
        click("Command4_0");
        QCOMPARE(lengthWord(), 2);
        QCOMPARE(bench->consoleLines().last(), kForcedEnd);
    }

    void closingTheConsoleEndsARun() {
        QVERIFY(bench->enterRunMode(kEndless));
        QTimer::singleShot(30, &bench->form(), [this] { bench->console()->close(); });
        click("Command4_0");
        QCOMPARE(bench->form().runControl().lastResult(), step::StopRequested);
        QVERIFY(bench->console() == nullptr);
        QVERIFY(!bench->form().runControl().runWindowOpen());
        QCOMPARE(bench->form().runControl().mode(), kv::RunMode::None);
        QVERIFY(bench->button(QStringLiteral("Command4_0"))->isEnabled());

        // "閉じて終了" does the same; the next run opens a fresh console.
        QTimer::singleShot(30, &bench->form(), [this] { consoleButton("Command4")->click(); });
        click("Command4_0");
        QCOMPARE(bench->form().runControl().lastResult(), step::StopRequested);
        QVERIFY(bench->console() == nullptr);
        // "閉じて終了" during a run the console's own "実行" started.
        bench->find<QAction>(QStringLiteral("mn54B"))->trigger();
        QTimer::singleShot(30, &bench->form(), [this] { consoleButton("Command4")->click(); });
        consoleButton("Command5")->click();
        QCOMPARE(bench->form().runControl().lastResult(), step::StopRequested);
        QVERIFY(bench->console() == nullptr);
        // Loaded again, the console starts empty.
        bench->find<QAction>(QStringLiteral("mn54B"))->trigger();
        QVERIFY(bench->console()->console().toPlainText().isEmpty());
        QCOMPARE(bench->console()->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("0000"));
        // The main window's "実行終了" ends an endless run with the console's last line.
        QTimer::singleShot(30, &bench->form(), [this] { click("Command4_5"); });
        click("Command4_0");
        QCOMPARE(bench->consoleLines().size(), 2);
        QCOMPARE(bench->consoleLines().last(), kForcedEnd);
    }

    void theWindowsButtonsAndLabels() {
        QVERIFY(bench->enterRunMode(kEndless));
        QTimer::singleShot(30, &bench->form(), [this] {
            // During the run the four buttons are locked; "実行終了" is not.
            for (const char* name : {"Command1", "Command2", "Command5", "Command6"})
                QVERIFY(!consoleButton(name)->isEnabled());
            QVERIFY(consoleButton("Command3")->isEnabled());
            consoleButton("Command3")->click();
        });
        click("Command4_0");
        frmRun& console = *bench->console();
        QCOMPARE(console.windowTitle(), QStringLiteral("コンソール"));
        const QVector<std::array<QString, 3>> buttons{
            {QStringLiteral("Command5"), QStringLiteral("実行"), QStringLiteral("コンソール画面で実行（F5）")},
            {QStringLiteral("Command6"), QStringLiteral("トレース"),
             QStringLiteral("コンソール画面でトレース（F6）")},
            {QStringLiteral("Command3"), QStringLiteral("実行終了"), QStringLiteral("実行を終了（Shift+F5）")},
            {QStringLiteral("Command4"), QStringLiteral("閉じて終了"),
             QStringLiteral("実行を終了し、画面を閉じる。")},
            {QStringLiteral("Command2"), QStringLiteral("コピー"), QStringLiteral("クリップボードにコピー")},
            {QStringLiteral("Command1"), QStringLiteral("画面消去"), QStringLiteral("コンソール画面消去")},
            {QStringLiteral("Command7"), QStringLiteral("ダンプ"), QStringLiteral("高機能メモリダンプ。")},
            {QStringLiteral("Command8"), QStringLiteral("画面切替え"),
             QStringLiteral("実行モード画面に切り替え。")},
        };
        for (const auto& [name, caption, tip] : buttons) {
            auto* button = console.findChild<QPushButton*>(name);
            QVERIFY2(button, qPrintable(name));
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->toolTip(), tip);
        }
        auto* caption = console.findChild<QLabel*>(QStringLiteral("Label1"));
        QCOMPARE(caption->text(), QStringLiteral("命令語アドレス"));
        QCOMPARE(caption->toolTip(), QStringLiteral("実行した機械語の先頭アドレス"));
        QCOMPARE(console.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("8000"));

        // Copy, then clear; copying an empty console leaves the clipboard empty.
        consoleButton("Command2")->click();
        QCOMPARE(QApplication::clipboard()->text(), console.console().toPlainText());
        QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("■強制終了")));
        consoleButton("Command1")->click();
        QVERIFY(console.console().toPlainText().isEmpty());
        consoleButton("Command2")->click();
        QVERIFY(QApplication::clipboard()->text().isEmpty());

        // "画面切替え" shows the main window.
        bench->form().hide();
        consoleButton("Command8")->click();
        QVERIFY(bench->form().isVisible());
    }

    // The learner brings the main window to the front between runs: "実行" and "トレース" bring the
    // console forward again and make it the active window, also for a program that only writes.
    void theConsoleComesToTheFrontAtEachRun() {
        QVERIFY(bench->enterRunMode(kHello));
        FormMain& form = bench->form();
        for (const char* button : {"Command4_0", "Command4_0", "Command4_1", "Command4_0"}) {
            form.raise();
            form.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&form));
            click(button);
            frmRun* console = bench->console();
            QVERIFY(console && console->isVisible());
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(console));
            QCOMPARE(bench->consoleLines().last().second, QStringLiteral("■正常終了"));
        }
        // A minimised console comes back for the next run.
        bench->console()->showMinimized();
        click("Command4_0");
        QVERIFY(!bench->console()->isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(bench->console()));
    }

    // Each IN finds the console active with the focus in its text, even when the learner went to
    // the main window after the previous one (the window system activates a window when it gets to
    // it: the wait lets it).
    void eachInBringsTheConsoleForward() {
        QVERIFY(bench->enterRunMode(kTwoInputs));
        FormMain& form = bench->form();
        int waits = 0;
        bench->whenInputWaits([&](frmRun& console) {
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&console));
            QVERIFY(console.console().hasFocus());
            ++waits;
            form.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&form));
            RunFixture::typeLine(console, QStringLiteral("a"));
            bench->whenInputWaits([&](frmRun& again) {
                QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&again));
                QVERIFY(again.console().hasFocus());
                ++waits;
                RunFixture::typeLine(again, QStringLiteral("b"));
            });
        });
        click("Command4_0");
        QCOMPARE(waits, 2);
        QCOMPARE(bench->consoleLines().last().second, QStringLiteral("■正常終了"));
    }

    // Back in assemble mode, the console can still run the program: during the run no mode button
    // can be pressed, and afterwards "アセンブル" is yellow and disabled again, as the mode table has it.
    void aRunFromTheConsoleInAssembleModeKeepsTheModeTable() {
        QVERIFY(bench->enterRunMode(kEcho));
        bench->whenInputWaits([](frmRun& console) { RunFixture::typeLine(console, QStringLiteral("a")); });
        click("Command4_0");
        click("Command002");
        QCOMPARE(bench->form().currentMode(), Mode::Assemble);
        auto* edit = bench->button(QStringLiteral("Command001"));
        auto* assemble = bench->button(QStringLiteral("Command002"));
        auto* run = bench->button(QStringLiteral("Command003"));
        const QColor yellow(255, 255, 0);
        auto check = [&](bool editOn, bool runOn) {
            QCOMPARE(edit->isEnabled(), editOn);
            QVERIFY(!assemble->isEnabled());
            QCOMPARE(assemble->palette().color(QPalette::Button), yellow);
            QCOMPARE(run->isEnabled(), runOn);
        };
        check(true, true);
        bool checkedDuringTheRun = false;
        bench->whenInputWaits([&](frmRun& console) {
            check(false, false);
            checkedDuringTheRun = true;
            RunFixture::typeLine(console, QStringLiteral("b"));
        });
        consoleButton("Command5")->click();
        QVERIFY(checkedDuringTheRun);
        QCOMPARE(bench->consoleLines().last().second, QStringLiteral("■正常終了"));
        check(true, true);
    }

    void theConsoleKeepsItsSizeAndMargins() {
        QVERIFY(bench->enterRunMode(kEndless));
        bench->find<QAction>(QStringLiteral("mn54B"))->trigger();
        frmRun& console = *bench->console();
        const QSize design = console.size();
        QPlainTextEdit& text = console.console();
        const int right = console.width() - text.width();
        const int bottom = console.height() - text.height();
        QVERIFY(right > 0 && bottom > 0);
        console.resize(design.width() + 200, design.height() + 100);
        QCOMPARE(console.width() - text.width(), right);
        QCOMPARE(console.height() - text.height(), bottom);
        console.resize(100, 80);
        QCOMPARE(console.size(), design);
        QCOMPARE(text.width(), design.width() - right);
        QVERIFY(FixedFont::HasHalfWidthGrid(text.font()));
    }

    void keysThatMoveTheCaretAreDiscarded() {
        QVERIFY(bench->enterRunMode(kEcho));
        bench->whenInputWaits([](frmRun& console) { RunFixture::typeLine(console, QStringLiteral("z")); });
        click("Command4_0");
        ConsoleEdit& text = bench->console()->console();
        text.setFocus();
        const int end = text.textCursor().position();
        QCOMPARE(end, text.document()->characterCount() - 1);
        const QString before = text.toPlainText();
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp, Qt::Key_Right, Qt::Key_Down,
                            Qt::Key_PageDown, Qt::Key_Escape, Qt::Key_Tab}) {
            QTest::keyClick(&text, key);
            QCOMPARE(text.textCursor().position(), end);
        }
        QTest::keyClick(&text, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(text.toPlainText(), before);
        // Home still moves the caret, and text typed there is black.
        QTest::keyClick(&text, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(text.textCursor().position(), end);
        text.moveCursor(QTextCursor::PreviousBlock);
        text.moveCursor(QTextCursor::EndOfBlock);  // after the green end line
        QTest::keyClick(&text, Qt::Key_Home);
        const int home = text.textCursor().block().position();
        QCOMPARE(text.textCursor().position(), home);
        Type(&text, QStringLiteral("q"));
        QCOMPARE(ColourAt(*text.document(), home), colours::Black);
        // Later output goes in where the caret is.
        text.write(colours::Red, QStringLiteral("here"));
        text.flush();
        QCOMPARE(text.document()->findBlock(home).text(), QStringLiteral("qhere"));
        QCOMPARE(ColourAt(*text.document(), home + 1), colours::Red);
        QCOMPARE(text.document()->findBlock(home).next().text(), QStringLiteral("■正常終了"));
    }

    void theConsoleKeepsTheNewestLines() {
        ConsoleEdit text(nullptr);
        QString lines;
        for (int i = 0; i < ConsoleEdit::kMaximumLines - 1; ++i) lines += QStringLiteral("%1\n").arg(i);
        text.append(lines);
        text.flush(100'000);
        QVERIFY(text.hasPending());
        text.flush();
        QVERIFY(!text.hasPending());
        QCOMPARE(text.blockCount(), ConsoleEdit::kMaximumLines);  // and the empty line after the last
        text.write(colours::Blue, QStringLiteral("newest"));
        text.flush();
        QCOMPARE(text.blockCount(), ConsoleEdit::kMaximumLines / 2);
        QCOMPARE(text.document()->lastBlock().previous().text(), QStringLiteral("newest"));
        QCOMPARE(text.document()->firstBlock().text().toInt() + text.blockCount(),
                 ConsoleEdit::kMaximumLines + 1);
    }
};

int RunConsoleTest(int argc, char** argv) {
    ConsoleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ConsoleTest.moc"
