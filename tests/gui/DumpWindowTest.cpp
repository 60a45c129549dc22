// The memory dump window: opened from the run menu and the run panel's "ダンプ", both panels at the
// start and at the end of the user area, independent scrolling, and "閉じる".

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "RunFixture.h"
#include "gui/frmDump.h"

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

QStringList WordRow(frmDump& w, int row) {
    QStringList cells;
    for (int c = 0; c < 6; ++c) cells << w.wordCell(row, c);
    return cells;
}

}  // namespace

class DumpWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunFixture> bench;

    // Opens the window with the menu entry or button and lets the function work on it.
    void withWindow(const std::function<void()>& open, const std::function<void(frmDump&)>& work) {
        bool shown = false;
        bench->form().host().modalHandler = [&](QDialog& dialog) {
            shown = true;
            QCOMPARE(dialog.objectName(), QStringLiteral("frmDump"));
            work(static_cast<frmDump&>(dialog));
        };
        open();
        QVERIFY(shown);
    }
    void fromMenu(const std::function<void(frmDump&)>& work) {
        withWindow([this] { bench->find<QAction>(QStringLiteral("mn55"))->trigger(); }, work);
    }

  private slots:
    void init() {
        bench = std::make_unique<RunFixture>();
        bench->writeSettings([](Settings&) {});
        bench->start();
        QVERIFY(bench->enterRunMode(kProgram));
    }
    void cleanup() { bench.reset(); }

    void opensFromTheMenuAndTheRunPanel() {
        QAction* entry = bench->find<QAction>(QStringLiteral("mn55"));
        QCOMPARE(entry->text(), QStringLiteral("メモリダンプ(&D)"));
        QPushButton* button = bench->button(QStringLiteral("Command4_7"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("ダンプ"));
        QVERIFY(!bench->button(QStringLiteral("Command4_6")));
        fromMenu([](frmDump& w) { QCOMPARE(w.windowTitle(), QStringLiteral("メモリダンプ")); });
        withWindow([button] { button->click(); }, [](frmDump&) {});
    }

    void panelsStartAtTheAreaWithTheirHeadings() {
        fromMenu([](frmDump& w) {
            QCOMPARE(WordRow(w, 0),
                     (QStringList{"8000", "0001 0000 0001 0000 ", " +4112", " 4112", "#1010", "※"}));
            QCOMPARE(WordRow(w, 3),
                     (QStringList{"8003", "0000 0000 0000 0101 ", "    +5", "    5", "#0005", "※"}));
            QCOMPARE(WordRow(w, 4),
                     (QStringList{"8004", "1111 1111 1111 1111 ", "    -1", "65535", "#FFFF", "※"}));
            QCOMPARE(WordRow(w, 5),
                     (QStringList{"8005", "0000 0000 0100 0001 ", "   +65", "   65", "#0041", "Ａ"}));
            QCOMPARE(w.wordCell(15, 0), QStringLiteral("800F"));
            QCOMPARE(w.lineCell(0, 0), QStringLiteral("8000"));
            QVERIFY(w.lineCell(0, 1).startsWith(QStringLiteral("1010 8003 8100 0005 FFFF 0041 ")));
            QVERIFY(w.lineCell(0, 2).startsWith(QStringLiteral(".....A")));
            QCOMPARE(w.lineCell(15, 0), QStringLiteral("8078"));
            QStringList headings;
            for (const QLabel* label : w.findChildren<QLabel*>()) headings << label->text();
            for (const char* heading :
                 {"アドレス", "２進数", "算術10進", "論理10進", "16進", "文字", "#0000\n", "12345678\n文字"})
                QVERIFY2(headings.contains(QString::fromUtf8(heading)), heading);
            QVERIFY(
                headings.contains(QStringLiteral("0000 1111 2222 3333 4444 5555 6666 7777\n"
                                                 " 0/8  1/9  2/A  3/B  4/C  5/D  6/E  7/F")));
        });
    }

    void scrollBarsCoverTheAreaAndMoveTheirOwnPanel() {
        fromMenu([](frmDump& w) {
            auto* left = w.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
            auto* right = w.findChild<QScrollBar*>(QStringLiteral("VScroll2"));
            for (QScrollBar* bar : {left, right}) {
                QCOMPARE(bar->minimum(), 0);
                QCOMPARE(bar->maximum(), 4095);
                QCOMPARE(bar->value(), 0);
            }
            left->setValue(left->maximum());
            QCOMPARE(w.wordCell(0, 0), QStringLiteral("8FFF"));
            for (int r = 1; r < 16; ++r)
                for (int c = 0; c < 6; ++c) QVERIFY(w.wordCell(r, c).isEmpty());
            QCOMPARE(w.lineCell(0, 0), QStringLiteral("8000"));  // the right panel stays

            right->setValue(right->maximum());
            QCOMPARE(w.lineCell(0, 0), QStringLiteral("8FF8"));
            QCOMPARE(w.lineCell(0, 1).size(), 40);
            QCOMPARE(w.lineCell(1, 0), QStringLiteral("9000"));
            QVERIFY(w.lineCell(1, 1).isEmpty());
            QCOMPARE(w.wordCell(0, 0), QStringLiteral("8FFF"));  // the left panel stays

            left->setValue(3);
            QCOMPARE(w.wordCell(0, 0), QStringLiteral("8003"));
            QCOMPARE(left->value(), 3);
        });
    }

    void closeButtonClosesTheWindow() {
        fromMenu([](frmDump& w) {
            w.show();
            auto* close = w.findChild<QPushButton*>(QStringLiteral("Command1"));
            QCOMPARE(close->text(), QStringLiteral("閉じる"));
            close->click();
            QVERIFY(!w.isVisible());
            QCOMPARE(w.result(), int(QDialog::Accepted));
        });
    }

    void anAreaAt9000() {
        bench = std::make_unique<RunFixture>();
        bench->writeSettings([](Settings& s) { s.userStart = 0x9000; });
        bench->start();
        QVERIFY(bench->enterRunMode(kProgram));
        fromMenu([](frmDump& w) {
            QCOMPARE(w.wordCell(0, 0), QStringLiteral("9000"));
            QCOMPARE(w.wordCell(0, 4), QStringLiteral("#1010"));
            QCOMPARE(w.wordCell(1, 4), QStringLiteral("#9003"));
            auto* left = w.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
            left->setValue(left->maximum());
            QCOMPARE(w.wordCell(0, 0), QStringLiteral("9FFF"));
        });
    }
};

int RunDumpWindowTest(int argc, char** argv) {
    DumpWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DumpWindowTest.moc"
