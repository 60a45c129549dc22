// The run loop's fast way through a program: the instructions that run quietly, many in a row, with
// the machine's registers, SP, EA and flags in local variables and each word decoded once into the
// handler that carries it out. Anything else - and every check that would fail - is left to
// ExecuteOne, before the instruction has changed anything, so that both ways take the same steps.
//
// The handlers are labels reached by computed goto (a GNU extension that GCC and Clang accept): each
// one ends by fetching the next decoded word and jumping to its handler, so the processor predicts
// each handler's successor on its own. A decoded word keeps where its handler starts, as a distance
// from the handler of the words not decoded yet, so that a word just forgotten (0) leads there.

#include <algorithm>

#include "simulator/Executor.h"

namespace kv {

namespace {

// The handlers, by the number a decoded word keeps. Each address form has two: one without an index
// register and one with (its X twin, kIndexed further on), so that neither has to ask. The register
// forms follow in the order of their address forms; the shifts and jumps keep the order of their codes.
// clang-format off
enum Handler : std::uint8_t {
    kUndecoded,
    kLeave,  // left to ExecuteOne
    kNop,
    kLd, kAdda, kSuba, kAddl, kSubl, kAnd, kOr, kXor, kCpa, kCpl, kSt, kLad,
    kSla, kSra, kSll, kSrl, kJmi, kJnz, kJze, kJump, kJpl, kJov, kPush, kCall,
    kLdX, kAddaX, kSubaX, kAddlX, kSublX, kAndX, kOrX, kXorX, kCpaX, kCplX, kStX, kLadX,
    kSlaX, kSraX, kSllX, kSrlX, kJmiX, kJnzX, kJzeX, kJumpX, kJplX, kJovX, kPushX, kCallX,
    kLdR, kAddaR, kSubaR, kAddlR, kSublR, kAndR, kOrR, kXorR, kCpaR, kCplR,
    kPop, kRet,
    kHandlerCount
};
// clang-format on
constexpr int kIndexed = kLdX - kLd;
static_assert(kCallX - kCall == kIndexed && kLdR == kCallX + 1, "every address form has its X twin");

// The words an instruction can start at (PR below userEnd), as offsets from the start of the area.
constexpr int kStartWords = MachineState::kAreaWords - 1;
// Offsets from the start of the area are kept to 16 bits: an address outside the area lies at an
// offset of kStartWords or more, whose entry leaves.
constexpr std::uint32_t kOffsetMask = 0xFFFF;

// The flags as two numbers: SF and ZF as a value that is negative for SF 1 and 0 for ZF 1 (the
// result itself, or its 16 bits with their sign), and OF as 0 or 1, or kFlagsUnknown while any flag
// is "?" (or SF and ZF are both "1", which no value gives): then every conditional jump is left to
// ExecuteOne until an instruction sets the flags.
constexpr std::uint32_t kFlagsUnknown = 2;

// SF and ZF of the 16-bit word v: its value with bit 15 as the sign.
inline std::int32_t signedWord(std::uint32_t v) {
    return static_cast<std::int16_t>(v & 0xFFFF);
}

// The shifts by a count n of 1 to 16: the result, with the last bit shifted out (the new OF) as bit 16.
template <Handler h>
std::uint32_t shiftWord(std::uint32_t v, int n) {
    switch (h) {
        case kSla: return (n < 16 ? ((v >> (15 - n)) & 1) << 16 : 0) | (v & 0x8000) | ((v << n) & 0x7FFF);
        case kSra:
            return ((v >> (n - 1)) & 1) << 16 | (static_cast<std::uint32_t>(signedWord(v) >> n) & 0xFFFF);
        case kSll: return ((v >> (16 - n)) & 1) << 16 | ((v << n) & 0xFFFF);
        default: return ((v >> (n - 1)) & 1) << 16 | (v >> n);
    }
}

// The handler of the word w of kind wordKind. A breakpoint, a register field above 7 in a standard
// instruction and the first words of the IN, OUT, RPUSH and RPOP expansions leave the instruction to
// ExecuteOne, as do the codes without a handler here.
Handler handlerOf(std::uint32_t w, std::uint16_t wordKind) {
    constexpr std::uint32_t kFirstExtended = 0x90, kHighRegisterBits = 0x88;
    const std::uint32_t code = w >> 8;
    if ((wordKind & kind::Breakpoint) || (code < kFirstExtended && (w & kHighRegisterBits))) return kLeave;
    const int macro = wordKind & 0x0F;
    switch (code) {
        case 0x00: return kNop;
        case 0x10: return kLd;
        case 0x11: return kSt;
        case 0x12: return kLad;
        case 0x14: return kLdR;
        case 0x20:
        case 0x21:
        case 0x22:
        case 0x23: return Handler(kAdda + (code - 0x20));
        case 0x24:
        case 0x25:
        case 0x26:
        case 0x27: return Handler(kAddaR + (code - 0x24));
        case 0x30:
        case 0x31:
        case 0x32: return Handler(kAnd + (code - 0x30));
        case 0x34:
        case 0x35:
        case 0x36: return Handler(kAndR + (code - 0x34));
        case 0x40:
        case 0x41: return Handler(kCpa + (code - 0x40));
        case 0x44:
        case 0x45: return Handler(kCpaR + (code - 0x44));
        case 0x50:
        case 0x51:
        case 0x52:
        case 0x53: return Handler(kSla + (code - 0x50));
        case 0x61:
        case 0x62:
        case 0x63:
        case 0x64:
        case 0x65:
        case 0x66: return Handler(kJmi + (code - 0x61));
        case 0x70: return macro == kind::In || macro == kind::Out || macro == kind::RPush ? kLeave : kPush;
        case 0x71: return macro == kind::RPop ? kLeave : kPop;
        case 0x80: return kCall;
        case 0x81: return kRet;
        default: return kLeave;
    }
}

}  // namespace

void Executor::ForgetDecoded() {
    // Only the machine's words change; the entries at other offsets stay as they were decoded.
    if (!decoded_.empty()) std::fill_n(decoded_.begin(), MachineState::kWords + 1, DecodedWord{});
    m_.changedFirst = MachineState::kWords;
    m_.changedLast = -1;
}

// Only words that can start an instruction (PR below userEnd) are decoded, so the address word
// after them is always a word of the area; at any other offset execution leaves. An operand
// outside the area without an index register fails whenever the instruction runs: it is left to
// ExecuteOne from the start.
std::uint8_t Executor::decode(int offset) {
    if (offset >= kStartWords) return kLeave;
    DecodedWord& d = decoded_[offset + 1];
    const std::uint32_t w = m_.memory[offset] & 0xFFFF;
    const Handler h = handlerOf(w, m_.wordKinds[offset]);
    d.r = (w >> 4) & 7;
    d.x = w & 0xF;
    d.adr = m_.memory[offset + 1] & 0xFFFF;
    if (h < kLd || h > kCall) return h;
    if (d.x != 0) return static_cast<std::uint8_t>(h + kIndexed);
    const std::uint32_t to = (d.adr - m_.userStart) & kOffsetMask;
    return h <= kSt && to >= MachineState::kAreaWords ? kLeave : h;
}

// The words stored by ExecuteOne and the supervisor, and the breakpoints set or cleared, since the
// last time: their entries and the entries of the words before them are decoded again.
void Executor::catchUpWithStores() {
    if (m_.changedFirst <= m_.changedLast) {
        const int first = std::max(m_.changedFirst, 0);
        const int last = std::min(m_.changedLast, MachineState::kWords - 1);
        for (int offset = first - 1; offset <= last; ++offset) decoded_[offset + 1].code = 0;
    }
    m_.changedFirst = MachineState::kWords;
    m_.changedLast = -1;
}

std::int64_t Executor::ExecuteMany(std::int64_t budget) {
    return counts_ != nullptr ? executeMany<true>(budget) : executeMany<false>(budget);
}

template <bool kCounting>
std::int64_t Executor::executeMany(std::int64_t budget) {
    MachineState& m = m_;
    const std::int32_t start = m.userStart;
    if (budget <= 0 || m.PR < start || m.PR >= m.userEnd) return 0;
    for (const std::int32_t r : m.GR)
        if (r < 0 || r > 0xFFFF) return 0;
    // The two ways (counting and not) have handlers of their own: each decodes afresh.
    if (decodedBy_ != int{kCounting}) {
        decoded_.assign(kOffsetMask + 2, DecodedWord{});
        decodedBy_ = kCounting;
    }
    catchUpWithStores();
    notes_.clear();

    // The words of the area, the words of the machine; offsets compared as unsigned numbers, so
    // that an address below the area fails too.
    constexpr std::uint32_t kArea = MachineState::kAreaWords, kAll = MachineState::kWords;
    const std::uint32_t base = static_cast<std::uint32_t>(start);
    DecodedWord* const decoded = decoded_.data() + 1;
    std::uint64_t* const counts = kCounting ? counts_ + base : nullptr;  // the area lies below #A000
    std::int32_t* const memory = m.memory.data();
    const std::uint16_t* const kinds = m.wordKinds.data();

    std::uint32_t gr[8];
    for (int i = 0; i < 8; ++i) gr[i] = static_cast<std::uint32_t>(m.GR[i]);
    const auto known = [](char f) { return f == '0' || f == '1'; };
    std::uint32_t of = known(m.OF) && known(m.SF) && known(m.ZF) && !(m.SF == '1' && m.ZF == '1')
                           ? static_cast<std::uint32_t>(m.OF - '0')
                           : kFlagsUnknown;
    std::int32_t zs = m.SF == '1' ? -1 : m.ZF == '1' ? 0 : 1;
    // Logical results give SF only under the FR switch 1: their sign is kept or dropped by this mask.
    const std::int32_t logicalSign = settings_.frSwitch == 1 ? -1 : 0;
    std::int32_t sp = m.SP, ea = m.EA;
    // The decoded word of the instruction being executed, and of the one executed before it.
    DecodedWord* d = decoded + (m.PR - start);
    const DecodedWord* last = d;
    std::int64_t left = budget;
    std::uint32_t e = 0, t = 0, v = 0, j = 0;
    std::int32_t exact = 0;

#define KV_AT(label) \
    static_cast<std::int32_t>(static_cast<const char*>(&&label) - static_cast<const char*>(&&undecoded))
    // clang-format off
    static const std::int32_t kHandlerAt[kHandlerCount] = {
        KV_AT(undecoded), KV_AT(leave), KV_AT(nop),
        KV_AT(ld), KV_AT(adda), KV_AT(suba), KV_AT(addl), KV_AT(subl), KV_AT(and_), KV_AT(or_), KV_AT(xor_),
        KV_AT(cpa), KV_AT(cpl), KV_AT(st), KV_AT(lad), KV_AT(sla), KV_AT(sra), KV_AT(sll), KV_AT(srl),
        KV_AT(jmi), KV_AT(jnz), KV_AT(jze), KV_AT(jump), KV_AT(jpl), KV_AT(jov), KV_AT(push), KV_AT(call),
        KV_AT(ldX), KV_AT(addaX), KV_AT(subaX), KV_AT(addlX), KV_AT(sublX), KV_AT(and_X), KV_AT(or_X),
        KV_AT(xor_X), KV_AT(cpaX), KV_AT(cplX), KV_AT(stX), KV_AT(ladX), KV_AT(slaX), KV_AT(sraX),
        KV_AT(sllX), KV_AT(srlX), KV_AT(jmiX), KV_AT(jnzX), KV_AT(jzeX), KV_AT(jumpX), KV_AT(jplX),
        KV_AT(jovX), KV_AT(pushX), KV_AT(callX),
        KV_AT(ldR), KV_AT(addaR), KV_AT(subaR), KV_AT(addlR), KV_AT(sublR), KV_AT(and_R), KV_AT(or_R),
        KV_AT(xor_R), KV_AT(cpaR), KV_AT(cplR),
        KV_AT(pop), KV_AT(ret)};
    // clang-format on
#undef KV_AT
    const char* const handlers = static_cast<const char*>(&&undecoded);

// The instruction of the decoded word d.
#define KV_DISPATCH() goto* static_cast<const void*>(handlers + d->code)
    // One more execution of the instruction of the decoded word d. Its count lies as far from the
    // counts as d from the decoded words: both have entries of eight bytes.
    static_assert(sizeof(DecodedWord) == sizeof(std::uint64_t));
    const std::uintptr_t countsFromDecoded =
        reinterpret_cast<std::uintptr_t>(counts) - reinterpret_cast<std::uintptr_t>(decoded);
#define KV_COUNT() \
    ++*reinterpret_cast<std::uint64_t*>(reinterpret_cast<std::uintptr_t>(d) + countsFromDecoded)
// The instruction is done and execution goes on at the decoded word next: on to its instruction,
// unless the budget is spent; a word where no instruction can start leaves by its handler. Every
// executed instruction passes here once, and is counted here.
#define KV_RETIRE(next)                      \
    do {                                     \
        if constexpr (kCounting) KV_COUNT(); \
        last = d;                            \
        d = (next);                          \
        if (--left == 0) goto done;          \
        KV_DISPATCH();                       \
    } while (0)
// The offset of an address.
#define KV_OFFSET(address) (((address)-base) & kOffsetMask)
// e := EA of an address form and t := its offset: without an index register straight from the
// decoded word, with one from the register.
#define KV_ADDRESS() \
    e = d->adr;      \
    t = KV_OFFSET(e)
#define KV_INDEXED_ADDRESS()          \
    e = (d->adr + gr[d->x]) & 0xFFFF; \
    t = KV_OFFSET(e)
// v := the word at EA, which must lie in the area (the decoder has seen to it without an index).
#define KV_READ_OPERAND()       \
    if (t >= kArea) goto leave; \
    v = memory[t] & 0xFFFF
// The stored word and the word before it, whose address word it may be, are decoded again.
#define KV_FORGET(offset)     \
    decoded[offset].code = 0; \
    decoded[static_cast<int>(offset) - 1].code = 0
// An operation on GR[r] and v, in its two address forms and its register form.
#define KV_OPERATION(label, operation) \
    label:                             \
    KV_ADDRESS();                      \
    v = memory[t] & 0xFFFF;            \
    operation;                         \
    ea = static_cast<std::int32_t>(e); \
    KV_RETIRE(d + 2);                  \
    label##X : KV_INDEXED_ADDRESS();   \
    KV_READ_OPERAND();                 \
    operation;                         \
    ea = static_cast<std::int32_t>(e); \
    KV_RETIRE(d + 2);                  \
    label##R : v = gr[d->x];           \
    operation;                         \
    ea = -1;                           \
    KV_RETIRE(d + 1);
// The two address forms of an instruction, each with its own copy of the steps after EA.
#define KV_ADDRESS_FORMS(label, steps) \
    label:                             \
    KV_ADDRESS();                      \
    steps;                             \
    label##X : KV_INDEXED_ADDRESS();   \
    steps;

    KV_DISPATCH();

undecoded:
    d->code = kHandlerAt[decode(static_cast<int>(d - decoded))];
    KV_DISPATCH();

nop:
    ea = -1;
    KV_RETIRE(d + 1);

// The flags of a load or of AND, OR, XOR: OF 0, SF and ZF from the word.
#define KV_LOAD_FLAGS(word) \
    zs = signedWord(word);  \
    of = 0
// GR[r] := the exact sum or difference of two signed words, cut to 16 bits; OF when it is no
// signed word.
#define KV_ARITHMETIC(result)  \
    exact = (result);          \
    gr[d->r] = exact & 0xFFFF; \
    zs = signedWord(exact);    \
    of = static_cast<std::uint32_t>(exact + 32768) > 0xFFFF
// The same of two unsigned words; OF when it is no unsigned word.
#define KV_LOGICAL(result)                                                              \
    exact = (result);                                                                   \
    gr[d->r] = exact & 0xFFFF;                                                          \
    zs = static_cast<std::int32_t>(exact & 0xFFFF) | (signedWord(exact) & logicalSign); \
    of = static_cast<std::uint32_t>(exact) > 0xFFFF
    KV_OPERATION(ld, gr[d->r] = v; KV_LOAD_FLAGS(v))
    KV_OPERATION(adda, KV_ARITHMETIC(signedWord(gr[d->r]) + signedWord(v)))
    KV_OPERATION(suba, KV_ARITHMETIC(signedWord(gr[d->r]) - signedWord(v)))
    KV_OPERATION(addl, KV_LOGICAL(static_cast<std::int32_t>(gr[d->r] + v)))
    KV_OPERATION(subl, KV_LOGICAL(static_cast<std::int32_t>(gr[d->r]) - static_cast<std::int32_t>(v)))
    KV_OPERATION(and_, gr[d->r] &= v; KV_LOAD_FLAGS(gr[d->r]))
    KV_OPERATION(or_, gr[d->r] |= v; KV_LOAD_FLAGS(gr[d->r]))
    KV_OPERATION(xor_, gr[d->r] ^= v; KV_LOAD_FLAGS(gr[d->r]))
    // A comparison: SF and ZF from the difference, OF 0.
    KV_OPERATION(cpa, zs = signedWord(gr[d->r]) - signedWord(v); of = 0)
    KV_OPERATION(cpl, zs = static_cast<std::int32_t>(gr[d->r]) - static_cast<std::int32_t>(v); of = 0)

// ST may not write into an instruction (405) and warns about a constant (406): both are ExecuteOne's.
#define KV_STORE()                                                                                \
    if (t >= kArea) goto leave;                                                                   \
    if (const int k = kinds[t] & 0x7F; k == kind::Instruction || k == kind::Constant) goto leave; \
    memory[t] = static_cast<std::int32_t>(gr[d->r]);                                              \
    KV_FORGET(t);                                                                                 \
    ea = static_cast<std::int32_t>(e);                                                            \
    KV_RETIRE(d + 2)
    KV_ADDRESS_FORMS(st, KV_STORE())

#define KV_LOAD_ADDRESS()              \
    gr[d->r] = e;                      \
    ea = static_cast<std::int32_t>(e); \
    KV_RETIRE(d + 2)
    KV_ADDRESS_FORMS(lad, KV_LOAD_ADDRESS())

// A count of 0 leaves the register; above 16 it counts as 16.
#define KV_SHIFT(handler)                                             \
    v = gr[d->r];                                                     \
    if (e == 0) {                                                     \
        KV_LOAD_FLAGS(v);                                             \
    } else {                                                          \
        v = shiftWord<handler>(v, e > 16 ? 16 : static_cast<int>(e)); \
        gr[d->r] = v & 0xFFFF;                                        \
        zs = signedWord(v);                                           \
        of = v >> 16;                                                 \
    }                                                                 \
    ea = static_cast<std::int32_t>(e);                                \
    KV_RETIRE(d + 2)
    KV_ADDRESS_FORMS(sla, KV_SHIFT(kSla))
    KV_ADDRESS_FORMS(sra, KV_SHIFT(kSra))
    KV_ADDRESS_FORMS(sll, KV_SHIFT(kSll))
    KV_ADDRESS_FORMS(srl, KV_SHIFT(kSrl))

// A jump branches on its condition: the processor predicts it, and the next instruction need not
// wait for the flags. While they are unknown, a conditional jump is ExecuteOne's.
#define KV_JUMP(known, condition)          \
    known;                                 \
    ea = static_cast<std::int32_t>(e);     \
    if (condition) KV_RETIRE(decoded + t); \
    KV_RETIRE(d + 2)
#define KV_FLAGS_KNOWN() \
    if (of == kFlagsUnknown) goto leave
    KV_ADDRESS_FORMS(jmi, KV_JUMP(KV_FLAGS_KNOWN(), zs < 0))
    KV_ADDRESS_FORMS(jnz, KV_JUMP(KV_FLAGS_KNOWN(), zs != 0))
    KV_ADDRESS_FORMS(jze, KV_JUMP(KV_FLAGS_KNOWN(), zs == 0))
    KV_ADDRESS_FORMS(jump, KV_JUMP((void)0, true))
    KV_ADDRESS_FORMS(jpl, KV_JUMP(KV_FLAGS_KNOWN(), zs > 0))
    KV_ADDRESS_FORMS(jov, KV_JUMP(KV_FLAGS_KNOWN(), of == 1))

// A push needs SP - 1 among the machine's words, a pop SP in the area (a pop past the stack bottom
// fails), RET SP at most at the stack bottom (above it is an internal fault) and a return address
// other than the OS's (the normal end).
#define KV_PUSH()                                  \
    j = static_cast<std::uint32_t>(sp) - 1 - base; \
    if (j >= kAll) goto leave;                     \
    sp -= 1;                                       \
    memory[j] = static_cast<std::int32_t>(e);      \
    KV_FORGET(j);                                  \
    ea = static_cast<std::int32_t>(e);             \
    KV_RETIRE(d + 2)
    KV_ADDRESS_FORMS(push, KV_PUSH())

pop:
    j = static_cast<std::uint32_t>(sp) - base;
    if (j >= kArea) goto leave;
    gr[d->r] = memory[j] & 0xFFFF;
    sp += 1;
    ea = -1;
    KV_RETIRE(d + 1);

#define KV_CALL()                                                    \
    j = static_cast<std::uint32_t>(sp) - 1 - base;                   \
    if (j >= kAll) goto leave;                                       \
    sp -= 1;                                                         \
    memory[j] = static_cast<std::int32_t>(base + (d - decoded) + 2); \
    KV_FORGET(j);                                                    \
    ea = static_cast<std::int32_t>(e);                               \
    KV_RETIRE(decoded + t)
    KV_ADDRESS_FORMS(call, KV_CALL())

ret:
    j = static_cast<std::uint32_t>(sp) - base;
    if (j > kArea) goto leave;
    v = memory[j] & 0xFFFF;
    if (v == static_cast<std::uint32_t>(kOsReturn)) goto leave;
    sp += 1;
    ea = -1;
    KV_RETIRE(decoded + KV_OFFSET(v));

#undef KV_DISPATCH
#undef KV_RETIRE
#undef KV_COUNT
#undef KV_OFFSET
#undef KV_ADDRESS
#undef KV_INDEXED_ADDRESS
#undef KV_READ_OPERAND
#undef KV_FORGET
#undef KV_OPERATION
#undef KV_ADDRESS_FORMS
#undef KV_STORE
#undef KV_LOAD_ADDRESS
#undef KV_SHIFT
#undef KV_JUMP
#undef KV_FLAGS_KNOWN
#undef KV_LOAD_FLAGS
#undef KV_ARITHMETIC
#undef KV_LOGICAL
#undef KV_PUSH
#undef KV_CALL

leave:
done:
    const std::int64_t executed = budget - left;
    if (executed == 0) return 0;
    for (int i = 0; i < 8; ++i) m.GR[i] = static_cast<std::int32_t>(gr[i]);
    m.SP = sp;
    m.EA = ea;
    m.PR = static_cast<std::int32_t>(base + (last - decoded));
    m.nextPR = static_cast<std::int32_t>((base + (d - decoded)) & kOffsetMask);
    if (of != kFlagsUnknown) {
        m.OF = of == 1 ? '1' : '0';
        m.SF = zs < 0 ? '1' : '0';
        m.ZF = zs == 0 ? '1' : '0';
    }
    return executed;
}

}  // namespace kv
