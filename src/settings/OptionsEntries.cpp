#include "settings/OptionsEntries.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "host/Host.h"
#include "machine/WordFormats.h"
#include "settings/FieldText.h"
#include "settings/Settings.h"
#include "settings/SystemCommand.h"

namespace kv {

namespace {

const QString kBoxTitle = QStringLiteral("『KavoraⅡ』");

// The start address of the entries, -1 when it is no valid one.
std::int32_t UserStartOf(const QString& text) {
    const std::int32_t start = ParseHexField(text);
    return start > kHighestUserStart ? -1 : start;
}

ApplyOutcome Refuse(Boxes& boxes, const QString& text) {
    boxes.messageBox(text, kBoxTitle, BoxIcon::Exclamation);
    return ApplyOutcome::Refused;
}

}  // namespace

int EntriesFromSettings(const Settings& s, OptionsEntries& e) {
    int fault = 0;
    e.editorKind = s.editorKind == 2 ? 2 : 1;
    if (s.editorKind != 1 && s.editorKind != 2) fault = 1;
    e.loadInitialFile = s.loadInitialFile == 1;
    e.maximiseAtStart = s.maximiseAtStart == 1;
    e.sourceFolder = s.sourceFolder;
    e.userStart = FormatHexWord(s.userStart);
    e.initialValue = FormatHexWord(s.initialValue);
    e.conversionComments = s.conversionComments != 0;
    if (s.conversionComments != 0 && s.conversionComments != 1) fault = 2;
    e.fNotation = s.fNotationInRunMode != 0;
    if (s.fNotationInRunMode != 0 && s.fNotationInRunMode != 1) fault = 3;
    e.autoSpeed = std::clamp<int>(s.autoSpeed, 0, 10);
    e.systemCommand.clear();
    return fault;
}

QString UserEndText(const QString& userStart) {
    const std::int32_t start = UserStartOf(userStart);
    return start < 0 ? QString() : FormatHexWord(start + 4095);
}

ApplyOutcome ApplyOptions(const OptionsEntries& e, Settings& s, ErrorState& error, Boxes& boxes) {
    const QFileInfo folder(e.sourceFolder);
    if (e.sourceFolder.isEmpty() || !folder.isDir())
        return Refuse(boxes, QStringLiteral("指定されたフォルダが存在しません。"));
    const std::int32_t start = UserStartOf(e.userStart);
    if (start < 0) return Refuse(boxes, QStringLiteral("先頭アドレスが不正です"));
    const std::int32_t initial = ParseHexField(e.initialValue);
    if (initial < 0) return Refuse(boxes, QStringLiteral("GRの初期値が不正です"));
    if (CheckSystemCommand(e.systemCommand, error) == SystemCommandOutcome::Refused)
        return ApplyOutcome::Refused;

    s.editorKind = static_cast<std::int16_t>(e.editorKind == 2 ? 2 : 1);
    s.loadInitialFile = e.loadInitialFile ? 1 : 0;
    s.maximiseAtStart = e.maximiseAtStart ? 1 : 0;
    s.sourceFolder = e.sourceFolder;
    QDir::setCurrent(e.sourceFolder);
    s.userStart = start;
    s.initialValue = initial;
    s.conversionComments = e.conversionComments ? 1 : 0;
    s.fNotationInRunMode = e.fNotation ? 1 : 0;
    s.autoSpeed = std::clamp(e.autoSpeed, 0, 10);
    RunSystemCommand(e.systemCommand, s, error);
    return ApplyOutcome::Applied;
}

}  // namespace kv
