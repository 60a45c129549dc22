// The step history on its own: what it keeps of a step, its limits of steps and of memory (the
// oldest steps fall away), and where the learner stands when no step is left.

#include <gtest/gtest.h>

#include "SameMachine.h"
#include "simulator/StepHistory.h"

namespace kv::testing {
namespace {

class StepHistoryTest : public ::testing::Test {
protected:
    MachineState m;
    VirtualFileDevice device;

    StepHistoryTest() { m.ResetForRun(); }

    // One step as an instruction might make it: PR moves on, GR1 counts the steps and the step
    // writes `words` words from #8100 and changes a word kind.
    void step(StepHistory& history, int number, int words = 0, const QString* output = nullptr) {
        history.Before(m, device);
        m.PR += 1;
        m.nextPR = m.PR;
        m.GR[1] = number;
        m.SF = '1';
        for (int i = 0; i < words; ++i) m.word(0x8100 + i) = number * 1000 + i;
        if (words > 0) m.wordKinds[0x100] ^= kind::Breakpoint;
        history.After(m, output);
    }
};

TEST_F(StepHistoryTest, StepsComeBackInReverseOrder) {
    StepHistory history;
    history.Restart(0x7777, true, m.userStart);
    std::vector<MachineState> states{m};
    for (int i = 1; i <= 5; ++i) {
        step(history, i, i);
        states.push_back(m);
    }
    EXPECT_EQ(history.steps(), 5u);
    for (int i = 4; i >= 0; --i) {
        const StepHistory::Stop stop = history.StepBack(m, device);
        EXPECT_TRUE(SameMachine(states[i], m)) << i;
        // The panels show the instruction before as executed last; at the start the given place.
        EXPECT_EQ(stop.shownPR, i == 0 ? 0x7777 : states[i - 1].PR) << i;
        EXPECT_EQ(stop.runStart, i == 0) << i;
    }
    EXPECT_FALSE(history.CanStepBack(m));
    EXPECT_EQ(history.bytes(), 0u);
    // Nothing left: nothing changes.
    history.StepBack(m, device);
    EXPECT_TRUE(SameMachine(states[0], m));
}

TEST_F(StepHistoryTest, TheOldestStepsFallAwayPastTheStepLimit) {
    StepHistory history(5, StepHistory::kMaxBytes);
    history.Restart(0x7777, true, m.userStart);
    std::vector<MachineState> states{m};
    for (int i = 1; i <= 8; ++i) {
        step(history, i, 2);
        states.push_back(m);
    }
    EXPECT_EQ(history.steps(), 5u);
    StepHistory::Stop stop;
    for (int i = 0; i < 5; ++i) stop = history.StepBack(m, device);
    EXPECT_TRUE(SameMachine(states[3], m));
    // The step that fell away last shows as the instruction executed last; not the run's start.
    EXPECT_EQ(stop.shownPR, states[2].PR);
    EXPECT_FALSE(stop.runStart);
    EXPECT_FALSE(history.CanStepBack(m));
}

TEST_F(StepHistoryTest, TheOldestStepsFallAwayPastTheMemoryCap) {
    StepHistory measure;
    measure.Restart(0, true, m.userStart);
    step(measure, 1, 100);
    const std::size_t oneStep = measure.bytes();
    EXPECT_GT(oneStep, 100 * 6u);  // every word changed costs memory

    m.ResetForRun();
    const std::size_t cap = 3 * oneStep + oneStep / 2;
    StepHistory history(StepHistory::kMaxSteps, cap);
    history.Restart(0, true, m.userStart);
    std::vector<MachineState> states{m};
    for (int i = 1; i <= 10; ++i) {
        step(history, i, 100);
        states.push_back(m);
        EXPECT_LE(history.bytes(), cap);
    }
    EXPECT_EQ(history.steps(), 3u);
    for (int i = 0; i < 3; ++i) history.StepBack(m, device);
    EXPECT_TRUE(SameMachine(states[7], m));
    EXPECT_EQ(history.bytes(), 0u);

    // A step larger than the cap is not kept at all.
    StepHistory tiny(StepHistory::kMaxSteps, oneStep / 2);
    tiny.Restart(0, true, m.userStart);
    step(tiny, 1, 100);
    EXPECT_EQ(tiny.steps(), 0u);
    EXPECT_EQ(tiny.bytes(), 0u);
    EXPECT_FALSE(tiny.CanStepBack(m));
}

TEST_F(StepHistoryTest, OutputTextsAreKeptWithTheirStepsAndCounted) {
    StepHistory history;
    history.Restart(0, true, m.userStart);
    step(history, 1);
    const std::size_t plain = history.bytes();
    const QString text(200, QLatin1Char('x'));
    step(history, 2, 0, &text);
    EXPECT_GE(history.bytes(), 2 * plain + 400);
    StepHistory::Stop stop = history.StepBack(m, device);
    EXPECT_TRUE(stop.outputTakenBack);
    EXPECT_EQ(stop.output, text);
    stop = history.StepBack(m, device);
    EXPECT_FALSE(stop.outputTakenBack);
    EXPECT_EQ(history.bytes(), 0u);
}

TEST_F(StepHistoryTest, TheReaderOfTheVirtualFileDeviceComesBack) {
    ErrorState error;
    device.recordText = QStringLiteral("[a]\n[END]\n");
    StepHistory history;
    history.Restart(0, true, m.userStart);
    history.Before(m, device);
    device.ReadNextRecord(error);
    history.After(m, nullptr);
    history.Before(m, device);
    EXPECT_EQ(device.ReadNextRecord(error).status, RecordStatus::End);
    history.After(m, nullptr);
    history.StepBack(m, device);
    EXPECT_EQ(device.ReadNextRecord(error).status, RecordStatus::End);
    history.StepBack(m, device);
    history.StepBack(m, device);
    EXPECT_EQ(device.ReadNextRecord(error).record, QStringLiteral("a"));
}

TEST_F(StepHistoryTest, LastChangesNameWhatTheNewestStepChanged) {
    StepHistory history;
    history.Restart(0, true, m.userStart);
    EXPECT_FALSE(history.LastChanges(m).any());
    history.Before(m, device);
    m.GR[3] = 1;
    m.SP -= 1;
    m.word(m.SP) = 5;
    m.word(0x8010) = 9;
    m.wordKinds[0x20] = kind::Constant;  // a kind alone is no value to show
    m.ZF = '1';
    history.After(m, nullptr);
    const ChangedValues changed = history.LastChanges(m);
    EXPECT_EQ(changed.registers,
              (std::array<bool, 8>{false, false, false, true, false, false, false, false}));
    EXPECT_TRUE(changed.flags);
    EXPECT_TRUE(changed.stackPointer);
    EXPECT_EQ(changed.addresses, (std::vector<std::int32_t>{0x8010, 0x8FFF}));
    EXPECT_TRUE(changed.word(0x8FFF));
    EXPECT_FALSE(changed.word(0x8020));
}

TEST_F(StepHistoryTest, NoStepBackAfterTheAreaMoved) {
    StepHistory history;
    history.Restart(0, true, m.userStart);
    step(history, 1);
    EXPECT_TRUE(history.CanStepBack(m));
    m.setUserStart(0x9000);
    EXPECT_FALSE(history.CanStepBack(m));
}

}  // namespace
}  // namespace kv::testing
