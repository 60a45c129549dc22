#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "machine/CodePage932.h"
#include "settings/Settings.h"

static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

const char16_t kTitleLine[] = u"■『KavoraⅡ』環境設定ファイル Ver 1.33（このファイルは、変更しないでください。）";
const QString kProgramFolder = QStringLiteral("/opt/kavora");

kv::Settings Defaults() {
    kv::Settings s;
    kv::SetDefaults(s, 15.0, kProgramFolder);
    return s;
}

// A complete file with a value other than the default in every field.
QStringList GoodLines() {
    return {QString::fromUtf16(kTitleLine),
            QStringLiteral("2024年4月1日"),
            QStringLiteral("100 200 12345 9876"),
            QStringLiteral("2 1 1 /home/学習/casl"),
            QStringLiteral("0 4660"),
            QStringLiteral("0 0 3"),
            QStringLiteral("0"),
            QStringLiteral("1 0 1 0 0 0 0 2 1 1 0"),
            QStringLiteral("12 24 16 8"),
            QStringLiteral("12 8 16"),
            QStringLiteral("/home/学習/first.cs2"),
            QStringLiteral("second.cs2"),
            QStringLiteral("third.cs2"),
            QStringLiteral("fourth.cs2")};
}

struct SettingsFile : ::testing::Test {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Kavora2.inis")); }

    void writeBytes(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writeLines(const QStringList& lines, bool finalBreak = true) const {
        writeBytes(kv::cp932::encode(lines.join(QStringLiteral("\r\n")) + (finalBreak ? "\r\n" : "")));
    }
    // Reads the file over the defaults; ok tells whether the reader reported success.
    kv::Settings read(bool expectOk) const {
        kv::Settings s = Defaults();
        EXPECT_EQ(kv::ReadSettings(s, path()), expectOk);
        EXPECT_EQ(s.firstStart, expectOk ? 0 : 1);
        if (!expectOk) {
            EXPECT_EQ(s.loadInitialFile, 0);
        }
        return s;
    }
    QByteArray bytes() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

void ExpectGoodValues(const kv::Settings& s) {
    EXPECT_EQ(s.windowTop, 100);
    EXPECT_EQ(s.windowLeft, 200);
    EXPECT_EQ(s.windowWidth, 12345);
    EXPECT_EQ(s.windowHeight, 9876);
    EXPECT_EQ(s.editorKind, 2);
    EXPECT_EQ(s.maximiseAtStart, 1);
    EXPECT_EQ(s.sourceFolder, QStringLiteral("/home/学習/casl"));
    EXPECT_EQ(s.userStart, 0);
    EXPECT_EQ(s.initialValue, 0x1234);
    EXPECT_EQ(s.conversionComments, 0);
    EXPECT_EQ(s.fNotationInRunMode, 0);
    EXPECT_EQ(s.autoSpeed, 3);
    EXPECT_EQ(s.frSwitch, 0);
    EXPECT_EQ(s.trace.options, (std::array<std::uint8_t, 11>{1, 0, 1, 0, 0, 0, 0, 2, 1, 1, 0}));
    EXPECT_EQ(s.paneFontSize, 12);
    EXPECT_EQ(s.largeFontSize, 24);
    EXPECT_EQ(s.mediumFontSize, 16);
    EXPECT_EQ(s.smallFontSize, 8);
    EXPECT_EQ(s.labelWidth, 12);
    EXPECT_EQ(s.instructionWidth, 8);
    EXPECT_EQ(s.operandWidth, 16);
    EXPECT_EQ(s.recentFiles[0], QStringLiteral("/home/学習/first.cs2"));
    EXPECT_EQ(s.recentFiles[3], QStringLiteral("fourth.cs2"));
}

}  // namespace

TEST(Settings, Defaults) {
    kv::Settings s;
    s.editorKind = 2;
    s.recentFiles[0] = QStringLiteral("x.cs2");
    s.firstStart = 1;
    kv::SetDefaults(s, 15.0, kProgramFolder);
    EXPECT_EQ(s.windowTop, 0);
    EXPECT_EQ(s.windowLeft, 0);
    EXPECT_EQ(s.windowWidth, 800 * 15);
    EXPECT_EQ(s.windowHeight, 568 * 15);
    EXPECT_EQ(s.editorKind, 1);
    EXPECT_EQ(s.maximiseAtStart, 0);
    EXPECT_EQ(s.loadInitialFile, 0);
    EXPECT_EQ(s.sourceFolder, kProgramFolder);
    EXPECT_EQ(s.userStart, 32768);
    EXPECT_EQ(s.userEnd(), 32768 + 4095);
    EXPECT_EQ(s.initialValue, 32767);
    EXPECT_EQ(s.conversionComments, 1);
    EXPECT_EQ(s.fNotationInRunMode, 1);
    EXPECT_EQ(s.autoSpeed, 7);
    EXPECT_EQ(s.frSwitch, 1);
    EXPECT_EQ(s.trace.options, (std::array<std::uint8_t, 11>{0, 1, 0, 1, 1, 1, 1, 0, 0, 0, 1}));
    EXPECT_EQ(s.paneFontSize, 14);
    EXPECT_EQ(s.largeFontSize, 20);
    EXPECT_EQ(s.mediumFontSize, 14);
    EXPECT_EQ(s.smallFontSize, 10);
    EXPECT_EQ(s.labelWidth, 10);
    EXPECT_EQ(s.instructionWidth, 10);
    EXPECT_EQ(s.operandWidth, 20);
    for (const QString& file : s.recentFiles) EXPECT_TRUE(file.isEmpty());
    EXPECT_EQ(s.firstStart, 0);
}

TEST_F(SettingsFile, MissingFileIsAFirstStart) {
    kv::Settings s = Defaults();
    s.loadInitialFile = 1;
    EXPECT_FALSE(kv::ReadSettings(s, path()));
    EXPECT_EQ(s.firstStart, 1);
    EXPECT_EQ(s.loadInitialFile, 0);
    EXPECT_EQ(s.userStart, 0x8000);
    EXPECT_EQ(s.sourceFolder, kProgramFolder);
}

TEST_F(SettingsFile, EveryFieldSurvivesWriteAndRead) {
    kv::Settings s = Defaults();
    s.windowTop = -120;
    s.windowLeft = 4500;
    s.windowWidth = 13000;
    s.windowHeight = 9100;
    s.editorKind = 2;
    s.maximiseAtStart = 1;
    s.loadInitialFile = 1;
    s.sourceFolder = QStringLiteral("/home/学習/CASL Ⅱ プログラム");
    s.userStart = 0x9000;
    s.initialValue = 0xFFFF;
    s.conversionComments = 0;
    s.fNotationInRunMode = 0;
    s.autoSpeed = 10;
    s.frSwitch = 0;
    s.trace.options = {1, 0, 1, 0, 0, 0, 0, 2, 1, 1, 0};
    s.paneFontSize = 10;
    s.largeFontSize = 28;
    s.mediumFontSize = 18;
    s.smallFontSize = 9;
    s.labelWidth = 8;
    s.instructionWidth = 6;
    s.operandWidth = 18;
    s.recentFiles = {QStringLiteral("C:\\作業\\ＣＡＳＬ, 練習\\課題1.cs2"), QStringLiteral("/home/学習/a,b,c.cs2"),
                     QStringLiteral("  blanks around  "), QString()};
    const QDate date(2024, 4, 1);
    ASSERT_TRUE(kv::WriteSettings(s, path(), date));

    kv::Settings back = Defaults();
    EXPECT_TRUE(kv::ReadSettings(back, path()));
    EXPECT_EQ(back.windowTop, s.windowTop);
    EXPECT_EQ(back.windowLeft, s.windowLeft);
    EXPECT_EQ(back.windowWidth, s.windowWidth);
    EXPECT_EQ(back.windowHeight, s.windowHeight);
    EXPECT_EQ(back.editorKind, s.editorKind);
    EXPECT_EQ(back.maximiseAtStart, s.maximiseAtStart);
    EXPECT_EQ(back.loadInitialFile, s.loadInitialFile);
    EXPECT_EQ(back.sourceFolder, s.sourceFolder);
    EXPECT_EQ(back.userStart, s.userStart);
    EXPECT_EQ(back.userEnd(), 0x9FFF);
    EXPECT_EQ(back.initialValue, s.initialValue);
    EXPECT_EQ(back.conversionComments, s.conversionComments);
    EXPECT_EQ(back.fNotationInRunMode, s.fNotationInRunMode);
    EXPECT_EQ(back.autoSpeed, s.autoSpeed);
    EXPECT_EQ(back.frSwitch, s.frSwitch);
    EXPECT_EQ(back.trace.options, s.trace.options);
    EXPECT_EQ(back.paneFontSize, s.paneFontSize);
    EXPECT_EQ(back.largeFontSize, s.largeFontSize);
    EXPECT_EQ(back.mediumFontSize, s.mediumFontSize);
    EXPECT_EQ(back.smallFontSize, s.smallFontSize);
    EXPECT_EQ(back.labelWidth, s.labelWidth);
    EXPECT_EQ(back.instructionWidth, s.instructionWidth);
    EXPECT_EQ(back.operandWidth, s.operandWidth);
    EXPECT_EQ(back.recentFiles, s.recentFiles);
    EXPECT_EQ(back.firstStart, 0);

    // Writing what was read gives the same file.
    const QByteArray first = bytes();
    ASSERT_TRUE(kv::WriteSettings(back, path(), date));
    EXPECT_EQ(bytes(), first);
}

TEST_F(SettingsFile, FileIsCodePage932WithCrLfLines) {
    kv::Settings s = Defaults();
    s.recentFiles[0] = QStringLiteral("課題.cs2");
    const QDate date(2024, 4, 1);
    ASSERT_TRUE(kv::WriteSettings(s, path(), date));
    const QByteArray raw = bytes();
    EXPECT_EQ(raw.count("\r\n"), 14);
    EXPECT_EQ(raw.count('\n'), 14);
    EXPECT_EQ(raw.count('\r'), 14);
    EXPECT_TRUE(raw.endsWith("\r\n"));

    const QList<QByteArray> lines = raw.split('\n');
    ASSERT_EQ(lines.size(), 15);
    // "■『KavoraⅡ』" in code page 932.
    const QByteArray titleStart("\x81\xA1\x81\x77Kavora\x87\x55\x81\x78");
    EXPECT_TRUE(lines[0].startsWith(titleStart));
    EXPECT_EQ(kv::cp932::decode(lines[0].chopped(1)), QString::fromUtf16(kTitleLine));
    EXPECT_EQ(kv::cp932::decode(lines[1].chopped(1)), QLocale::system().toString(date, QLocale::LongFormat));
    EXPECT_EQ(lines[10], QByteArray("\x89\xDB\x91\xE8.cs2\r"));
    EXPECT_EQ(lines[13], QByteArray("\r"));

    // The numbers of each line, separated by blanks.
    const auto numbersOf = [&](int i) { return QString::fromLatin1(lines[i].chopped(1)).simplified(); };
    EXPECT_EQ(numbersOf(2), QStringLiteral("0 0 12000 8520"));
    EXPECT_EQ(numbersOf(3), QStringLiteral("1 0 0 ") + kProgramFolder);
    EXPECT_EQ(numbersOf(4), QStringLiteral("32768 32767"));
    EXPECT_EQ(numbersOf(5), QStringLiteral("1 1 7"));
    EXPECT_EQ(numbersOf(6), QStringLiteral("1"));
    EXPECT_EQ(numbersOf(7), QStringLiteral("0 1 0 1 1 1 1 0 0 0 1"));
    EXPECT_EQ(numbersOf(8), QStringLiteral("14 20 14 10"));
    EXPECT_EQ(numbersOf(9), QStringLiteral("10 10 20"));
}

TEST_F(SettingsFile, LineFiveMovesTheUserArea) {
    // Spacing as the original program's print statement writes it.
    writeLines({QString::fromUtf16(kTitleLine), QStringLiteral("2024年4月1日"), QStringLiteral(" 0  0  12000  8520 "),
                QStringLiteral(" 1  0  0 C:\\Kavora2"), QStringLiteral("36864 32767"), QStringLiteral(" 1  1  7 "),
                QStringLiteral(" 1 "), QStringLiteral(" 0  1  0  1  1  1  1  0  0  0  1 "),
                QStringLiteral(" 14  20  14  10 "), QStringLiteral(" 10  10  20 "), QString(), QString(), QString(),
                QString()});
    const kv::Settings s = read(true);
    EXPECT_EQ(s.userStart, 0x9000);
    EXPECT_EQ(s.userEnd(), 0x9FFF);
    EXPECT_EQ(s.initialValue, 0x7FFF);
    EXPECT_EQ(s.sourceFolder, QStringLiteral("C:\\Kavora2"));
}

TEST_F(SettingsFile, ValuesSeparatedByBlanksOrCommas) {
    QStringList lines = GoodLines();
    lines[2] = QStringLiteral("100,200 , 12345\t9876");
    lines[3] = QStringLiteral(" 2,1,1,/home/学習/casl , more after the comma");
    lines[7] = QStringLiteral("1,0,1,0,0,0,0,2,1,1,0");
    writeLines(lines);
    ExpectGoodValues(read(true));

    // A folder may hold blanks; without a folder the default stays.
    lines[3] = QStringLiteral("2 1 1   My Programs/CASL Ⅱ   ");
    writeLines(lines);
    EXPECT_EQ(read(true).sourceFolder, QStringLiteral("My Programs/CASL Ⅱ"));
    lines[3] = QStringLiteral("2 1 1 , x");
    writeLines(lines);
    EXPECT_EQ(read(true).sourceFolder, QStringLiteral("x"));
    for (const char* line4 : {"2 1 1", "2 1 1 ", "2 1 1,", "2 1 1 ,, x"}) {
        lines[3] = QLatin1String(line4);
        writeLines(lines);
        const kv::Settings s = read(true);
        EXPECT_EQ(s.sourceFolder, kProgramFolder) << line4;
        EXPECT_EQ(s.loadInitialFile, 1) << line4;
    }
}

TEST_F(SettingsFile, MissingFinalLineBreakIsAccepted) {
    writeLines(GoodLines(), false);
    ExpectGoodValues(read(true));
    // Blank lines at the end of the file are the recent files.
    QStringList lines = GoodLines();
    lines[12] = lines[13] = QString();
    writeLines(lines);
    const kv::Settings s = read(true);
    EXPECT_TRUE(s.recentFiles[2].isEmpty());
    EXPECT_TRUE(s.recentFiles[3].isEmpty());
}

TEST_F(SettingsFile, GarbageLeavesTheDefaults) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 7919) & 0xFF));
    for (const QByteArray& content : {garbage, QByteArray(), QByteArray("\r\n\r\n\r\n"), QByteArray(5000, '\0'),
                                      QByteArray("\x81\x81\x81\n\xFF\xFE\n")}) {
        writeBytes(content);
        const kv::Settings s = read(false);
        const kv::Settings d = Defaults();
        EXPECT_EQ(s.windowWidth, d.windowWidth);
        EXPECT_EQ(s.editorKind, d.editorKind);
        EXPECT_EQ(s.userStart, d.userStart);
        EXPECT_EQ(s.sourceFolder, d.sourceFolder);
        EXPECT_EQ(s.trace.options, d.trace.options);
        EXPECT_EQ(s.labelWidth, d.labelWidth);
    }
}

TEST_F(SettingsFile, ValuesReadBeforeAFailureStay) {
    // Cut off after line 6: lines 3 to 6 count, the rest keeps its defaults.
    writeLines(GoodLines().mid(0, 6));
    kv::Settings s = read(false);
    EXPECT_EQ(s.windowWidth, 12345);
    EXPECT_EQ(s.editorKind, 2);
    EXPECT_EQ(s.sourceFolder, QStringLiteral("/home/学習/casl"));
    EXPECT_EQ(s.userStart, 0);
    EXPECT_EQ(s.autoSpeed, 3);
    EXPECT_EQ(s.frSwitch, 1);
    EXPECT_EQ(s.paneFontSize, 14);

    // Line 8 with five values only.
    QStringList lines = GoodLines();
    lines[7] = QStringLiteral("1 0 1 0 0");
    writeLines(lines);
    s = read(false);
    EXPECT_EQ(s.frSwitch, 0);
    EXPECT_EQ(s.trace.options, (std::array<std::uint8_t, 11>{1, 0, 1, 0, 0, 1, 1, 0, 0, 0, 1}));
    EXPECT_EQ(s.labelWidth, 10);

    // A value that is no number.
    lines = GoodLines();
    lines[8] = QStringLiteral("12 abc 16 8");
    writeLines(lines);
    s = read(false);
    EXPECT_EQ(s.paneFontSize, 12);
    EXPECT_EQ(s.largeFontSize, 20);
    EXPECT_EQ(s.mediumFontSize, 14);
    EXPECT_EQ(s.operandWidth, 20);
    for (const char* bad : {"1.5", "0x10", "+", "-", "1e3", "１２"}) {
        lines = GoodLines();
        lines[4] = QStringLiteral("36864 ") + QString::fromUtf8(bad);
        writeLines(lines);
        s = read(false);
        EXPECT_EQ(s.userStart, 0x9000) << bad;
        EXPECT_EQ(s.initialValue, 0x7FFF) << bad;
    }

    // Thirteen lines: three recent files.
    writeLines(GoodLines().mid(0, 13));
    s = read(false);
    EXPECT_EQ(s.recentFiles[2], QStringLiteral("third.cs2"));
    EXPECT_TRUE(s.recentFiles[3].isEmpty());
}

TEST_F(SettingsFile, ValuesOutsideTheirRangesFallBackToTheDefaults) {
    QStringList lines = GoodLines();
    lines[2] = QStringLiteral("99999999999999999999 -99999999999 0 -5");
    lines[3] = QStringLiteral("3 2 -1 /x");
    lines[4] = QStringLiteral("40961 65536");
    lines[5] = QStringLiteral("-1 2 11");
    lines[6] = QStringLiteral("-32768");
    lines[7] = QStringLiteral("2 -1 9 0 0 0 0 3 1 1 0");
    lines[8] = QStringLiteral("5 73 0 100000");
    lines[9] = QStringLiteral("7 4 21");
    writeLines(lines);
    kv::Settings s = read(true);
    const kv::Settings d = Defaults();
    EXPECT_EQ(s.windowTop, 0);
    EXPECT_EQ(s.windowLeft, 0);
    EXPECT_EQ(s.windowWidth, d.windowWidth);
    EXPECT_EQ(s.windowHeight, d.windowHeight);
    EXPECT_EQ(s.editorKind, 1);
    EXPECT_EQ(s.maximiseAtStart, 0);
    EXPECT_EQ(s.loadInitialFile, 0);
    EXPECT_EQ(s.sourceFolder, QStringLiteral("/x"));
    EXPECT_EQ(s.userStart, 0x8000);
    EXPECT_EQ(s.initialValue, 0x7FFF);
    EXPECT_EQ(s.conversionComments, 1);
    EXPECT_EQ(s.fNotationInRunMode, 1);
    EXPECT_EQ(s.autoSpeed, 7);
    EXPECT_EQ(s.frSwitch, 1);
    EXPECT_EQ(s.trace.options, (std::array<std::uint8_t, 11>{0, 1, 0, 0, 0, 0, 0, 0, 1, 1, 0}));
    EXPECT_EQ(s.paneFontSize, 14);
    EXPECT_EQ(s.largeFontSize, 20);
    EXPECT_EQ(s.mediumFontSize, 14);
    EXPECT_EQ(s.smallFontSize, 10);
    EXPECT_EQ(s.labelWidth, 10);
    EXPECT_EQ(s.instructionWidth, 10);
    EXPECT_EQ(s.operandWidth, 20);
    EXPECT_EQ(s.recentFiles[0], QStringLiteral("/home/学習/first.cs2"));

    // The edges of the ranges are accepted.
    lines[4] = QStringLiteral("36864 65535");
    lines[9] = QStringLiteral("8 5 5");
    writeLines(lines);
    s = read(true);
    EXPECT_EQ(s.userStart, 0x9000);
    EXPECT_EQ(s.initialValue, 0xFFFF);
    EXPECT_EQ(s.labelWidth, 8);
    EXPECT_EQ(s.instructionWidth, 5);
    EXPECT_EQ(s.operandWidth, 5);
    lines[4] = QStringLiteral("36865 0");
    lines[9] = QStringLiteral("20 20 20");
    writeLines(lines);
    s = read(true);
    EXPECT_EQ(s.userStart, 0x8000);
    EXPECT_EQ(s.initialValue, 0);
    EXPECT_EQ(s.labelWidth, 20);
    EXPECT_EQ(s.instructionWidth, 20);
    EXPECT_EQ(s.operandWidth, 20);
    lines[9] = QStringLiteral("21 21 4");
    writeLines(lines);
    s = read(true);
    EXPECT_EQ(s.labelWidth, 10);
    EXPECT_EQ(s.instructionWidth, 10);
    EXPECT_EQ(s.operandWidth, 20);
}

TEST_F(SettingsFile, HugeFilesAreReadUpToTheirFirstMegabyte) {
    QStringList lines = GoodLines();
    lines << QString(3 << 20, QLatin1Char('x'));
    writeLines(lines);
    ExpectGoodValues(read(true));

    lines = GoodLines();
    lines[10] = QString(3 << 20, QLatin1Char('x'));
    writeLines(lines);
    const kv::Settings s = read(false);
    EXPECT_EQ(s.operandWidth, 16);
    EXPECT_TRUE(s.recentFiles[0].isEmpty());
}

TEST_F(SettingsFile, UnreadableOrUnwritablePlaces) {
    kv::Settings s = Defaults();
    EXPECT_FALSE(kv::ReadSettings(s, dir.path()));
    EXPECT_EQ(s.firstStart, 1);
    const QString nowhere = dir.filePath(QStringLiteral("missing/folder/Kavora2.inis"));
    EXPECT_FALSE(kv::WriteSettings(Defaults(), nowhere));
    EXPECT_FALSE(QFile::exists(nowhere));
}
