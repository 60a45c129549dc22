#pragma once
// Printing a plain text (the source, a listing) on a printer in a given font.

#include <QFont>
#include <QString>

class QPrinter;

namespace kv {

// Prints the whole text; false when the printer cannot be started.
bool PrintPlainText(QPrinter& printer, const QString& text, const QFont& font);

}  // namespace kv
