// The advanced dump's options window: its controls and defaults, the layouts with their frames and
// yellow highlight, the label list and the typed address, the checks of OK, the three dumps in the
// console, and the entries kept after a dump and dropped after "キャンセル".

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "GuiTestSupport.h"
#include "RunFixture.h"
#include "gui/frmDmpOption.h"
#include "gui/frmRun.h"

using namespace kv;
using namespace kv::testing;

namespace {

// MAIN at #8000: LD GR1,DATA (#1010 #8003), RET (#8100), DATA: 5, -1, 'A'.
const QString kProgram = QStringLiteral(
    "MAIN      START\n"
    "          LD        GR1,DATA\n"
    "          RET\n"
    "DATA      DC        5,-1,'A'\n"
    "          END\n");

using Shown = QPair<Rgb, QString>;

QLineEdit* Text(QDialog& w, int n) {
    return Control<QLineEdit>(w, QStringLiteral("Text%1").arg(n));
}

QRadioButton* Option(QDialog& w, int array, int index) {
    return Control<QRadioButton>(w, QStringLiteral("Option%1_%2").arg(array).arg(index));
}

bool Yellow(QRadioButton* button) {
    return button->palette().color(QPalette::Window) == QColor(255, 255, 0);
}

}  // namespace

class DumpOptionsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunFixture> bench;

    // Opens the window from the run menu (after the console) and lets the function work on it.
    void withWindow(const std::function<void(frmDmpOption&)>& work) {
        bool shown = false;
        bench->form().host().modalHandler = [&](QDialog& dialog) {
            shown = true;
            QCOMPARE(dialog.objectName(), QStringLiteral("frmDmpOption"));
            work(static_cast<frmDmpOption&>(dialog));
        };
        bench->find<QAction>(QStringLiteral("mn55A"))->trigger();
        QVERIFY(shown);
        QCoreApplication::processEvents();
    }
    // The console's lines from the dump's title on.
    QVector<Shown> dumpLines() {
        QVector<Shown> lines = bench->consoleLines();
        while (!lines.isEmpty() && !lines.first().second.startsWith(QStringLiteral("■"))) lines.removeFirst();
        return lines;
    }
    void ok(QDialog& w) { Control<QPushButton>(w, QStringLiteral("OKButton"))->click(); }

  private slots:
    void init() {
        bench = std::make_unique<RunFixture>();
        bench->writeSettings([](Settings&) {});
        bench->start();
        QVERIFY(bench->enterRunMode(kProgram));
    }
    void cleanup() { bench.reset(); }

    void controlsAndDefaults() {
        withWindow([this](frmDmpOption& w) {
            QVERIFY(bench->console() && bench->console()->isVisible());
            QCOMPARE(w.windowTitle(), QStringLiteral("高機能メモリダンプのオプション"));
            const QStringList fields{"#8000", "16", "5", "5", "1", "16"};
            for (int n = 1; n <= 6; ++n) QCOMPARE(Text(w, n)->text(), fields[n - 1]);
            QVERIFY(!Text(w, 1)->toolTip().isEmpty());
            const QStringList layouts{"基数ダンプ", "２次元配列ダンプ", "ビットダンプ"};
            for (int i = 0; i < 3; ++i) QCOMPARE(Option(w, 1, i)->text(), layouts[i]);
            const QStringList columns{"２進数", "算術10進数", "論理10進数", "16進数", "文字"};
            for (int i = 0; i < 5; ++i) {
                auto* box = Control<QCheckBox>(w, QStringLiteral("Check1_%1").arg(i));
                QCOMPARE(box->text(), columns[i]);
                QVERIFY(box->isChecked());
            }
            const QStringList notations{"算術10進数", "論理10進数", "16進数", "文字"};
            for (int i = 0; i < 4; ++i) QCOMPARE(Option(w, 2, i)->text(), notations[i]);
            QVERIFY(Option(w, 2, 0)->isChecked());
            QCOMPARE(Option(w, 3, 0)->text(), QStringLiteral("１と０で表示"));
            QCOMPARE(Option(w, 3, 1)->text(), QStringLiteral("１は■、0は□で表示"));
            QVERIFY(Option(w, 3, 0)->isChecked());
            QStringList labels;
            for (const QLabel* label : w.findChildren<QLabel*>()) labels << label->text();
            for (const char* text :
                 {"先頭アドレス", "(#hhhh　16進数４けたで指定）", "(10進数で指定。256語以内）", "１行の語数",
                  "(10進数で指定。20語以内）", "(10進数で指定。50行以内）", "(10進数で指定。５語以内）",
                  "OKを押すとコンソールに出力されます。"})
                QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
            // The label list is the run panel's.
            auto* combo = Control<QComboBox>(w, QStringLiteral("Combo1"));
            auto* panelList = bench->find<QComboBox>(QStringLiteral("Combo460"));
            QCOMPARE(combo->count(), panelList->count());
            QVERIFY(combo->count() >= 2);
            for (int i = 0; i < combo->count(); ++i) QCOMPARE(combo->itemText(i), panelList->itemText(i));
            QCOMPARE(combo->currentIndex(), 0);
        });
    }

    void aLayoutIsYellowAndOnlyItsFrameIsEnabled() {
        withWindow([](frmDmpOption& w) {
            for (int chosen : {0, 1, 2, 0}) {
                QTest::mouseClick(Option(w, 1, chosen), Qt::LeftButton);
                for (int i = 0; i < 3; ++i) {
                    QCOMPARE(Option(w, 1, i)->isChecked(), i == chosen);
                    QCOMPARE(Yellow(Option(w, 1, i)), i == chosen);
                    QCOMPARE(Control<QGroupBox>(w, QStringLiteral("Frame%1").arg(i + 1))->isEnabled(),
                             i == chosen);
                }
            }
        });
    }

    void radixDumpIntoTheConsole() {
        withWindow([this](frmDmpOption& w) {
            Text(w, 1)->setText(QStringLiteral("#8003"));
            Text(w, 2)->setText(QStringLiteral("3"));
            Control<QCheckBox>(w, QStringLiteral("Check1_0"))->setChecked(false);
            Control<QCheckBox>(w, QStringLiteral("Check1_2"))->setChecked(false);
            ok(w);
            QCOMPARE(w.result(), int(QDialog::Accepted));
            QVERIFY(bench->boxes.boxes.isEmpty());
        });
        const QVector<Shown> expected{
            {colours::Green, QStringLiteral("■基数ダンプ")},
            {colours::Black, QStringLiteral("  ADDR：  算10進   16進  字")},
            {colours::Black, QStringLiteral("　8003：　      +5  #0005  ※")},
            {colours::Black, QStringLiteral("　8004：　      -1  #FFFF  ※")},
            {colours::Black, QStringLiteral("　8005：　     +65  #0041  Ａ")},
            {colours::Green, QStringLiteral("■表示終了")},
        };
        QCOMPARE(dumpLines(), expected);
    }

    void arrayAndBitDumpsRunningPastTheEnd() {
        withWindow([this](frmDmpOption& w) {
            QTest::mouseClick(Option(w, 1, 1), Qt::LeftButton);
            Text(w, 1)->setText(QStringLiteral("#8FFE"));
            Text(w, 3)->setText(QStringLiteral("2"));
            Text(w, 4)->setText(QStringLiteral("2"));
            QTest::mouseClick(Option(w, 2, 2), Qt::LeftButton);
            bench->session().machine.word(0x8FFE) = 0x1234;
            bench->session().machine.word(0x8FFF) = 0xABCD;
            ok(w);
        });
        QVector<Shown> expected{
            {colours::Green, QStringLiteral("■２次元配列ダンプ")},
            {colours::Black, QStringLiteral("  ADDR：  16進数")},
            {colours::Black, QStringLiteral("　8FFE：　 #1234 #ABCD")},
            {colours::Black, QStringLiteral("　9000：　")},
            {colours::Green, QStringLiteral("■表示終了")},
        };
        QCOMPARE(dumpLines(), expected);

        bench->console()->findChild<QPushButton*>(QStringLiteral("Command1"))->click();  // 画面消去
        withWindow([this](frmDmpOption& w) {
            // The entries of the last dump are still there.
            QVERIFY(Option(w, 1, 1)->isChecked());
            QCOMPARE(Text(w, 1)->text(), QStringLiteral("#8FFE"));
            QTest::mouseClick(Option(w, 1, 2), Qt::LeftButton);
            Text(w, 1)->setText(QStringLiteral("#8FFF"));
            Text(w, 5)->setText(QStringLiteral("1"));
            Text(w, 6)->setText(QStringLiteral("2"));
            QTest::mouseClick(Option(w, 3, 1), Qt::LeftButton);
            ok(w);
        });
        expected = {
            {colours::Green, QStringLiteral("■ビットダンプ")},
            {colours::Black, QStringLiteral("  ADDR：  　図形表示  ")},
            {colours::Black, QStringLiteral("　8FFF：　 ■□■□■□■■■■□□■■□■")},
            {colours::Black, QStringLiteral("　9000：　")},
            {colours::Green, QStringLiteral("■表示終了")},
        };
        QCOMPARE(dumpLines(), expected);
    }

    void checksOfOkKeepTheWindowOpenWithTheEntries() {
        struct Case {
            int layout;
            int field;
            QString text;
            QString title, message;
        };
        const QString address = QStringLiteral("アドレス指定エラー");
        const QString parameter = QStringLiteral("パラメータ指定エラー");
        const QVector<Case> cases{
            {0, 1, QStringLiteral("#8abc"), address, QStringLiteral("先頭アドレスの指定に誤りがあります。")},
            {0, 1, QStringLiteral("#9000"), address, QStringLiteral("先頭アドレスの指定に誤りがあります。")},
            {0, 1, QStringLiteral("8000"), address, QStringLiteral("先頭アドレスの指定に誤りがあります。")},
            {0, 2, QStringLiteral("257"), parameter, QStringLiteral("語数の指定に誤りがあります。")},
            {0, 2, QStringLiteral("abc"), parameter, QStringLiteral("語数の指定に誤りがあります。")},
            {1, 3, QStringLiteral("21"), parameter, QStringLiteral("１行の語数の指定に誤りがあります。")},
            {1, 4, QStringLiteral("-1"), parameter, QStringLiteral("行数の指定に誤りがあります。")},
            {2, 5, QStringLiteral("6"), parameter, QStringLiteral("１行の語数の指定に誤りがあります。")},
            {2, 6, QString(), parameter, QStringLiteral("行数の指定に誤りがあります。")},
        };
        withWindow([&](frmDmpOption& w) {
            for (const Case& c : cases) {
                const DumpEntries defaults = DefaultDumpEntries(bench->session().machine);
                w.setEntries(defaults);
                QTest::mouseClick(Option(w, 1, c.layout), Qt::LeftButton);
                Text(w, c.field)->setText(c.text);
                bench->boxes.boxes.clear();
                ok(w);
                QCOMPARE(bench->boxes.boxes.size(), 1);
                QCOMPARE(bench->boxes.boxes[0].title, c.title);
                QCOMPARE(bench->boxes.boxes[0].text, c.message);
                QCOMPARE(bench->boxes.boxes[0].buttons, BoxButtons::Ok);
                QVERIFY(w.result() != QDialog::Accepted);
                QCOMPARE(Text(w, c.field)->text(), c.text);
            }
        });
        QVERIFY(dumpLines().isEmpty());
    }

    // Choosing a label writes its address into the start address; a typed address wins over it.
    void theTypedAddressWins() {
        withWindow([this](frmDmpOption& w) {
            auto* combo = Control<QComboBox>(w, QStringLiteral("Combo1"));
            const int data = combo->findText(QStringLiteral("DATA"), Qt::MatchContains);
            QVERIFY(data > 0);
            combo->setCurrentIndex(data);
            emit combo->activated(data);
            QCOMPARE(Text(w, 1)->text(), QStringLiteral("#8003"));
            Text(w, 1)->setText(QStringLiteral("#8001"));
            Text(w, 2)->setText(QStringLiteral("1"));
            ok(w);
        });
        const QVector<Shown> lines = dumpLines();
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[2].second.startsWith(QStringLiteral("　8001：　")));
    }

    // Nothing assembled: the typed address is used. Labels kept from before the area moved point
    // outside it: the address box.
    void anEmptyOrOutdatedLabelList() {
        bench->session().assembly.labelList.clear();
        withWindow([this](frmDmpOption& w) {
            QCOMPARE(Control<QComboBox>(w, QStringLiteral("Combo1"))->count(), 0);
            Text(w, 2)->setText(QStringLiteral("1"));
            ok(w);
            QCOMPARE(w.result(), int(QDialog::Accepted));
        });
        QVector<Shown> lines = dumpLines();
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[2].second.startsWith(QStringLiteral("　8000：　")));

        bench->session().assembly.labelList = {{QStringLiteral("　OLD（7000）"), 0x7000}};
        withWindow([this](frmDmpOption& w) {
            auto* combo = Control<QComboBox>(w, QStringLiteral("Combo1"));
            QCOMPARE(combo->count(), 1);
            emit combo->activated(0);
            QCOMPARE(Text(w, 1)->text(), QStringLiteral("#7000"));
            ok(w);
            QCOMPARE(bench->boxes.boxes.size(), 1);
            QCOMPARE(bench->boxes.boxes[0].title, QStringLiteral("アドレス指定エラー"));
            Control<QPushButton>(w, QStringLiteral("CancelButton"))->click();
        });
    }

    // "キャンセル" ends the window: the next one starts from the defaults. The console's "ダンプ"
    // opens the same window.
    void cancelStartsTheNextOneFromTheDefaults() {
        withWindow([this](frmDmpOption& w) {
            Text(w, 2)->setText(QStringLiteral("7"));
            ok(w);
        });
        withWindow([](frmDmpOption& w) {
            QCOMPARE(Text(w, 2)->text(), QStringLiteral("7"));
            Text(w, 2)->setText(QStringLiteral("9"));
            QTest::mouseClick(Option(w, 1, 2), Qt::LeftButton);
            Control<QPushButton>(w, QStringLiteral("CancelButton"))->click();
            QCOMPARE(w.result(), int(QDialog::Rejected));
        });
        bool shown = false;
        bench->form().host().modalHandler = [&](QDialog& dialog) {
            shown = true;
            auto& w = static_cast<frmDmpOption&>(dialog);
            QCOMPARE(Text(w, 2)->text(), QStringLiteral("16"));
            QVERIFY(Option(w, 1, 0)->isChecked());
        };
        QPushButton* dump = bench->console()->findChild<QPushButton*>(QStringLiteral("Command7"));
        QCOMPARE(dump->text(), QStringLiteral("ダンプ"));
        QCOMPARE(dump->toolTip(), QStringLiteral("高機能メモリダンプ。"));
        dump->click();
        QVERIFY(shown);
    }
};

int RunDumpOptionsTest(int argc, char** argv) {
    DumpOptionsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DumpOptionsTest.moc"
