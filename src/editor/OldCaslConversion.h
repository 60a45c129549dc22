#pragma once
// Programs written for the older CASL use a few mnemonics that CASL II renamed or split. The
// conversion rewrites a text line by line, purely textually: the first old mnemonic of the map
// found on a line is replaced by its CASL II counterpart; optionally the old line and a marker
// comment stay beside the new one. The workbench formats and checks the result afterwards, so lines
// that still need a hand are red.

#include <QString>
#include <array>

namespace kv {

class LoopSlice;

// One old mnemonic and what it becomes. Each text ends with one blank, so that only a whole
// mnemonic followed by a blank (or the end of the line) matches.
struct OldMnemonicEntry {
    QString oldText;
    QString newText;
    // When not empty: a mnemonic that gets a line of its own, written before the new one, when the
    // old mnemonic is the line's instruction (JPZ jumps on plus or zero: JZE, then JPL).
    QString firstText;
};

// The map with room for ten entries, searched in index order up to the count.
struct OldMnemonicMap {
    std::array<OldMnemonicEntry, 10> entries;
    int count = 0;
};

// EXIT→RET, LEA→LAD, ADD→ADDA, SUB→SUBA, JMP→JUMP, JPZ→JZE and JPL, EOR→XOR.
OldMnemonicMap BuildOldMnemonicMap();

// The setting "CASL→CASLⅡ変換": whether the old line and a marker comment stay beside each
// converted line.
enum class ConversionComments { None = 0, Shown = 1 };
ConversionComments ConversionCommentsFrom(int setting);

inline constexpr char16_t kConversionMarker[] = u" ;***　CASLⅡ変換　***";
inline constexpr char16_t kOldLinePrefix[] = u";旧　";

// Converts every line of the text (lines end at CR LF, LF or CR) after turning full-width letters,
// digits, signs and blanks and tabs into half-width blanks and characters. Returns the new text,
// every line ended by "\n". The slice is ticked once per line with the position where it began.
QString ConvertOldCasl(const QString& text, const OldMnemonicMap& map, ConversionComments comments,
                       LoopSlice& slice);

}  // namespace kv
