#include "settings/SystemCommand.h"

#include <QRegularExpression>
#include <cstdint>

#include "settings/FieldText.h"
#include "settings/Settings.h"

namespace kv {

namespace {

constexpr int kMostWords = 10;
constexpr int kDebugSwitches = 101;  // switches 0 to 100
// Font sizes a pane can take, in points (the same range the settings file accepts).
constexpr std::int64_t kSmallestFont = 6, kLargestFont = 72;

// The setting a command changes and its new value; null target when the command is refused.
struct Change {
    std::int16_t* narrow = nullptr;
    std::int32_t* wide = nullptr;
    std::int64_t value = 0;
    ErrorCode refusal = ErrorCode::None;
    bool paneFollows = false;  // the panes' font size changes with the font menu's size it had
};

Change Refuse(ErrorCode code) {
    Change change;
    change.refusal = code;
    return change;
}

Change Narrow(std::int16_t& target, std::int64_t value, std::int64_t low, std::int64_t high) {
    if (value < low || value > high) return Refuse(ErrorCode::SystemCommandParameter);
    Change change;
    change.narrow = &target;
    change.value = value;
    return change;
}

// The parameter i (from 1) read as a number; a missing parameter reads as 0.
std::int64_t Parameter(const QStringList& words, int i) {
    return i < words.size() ? ReadWholeNumber(words[i]) : 0;
}

Change ColumnWidth(const QStringList& words, Settings& s) {
    const std::int64_t n = Parameter(words, 1), w = Parameter(words, 2);
    if (n == 1) return Narrow(s.labelWidth, w, 8, 20);
    if (n == 2) return Narrow(s.instructionWidth, w, 5, 20);
    if (n == 3) return Narrow(s.operandWidth, w, 5, 20);
    return Refuse(ErrorCode::SystemCommandParameter);
}

Change FontSize(const QStringList& words, Settings& s) {
    const std::int64_t n = Parameter(words, 1), size = Parameter(words, 2);
    if (n < 1 || n > 3) return Refuse(ErrorCode::SystemCommandParameter);
    std::int16_t& target = n == 1 ? s.largeFontSize : n == 2 ? s.mediumFontSize : s.smallFontSize;
    Change change = Narrow(target, size, kSmallestFont, kLargestFont);
    change.paneFollows = target == s.paneFontSize;
    return change;
}

Change FrSwitch(const QStringList& words, Settings& s) {
    return Narrow(s.frSwitch, Parameter(words, 1) == 1 ? 1 : 0, 0, 1);
}

Change DebugSwitch(const QStringList& words, Settings& s) {
    const std::int64_t n = Parameter(words, 1);
    if (n < 0 || n >= kDebugSwitches) return Refuse(ErrorCode::SystemCommandParameter);
    Change change;
    change.wide = &s.debug[static_cast<std::size_t>(n)];
    change.value = Parameter(words, 2);
    return change;
}

// What the command would change, or why it is refused; Ignored through the flag.
Change Decide(const QStringList& words, Settings& s, bool& ignored) {
    ignored = words.size() < 2 || words.size() > kMostWords;
    if (ignored) return Change();
    const QString& command = words[0];
    if (command == QLatin1String("leng")) return ColumnWidth(words, s);
    if (command == QLatin1String("font")) return FontSize(words, s);
    if (command == QLatin1String("fr")) return FrSwitch(words, s);
    if (command == QLatin1String("debug")) return DebugSwitch(words, s);
    return Refuse(ErrorCode::SystemCommandUnsupported);
}

SystemCommandOutcome Outcome(const Change& change, bool ignored, ErrorState& error) {
    if (ignored) return SystemCommandOutcome::Ignored;
    if (change.refusal != ErrorCode::None) {
        error.raise(change.refusal);
        return SystemCommandOutcome::Refused;
    }
    return SystemCommandOutcome::Accepted;
}

}  // namespace

QStringList SystemCommandWords(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[ \u3000,]+"));
    return text.trimmed().split(separators, Qt::SkipEmptyParts);
}

SystemCommandOutcome CheckSystemCommand(const QString& text, ErrorState& error) {
    Settings scratch;
    bool ignored = false;
    const Change change = Decide(SystemCommandWords(text), scratch, ignored);
    return Outcome(change, ignored, error);
}

SystemCommandOutcome RunSystemCommand(const QString& text, Settings& settings, ErrorState& error) {
    bool ignored = false;
    const Change change = Decide(SystemCommandWords(text), settings, ignored);
    const SystemCommandOutcome outcome = Outcome(change, ignored, error);
    if (outcome != SystemCommandOutcome::Accepted) return outcome;
    if (change.narrow) *change.narrow = static_cast<std::int16_t>(change.value);
    if (change.wide) *change.wide = static_cast<std::int32_t>(change.value);
    if (change.paneFollows) settings.paneFontSize = static_cast<std::int16_t>(change.value);
    return outcome;
}

}  // namespace kv
