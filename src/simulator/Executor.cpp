#include "simulator/Executor.h"

namespace kv {

namespace {

// First bytes below this one are the standard instructions, whose register fields are checked.
constexpr std::uint32_t kFirstExtended = 0x90;
// A register field above 7 has this bit set in the first word.
constexpr std::uint32_t kHighRegisterBits = 0x88;

}  // namespace

StepResult Executor::ExecuteOne() {
    if (m_.PR < m_.userStart || m_.PR >= m_.userEnd) {
        error_.raise(ErrorCode::InvalidAddress);
        return 1;
    }
    notes_.clear();

    const std::uint32_t w = unsignedWord(m_.word(m_.PR));
    const int r1 = (w >> 4) & 0xF;
    const int r2 = w & 0xF;
    if (w & kHighRegisterBits) {
        if (const StepResult refused = checkRegisterFields(w >> 8, r1, r2)) return refused;
    }

    const StepResult result = execute(w, r1, r2);
    if (result != 0) return result;
    // PR lies in the area (checked above): a breakpoint stops after the marked instruction.
    return m_.kindAt(m_.PR) & kind::Breakpoint ? step::Breakpoint : 0;
}

// The standard instructions name registers in both fields. Of the codes from #90 up, SVC names an
// index register and #F2 and #F4 name the first and last register of a block; the others do not use
// the fields. A field above 7 is refused before anything changes.
StepResult Executor::checkRegisterFields(std::uint32_t code, int r1, int r2) {
    const bool usesR1 = code < kFirstExtended || code == 0xF2 || code == 0xF4;
    const bool usesR2 = usesR1 || code == 0xF0;
    if (usesR1 && r1 > 7) return fail(ErrorCode::GeneralRegisterInvalid, 4);
    if (usesR2 && r2 > 7) return fail(ErrorCode::IndexRegisterZero, 5);
    return 0;
}

StepResult Executor::execute(std::uint32_t w, int r1, int r2) {
    const std::uint32_t code = w >> 8;
    std::int32_t& gr = m_.GR[r1 & 7];
    m_.nextPR = m_.PR + 2;
    switch (code) {
        case 0x00: m_.nextPR = m_.PR + 1; m_.EA = -1; return 0;
        // LD, ADDA, SUBA, ADDL, SUBL, AND, OR, XOR, CPA, CPL: the address forms take the word at
        // EA, the register forms (the same code + 4) take GR[r2].
        case 0x10: case 0x20: case 0x21: case 0x22: case 0x23: case 0x30: case 0x31: case 0x32:
        case 0x40: case 0x41:
        case 0x14: case 0x24: case 0x25: case 0x26: case 0x27: case 0x34: case 0x35: case 0x36:
        case 0x44: case 0x45: {
            std::int32_t operand = 0;
            if (code & 4) {
                m_.nextPR = m_.PR + 1;
                m_.EA = -1;
                operand = unsignedWord(m_.GR[r2]);
            } else {
                ComputeEA(r2);
                StepResult result = 0;
                operand = unsignedWord(ReadOperand(result));
                if (result != 0) return result;
            }
            operate(code & ~4u, gr, operand);
            return 0;
        }
        case 0x11: ComputeEA(r2); return WriteOperand(unsignedWord(gr));
        case 0x12: ComputeEA(r2); gr = m_.EA; return 0;
        case 0x50: case 0x51: case 0x52: case 0x53: ComputeEA(r2); return shift(code, gr);
        case 0x61: ComputeEA(r2); return jumpIf(m_.SF == '1');
        case 0x62: ComputeEA(r2); return jumpIf(m_.ZF == '0');
        case 0x63: ComputeEA(r2); return jumpIf(m_.ZF == '1');
        case 0x64: ComputeEA(r2); return jumpIf(true);
        case 0x65: ComputeEA(r2); return jumpIf(m_.SF == '0' && m_.ZF == '0');
        case 0x66: ComputeEA(r2); return jumpIf(m_.OF == '1');
        case 0x70: ComputeEA(r2); return pushOrExpansion();
        case 0x71: m_.nextPR = m_.PR + 1; m_.EA = -1; return popOrExpansion(gr);
        case 0x80: {
            ComputeEA(r2);
            const StepResult result = push(m_.PR + 2);
            m_.nextPR = m_.EA;
            return result;
        }
        case 0x81: m_.EA = -1; return ret();
        case 0xA0: m_.nextPR = m_.PR + 3; return copy(w);
        case 0xF0:
            ComputeEA(r2);
            return calls_.PerformSvc();
        case 0xF1: case 0xF2: case 0xF3: case 0xF4: return registerBlock(code, r1, r2);
        default: {
            const std::uint32_t group = code >> 4;
            // Every group-F code computes EA first, the invalid ones too.
            if (group == 0xF) ComputeEA(r2);
            error_.raise(ErrorCode::InvalidInstruction);
            return group == 0 || group == 9 || (group >= 0xB && group <= 0xE) ? 2 : 3;
        }
    }
}

// LD, the additions and subtractions, AND, OR, XOR and the comparisons, by their address-form code.
void Executor::operate(std::uint32_t code, std::int32_t& gr, std::int32_t operand) {
    const std::int32_t u = unsignedWord(gr);
    const std::int32_t s = signedWord(gr);
    switch (code) {
        case 0x10: gr = operand; SetFlagsLoad(gr); break;
        case 0x20: gr = arithmetic(s + signedWord(operand)); break;
        case 0x21: gr = arithmetic(s - signedWord(operand)); break;
        case 0x22: gr = logical(u + operand); break;
        case 0x23: gr = logical(u - operand); break;
        case 0x30: gr = u & operand; SetFlagsLoad(gr); break;
        case 0x31: gr = u | operand; SetFlagsLoad(gr); break;
        case 0x32: gr = u ^ operand; SetFlagsLoad(gr); break;
        case 0x40: SetFlagsCompare(s - signedWord(operand)); break;
        default: SetFlagsCompare(u - operand); break;
    }
}

std::int32_t Executor::arithmetic(std::int32_t v) {
    SetFlagsArithmetic(v);
    return unsignedWord(v);
}

std::int32_t Executor::logical(std::int32_t v) {
    SetFlagsLogical(v);
    return unsignedWord(v);
}

StepResult Executor::fail(ErrorCode code, StepResult result) {
    error_.raise(code);
    return result;
}

// PUSH, or the first word of an IN, OUT or RPUSH expansion, which runs whole.
StepResult Executor::pushOrExpansion() {
    switch (m_.kindAt(m_.PR) & 0x0F) {
        case kind::In: m_.nextPR = m_.PR + 12; m_.EA = -1; return calls_.PerformIn();
        case kind::Out: m_.nextPR = m_.PR + 12; m_.EA = -1; return calls_.PerformOut();
        case kind::RPush: m_.nextPR = m_.PR + 14; m_.EA = -1; return pushRegisters(1, 7);
        default: return push(m_.EA);
    }
}

// POP, or the first word of an RPOP expansion.
StepResult Executor::popOrExpansion(std::int32_t& gr) {
    if ((m_.kindAt(m_.PR) & 0x0F) != kind::RPop) return pop(gr);
    m_.nextPR = m_.PR + 7;
    return popRegisters(1, 7);
}

// The one-word codes #F1 to #F4: push or pop a block of registers.
StepResult Executor::registerBlock(std::uint32_t code, int r1, int r2) {
    ComputeEA(r2);
    m_.nextPR = m_.PR + 1;
    if (code == 0xF3) return popRegisters(1, 7);
    if (code == 0xF4) return popRegisters(r1, r2);
    if (std::int64_t{m_.SP} - 8 < m_.userStart) return fail(ErrorCode::InvalidAddress, 3);
    return code == 0xF1 ? pushRegisters(1, 7) : pushRegisters(r1, r2);
}

StepResult Executor::jumpIf(bool condition) {
    if (condition) m_.nextPR = m_.EA;
    return 0;
}

// Shift counts above 16 count as 16; OF receives the last bit shifted out.
StepResult Executor::shift(std::uint32_t code, std::int32_t& gr) {
    const std::int32_t v = unsignedWord(gr);
    const int n = m_.EA > 16 ? 16 : m_.EA;
    if (n == 0) {
        SetFlagsLoad(v);
        return 0;
    }
    std::int32_t result = 0;
    char overflow = '0';
    switch (code) {
        case 0x50:
            result = (v & 0x8000) | ((v << n) & 0x7FFF);
            overflow = n == 16 ? '0' : bit(v, 15 - n);
            break;
        case 0x51:
            result = unsignedWord(signedWord(v) >> n);
            overflow = bit(v, n - 1);
            break;
        case 0x52:
            result = (v << n) & 0xFFFF;
            overflow = bit(v, 16 - n);
            break;
        default:
            result = v >> n;
            overflow = bit(v, n - 1);
            break;
    }
    gr = result;
    SetFlagsLoad(result);
    m_.OF = overflow;
    return 0;
}

// A push first moves SP down, then stores; it may not go below the area (nor start outside the
// machine's words).
StepResult Executor::push(std::int32_t value) {
    if (!m_.holds(std::int64_t{m_.SP} - 1)) return fail(ErrorCode::InvalidAddress, 3);
    m_.SP -= 1;
    m_.store(m_.SP, value);
    return 0;
}

// A pop first loads, then moves SP up; passing the stack bottom is an error, the value stays loaded.
StepResult Executor::pop(std::int32_t& target) {
    if (!m_.holds(m_.SP)) return fail(ErrorCode::InvalidAddress, 3);
    target = unsignedWord(m_.word(m_.SP));
    m_.SP += 1;
    return m_.SP > m_.userEnd + 1 ? fail(ErrorCode::InvalidAddress, 3) : 0;
}

// Pushes GR first..GR last, wrapping past GR7 to GR0 when last < first.
StepResult Executor::pushRegisters(int first, int last) {
    for (int i = first;; i = (i + 1) % 8) {
        if (const StepResult result = push(unsignedWord(m_.GR[i]))) return result;
        if (i == last) return 0;
    }
}

// Pops into GR last down to GR first, wrapping below GR0 to GR7 when last < first.
StepResult Executor::popRegisters(int first, int last) {
    for (int i = last;; i = (i + 7) % 8) {
        if (const StepResult result = pop(m_.GR[i])) return result;
        if (i == first) return 0;
    }
}

StepResult Executor::ret() {
    if (!m_.holds(m_.SP)) return fail(ErrorCode::InvalidAddress, 3);
    const std::int32_t target = unsignedWord(m_.word(m_.SP));
    m_.SP += 1;
    m_.nextPR = target;
    if (m_.SP > m_.userEnd + 2) calls_.ReportInternalError(QStringLiteral("命令８B"), 1);
    return target == kOsReturn ? step::NormalEnd : 0;
}

// COPY: count words from the source address to the destination area, word by word, stopping at the
// first word that cannot be read or written.
StepResult Executor::copy(std::uint32_t w) {
    const int count = w & 0xFF;
    const std::int32_t destination = unsignedWord(m_.word(m_.PR + 1));
    const std::int32_t source = unsignedWord(m_.word(m_.PR + 2));
    for (int i = 0; i < count; ++i) {
        StepResult result = 0;
        m_.EA = source + i;
        const std::int32_t value = ReadOperand(result);
        if (result) return result;
        m_.EA = destination + i;
        if ((result = WriteOperand(value))) return result;
    }
    return 0;
}

}  // namespace kv
