#include "gui/Printing.h"

#include <QPrinter>
#include <QTextDocument>

namespace kv {

bool PrintPlainText(QPrinter& printer, const QString& text, const QFont& font) {
    if (!printer.isValid()) return false;
    QTextDocument document;
    document.setDefaultFont(font);
    document.setPlainText(text);
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

}  // namespace kv
