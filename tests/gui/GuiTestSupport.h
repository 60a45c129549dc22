#pragma once
// Helpers of the window tests: typing into widgets, reading colours back, answering boxes.

#include <QString>
#include <QVector>
#include <QWidget>
#include <deque>

#include "host/Host.h"
#include "gui/GuiHost.h"

class QTextDocument;
class QTextEdit;

namespace kv::testing {

// The colour of the character at a position (0-based) of the text.
Rgb ColourAt(QTextDocument& document, int position);
Rgb ColourAt(QTextEdit& edit, int position);
// The colour of every character of a stretch, when they all have the same one; {1, 2, 3} otherwise.
Rgb ColourOf(QTextEdit& edit, int start, int length);
inline constexpr Rgb kMixed{1, 2, 3};
// Line n (from 0) of the text.
QString Line(QTextEdit& edit, int n);

// The control of a window by its object name; a missing one is named in a warning (and the test
// then fails on the null pointer it gets).
template <typename T>
T* Control(QWidget& window, const QString& name) {
    T* control = window.findChild<T*>(name);
    if (!control) qWarning("no control %s", qPrintable(name));
    return control;
}

// Types the text key by key; characters outside ASCII arrive as typed text of an unknown key.
void Type(QWidget* widget, const QString& text);
void PressEnter(QWidget* widget);
void PressTab(QWidget* widget);

// Answers the boxes of a host from a list (OK, or Yes for a question, when the list is empty) and
// keeps what they said.
class BoxRecorder {
public:
    void install(GuiHost& host);
    QVector<BoxRequest> boxes;
    std::deque<BoxAnswer> answers;
};

}  // namespace kv::testing
