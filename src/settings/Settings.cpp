#include "settings/Settings.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>

#include "machine/CodePage932.h"

namespace kv {

namespace {

const char kTitleLine[] = "■『KavoraⅡ』環境設定ファイル Ver 1.33（このファイルは、変更しないでください。）";

// The values of one line, separated by one or more blanks or a comma.
QStringList valuesOf(const QString& line) {
    static const QRegularExpression separators(QStringLiteral("\\s*,\\s*|\\s+"));
    return line.trimmed().split(separators);
}

// Reads the lines of the file one value at a time. A value that is not a number, or a line with
// too few values, ends the reading; a number outside its range leaves the default in place.
class LineReader {
public:
    explicit LineReader(QStringList lines) : lines_(std::move(lines)) {}

    bool next() {
        if (index_ >= lines_.size()) return false;
        line_ = lines_[index_++];
        values_ = valuesOf(line_);
        column_ = 0;
        return true;
    }
    const QString& line() const { return line_; }

    template <typename T>
    bool read(T& target, std::int64_t low, std::int64_t high) {
        if (column_ >= values_.size()) return false;
        const QString& text = values_[column_++];
        static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
        if (!number.match(text).hasMatch()) return false;
        bool fits = false;
        const std::int64_t value = text.toLongLong(&fits);
        if (fits && value >= low && value <= high) target = static_cast<T>(value);
        return true;
    }

    // The rest of the line after the values read so far, up to a comma.
    QString text() const {
        QString rest = line_.trimmed();
        static const QRegularExpression leading(QStringLiteral("^\\s*[^\\s,]+(\\s*,\\s*|\\s+)"));
        for (int i = 0; i < column_; ++i) rest.remove(leading);
        return rest.section(QLatin1Char(','), 0, 0).trimmed();
    }

private:
    QStringList lines_;
    int index_ = 0;
    QString line_;
    QStringList values_;
    int column_ = 0;
};

constexpr std::int64_t kTwipsLimit = 1 << 22;

bool readGeometry(LineReader& in, Settings& s) {
    return in.next() && in.read(s.windowTop, -kTwipsLimit, kTwipsLimit) &&
           in.read(s.windowLeft, -kTwipsLimit, kTwipsLimit) && in.read(s.windowWidth, 1, kTwipsLimit) &&
           in.read(s.windowHeight, 1, kTwipsLimit);
}

bool readStartUp(LineReader& in, Settings& s) {
    if (!(in.next() && in.read(s.editorKind, 1, 2) && in.read(s.maximiseAtStart, 0, 1) &&
          in.read(s.loadInitialFile, 0, 1)))
        return false;
    const QString folder = in.text();
    if (!folder.isEmpty()) s.sourceFolder = folder;
    return true;
}

bool readMachine(LineReader& in, Settings& s) {
    return in.next() && in.read(s.userStart, 0, 0x9000) && in.read(s.initialValue, 0, 0xFFFF) && in.next() &&
           in.read(s.conversionComments, 0, 1) && in.read(s.fNotationInRunMode, 0, 1) &&
           in.read(s.autoSpeed, 0, 10) && in.next() && in.read(s.frSwitch, 0, 1);
}

bool readTrace(LineReader& in, Settings& s) {
    if (!in.next()) return false;
    for (int i = 0; i < 11; ++i)
        if (!in.read(s.trace.options[i], 0, i == 7 ? 2 : 1)) return false;
    return true;
}

bool readFontsAndColumns(LineReader& in, Settings& s) {
    return in.next() && in.read(s.paneFontSize, 6, 72) && in.read(s.largeFontSize, 6, 72) &&
           in.read(s.mediumFontSize, 6, 72) && in.read(s.smallFontSize, 6, 72) && in.next() &&
           in.read(s.labelWidth, 8, 20) && in.read(s.instructionWidth, 5, 20) && in.read(s.operandWidth, 5, 20);
}

bool readRecentFiles(LineReader& in, Settings& s) {
    for (QString& file : s.recentFiles) {
        if (!in.next()) return false;
        file = in.line();
    }
    return true;
}

QString numbers(std::initializer_list<std::int64_t> values) {
    QStringList texts;
    for (std::int64_t v : values) texts << QString::number(v);
    return texts.join(QLatin1Char(' '));
}

}  // namespace

void SetDefaults(Settings& settings, double twipsPerPixel, const QString& programFolder) {
    settings = Settings();
    settings.windowWidth = static_cast<std::int32_t>(800 * twipsPerPixel);
    settings.windowHeight = static_cast<std::int32_t>(568 * twipsPerPixel);
    settings.sourceFolder = programFolder;
}

bool ReadSettings(Settings& settings, const QString& path) {
    QFile file(path);
    const qint64 kMaxSize = 1 << 20;
    bool ok = file.open(QIODevice::ReadOnly) && file.size() <= kMaxSize;
    if (ok) {
        const QString text = cp932::decode(file.read(kMaxSize));
        LineReader in(text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r"))));
        ok = in.next() && in.next() && readGeometry(in, settings) && readStartUp(in, settings) &&
             readMachine(in, settings) && readTrace(in, settings) && readFontsAndColumns(in, settings) &&
             readRecentFiles(in, settings);
    }
    if (!ok) {
        settings.loadInitialFile = 0;
        settings.firstStart = 1;
    }
    return ok;
}

bool WriteSettings(const Settings& s, const QString& path) {
    QStringList lines;
    lines << QString::fromUtf8(kTitleLine);
    lines << QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat);
    lines << numbers({s.windowTop, s.windowLeft, s.windowWidth, s.windowHeight});
    lines << numbers({s.editorKind, s.maximiseAtStart, s.loadInitialFile}) + QLatin1Char(' ') + s.sourceFolder;
    lines << numbers({s.userStart, s.initialValue});
    lines << numbers({s.conversionComments, s.fNotationInRunMode, s.autoSpeed});
    lines << numbers({s.frSwitch});
    QStringList trace;
    for (std::uint8_t option : s.trace.options) trace << QString::number(option);
    lines << trace.join(QLatin1Char(' '));
    lines << numbers({s.paneFontSize, s.largeFontSize, s.mediumFontSize, s.smallFontSize});
    lines << numbers({s.labelWidth, s.instructionWidth, s.operandWidth});
    for (const QString& file : s.recentFiles) lines << file;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(cp932::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return file.commit();
}

}  // namespace kv
