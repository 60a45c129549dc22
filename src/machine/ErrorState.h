#pragma once
// The one error state of the program: the code of the last error, warning or notice, None when
// there is none. Whoever reports it through the catalogue resets it. A code keeps the number the
// catalogue knows it by: 100-199 grammar, 200-399 assembly, 400-499 run time, 500-599 run
// information, 600-799 disk access, 800-999 supervisor call, 1000-1099 system command.

#include <cstdint>

namespace kv {

enum class ErrorCode : std::int32_t {
    None = 0,
    // The source line's grammar.
    LabelTooLong = 111,
    LabelBadCharacter = 112,
    LabelIsRegister = 113,
    InstructionInvalid = 121,
    InstructionMissing = 122,
    EndWithLabelOrOperand = 131,
    StartWithoutLabel = 132,
    RegisterAsAddress = 140,
    OperandLabelTooLong = 141,
    OperandLabelBadCharacter = 142,
    ConstantBadCharacter = 143,
    LetterOForZero = 144,
    PeriodInOperand = 145,
    OperandInvalid = 146,
    OperandMissing = 147,
    GeneralRegisterInvalid = 151,
    IndexRegisterZero = 152,
    IndexRegisterInvalid = 153,
    LetterOInIndexRegister = 154,
    HexConstantInvalid = 161,
    DecimalConstantInvalid = 162,
    CharConstantInvalid = 163,
    CharConstantControlCharacter = 164,
    StartLabelInvalid = 171,
    // Assembly.
    NoProgram = 301,
    DuplicateLabel = 303,
    DuplicateProgram = 304,
    StartEndMismatch = 305,
    NoRoomForCode = 307,
    EndWithoutStart = 315,
    StartWithoutEnd = 316,
    TooManyLabels = 331,
    TooManyPrograms = 332,
    ProgramTooLong = 335,
    StartLabelNotFirstProgram = 351,
    StartLabelNotFound = 352,
    // Run time.
    InvalidAddress = 402,
    InvalidInstruction = 403,
    AddressOutOfRange = 404,
    WriteIntoInstruction = 405,
    WriteIntoConstant = 406,
    RecordsWithoutEnd = 451,
    RecordsPastEnd = 453,
    RecordTooShort = 455,
    RecordNotBracketed = 459,
    // Run information.
    NormalEnd = 501,
    BreakpointStop = 502,
    ForcedEnd = 503,
    // Disk access.
    FileNotFound = 701,
    FileNameInvalid = 702,
    WriteProtected = 703,
    NoDiskInDrive = 704,
    DiskFull = 705,
    DriveInvalid = 706,
    FatalInputOutput = 710,
    NoFloppyDisk = 711,
    // Supervisor call and system commands.
    SvcUnsupported = 990,
    SystemCommandUnsupported = 1001,
    SystemCommandParameter = 1002,
};

// The number the catalogue knows a code by.
constexpr std::int32_t NumberOf(ErrorCode code) { return static_cast<std::int32_t>(code); }

struct ErrorState {
    ErrorCode code = ErrorCode::None;
    // The faulting effective address and the referable range, shown by 404 to 406.
    std::int32_t ea = 0, low = 0, high = 0;

    bool isSet() const { return code != ErrorCode::None; }
    std::int32_t number() const { return NumberOf(code); }
    void clear() { code = ErrorCode::None; }
    void raise(ErrorCode c) { code = c; }
    void raiseAddress(ErrorCode c, std::int32_t address, std::int32_t first, std::int32_t last) {
        code = c;
        ea = address;
        low = first;
        high = last;
    }
};

}  // namespace kv
