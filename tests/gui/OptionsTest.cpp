// The options dialog: its tabs and controls filled from the settings, every control's way into the
// settings file, Apply, OK and "キャンセル", wrong entries that change nothing, the folder browser,
// the system commands, and a program assembled and run in a user area moved to #9000.

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTestSupport.h"
#include "RunFixture.h"
#include "gui/SourceEditor.h"
#include "gui/frmOptions.h"

using namespace kv;
using namespace kv::testing;

namespace {

const QString kProgram = QStringLiteral(
    "MAIN      START\n"
    "          LAD       GR1,DATA\n"
    "          OUT       MSG,LEN\n"
    "          RET\n"
    "DATA      DC        5\n"
    "MSG       DC        'Hi'\n"
    "LEN       DC        2\n"
    "          END\n");

QLineEdit* Field(QDialog& w, const char* name) {
    return Control<QLineEdit>(w, name);
}

void Click(QDialog& w, const char* name) {
    Control<QPushButton>(w, name)->click();
}

void EnterCommand(QDialog& w, const QString& command) {
    QLineEdit* text4 = Field(w, "Text4");
    text4->setText(command);
    QTest::keyClick(text4, Qt::Key_Return);
}

}  // namespace

class OptionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunFixture> bench;
    QString previousDirectory;

    void withWindow(const std::function<void(frmOptions&)>& work) {
        bool shown = false;
        bench->form().host().modalHandler = [&](QDialog& dialog) {
            shown = true;
            QCOMPARE(dialog.objectName(), QStringLiteral("frmOptions"));
            work(static_cast<frmOptions&>(dialog));
        };
        bench->find<QAction>(QStringLiteral("mn45"))->trigger();
        QVERIFY(shown);
    }
    Settings& settings() { return bench->session().settings; }

  private slots:
    void init() {
        previousDirectory = QDir::currentPath();
        bench = std::make_unique<RunFixture>();
        bench->writeSettings([](Settings&) {});
        bench->start();
    }
    void cleanup() {
        bench.reset();
        QDir::setCurrent(previousDirectory);
    }

    void tabsAndControlsFromTheSettings() {
        QCOMPARE(bench->find<QAction>(QStringLiteral("mn45"))->text(), QStringLiteral("オプション(&O)"));
        withWindow([this](frmOptions& w) {
            QCOMPARE(w.windowTitle(), QStringLiteral("オプション"));
            auto* tabs = Control<QTabWidget>(w, "SSTab900");
            QCOMPARE(tabs->count(), 3);
            QCOMPARE(tabs->tabText(0), QStringLiteral("全般"));
            QCOMPARE(tabs->tabText(1), QStringLiteral("COMETⅡ"));
            QCOMPARE(tabs->tabText(2), QStringLiteral("その他"));
            QVERIFY(Control<QRadioButton>(w, "Option1_0")->isChecked());
            QCOMPARE(Control<QRadioButton>(w, "Option1_0")->text(),
                     QStringLiteral("構造化エディタ（文法チェックと整形処理あり）"));
            QCOMPARE(Control<QRadioButton>(w, "Option1_1")->text(),
                     QStringLiteral("普通のエディタ（字下げなどが必要な場合）"));
            QCOMPARE(Control<QCheckBox>(w, "Check3")->text(),
                     QStringLiteral("起動時にウィンドウを最大化する。"));
            QCOMPARE(Control<QCheckBox>(w, "Check1")->text(),
                     QStringLiteral("起動時に「初期ファイル.txt」を読み込む。"));
            QVERIFY(!Control<QCheckBox>(w, "Check3")->isChecked());
            QVERIFY(!Control<QCheckBox>(w, "Check1")->isChecked());
            QCOMPARE(Field(w, "Text3")->text(), bench->folder());
            QCOMPARE(Field(w, "Text1")->text(), QStringLiteral("#8000"));
            QCOMPARE(Control<QLabel>(w, "Label4")->text(), QStringLiteral("#8FFF"));
            QCOMPARE(Control<QLabel>(w, "Label6")->text(), QStringLiteral("4096"));
            QCOMPARE(Field(w, "Text2")->text(), QStringLiteral("#7FFF"));
            QVERIFY(Field(w, "Text4")->text().isEmpty());
            QCOMPARE(Control<QCheckBox>(w, "Check2")->text(),
                     QStringLiteral("同じ値は、DC行を重複させない。"));
            auto* slider = Control<QSlider>(w, "Slider1");
            QCOMPARE(slider->value(), 7);
            QCOMPARE(slider->minimum(), 0);
            QCOMPARE(slider->maximum(), 10);
            QCOMPARE(slider->singleStep(), 1);
            QCOMPARE(slider->pageStep(), 5);
            QVERIFY(Control<QRadioButton>(w, "Option32_0")->isChecked());
            QCOMPARE(Control<QRadioButton>(w, "Option32_0")->text(), QStringLiteral("表示する"));
            QCOMPARE(Control<QRadioButton>(w, "Option32_1")->text(), QStringLiteral("表示しない"));
            QVERIFY(Control<QRadioButton>(w, "Option31_0")->isChecked());
            QCOMPARE(Control<QRadioButton>(w, "Option31_0")->text(),
                     QStringLiteral("変換前の行と変換後の行をコメントで示す"));
            QCOMPARE(Control<QRadioButton>(w, "Option31_1")->text(), QStringLiteral("コメントを残さない"));
            QCOMPARE(Control<QPushButton>(w, "cmdOK")->text(), QStringLiteral("OK"));
            QCOMPARE(Control<QPushButton>(w, "cmdCancel")->text(), QStringLiteral("キャンセル"));
            QCOMPARE(Control<QPushButton>(w, "Command1")->text(), QStringLiteral("適用"));
            QCOMPARE(Control<QPushButton>(w, "Command2")->text(), QStringLiteral("参照"));
            QStringList frames, labels;
            for (const QGroupBox* frame : w.findChildren<QGroupBox*>()) frames << frame->title();
            for (const QLabel* label : w.findChildren<QLabel*>()) labels << label->text();
            for (const char* frame :
                 {"エディタ", "起動時の設定", "CASLⅡのソースプログラムのフォルダ", "ユーザメモリなど",
                  "システムオプション（通常は、触らないでください）", "リテラルから生成されるDC行",
                  "オート実行時の速度", "実行モードのF式表記", "CASL→CASLⅡ変換"})
                QVERIFY2(frames.contains(QString::fromUtf8(frame)), frame);
            for (const char* label :
                 {"次期バージョンでサポート予定です。",
                  "前回、終了時のプログラムを読み込むかどうかの指定です。", "ユーザメモリ領域",
                  "（#0000～#9000の16進数で指定）", "先頭アドレス", "までの", "GRとDS確保領域の初期値",
                  "（#hhhhの16進数で指定）", "速い", "遅い"})
                QVERIFY2(labels.contains(QString::fromUtf8(label)), label);
        });
    }

    // Every control changed, OK, and the settings file written and read again.
    void everyControlGoesThroughTheSettingsFile() {
        QTemporaryDir other;
        withWindow([&](frmOptions& w) {
            QTest::mouseClick(Control<QRadioButton>(w, "Option1_1"), Qt::LeftButton);
            Control<QCheckBox>(w, "Check3")->setChecked(true);
            Control<QCheckBox>(w, "Check1")->setChecked(true);
            Field(w, "Text3")->setText(other.path());
            Field(w, "Text1")->setText(QStringLiteral("#1000"));
            Field(w, "Text2")->setText(QStringLiteral("#0000"));
            Control<QSlider>(w, "Slider1")->setValue(3);
            QTest::mouseClick(Control<QRadioButton>(w, "Option32_1"), Qt::LeftButton);
            QTest::mouseClick(Control<QRadioButton>(w, "Option31_1"), Qt::LeftButton);
            Field(w, "Text4")->setText(QStringLiteral("leng 3,15"));
            Click(w, "cmdOK");
            QCOMPARE(w.result(), int(QDialog::Accepted));
        });
        QVERIFY(bench->boxes.boxes.isEmpty());
        QCOMPARE(QDir::current(), QDir(other.path()));
        const QString file = bench->path(QStringLiteral("written.inis"));
        QVERIFY(WriteSettings(settings(), file));
        Settings read;
        SetDefaults(read, 15.0, bench->folder());
        QVERIFY(ReadSettings(read, file));
        QCOMPARE(read.editorKind, 2);
        QCOMPARE(read.maximiseAtStart, 1);
        QCOMPARE(read.loadInitialFile, 1);
        QCOMPARE(read.sourceFolder, other.path());
        QCOMPARE(read.userStart, 0x1000);
        QCOMPARE(read.initialValue, 0);
        QCOMPARE(read.autoSpeed, 3);
        QCOMPARE(read.fNotationInRunMode, 0);
        QCOMPARE(read.conversionComments, 0);
        QCOMPARE(read.operandWidth, 15);
        // The machine and the assembler follow.
        QCOMPARE(bench->session().machine.userStart, 0x1000);
        QCOMPARE(bench->session().machine.userEnd, 0x1FFF);
        QCOMPARE(bench->session().machine.grInitialValue, 0);
        QCOMPARE(bench->session().assembly.locationCounter, 0x1000);
        QCOMPARE(bench->form().editor().tabStops().third, 10 + 10 + 15);

        // Opened again, the controls show the new settings.
        withWindow([&](frmOptions& w) {
            QVERIFY(Control<QRadioButton>(w, "Option1_1")->isChecked());
            QCOMPARE(Field(w, "Text1")->text(), QStringLiteral("#1000"));
            QCOMPARE(Control<QLabel>(w, "Label4")->text(), QStringLiteral("#1FFF"));
            QCOMPARE(Control<QSlider>(w, "Slider1")->value(), 3);
            QVERIFY(Control<QRadioButton>(w, "Option32_1")->isChecked());
            QVERIFY(Control<QRadioButton>(w, "Option31_1")->isChecked());
        });
    }

    void applyKeepsTheDialogOpen() {
        withWindow([this](frmOptions& w) {
            w.show();
            Field(w, "Text1")->setText(QStringLiteral("#9000"));
            Click(w, "Command1");
            QVERIFY(w.isVisible());
            QCOMPARE(settings().userStart, 0x9000);
            QCOMPARE(Control<QLabel>(w, "Label4")->text(), QStringLiteral("#9FFF"));
            Click(w, "cmdOK");
            QVERIFY(!w.isVisible());
        });
    }

    // "キャンセル" after Apply and an accepted system command: every setting and the folder back.
    void cancelPutsEverythingBack() {
        QTemporaryDir other;
        const QString directory = QDir::currentPath();
        withWindow([&](frmOptions& w) {
            Field(w, "Text3")->setText(other.path());
            Field(w, "Text1")->setText(QStringLiteral("#9000"));
            Field(w, "Text2")->setText(QStringLiteral("#1234"));
            Control<QCheckBox>(w, "Check1")->setChecked(true);
            Control<QSlider>(w, "Slider1")->setValue(0);
            Click(w, "Command1");
            EnterCommand(w, QStringLiteral("leng 1,12"));
            EnterCommand(w, QStringLiteral("fr 0"));
            QCOMPARE(settings().labelWidth, 12);
            QCOMPARE(bench->form().editor().tabStops().first, 12);
            Click(w, "cmdCancel");
            QCOMPARE(w.result(), int(QDialog::Rejected));
        });
        const Settings& s = settings();
        QCOMPARE(s.userStart, 0x8000);
        QCOMPARE(s.initialValue, 0x7FFF);
        QCOMPARE(s.sourceFolder, bench->folder());
        QCOMPARE(s.loadInitialFile, 0);
        QCOMPARE(s.autoSpeed, 7);
        QCOMPARE(s.labelWidth, 10);
        QCOMPARE(s.frSwitch, 1);
        QCOMPARE(QDir::currentPath(), directory);
        QCOMPARE(bench->session().machine.userStart, 0x8000);
        QCOMPARE(bench->session().machine.grInitialValue, 0x7FFF);
        QCOMPARE(bench->form().editor().tabStops().first, 10);
    }

    void wrongEntriesChangeNothing() {
        struct Case {
            const char* field;
            QString text;
            QString box;
        };
        const QString folderBox = QStringLiteral("指定されたフォルダが存在しません。");
        const QString startBox = QStringLiteral("先頭アドレスが不正です");
        const QString initialBox = QStringLiteral("GRの初期値が不正です");
        const QVector<Case> cases{
            {"Text3", bench->path(QStringLiteral("nothere")), folderBox},
            {"Text3", QString(), folderBox},
            {"Text1", QStringLiteral("#9001"), startBox},
            {"Text1", QStringLiteral("8000"), startBox},
            {"Text1", QStringLiteral("#8abc"), startBox},
            {"Text1", QString(), startBox},
            {"Text1", QStringLiteral("-1"), startBox},
            {"Text1", QStringLiteral("#99999999"), startBox},
            {"Text2", QStringLiteral("abc"), initialBox},
            {"Text2", QString(), initialBox},
            {"Text2", QStringLiteral("-32768"), initialBox},
        };
        for (const Case& c : cases) {
            bench->boxes.boxes.clear();
            withWindow([&](frmOptions& w) {
                w.show();
                Control<QCheckBox>(w, "Check3")->setChecked(true);
                Field(w, "Text2")->setText(QStringLiteral("#0001"));
                Field(w, "Text1")->setText(QStringLiteral("#1000"));
                Field(w, c.field)->setText(c.text);
                Click(w, "cmdOK");
                QVERIFY(w.isVisible());
                QCOMPARE(Field(w, c.field)->text(), c.text);
            });
            QCOMPARE(bench->boxes.boxes.size(), 1);
            QCOMPARE(bench->boxes.boxes[0].text, c.box);
            QCOMPARE(settings().maximiseAtStart, 0);
            QCOMPARE(settings().userStart, 0x8000);
            QCOMPARE(settings().initialValue, 0x7FFF);
        }
    }

    void theFolderBrowserFillsTheFolder() {
        bench->folderAnswers.push_back(QStringLiteral("/tmp"));
        withWindow([](frmOptions& w) {
            Click(w, "Command2");
            QCOMPARE(Field(w, "Text3")->text(), QStringLiteral("/tmp"));
            Field(w, "Text3")->setText(QStringLiteral("/keep"));
            Click(w, "Command2");  // cancelled: the text stays
            QCOMPARE(Field(w, "Text3")->text(), QStringLiteral("/keep"));
        });
    }

    void systemCommandsRunWithEnter() {
        struct Case {
            QString command;
            QString title, text;  // the box; none for an ignored command
        };
        const QString accepted = QStringLiteral("システムコマンドを受けつけました。");
        const QString title = QStringLiteral("システムコマンド ");
        const QString error = QStringLiteral("システムコマンドエラー");
        const QVector<Case> cases{
            {QStringLiteral("leng 1,12"), title, accepted},
            {QStringLiteral("leng 2 8"), title, accepted},
            {QStringLiteral("leng 1,7"), error, QStringLiteral("システムコマンドのパラメータエラーです。")},
            {QStringLiteral("size 3"), error,
             QStringLiteral("このシステムコマンドは、サポートされていません。")},
            {QStringLiteral("font 1,24"), title, accepted},
            {QStringLiteral("fr 0"), title, accepted},
            {QStringLiteral("debug 80,1"), title, accepted},
            {QStringLiteral("leng"), QString(), QString()},
        };
        withWindow([&](frmOptions& w) {
            w.show();
            for (const Case& c : cases) {
                bench->boxes.boxes.clear();
                EnterCommand(w, c.command);
                QVERIFY(w.isVisible());
                QVERIFY(Field(w, "Text4")->text().isEmpty());
                if (c.title.isEmpty()) {
                    QVERIFY(bench->boxes.boxes.isEmpty());
                    continue;
                }
                QCOMPARE(bench->boxes.boxes.size(), 1);
                QCOMPARE(bench->boxes.boxes[0].title, c.title);
                QCOMPARE(bench->boxes.boxes[0].text.section(QLatin1Char('\n'), 0, 0), c.text);
            }
            Click(w, "cmdOK");
        });
        const Settings& s = settings();
        QCOMPARE(s.labelWidth, 12);
        QCOMPARE(s.instructionWidth, 8);
        QCOMPARE(s.largeFontSize, 24);
        QCOMPARE(s.frSwitch, 0);
        QCOMPARE(s.debug[80], 1);
        QCOMPARE(bench->form().editor().tabStops().first, 12);
        QCOMPARE(bench->form().editor().tabStops().second, 20);
        // The column captions follow the new widths.
        QLabel* label = bench->find<QLabel>(QStringLiteral("Label101"));
        QLabel* measure = bench->find<QLabel>(QStringLiteral("Label199"));
        measure->setText(QString(12, QLatin1Char('A')));
        measure->adjustSize();
        QCOMPARE(label->width(), measure->width());
    }

    // The panes show the medium size: "font 2,16" changes it, and the menu's check stays on "中".
    void theFontCommandResizesThePanes() {
        withWindow([](frmOptions& w) { EnterCommand(w, QStringLiteral("font 2,16")); });
        QCOMPARE(settings().paneFontSize, 16);
        QVERIFY(bench->find<QAction>(QStringLiteral("mn312"))->isChecked());
        QCOMPARE(bench->form().editor().font().pixelSize(),
                 FixedFont::Choose(bench->twips().dotsPerInch()).at(16).pixelSize());
    }

    void aProgramAssemblesAndRunsInTheAreaAt9000() {
        withWindow([](frmOptions& w) {
            Field(w, "Text1")->setText(QStringLiteral("#9000"));
            Click(w, "cmdOK");
        });
        QVERIFY(bench->enterRunMode(kProgram));
        MachineState& m = bench->session().machine;
        QCOMPARE(m.userStart, 0x9000);
        QCOMPARE(m.entryAddress, 0x9000);
        QCOMPARE(m.SP, 0xA000);
        bench->button(QStringLiteral("Command4_0"))->click();
        QCoreApplication::processEvents();
        const auto lines = bench->consoleLines();
        QVERIFY(!lines.isEmpty());
        QVERIFY(lines.contains({colours::Blue, QStringLiteral("Hi")}));
        QCOMPARE(lines.last(), (QPair<Rgb, QString>{colours::Green, QStringLiteral("■正常終了")}));
        QCOMPARE(m.GR[1], 0x9000 + 2 + 12 + 1);  // LAD (2 words), OUT (12 words), RET, then DATA
        QCOMPARE(m.word(m.GR[1]), 5);
    }
};

int RunOptionsTest(int argc, char** argv) {
    OptionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "OptionsTest.moc"
