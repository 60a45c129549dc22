// The settings file "Kavora2.inis" as a user may hand it over: any bytes. Besides the sanitizers it
// checks that every value read lies in the range the workbench can live with (whatever the file
// said), that a failed read leaves the first-start state, and that what is read survives a write
// and a second read unchanged: the file written from the values read is read without failure and
// written again byte for byte the same.

#include <QDate>

#include "FuzzSupport.h"
#include "settings/Settings.h"

namespace {

template <typename T>
bool within(T value, std::int64_t low, std::int64_t high) {
    return value >= low && value <= high;
}

void requireUsable(const kv::Settings& s) {
    KV_FUZZ_REQUIRE(within(s.windowWidth, 1, 1 << 22) && within(s.windowHeight, 1, 1 << 22));
    KV_FUZZ_REQUIRE(within(s.windowTop, -(1 << 22), 1 << 22) && within(s.windowLeft, -(1 << 22), 1 << 22));
    KV_FUZZ_REQUIRE(within(s.editorKind, 1, 2) && within(s.maximiseAtStart, 0, 1) &&
                    within(s.loadInitialFile, 0, 1));
    KV_FUZZ_REQUIRE(!s.sourceFolder.isEmpty());
    KV_FUZZ_REQUIRE(within(s.userStart, 0, 0x9000) && within(s.initialValue, 0, 0xFFFF));
    KV_FUZZ_REQUIRE(within(s.conversionComments, 0, 1) && within(s.fNotationInRunMode, 0, 1) &&
                    within(s.autoSpeed, 0, 10));
    KV_FUZZ_REQUIRE(within(s.frSwitch, 0, 1));
    for (std::size_t i = 0; i < s.trace.options.size(); ++i)
        KV_FUZZ_REQUIRE(s.trace.options[i] <= (i == 7 ? 2 : 1));
    for (const std::int16_t size : {s.paneFontSize, s.largeFontSize, s.mediumFontSize, s.smallFontSize})
        KV_FUZZ_REQUIRE(within(size, 6, 72));
    KV_FUZZ_REQUIRE(within(s.labelWidth, 8, 20) && within(s.instructionWidth, 5, 20) &&
                    within(s.operandWidth, 5, 20));
    for (const QString& file : s.recentFiles)
        KV_FUZZ_REQUIRE(!file.contains(QLatin1Char('\n')) && !file.contains(QLatin1Char('\r')));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kv::fuzz::ScratchFile file("settings");
    static const kv::fuzz::ScratchFile copy("settings-copy");
    const QDate date(2024, 4, 1);
    const QString programFolder = QStringLiteral("/opt/kavora2");

    file.write(kv::fuzz::bytesOf(data, size));
    kv::Settings settings;
    kv::SetDefaults(settings, 15.0, programFolder);
    const bool read = kv::ReadSettings(settings, file.path());
    requireUsable(settings);
    KV_FUZZ_REQUIRE(read ? settings.firstStart == 0
                         : settings.firstStart == 1 && settings.loadInitialFile == 0);

    KV_FUZZ_REQUIRE(kv::WriteSettings(settings, file.path(), date));
    const QByteArray written = file.read();
    kv::Settings again;
    kv::SetDefaults(again, 15.0, programFolder);
    KV_FUZZ_REQUIRE(kv::ReadSettings(again, file.path()));
    KV_FUZZ_REQUIRE(kv::WriteSettings(again, copy.path(), date));
    KV_FUZZ_REQUIRE(copy.read() == written);
    return 0;
}
