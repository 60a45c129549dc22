#pragma once
// All persistent preferences of the workbench and the file "Kavora2.inis" that keeps them.

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>

namespace kv {

struct TraceSettings {
    // In order: CheckPR, CheckEA, CheckMEA, CheckFR3, CheckFRN, CheckSP, CheckMSP, the list index of
    // ComboSP, CheckPROG, CheckFK, CheckFlg.
    std::array<std::uint8_t, 11> options{0, 1, 0, 1, 1, 1, 1, 0, 0, 0, 1};
};

struct Settings {
    // Window geometry in twips.
    std::int32_t windowTop = 0, windowLeft = 0, windowWidth = 0, windowHeight = 0;
    std::int16_t editorKind = 1;           // 1 structured editor, 2 plain editor
    std::int16_t maximiseAtStart = 0;
    std::int16_t loadInitialFile = 0;
    QString sourceFolder;
    std::int32_t userStart = 0x8000;
    std::int32_t initialValue = 0x7FFF;   // GR0-GR7 at every reset and the words DS reserves
    std::int16_t conversionComments = 1;
    std::int16_t fNotationInRunMode = 1;
    std::int32_t autoSpeed = 7;
    std::int16_t frSwitch = 1;
    TraceSettings trace;
    std::int16_t paneFontSize = 14;
    std::int16_t largeFontSize = 20, mediumFontSize = 14, smallFontSize = 10;
    std::int16_t labelWidth = 10, instructionWidth = 10, operandWidth = 20;
    std::array<QString, 4> recentFiles;

    // Kept only while the program runs.
    std::int16_t firstStart = 0;
    std::array<std::int32_t, 101> debug{};

    std::int32_t userEnd() const { return userStart + 4095; }
};

inline constexpr char kSettingsFileName[] = "Kavora2.inis";

// Every setting to its default. twipsPerPixel converts the default window size of 800 x 568 pixels;
// programFolder is the default source folder.
void SetDefaults(Settings& settings, double twipsPerPixel, const QString& programFolder);
// Reads the file over the current values (the defaults). A number outside its range leaves the
// setting as it was. On any failure (no file, a value that is no number, too few values or lines)
// the values read so far stay, the load-initial-file setting becomes 0 and the first-start flag 1.
// Returns false on failure.
bool ReadSettings(Settings& settings, const QString& path);
// Writes the file anew with CR LF, in code page 932, or in UTF-8 with a byte order mark when the
// code page cannot store a name in it (a folder name, a recent file); returns false on failure
// (never a message). Reading accepts both.
// The second line is the date in the system's long date format.
bool WriteSettings(const Settings& settings, const QString& path, const QDate& date = QDate::currentDate());

}  // namespace kv
