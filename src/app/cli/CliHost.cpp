#include "app/cli/CliHost.h"

#include <QByteArray>

namespace kv::cli {

void CliHost::write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, bytes.size(), stream);
}

BoxAnswer CliHost::messageBox(const QString& text, const QString& title, BoxIcon, BoxButtons buttons) {
    std::fflush(stdout);
    write(stderr, (title.isEmpty() ? QString() : QLatin1Char('[') + title + QStringLiteral("] ")) + text +
                      QLatin1Char('\n'));
    return buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::No;
}

// A line typed at the console: echoed into the transcript as typing would show it.
void CliHost::waitForEvents() {
    std::fflush(stdout);
    QByteArray line;
    int c = 0;
    while ((c = std::fgetc(stdin)) != EOF && c != '\n') line += static_cast<char>(c);
    if (c == EOF && line.isEmpty()) {
        if (onEndOfInput) onEndOfInput();
        return;
    }
    if (line.endsWith('\r')) line.chop(1);
    const QString text = QString::fromUtf8(line);
    write(stdout, text + QLatin1Char('\n'));
    if (onLine) onLine(text);
}

}  // namespace kv::cli
