#include "simulator/Supervisor.h"

#include <QStringView>
#include <array>

#include "assembler/Catalogue.h"
#include "filedevice/VirtualFileDevice.h"
#include "machine/CodePage932.h"
#include "machine/MachineState.h"
#include "simulator/WordDisplay.h"
#include "host/Host.h"

namespace kv {

namespace {

// The word IN stores for one character: its single-byte code, or for a double-byte character the
// negative number whose 16-bit pattern is the two-byte code; "?" for a character the code page lacks.
std::int32_t characterCode(QStringView character) {
    const int code = cp932::codeOf(character.toString());
    if (code < 0) return '?';
    return code > 0xFF ? code - 0x10000 : code;
}

// Number of UTF-16 units of the character at i (a surrogate pair is one character).
int unitsAt(const QString& text, int i) {
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

QString supervisorTitle() { return QStringLiteral("スーパバイザコール"); }

}  // namespace

bool Supervisor::consoleMode() const {
    return IsLoopMode(runMode_);
}

bool Supervisor::autoMode() const { return runMode_ == RunMode::Auto; }

bool Supervisor::transferAddresses(std::int32_t& area, std::int32_t& length) {
    if (!m_.holds(m_.PR + 5) || !m_.holds(m_.PR + 7)) {
        error_.raise(ErrorCode::InvalidAddress);
        return false;
    }
    area = m_.word(m_.PR + 5) & 0xFFFF;
    length = m_.word(m_.PR + 7) & 0xFFFF;
    if (m_.inArea(area) && m_.inArea(length)) return true;
    error_.raise(ErrorCode::InvalidAddress);
    return false;
}

StepResult Supervisor::PerformIn() {
    std::int32_t area = 0, length = 0;
    if (!transferAddresses(area, length)) return 9;
    QString text;
    if (device_.inputDevice == InputDevice::VirtualFile) {
        const RecordRead read = device_.ReadNextRecord(error_);
        if (read.status == RecordStatus::End) {
            m_.store(length, device_.endOfFileValue);
            notes_.ShowRunNote(0, 91);
            return 0;
        }
        if (read.status != RecordStatus::Record) return static_cast<StepResult>(read.status);
        text = read.record;
    } else if (consoleMode()) {
        text = waitForConsoleLine();
    } else {
        text = host_.inputBox(autoMode() ? QStringLiteral("オート実行中") : QStringLiteral("ステップ実行中"),
                              QStringLiteral("IN命令です。入力してください。"));
    }
    return storeText(text, area, length);
}

// The console comes to the front for every IN (the learner may have put another window over it
// since the run began), but not for OUT: output alone must not pull it forward line by line.
QString Supervisor::waitForConsoleLine() {
    host_.bringConsoleToFront();
    host_.setConsoleEnabled(true);
    host_.focusConsole();
    host_.consoleWrite(colours::Green, QStringLiteral("IN命令です。入力してください。"));
    const QString waiting(QLatin1Char('\r'));
    pendingInput_ = waiting;
    while (pendingInput_ == waiting) host_.waitForEvents();
    host_.setConsoleEnabled(false);
    return pendingInput_;
}

// Stores at most 256 characters, and no character past the end of the user area; anything cut
// makes the result 1, which ends the run after the stores without an error text.
StepResult Supervisor::storeText(const QString& text, std::int32_t area, std::int32_t length) {
    const int room = m_.userEnd - area + 1;
    std::array<std::int32_t, kMaxRecord> codes{};
    int n = 0;
    StepResult result = 0;
    for (int i = 0; i < text.size(); i += unitsAt(text, i)) {
        if (n == kMaxRecord || n == room) {
            result = 1;
            break;
        }
        codes[n++] = characterCode(QStringView(text).mid(i, unitsAt(text, i)));
    }
    m_.store(length, n);
    for (int i = 0; i < n; ++i) m_.store(area + i, codes[i]);
    return result;
}

StepResult Supervisor::PerformOut() {
    std::int32_t area = 0, length = 0;
    if (!transferAddresses(area, length)) return 9;
    StepResult result = 0;
    std::int32_t count = m_.word(length);
    if (count > kMaxRecord) {
        count = kMaxRecord;
        result = 1;
    }
    const QString text = outputText(area, count < 0 ? 0 : count, result);
    ++outputs_;
    lastOutput_ = text;
    if (consoleMode()) {
        host_.showConsole();
        host_.setConsoleEnabled(true);
        host_.consoleWrite(colours::Blue, text);
        host_.setConsoleEnabled(false);
    } else {
        host_.messageBox(text, autoMode() ? QStringLiteral("オート実行中　OUT命令") : QStringLiteral("ステップ実行中　OUT命令"),
                         BoxIcon::None);
    }
    return result;
}

// The characters of count words from area; words past the end of the user area are not read (the
// text is cut there and the result becomes 1). Codes below 32 show as "_".
QString Supervisor::outputText(std::int32_t area, std::int32_t count, StepResult& result) const {
    const int room = m_.userEnd - area + 1;
    if (count > room) {
        count = room;
        result = 1;
    }
    QString text;
    text.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int c = m_.word(area + i) & 0xFF;
        text.append(c < 32 ? QLatin1Char('_') : cp932::characterOf(c));
    }
    return text;
}

StepResult Supervisor::PerformSvc() {
    switch (m_.EA) {
        case 1:
            host_.messageBox(QStringLiteral("入力機能ですが、ユーザの使用を禁止します。\nIN命令を使ってください。"),
                             supervisorTitle(), BoxIcon::None);
            return 0;
        case 2:
            host_.messageBox(QStringLiteral("出力機能ですが、ユーザの使用を禁止します。\nOUT命令を使ってください。"),
                             supervisorTitle(), BoxIcon::None);
            return 0;
        case 10: showRegisters(false); return 0;
        case 16: showRegisters(true); return 0;
        default: error_.raise(ErrorCode::SvcUnsupported); return 3;
    }
}

// The register display of SVC 10 (signed decimal) and 16 (hexadecimal): in full in Run, as a
// marker line in Trace, refused by a box in the step modes.
void Supervisor::showRegisters(bool hex) {
    if (runMode_ == RunMode::Trace) {
        host_.consoleAppend(QStringLiteral("***　SV CALL　***\n"));
        return;
    }
    if (runMode_ != RunMode::Run) {
        host_.messageBox(QStringLiteral("レジスタ表示機能は、一括実行だけ有効で、コンソールに出力されます。"),
                         supervisorTitle(), BoxIcon::None);
        return;
    }
    QString text = QStringLiteral("***　SV CALL　　PR=") + FormatHexWord(m_.PR) + QLatin1Char('\n');
    for (int i = 0; i < 8; ++i)
        text += QLatin1String("GR") + QString::number(i) + QLatin1Char('=') +
                (hex ? FormatHexWord(m_.GR[i]) : FormatSignedWord(m_.GR[i] & 0xFFFF, host_)) + QLatin1Char(' ');
    host_.consoleAppend(text + QLatin1Char('\n'));
}

void Supervisor::WarnConstantWrite() {
    if (consoleMode()) host_.consoleWrite(colours::Olive, ReportError(error_, host_, ReportStyle::Line));
    else ReportError(error_, host_, ReportStyle::InformationBox);
}

void Supervisor::ReportInternalError(const QString& place, int number) { kv::ReportInternalError(host_, place, number); }

}  // namespace kv
