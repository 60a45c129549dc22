#include <gtest/gtest.h>

#include "assembler/AssemblyState.h"
#include "core/RecordingHost.h"
#include "machine/MachineState.h"
#include "simulator/RunNotes.h"

// Failure messages show the texts themselves.
static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

using kv::testing::RecordingHost;

static QString Str(const char16_t* text) { return QString::fromUtf16(text); }

namespace {

struct RunNotesFixture : ::testing::Test {
    RecordingHost host;
    kv::MachineState machine;
    kv::AssemblyState assembly;
    kv::RunNotes notes{host, machine, assembly};

    QString shown() const { return host.statusNotes.isEmpty() ? QStringLiteral("<none>") : host.statusNotes.last(); }
};

}  // namespace

TEST_F(RunNotesFixture, KindZeroShowsTheNotesAndNoteZeroRepeatsTheLast) {
    const struct {
        int note;
        const char16_t* text;
    } table[] = {{1, u"GRの初期値は、オプションで変更できます。"},   {10, u"復帰番地をスタックに積みました。"}, {11, u"スタック最上段から復帰番地を取り出しPRに設定しました。"}, {12, u"実効アドレスEAをスタックに積みました。"},
                 {13, u"スタック最上段の値をGRに取り出しました。"}, {14, u"スタック最上段から復帰番地を取り出し、OSに戻ります。"}, {91, u"仮想ファイル装置のファイルの終わり（[END]）です。"}};
    for (const auto& row : table) {
        notes.ShowRunNote(0, row.note);
        EXPECT_EQ(shown(), Str(row.text)) << row.note;
        EXPECT_EQ(notes.text(), Str(row.text));
    }
    notes.ShowRunNote(0, 12);
    notes.ShowRunNote(9, 0);
    EXPECT_EQ(shown(), QString());
    notes.ShowRunNote(0, 0);
    EXPECT_EQ(shown(), Str(u"実効アドレスEAをスタックに積みました。"));

    // Notes without text change nothing, and 0 then stands for that empty note.
    const int before = host.statusNotes.size();
    for (int note : {21, 22, 101, 105, 0, 7}) notes.ShowRunNote(0, note);
    EXPECT_EQ(host.statusNotes.size(), before);
    EXPECT_EQ(notes.text(), Str(u"実効アドレスEAをスタックに積みました。"));
}

TEST_F(RunNotesFixture, KindOneShowsTheFNotationOfTheInstructionAtPR) {
    assembly.listing.resize(5);
    assembly.listing[2].fNotation = QStringLiteral("GR1←GR1＋M(DATA)");
    assembly.listing[4].fNotation = QStringLiteral("PR←M(SP)");
    machine.lineOfAddress[2] = 3;
    machine.lineOfAddress[kv::MachineState::kAreaWords - 1] = 5;

    machine.PR = 0x8002;
    notes.ShowRunNote(1, 0);
    EXPECT_EQ(shown(), QStringLiteral("　F式表記：　GR1←GR1＋M(DATA)"));
    machine.PR = 0x8FFF;
    notes.ShowRunNote(1, 0);
    EXPECT_EQ(shown(), QStringLiteral("　F式表記：　PR←M(SP)"));

    // PR outside the user area (below it, the stack-bottom word above it): nothing changes.
    const int before = host.statusNotes.size();
    for (std::int32_t pr : {0x7FFF, 0x9000, 0xE000, -1}) {
        machine.PR = pr;
        notes.ShowRunNote(1, 0);
    }
    EXPECT_EQ(host.statusNotes.size(), before);

    // The area moves with the user area start.
    machine.setUserStart(0x9000);
    machine.lineOfAddress[2] = 3;
    machine.PR = 0x9002;
    notes.ShowRunNote(1, 0);
    EXPECT_EQ(shown(), QStringLiteral("　F式表記：　GR1←GR1＋M(DATA)"));
    machine.PR = 0x8002;
    notes.ShowRunNote(9, 0);
    notes.ShowRunNote(1, 0);
    EXPECT_EQ(shown(), QString());
}

TEST_F(RunNotesFixture, ClearTouchesThePanelOnlyWhenSomethingIsShown) {
    notes.clear();
    EXPECT_TRUE(host.statusNotes.isEmpty());
    notes.ShowRunNote(0, 10);
    notes.clear();
    notes.clear();
    EXPECT_EQ(host.statusNotes, QStringList({Str(u"復帰番地をスタックに積みました。"), QString()}));
}
