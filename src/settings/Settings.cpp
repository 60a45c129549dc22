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

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Reads the lines of the file one value at a time. Values are separated by one or more blanks or
// by a comma (with blanks around it). A value that is not a whole number, or a line with too few
// values, ends the reading; a number outside its range leaves the setting as it was (its default).
class LineReader {
public:
    explicit LineReader(QStringList lines) : lines_(std::move(lines)) {}

    bool next() {
        if (index_ >= lines_.size()) return false;
        line_ = lines_[index_++];
        position_ = 0;
        return true;
    }
    const QString& line() const { return line_; }

    template <typename T>
    bool read(T& target, std::int64_t low, std::int64_t high) {
        skipSeparator();
        const int start = position_;
        while (position_ < line_.size() && !isBlank(line_[position_]) && line_[position_] != QLatin1Char(','))
            ++position_;
        const QString text = line_.mid(start, position_ - start);
        if (!isWholeNumber(text)) return false;
        bool fits = false;
        const std::int64_t value = text.toLongLong(&fits);
        if (fits && value >= low && value <= high) target = static_cast<T>(value);
        return true;
    }

    // A text value: from the next value up to a comma or the end of the line, without the blanks
    // around it.
    QString text() {
        skipSeparator();
        const int comma = line_.indexOf(QLatin1Char(','), position_);
        const int end = comma < 0 ? line_.size() : comma;
        const QString value = line_.mid(position_, end - position_).trimmed();
        position_ = end;
        return value;
    }

private:
    void skipSeparator() {
        while (position_ < line_.size() && isBlank(line_[position_])) ++position_;
        if (position_ < line_.size() && line_[position_] == QLatin1Char(',')) ++position_;
        while (position_ < line_.size() && isBlank(line_[position_])) ++position_;
    }
    static bool isWholeNumber(const QString& text) {
        const int first = text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-')) ? 1 : 0;
        if (text.size() <= first) return false;
        for (int i = first; i < text.size(); ++i)
            if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9')) return false;
        return true;
    }

    QStringList lines_;
    int index_ = 0;
    QString line_;
    int position_ = 0;
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

// The lines of the file. Only the first megabyte is read (the file holds fourteen short lines): a
// line cut off there counts as missing. A line break after the last line is optional.
bool readLines(const QString& path, QStringList& lines) {
    constexpr qint64 kMaxSize = 1 << 20;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QByteArray bytes = file.read(kMaxSize + 1);
    const bool cut = bytes.size() > kMaxSize;
    if (cut) bytes.truncate(bytes.lastIndexOf('\n', kMaxSize - 1) + 1);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    const bool utf8 = bytes.startsWith("\xEF\xBB\xBF");
    lines = (utf8 ? QString::fromUtf8(bytes.mid(3)) : cp932::decode(bytes)).split(lineBreak);
    if (lines.last().isEmpty()) lines.removeLast();
    return true;
}

}  // namespace

void SetDefaults(Settings& settings, double twipsPerPixel, const QString& programFolder) {
    settings = Settings();
    settings.windowWidth = static_cast<std::int32_t>(800 * twipsPerPixel);
    settings.windowHeight = static_cast<std::int32_t>(568 * twipsPerPixel);
    settings.sourceFolder = programFolder;
}

bool ReadSettings(Settings& settings, const QString& path) {
    QStringList lines;
    bool ok = readLines(path, lines);
    if (ok) {
        LineReader in(lines);
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

bool WriteSettings(const Settings& s, const QString& path, const QDate& date) {
    QStringList lines;
    lines << QString::fromUtf8(kTitleLine);
    lines << QLocale::system().toString(date, QLocale::LongFormat);
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
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    file.write(cp932::encodeFile(text, cp932::encodingFor(text)));
    return file.commit();
}

}  // namespace kv
