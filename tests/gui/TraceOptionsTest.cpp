// The trace options window: its controls and defaults, the checks of the memory addresses, OK,
// "キャンセル" and the close box, and the trace that follows it into the console.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "RunFixture.h"
#include "gui/frmRun.h"
#include "gui/frmTrOption.h"

using namespace kv;
using namespace kv::testing;

namespace {

const QString kProgram = QStringLiteral(
    "MAIN      START\n"
    "          LD        GR1,DATA\n"
    "          RET\n"
    "DATA      DC        5\n"
    "          END\n");

using Shown = QPair<Rgb, QString>;

QStringList Items(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

}  // namespace

class TraceOptionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunFixture> bench;

    // Opens the window from the run menu and lets the function work on it.
    void withWindow(const std::function<void(frmTrOption&)>& work) {
        bool shown = false;
        bench->form().host().modalHandler = [&](QDialog& dialog) {
            shown = true;
            work(static_cast<frmTrOption&>(dialog));
        };
        bench->find<QAction>(QStringLiteral("mn58"))->trigger();
        QVERIFY(shown);
    }
    // Types an address text and presses OK; returns the box it caused, or an empty request.
    BoxRequest tryAddresses(const QString& text, bool& accepted) {
        BoxRequest box;
        withWindow([&](frmTrOption& window) {
            Control<QLineEdit>(window, "TextADR")->setText(text);
            const int before = bench->boxes.boxes.size();
            Control<QPushButton>(window, "Command1")->click();
            if (bench->boxes.boxes.size() > before) box = bench->boxes.boxes.last();
            accepted = window.result() == QDialog::Accepted;
        });
        return box;
    }

private slots:
    void init() {
        bench = std::make_unique<RunFixture>();
        bench->writeSettings([](Settings&) {});
        bench->start();
        QVERIFY(bench->enterRunMode(kProgram));
    }
    void cleanup() { bench.reset(); }

    void everyControlWithItsCaptionAndDefault() {
        withWindow([](frmTrOption& w) {
            QCOMPARE(w.windowTitle(), QStringLiteral("トレースオプション"));
            const QVector<std::tuple<const char*, QString, bool>> checks{
                {"CheckPR", QStringLiteral("プログラムレジスタ：PR"), false},
                {"CheckEA", QStringLiteral("実効アドレス：EA"), true},
                {"CheckMEA", QStringLiteral("実効アドレスの内容：M(EA)"), false},
                {"CheckFR3", QStringLiteral("３ビット表示"), true},
                {"CheckFRN", QStringLiteral("日本語表示"), true},
                {"CheckSP", QStringLiteral("スタックポインタ：SP"), true},
                {"CheckMSP", QStringLiteral("スタックの最上段アドレスの内容"), true},
                {"CheckPROG", QStringLiteral("プログラム行"), false},
                {"CheckFK", QStringLiteral("F式表記"), false},
                {"CheckFlg", QStringLiteral("トレース時に、この画面を毎回表示する。"), true},
            };
            for (const auto& [name, caption, on] : checks) {
                QCheckBox* box = Control<QCheckBox>(w, name);
                QVERIFY2(box, name);
                QCOMPARE(box->text(), caption);
                QCOMPARE(box->isChecked(), on);
            }
            // The registers the program names are chosen, each in hexadecimal.
            for (int i = 0; i < 8; ++i) {
                QCheckBox* box = w.findChild<QCheckBox*>(QStringLiteral("Check1_%1").arg(i));
                QCOMPARE(box->text(), QStringLiteral("GR%1").arg(i));
                QCOMPARE(box->isChecked(), i == 1);
                QComboBox* notation = w.findChild<QComboBox*>(QStringLiteral("Combo1_%1").arg(i));
                QCOMPARE(Items(notation),
                         (QStringList{QStringLiteral("２進数表示"), QStringLiteral("算術10進数表示"),
                                      QStringLiteral("論理10進数表示"), QStringLiteral("16進数表示"),
                                      QStringLiteral("文字表示")}));
                QCOMPARE(notation->currentIndex(), 3);
            }
            QComboBox* memory = Control<QComboBox>(w, "ComboADR");
            QCOMPARE(Items(memory).first(), QStringLiteral("2進数表示"));
            QCOMPARE(memory->currentText(), QStringLiteral("16進数表示"));
            QComboBox* stack = Control<QComboBox>(w, "ComboSP");
            QCOMPARE(Items(stack),
                     (QStringList{QStringLiteral("1語"), QStringLiteral("2語"), QStringLiteral("3語")}));
            QCOMPARE(stack->currentIndex(), 0);
            QVERIFY(Control<QLineEdit>(w, "TextADR")->text().isEmpty());
            QCOMPARE(Control<QPushButton>(w, "Command1")->text(), QStringLiteral("OK"));
            QCOMPARE(Control<QPushButton>(w, "Command2")->text(), QStringLiteral("キャンセル"));
            QStringList frames, labels;
            for (const QGroupBox* frame : w.findChildren<QGroupBox*>()) frames << frame->title();
            for (const QLabel* label : w.findChildren<QLabel*>()) labels << label->text();
            for (const char* frame :
                 {"アドレス", "フラグレジスタ：FR", "汎用レジスタ", "メモリ", "スタック", "ソース"})
                QVERIFY2(frames.contains(QString::fromUtf8(frame)), frame);
            for (const char* label :
                 {"■命令語のアドレス（必須）", "SPから", "アドレス", "#hhhh形式（hは16進数)で指定　",
                  "（カンマで区切って複数可）", "（ハイフンで範囲を指定可）"})
                QVERIFY2(labels.contains(QString::fromUtf8(label)), label);
            QVERIFY(w.TraceOptionsAccepted());
        });
    }

    void wrongAddressesKeepTheWindowOpen() {
        const QString title = QStringLiteral("アドレス指定エラー");
        const QString wrong = QStringLiteral("メモリのアドレス指定に誤りがあります。");
        bool accepted = true;
        BoxRequest box = tryAddresses(QStringLiteral("#8000-#800A"), accepted);
        QCOMPARE(box.title, title);
        QCOMPARE(box.text, wrong + QStringLiteral("\nメモリ内容のトレースは、１０語までです。"));
        QVERIFY(!accepted);
        box = tryAddresses(QStringLiteral("#8003-#8000"), accepted);
        QCOMPARE(box.text, QStringLiteral("メモリのアドレスの範囲指定に誤りがあります。"));
        QVERIFY(!accepted);
        for (const QString& text :
             {QStringLiteral("8000"), QStringLiteral("#7FFF"), QStringLiteral("#80001")}) {
            box = tryAddresses(text, accepted);
            QCOMPARE(box.title, title);
            QCOMPARE(box.text, wrong);
            QVERIFY(!accepted);
        }
        QVERIFY(bench->form().traceOptions().memoryRanges.isEmpty());
        QVERIFY(bench->form().traceOptions().memoryText.isEmpty());

        // A range and a single word, written in full-width characters, are five words.
        const int boxes = bench->boxes.boxes.size();
        box = tryAddresses(QStringLiteral("＃８０００－＃８００３，＃８０１０"), accepted);
        QVERIFY(accepted);
        QCOMPARE(bench->boxes.boxes.size(), boxes);
        const TraceOptions& o = bench->form().traceOptions();
        QCOMPARE(o.memoryRanges, (QVector<MemoryRange>{{0x8000, 0x8003}, {0x8010, 0x8010}}));
        QCOMPARE(o.memoryText, QStringLiteral("＃８０００－＃８００３，＃８０１０"));
        withWindow([](frmTrOption& w) {
            QCOMPARE(Control<QLineEdit>(w, "TextADR")->text(),
                     QStringLiteral("＃８０００－＃８００３，＃８０１０"));
        });
    }

    void cancelRefusesTheTraceAndTheCloseBoxKeepsTheOldOptions() {
        bench->form().host().modalHandler = [](QDialog& dialog) {
            dialog.findChild<QCheckBox*>(QStringLiteral("CheckPR"))->setChecked(true);
            dialog.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
        };
        bench->button(QStringLiteral("Command4_1"))->click();
        QVERIFY(bench->console() == nullptr);
        QVERIFY(!bench->form().traceOptions().nextAddress);

        bench->form().host().modalHandler = [](QDialog& dialog) {
            dialog.findChild<QCheckBox*>(QStringLiteral("CheckPR"))->setChecked(true);
            dialog.close();
            QVERIFY(static_cast<frmTrOption&>(dialog).TraceOptionsAccepted());
        };
        bench->button(QStringLiteral("Command4_1"))->click();
        QVERIFY(!bench->form().traceOptions().nextAddress);
        const QVector<Shown> lines = bench->consoleLines();
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], (Shown{colours::Green, QStringLiteral("■実行開始（トレース）")}));
        QCOMPARE(lines[1].second, QStringLiteral("ADDR  EA    FR ( 日 ) GR1   SP　　M(SP+0) "));
        QCOMPARE(lines[2].second, QStringLiteral("#8000 #8003 000( 正 ) #0005 #9000  #E000   "));
        QVERIFY(lines[3].second.startsWith(QStringLiteral("#8002 ")));
        QCOMPARE(lines[4], (Shown{colours::Green, QStringLiteral("■正常終了")}));
    }

    void changedOptionsChangeTheHeadingAndAreWrittenAtExit() {
        int shown = 0;
        bench->form().host().modalHandler = [&shown](QDialog& dialog) {
            ++shown;
            dialog.findChild<QCheckBox*>(QStringLiteral("CheckPR"))->setChecked(true);
            dialog.findChild<QCheckBox*>(QStringLiteral("CheckFRN"))->setChecked(false);
            dialog.findChild<QComboBox*>(QStringLiteral("Combo1_1"))->setCurrentIndex(2);
            dialog.findChild<QLineEdit*>(QStringLiteral("TextADR"))->setText(QStringLiteral("#8003"));
            dialog.findChild<QComboBox*>(QStringLiteral("ComboSP"))->setCurrentIndex(1);
            dialog.findChild<QCheckBox*>(QStringLiteral("CheckFlg"))->setChecked(false);
            dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        };
        bench->button(QStringLiteral("Command4_1"))->click();
        const QVector<Shown> lines = bench->consoleLines();
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[1],
                 (Shown{colours::Black,
                        QStringLiteral("ADDR  →PR  EA    FR      GR1   M8003 SP　　M(SP+0) M(SP+1) ")}));
        QCOMPARE(lines[2],
                 (Shown{colours::Black,
                        QStringLiteral("#8000 #8002 #8003 000         5 #0005 #9000  #E000   #????   ")}));

        // The window no longer shows before a trace; the console's "トレース" traces at once.
        QCOMPARE(shown, 1);
        bench->console()->findChild<QPushButton*>(QStringLiteral("Command6"))->click();
        QCOMPARE(shown, 1);
        QCOMPARE(bench->consoleLines().size(), 10);

        // The eleven kept options reach the settings file when the window closes.
        bench->form().close();
        Settings read;
        QVERIFY(ReadSettings(read, bench->path(QString::fromLatin1(kSettingsFileName))));
        const std::array<std::uint8_t, 11> expected{1, 1, 0, 1, 0, 1, 1, 1, 0, 0, 0};
        QCOMPARE(read.trace.options, expected);
    }
};

int RunTraceOptionsTest(int argc, char** argv) {
    TraceOptionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TraceOptionsTest.moc"
