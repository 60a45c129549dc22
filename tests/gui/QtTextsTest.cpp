// Texts the learner reads that come from Qt itself, in Japanese whatever the machine's locale: the
// standard buttons of the boxes, the input box and the file dialog; and the message pane, whose
// long lines wrap.

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "WorkbenchFixture.h"
#include "gui/GuiHost.h"
#include "gui/SourceEditor.h"

using namespace kv;
using namespace kv::testing;

namespace {

// The texts of a dialog's buttons, without the "&" of their access keys.
QStringList ButtonTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (!button->text().isEmpty()) texts << QString(button->text()).remove(QLatin1Char('&'));
    texts.sort();
    return texts;
}

// Calls the action on the modal dialog of type T as soon as it shows, then closes it.
template <typename T>
void WhenShown(std::function<void(T&)> action) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        action(*dialog);
        dialog->reject();
    });
    poll->start(5);
}

}  // namespace

class QtTextsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WorkbenchFixture> bench;

  private slots:
    void init() {
        bench = std::make_unique<WorkbenchFixture>();
        bench->writeSettings([](Settings&) {});
        bench->start();
    }
    void cleanup() { bench.reset(); }

    // The boxes of the workbench's host as the learner gets them (the test's own answers replaced
    // by the real boxes): the exit question, the input box of step mode and the file dialog.
    void qtsOwnTextsAreJapanese() {
        GuiHost host(&bench->form());
        QStringList question;
        WhenShown<QMessageBox>([&](QMessageBox& box) { question = ButtonTexts(box); });
        QCOMPARE(host.messageBox(QStringLiteral("プログラムが変更されています。\n保存しますか？"),
                                 QStringLiteral("『KavoraⅡ』"), BoxIcon::None, BoxButtons::YesNoCancel),
                 BoxAnswer::Cancel);
        QCOMPARE(question, (QStringList{QStringLiteral("いいえ(N)"), QStringLiteral("はい(Y)"),
                                        QStringLiteral("キャンセル")}));

        QStringList ok;
        WhenShown<QMessageBox>([&](QMessageBox& box) { ok = ButtonTexts(box); });
        host.messageBox(QStringLiteral("正常終了しました。"), QStringLiteral("実行情報"),
                        BoxIcon::Information);
        QCOMPARE(ok, QStringList{QStringLiteral("OK")});

        QStringList input;
        WhenShown<QInputDialog>([&](QInputDialog& box) { input = ButtonTexts(box); });
        QCOMPARE(
            host.inputBox(QStringLiteral("ステップ実行中"), QStringLiteral("IN命令です。入力してください。")),
            QString());
        QCOMPARE(input, (QStringList{QStringLiteral("OK"), QStringLiteral("キャンセル")}));

        QStringList file;
        WhenShown<QFileDialog>([&](QFileDialog& dialog) { file = ButtonTexts(dialog); });
        QCOMPARE(
            host.chooseOpenFile({QStringLiteral("CASLⅡプログラムファイルを開く"),
                                 QStringLiteral("CASLⅡファイル(*.cs2)|*.cs2"), bench->folder(), QString()}),
            QString());
        QVERIFY2(file.contains(QStringLiteral("開く(O)")), qPrintable(file.join(QLatin1Char(' '))));
        QVERIFY2(file.contains(QStringLiteral("キャンセル")), qPrintable(file.join(QLatin1Char(' '))));
    }

    // The link failure's explanation is longer than the pane is wide: it wraps instead of needing
    // the sideways scroll bar.
    void theMessagePaneWrapsLongLines() {
        bench->form().resize(800, 574);
        bench->form().editor().setPlainText(
            QStringLiteral("MAIN      START\n          CALL      SUB\n"
                           "          RET\n          END\n"));
        bench->find<QPushButton>(QStringLiteral("Command002"))->click();
        auto* pane = bench->find<QTextEdit>(QStringLiteral("RichTextBox300"));
        QVERIFY(pane->toPlainText().contains(QStringLiteral("（説明）リンク時のエラーは")));
        QTRY_VERIFY(!pane->horizontalScrollBar()->isVisible());
        QCOMPARE(pane->horizontalScrollBar()->maximum(), 0);
        // The assembly list keeps its columns and scrolls sideways instead.
        QCOMPARE(bench->find<QTextEdit>(QStringLiteral("RichTextBox310"))->lineWrapMode(), QTextEdit::NoWrap);
    }
};

int RunQtTextsTest(int argc, char** argv) {
    QtTextsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "QtTextsTest.moc"
