// The run panel at the window's default size and the three font sizes: the program-line list shows
// whole lines up to the end of the operand column, the tab control gives way, the wheel scrolls the
// list; and the keys of the run buttons.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include "RunFixture.h"
#include "gui/RunPanel.h"
#include "gui/frmRun.h"

using namespace kv;
using namespace kv::testing;

namespace {

// Lines whose operands reach column 40, and enough of them to scroll.
QString LongLines() {
    QString text = QStringLiteral("MAIN      START\n");
    for (int i = 0; i < 30; ++i)
        text += QStringLiteral("L%1       DC        'ABCDEFGHIJKLMNOPQR'  ;コメント\n")
                    .arg(i, 2, 10, QLatin1Char('0'));
    return text + QStringLiteral("          RET\n          END\n");
}

const QString kOutLoop = QStringLiteral(
    "MAIN      START\n"
    "          LAD       GR1,3\n"
    "LOOP      OUT       MSG,LEN\n"
    "          SUBA      GR1,=1\n"
    "          JPL       LOOP\n"
    "          RET\n"
    "MSG       DC        'Hi'\n"
    "LEN       DC        2\n"
    "          END\n");

}  // namespace

class RunPanelLayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunFixture> bench;

    RunPanel& panel() { return bench->form().runPanel(); }
    QLabel* source(int row) { return bench->label(QStringLiteral("Label402_%1").arg(row)); }
    QWidget* widget(const char* name) { return bench->find<QWidget>(QString::fromLatin1(name)); }

  private slots:
    void init() {
        bench = std::make_unique<RunFixture>();
        bench->writeSettings([](Settings&) {});
        bench->start();
    }
    void cleanup() { bench.reset(); }

    // The default window is 800 pixels wide and as high as the smallest window may be.
    void wholeLinesShowAtTheDefaultSizeInEveryFontSize() {
        FormMain& form = bench->form();
        QCOMPARE(form.width(), 800);
        QCOMPARE(form.height(), bench->twips().toPixelsAtLeast(8600));
        QVERIFY(bench->enterRunMode(LongLines()));
        for (const char* entry : {"mn313", "mn312", "mn311"}) {
            bench->find<QAction>(QString::fromLatin1(entry))->trigger();
            QLabel* line = source(2);
            QVERIFY2(line->text().startsWith(QStringLiteral("L01       DC        'ABCDEFGHIJKLMNOPQR'")),
                     qPrintable(line->text()));
            // Up to column 40 the line stands left of the scroll bar, which the cover panel follows.
            const int letter = QFontMetrics(line->font()).horizontalAdvance(QLatin1Char('A'));
            const int textRight =
                line->x() + QFontMetrics(line->font()).horizontalAdvance(line->text().left(40));
            QWidget* scroll = widget("VScroll400");
            QWidget* tabs = widget("SSTab400");
            QVERIFY2(textRight <= scroll->x(), entry);
            QCOMPARE(line->x(), bench->label(QStringLiteral("Label401_2"))->width());
            QVERIFY(letter > 0);
            QCOMPARE(widget("Picture410")->x(), scroll->x() + scroll->width());
            QVERIFY(scroll->x() + scroll->width() <= tabs->x());
            QVERIFY(tabs->x() + tabs->width() <= panel().width());
            QVERIFY(tabs->y() >= widget("Command4")->y() + widget("Command4")->height());
            QVERIFY(tabs->y() + tabs->height() <= panel().height());
            // The run buttons stand above the list, all within the panel.
            for (int i = 0; i <= 5; ++i) {
                QPushButton* button = bench->button(QStringLiteral("Command4_%1").arg(i));
                const QRect place(button->mapTo(&panel(), QPoint(0, 0)), button->size());
                QVERIFY(panel().rect().contains(place));
                QVERIFY(place.bottom() < bench->label(QStringLiteral("Label401_0"))->y());
            }
            // Every value can be reached: a tab control narrower than its pages lets them scroll.
            auto* registers = bench->find<QScrollArea>(QStringLiteral("RegisterTabScroll"));
            QWidget* binary = bench->find<QWidget>(QStringLiteral("MEA_Binary"));
            QVERIFY(binary->isVisible());
            const int binaryRight = binary->mapTo(registers->widget(), QPoint(binary->width(), 0)).x();
            QVERIFY(binaryRight <=
                    registers->viewport()->width() + registers->horizontalScrollBar()->maximum());
        }
        // At the small and medium sizes the whole tab control shows, without scrolling.
        for (const char* entry : {"mn313", "mn312"}) {
            bench->find<QAction>(QString::fromLatin1(entry))->trigger();
            auto* registers = bench->find<QScrollArea>(QStringLiteral("RegisterTabScroll"));
            QCOMPARE(registers->horizontalScrollBar()->maximum(), 0);
            QCOMPARE(registers->verticalScrollBar()->maximum(), 0);
        }
        // A wider window gives the tab control back its room and the list the comments.
        form.resize(1200, 700);
        QTest::qWait(20);
        auto* registers = bench->find<QScrollArea>(QStringLiteral("RegisterTabScroll"));
        QCOMPARE(registers->horizontalScrollBar()->maximum(), 0);
        // Ticking the registers shows their rows, higher than the boxes alone at the large size:
        // the tab control grows with them.
        bench->find<QAction>(QStringLiteral("mn311"))->trigger();
        form.resize(1400, 900);
        QTest::qWait(20);
        QCOMPARE(registers->horizontalScrollBar()->maximum(), 0);
        for (int i = 0; i < 8; ++i)
            bench->find<QCheckBox>(QStringLiteral("Check450_%1").arg(i))->setChecked(true);
        QTest::qWait(20);
        QCOMPARE(registers->verticalScrollBar()->maximum(), 0);
        QVERIFY(source(2)->x() + QFontMetrics(source(2)->font()).horizontalAdvance(source(2)->text()) <=
                widget("VScroll400")->x());
    }

    void theWheelScrollsTheList() {
        QVERIFY(bench->enterRunMode(LongLines()));
        QCOMPARE(panel().firstVisibleLine(), 1);
        QLabel* line = source(3);
        const QPointF inside(line->width() / 2.0, line->height() / 2.0);
        QWheelEvent down(inside, line->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(line, &down);
        const int scrolled = panel().firstVisibleLine();
        QVERIFY(scrolled > 1);
        QVERIFY(
            source(0)->text().startsWith(QStringLiteral("L%1").arg(scrolled - 2, 2, 10, QLatin1Char('0'))));
        QWheelEvent up(inside, line->mapToGlobal(inside), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(line, &up);
        QCOMPARE(panel().firstVisibleLine(), 1);
    }

    void theRunButtonsHaveKeys() {
        QVERIFY(bench->enterRunMode(kOutLoop));
        const QStringList keys{QStringLiteral("F5"), QStringLiteral("F6"), QStringLiteral("F7"),
                               QStringLiteral("F8"), QStringLiteral("F9"), QStringLiteral("Shift+F5")};
        for (int i = 0; i <= 5; ++i) {
            QPushButton* button = bench->button(QStringLiteral("Command4_%1").arg(i));
            QCOMPARE(button->shortcut().toString(), keys[i]);
            QVERIFY2(button->toolTip().endsWith(QStringLiteral("（") + keys[i] + QStringLiteral("）")),
                     qPrintable(button->toolTip()));
        }
        QCOMPARE(bench->button(QStringLiteral("Command4_0"))->toolTip(),
                 QStringLiteral("コンソール画面で実行（F5）"));
        // The run menu shows the keys beside the entries that name the buttons.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(bench->find<QAction>(QStringLiteral("mn5%1").arg(i + 1))->shortcut().toString(),
                     keys[i]);

        // The keys press the buttons (as a click does, after the button went down for a moment):
        // F7 starts, F8 steps, Shift+F5 ends; F8 does nothing when "ステップ" is disabled; F5 runs
        // into the console, and F5 in the console runs again.
        FormMain& form = bench->form();
        form.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&form));
        QTest::keyClick(&form, Qt::Key_F7);
        QTRY_COMPARE(form.runControl().mode(), RunMode::Start);
        QTest::keyClick(&form, Qt::Key_F8);
        QTRY_COMPARE(form.runControl().mode(), RunMode::Step);
        QCOMPARE(bench->session().machine.PR, 0x800E);  // after LAD and OUT
        QTest::keyClick(&form, Qt::Key_F5, Qt::ShiftModifier);
        QTRY_COMPARE(form.runControl().mode(), RunMode::None);
        QTest::keyClick(&form, Qt::Key_F8);
        QTest::qWait(300);
        QCOMPARE(bench->session().machine.PR, 0x800E);  // after LAD and OUT
        QTest::keyClick(&form, Qt::Key_F5);
        QTRY_VERIFY(bench->console() && bench->consoleLines().size() == 5);
        QCOMPARE(bench->consoleLines().last().second, QStringLiteral("■正常終了"));
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(bench->console()));
        QTest::keyClick(bench->console(), Qt::Key_F5);
        QTRY_COMPARE(bench->consoleLines().size(), 10);
    }
};

int RunRunPanelLayoutTest(int argc, char** argv) {
    RunPanelLayoutTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RunPanelLayoutTest.moc"
