#include "GuiTestSupport.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace kv::testing {

Rgb ColourAt(QTextEdit& edit, int position) {
    return ColourAt(*edit.document(), position);
}

Rgb ColourAt(QTextDocument& document, int position) {
    QTextCursor cursor(&document);
    cursor.setPosition(position + 1);  // the format of the character before the cursor
    const QColor colour = cursor.charFormat().foreground().color();
    return Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
               static_cast<std::uint8_t>(colour.blue())};
}

Rgb ColourOf(QTextEdit& edit, int start, int length) {
    const Rgb first = ColourAt(edit, start);
    for (int i = 1; i < length; ++i)
        if (ColourAt(edit, start + i) != first) return kMixed;
    return first;
}

QString Line(QTextEdit& edit, int n) {
    return edit.document()->findBlockByNumber(n).text();
}

void Type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClicks(widget, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void PressEnter(QWidget* widget) {
    QTest::keyClick(widget, Qt::Key_Return);
}
void PressTab(QWidget* widget) {
    QTest::keyClick(widget, Qt::Key_Tab);
}

void BoxRecorder::install(GuiHost& host) {
    host.boxHandler = [this](const BoxRequest& request) {
        boxes.push_back(request);
        if (answers.empty()) return request.buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::Yes;
        const BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    };
}

}  // namespace kv::testing
