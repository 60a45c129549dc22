#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "assembler/AssemblyState.h"
#include "assembler/Catalogue.h"
#include "filedevice/VirtualFileDevice.h"
#include "machine/MachineState.h"
#include "simulator/Supervisor.h"

namespace kv::testing {
namespace {

// The mode whose name the run notes show ("Run", "Tron", "Start", "Step", "Auto").
RunMode ModeNamed(const char* name) {
    for (RunMode mode : {RunMode::Run, RunMode::Trace, RunMode::Start, RunMode::Step, RunMode::Auto})
        if (RunModeText(mode) == QLatin1String(name)) return mode;
    return RunMode::None;
}

// The supervisor on its own: PR stands on an IN or OUT expansion whose area is #8100 and whose
// length word is #8400; words the transfer must not touch hold the marker #5A5A.
class SupervisorTest : public ::testing::Test {
protected:
    static constexpr std::int32_t kArea = 0x8100, kLength = 0x8400, kUntouched = 0x5A5A;

    MachineState machine;
    AssemblyState assembly;
    ErrorState error;
    VirtualFileDevice device;
    RecordingHost host;
    RunNotes notes{host, machine, assembly};
    RunMode mode = RunMode::Run;
    Supervisor supervisor{machine, error, device, notes, host, mode};

    SupervisorTest() {
        machine.ResetForRun();
        machine.PR = 0x8000;
        machine.memory.fill(kUntouched);
        transferAt(kArea, kLength);
        machine.memory[MachineState::kAreaWords] = kOsReturn;
    }

    void transferAt(std::int32_t area, std::int32_t length) {
        machine.word(0x8005) = area;
        machine.word(0x8007) = length;
    }

    void typeLine(const QString& line) {
        host.onWait = [this, line] {
            EXPECT_EQ(supervisor.PendingInput(), QStringLiteral("\r"));
            supervisor.setPendingInput(line);
        };
    }

    void putText(std::int32_t address, std::initializer_list<std::int32_t> codes) {
        for (const std::int32_t c : codes) machine.word(address++) = c;
    }
};

TEST_F(SupervisorTest, ConsoleInputInRunAndTrace) {
    for (const char* m : {"Run", "Tron"}) {
        mode = ModeNamed(m);
        host = RecordingHost();
        typeLine(QStringLiteral("AB"));
        EXPECT_EQ(supervisor.PerformIn(), 0);
        EXPECT_TRUE(host.consoleShown);
        ASSERT_EQ(host.consoleLines.size(), 1);
        EXPECT_EQ(host.consoleLines[0].colour, colours::Green);
        EXPECT_EQ(host.consoleLines[0].text, QStringLiteral("IN命令です。入力してください。"));
        EXPECT_FALSE(host.consoleEnabled);  // enabled only while it waits
        EXPECT_EQ(machine.word(kLength), 2);
        EXPECT_EQ(machine.word(kArea), 65);
        EXPECT_EQ(machine.word(kArea + 1), 66);
        EXPECT_EQ(machine.word(kArea + 2), kUntouched);
        EXPECT_TRUE(host.inputBoxes.isEmpty());
    }
}

TEST_F(SupervisorTest, ConsoleWaitLastsUntilALineArrives) {
    int waits = 0;
    host.onWait = [&] {
        if (++waits == 3) supervisor.setPendingInput(QString());  // the run was ended
    };
    EXPECT_EQ(supervisor.PerformIn(), 0);
    EXPECT_EQ(waits, 3);
    EXPECT_EQ(machine.word(kLength), 0);
    EXPECT_EQ(machine.word(kArea), kUntouched);
}

TEST_F(SupervisorTest, InputBoxesInTheStepModes) {
    const std::pair<const char*, const char16_t*> titles[] = {
        {"Start", u"ステップ実行中"}, {"Step", u"ステップ実行中"}, {"Auto", u"オート実行中"}};
    for (const auto& [m, title] : titles) {
        mode = ModeNamed(m);
        host = RecordingHost();
        host.inputAnswers = {QStringLiteral("xyz")};
        EXPECT_EQ(supervisor.PerformIn(), 0);
        ASSERT_EQ(host.inputBoxes.size(), 1);
        EXPECT_EQ(host.inputBoxes[0].first, QString::fromUtf16(title));
        EXPECT_EQ(host.inputBoxes[0].second, QStringLiteral("IN命令です。入力してください。"));
        EXPECT_EQ(machine.word(kLength), 3);
        EXPECT_EQ(machine.word(kArea + 2), 'z');
        EXPECT_TRUE(host.consoleLines.isEmpty());
    }
    // Cancelling the box gives the empty text.
    host.inputAnswers.clear();
    EXPECT_EQ(supervisor.PerformIn(), 0);
    EXPECT_EQ(machine.word(kLength), 0);
}

TEST_F(SupervisorTest, InputIsCutTo256Characters) {
    typeLine(QString(300, QLatin1Char('x')));
    EXPECT_EQ(supervisor.PerformIn(), 1);
    EXPECT_EQ(error.number(), 0);  // the run ends without an error text
    EXPECT_EQ(machine.word(kLength), 256);
    EXPECT_EQ(machine.word(kArea + 255), 'x');
    EXPECT_EQ(machine.word(kArea + 256), kUntouched);

    typeLine(QString(256, QLatin1Char('y')));
    EXPECT_EQ(supervisor.PerformIn(), 0);
    EXPECT_EQ(machine.word(kLength), 256);
}

TEST_F(SupervisorTest, CharacterCodesOfCodePage932) {
    // "あ" is #82A0, stored as the negative number with that pattern; "ｱ" is the single byte #B1;
    // Hangul and an emoji are not in the code page and are stored as "?".
    typeLine(QStringLiteral("aあｱ한😀b"));
    EXPECT_EQ(supervisor.PerformIn(), 0);
    EXPECT_EQ(machine.word(kLength), 6);
    EXPECT_EQ(machine.word(kArea), 'a');
    EXPECT_EQ(machine.word(kArea + 1), 0x82A0 - 0x10000);
    EXPECT_EQ(machine.word(kArea + 1) & 0xFFFF, 0x82A0);
    EXPECT_EQ(machine.word(kArea + 2), 0xB1);
    EXPECT_EQ(machine.word(kArea + 3), '?');
    EXPECT_EQ(machine.word(kArea + 4), '?');
    EXPECT_EQ(machine.word(kArea + 5), 'b');

    // OUT writes them back through the low byte.
    putText(kArea, {0xB1, 'A', 0x82A0});
    machine.word(kLength) = 2;
    EXPECT_EQ(supervisor.PerformOut(), 0);
    EXPECT_EQ(host.consoleLines.last().text, QStringLiteral("ｱA"));
}

TEST_F(SupervisorTest, VirtualFileDevice) {
    device.inputDevice = InputDevice::VirtualFile;
    device.recordText = QStringLiteral("[hello]\n[]\n[END]\n");
    EXPECT_EQ(supervisor.PerformIn(), 0);
    EXPECT_EQ(machine.word(kLength), 5);
    EXPECT_EQ(machine.word(kArea + 4), 'o');
    EXPECT_EQ(supervisor.PerformIn(), 0);
    EXPECT_EQ(machine.word(kLength), 0);

    machine.word(kArea) = kUntouched;
    EXPECT_EQ(supervisor.PerformIn(), 0);
    EXPECT_EQ(machine.word(kLength), -1);  // the end-of-file value, as the number -1
    EXPECT_EQ(machine.word(kArea), kUntouched);
    EXPECT_EQ(notes.text(), QStringLiteral("仮想ファイル装置のファイルの終わり（[END]）です。"));
    EXPECT_EQ(supervisor.PerformIn(), 5);
    EXPECT_EQ(error.number(), 453);
    EXPECT_TRUE(host.consoleLines.isEmpty());
    EXPECT_TRUE(host.inputBoxes.isEmpty());

    device.ResetRecordReader();
    device.endOfFileValue = 0;
    device.recordText = QStringLiteral("[END]\n");
    EXPECT_EQ(supervisor.PerformIn(), 0);
    EXPECT_EQ(machine.word(kLength), 0);

    device.ResetRecordReader();
    device.recordText = QStringLiteral("[a]\nnot a record\n");
    error = ErrorState();
    EXPECT_EQ(supervisor.PerformIn(), 0);
    EXPECT_EQ(supervisor.PerformIn(), 7);
    EXPECT_EQ(error.number(), 459);

    device.ResetRecordReader();
    device.recordText = QStringLiteral("[a]");
    EXPECT_EQ(supervisor.PerformIn(), 9);
    EXPECT_EQ(error.number(), 451);
}

TEST_F(SupervisorTest, TransferAddressesOutsideTheArea) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {
        {0x7FFF, kLength}, {kArea, 0x9000}, {0x9000, kLength}, {kArea, 0xFFFF}};
    for (const auto& [area, length] : cases) {
        transferAt(area, length);
        error = ErrorState();
        host.onWait = [] { ADD_FAILURE() << "no input may be asked for"; };
        EXPECT_EQ(supervisor.PerformIn(), 9);
        EXPECT_EQ(error.number(), 402);
        error = ErrorState();
        EXPECT_EQ(supervisor.PerformOut(), 9);
        EXPECT_EQ(error.number(), 402);
    }
    EXPECT_TRUE(host.consoleLines.isEmpty());
    EXPECT_EQ(machine.word(kLength), kUntouched);
}

TEST_F(SupervisorTest, NothingIsStoredOrReadPastTheArea) {
    // Three words are left from #8FFD; the stack-bottom word above them keeps #E000.
    transferAt(0x8FFD, kLength);
    typeLine(QStringLiteral("ABCDE"));
    EXPECT_EQ(supervisor.PerformIn(), 1);
    EXPECT_EQ(machine.word(kLength), 3);
    EXPECT_EQ(machine.word(0x8FFF), 'C');
    EXPECT_EQ(machine.word(0x9000), kOsReturn);
    EXPECT_EQ(machine.word(0x9001), kUntouched);

    machine.word(kLength) = 5;
    EXPECT_EQ(supervisor.PerformOut(), 1);
    EXPECT_EQ(host.consoleLines.last().text, QStringLiteral("ABC"));

    // The last word of the area alone.
    transferAt(0x8FFF, 0x8FFF);
    typeLine(QStringLiteral("Z"));
    EXPECT_EQ(supervisor.PerformIn(), 0);
    EXPECT_EQ(machine.word(0x8FFF), 'Z');  // the length 1, then the character over it
}

TEST_F(SupervisorTest, OutputInEachMode) {
    putText(kArea, {65, 10, 66});
    machine.word(kLength) = 3;
    EXPECT_EQ(supervisor.PerformOut(), 0);
    ASSERT_EQ(host.consoleLines.size(), 1);
    EXPECT_EQ(host.consoleLines[0].colour, colours::Blue);
    EXPECT_EQ(host.consoleLines[0].text, QStringLiteral("A_B"));
    EXPECT_FALSE(host.consoleEnabled);

    const std::pair<const char*, const char16_t*> titles[] = {
        {"Start", u"ステップ実行中　OUT命令"}, {"Step", u"ステップ実行中　OUT命令"}, {"Auto", u"オート実行中　OUT命令"}};
    for (const auto& [m, title] : titles) {
        mode = ModeNamed(m);
        host = RecordingHost();
        EXPECT_EQ(supervisor.PerformOut(), 0);
        ASSERT_EQ(host.boxes.size(), 1);
        EXPECT_EQ(host.boxes[0].text, QStringLiteral("A_B"));
        EXPECT_EQ(host.boxes[0].title, QString::fromUtf16(title));
        EXPECT_TRUE(host.consoleLines.isEmpty());
    }
}

TEST_F(SupervisorTest, OutputLengths) {
    for (std::int32_t i = 0; i < 300; ++i) machine.word(kArea + i) = 'a' + i % 26;
    const std::tuple<std::int32_t, StepResult, int> cases[] = {
        {-1, 0, 0},       // the end-of-file value stored by IN: an empty line
        {0, 0, 0},
        {-32096, 0, 0},   // any negative number
        {1, 0, 1},
        {256, 0, 256},
        {257, 1, 256},    // cut, and the run ends without an error text
        {0xFFFF, 1, 256}, // #FFFF written by ST is 65535
    };
    for (const auto& [length, result, characters] : cases) {
        host = RecordingHost();
        machine.word(kLength) = length;
        EXPECT_EQ(supervisor.PerformOut(), result) << length;
        ASSERT_EQ(host.consoleLines.size(), 1);
        EXPECT_EQ(host.consoleLines[0].text.size(), characters) << length;
        EXPECT_EQ(error.number(), 0);
    }
    EXPECT_EQ(host.consoleLines[0].text.left(3), QStringLiteral("abc"));
}

TEST_F(SupervisorTest, SupervisorCallNumbers) {
    for (const char* m : {"Run", "Step"}) {
        mode = ModeNamed(m);
        host = RecordingHost();
        machine.EA = 1;
        EXPECT_EQ(supervisor.PerformSvc(), 0);
        machine.EA = 2;
        EXPECT_EQ(supervisor.PerformSvc(), 0);
        ASSERT_EQ(host.boxes.size(), 2);
        EXPECT_EQ(host.boxes[0].title, QStringLiteral("スーパバイザコール"));
        EXPECT_EQ(host.boxes[0].text, QStringLiteral("入力機能ですが、ユーザの使用を禁止します。\nIN命令を使ってください。"));
        EXPECT_EQ(host.boxes[1].title, QStringLiteral("スーパバイザコール"));
        EXPECT_EQ(host.boxes[1].text, QStringLiteral("出力機能ですが、ユーザの使用を禁止します。\nOUT命令を使ってください。"));
        EXPECT_EQ(error.number(), 0);
    }
    for (const std::int32_t number : {0, 3, 9, 11, 15, 17, 0xFFFF}) {
        machine.EA = number;
        error = ErrorState();
        EXPECT_EQ(supervisor.PerformSvc(), 3) << number;
        EXPECT_EQ(error.number(), 990);
    }
}

TEST_F(SupervisorTest, RegisterDisplays) {
    machine.GR = {5, 0xFFFF, 0x8000, 0x7FFF, 0, 1, 0x1234, 0xABCD};
    machine.EA = 10;
    EXPECT_EQ(supervisor.PerformSvc(), 0);
    EXPECT_EQ(host.console, QStringLiteral("***　SV CALL　　PR=#8000\n"
                                           "GR0=    +5 GR1=    -1 GR2=-32768 GR3=+32767 GR4=     0 GR5=    +1 "
                                           "GR6= +4660 GR7=-21555 \n"));
    host = RecordingHost();
    machine.EA = 16;
    EXPECT_EQ(supervisor.PerformSvc(), 0);
    EXPECT_EQ(host.console, QStringLiteral("***　SV CALL　　PR=#8000\n"
                                           "GR0=#0005 GR1=#FFFF GR2=#8000 GR3=#7FFF GR4=#0000 GR5=#0001 "
                                           "GR6=#1234 GR7=#ABCD \n"));
    EXPECT_TRUE(host.boxes.isEmpty());

    mode = RunMode::Trace;
    for (const std::int32_t number : {10, 16}) {
        host = RecordingHost();
        machine.EA = number;
        EXPECT_EQ(supervisor.PerformSvc(), 0);
        EXPECT_EQ(host.console, QStringLiteral("***　SV CALL　***\n"));
    }
    for (const char* m : {"Start", "Step", "Auto"}) {
        mode = ModeNamed(m);
        host = RecordingHost();
        EXPECT_EQ(supervisor.PerformSvc(), 0);
        ASSERT_EQ(host.boxes.size(), 1);
        EXPECT_EQ(host.boxes[0].title, QStringLiteral("スーパバイザコール"));
        EXPECT_EQ(host.boxes[0].text, QStringLiteral("レジスタ表示機能は、一括実行だけ有効で、コンソールに出力されます。"));
        EXPECT_TRUE(host.console.isEmpty());
    }
}

TEST_F(SupervisorTest, ConstantWriteWarning) {
    const QString warning = QStringLiteral("警告!　DCで定数を設定した領域（8010）に書き込みました。\n"
                                           "　処理は続行しますが、定数を元に戻すには再アセンブルが必要です。");
    error.raiseAddress(kv::ErrorCode(406), 0x8010, 0x8000, 0x8FFF);
    supervisor.WarnConstantWrite();
    ASSERT_EQ(host.consoleLines.size(), 1);
    EXPECT_EQ(host.consoleLines[0].colour, colours::Olive);
    EXPECT_EQ(host.consoleLines[0].text, QStringLiteral("　") + warning);
    EXPECT_TRUE(host.boxes.isEmpty());
    EXPECT_EQ(error.number(), 0);

    mode = RunMode::Auto;
    error.raiseAddress(kv::ErrorCode(406), 0x8010, 0x8000, 0x8FFF);
    supervisor.WarnConstantWrite();
    ASSERT_EQ(host.boxes.size(), 1);
    EXPECT_EQ(host.boxes[0].text, warning);
    EXPECT_EQ(host.boxes[0].title, QStringLiteral("実行時エラー"));
    EXPECT_EQ(host.boxes[0].icon, BoxIcon::Information);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(error.number(), 0);
}

}  // namespace
}  // namespace kv::testing
