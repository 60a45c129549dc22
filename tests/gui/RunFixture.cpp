#include "RunFixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "gui/SourceEditor.h"
#include "gui/ConsoleEdit.h"
#include "gui/frmRun.h"
#include "gui/RunPanel.h"

namespace kv::testing {

bool RunFixture::enterRunMode(const QString& program) {
    form().editor().setPlainText(program);
    button(QStringLiteral("Command002"))->click();
    if (!button(QStringLiteral("Command003"))->isEnabled()) return false;
    button(QStringLiteral("Command003"))->click();
    return form().currentMode() == Mode::Run;
}

QString RunFixture::cell(const QString& name) {
    QLabel* found = label(name);
    return found ? found->text() : QStringLiteral("<no cell %1>").arg(name);
}

QStringList RunFixture::row(const QString& prefix) {
    QStringList cells;
    for (const char* notation : {"_Hex", "_Signed", "_Unsigned", "_Char", "_Binary"})
        cells << cell(prefix + QLatin1String(notation));
    return cells;
}

int RunFixture::rowOf(const QString& text) {
    for (int i = 0; i < RunPanel::kRows; ++i)
        if (cell(QStringLiteral("Label402_%1").arg(i)).contains(text)) return i;
    return -1;
}

Rgb RunFixture::backColour(const QLabel* cell) {
    const QColor c = cell->palette().color(QPalette::Window);
    return Rgb{std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue())};
}

void RunFixture::clickAddressCell(int row) {
    QTest::mouseClick(label(QStringLiteral("Label401_%1").arg(row)), Qt::LeftButton);
}

QVector<QPair<Rgb, QString>> RunFixture::consoleLines() {
    QVector<QPair<Rgb, QString>> lines;
    if (!console()) return lines;
    QTextDocument& document = *console()->console().document();
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        if (!b.next().isValid() && b.length() <= 1) break;  // the empty line after the last break
        lines.push_back({b.length() > 1 ? ColourAt(document, b.position()) : colours::Black, b.text()});
    }
    return lines;
}

void RunFixture::whenInputWaits(std::function<void(frmRun&)> action) {
    auto* poll = new QTimer(&form());
    const QString prompt = QStringLiteral("IN命令です。入力してください。\n");
    QObject::connect(poll, &QTimer::timeout, poll, [this, poll, prompt, action] {
        frmRun* c = console();
        if (!c || c->console().isReadOnly() || !c->console().toPlainText().endsWith(prompt)) return;
        poll->stop();
        poll->deleteLater();
        action(*c);
    });
    poll->start(2);
}

void RunFixture::typeLine(frmRun& console, const QString& text) {
    Type(&console.console(), text);
    QTest::keyClick(&console.console(), Qt::Key_Return);
}

}  // namespace kv::testing
