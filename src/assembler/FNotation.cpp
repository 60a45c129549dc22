#include "assembler/FNotation.h"

#include <QStringView>

#include "assembler/Catalogue.h"
#include "machine/InstructionTable.h"

namespace kv {

namespace {

// One row per first byte of a machine instruction. In the text, %r stands for the first operand
// (the register), %s for the second register of the register form and %a for the address operand,
// which is operand adrAt, extended by its index register when one follows it.
struct FRow {
    int firstByte;
    int adrAt;
    QStringView text;
};

constexpr FRow kRows[] = {
    {0x00, 1, u"何もしない"},                           // NOP
    {0x10, 1, u"%r←M(%a)　　FR設定"},                   // LD r,adr
    {0x14, 1, u"%r←%s　　FR設定"},                      // LD r,r2
    {0x11, 1, u"%r→M(%a)　　注意！）FRを設定しない"},   // ST r,adr
    {0x12, 1, u"%r←%a　　注意！）FRを設定しない"},      // LAD r,adr
    {0x20, 1, u"%r←%r＋M(%a)　　算術加算　FR設定"},     // ADDA r,adr
    {0x22, 1, u"%r←%r＋M(%a)　　論理加算　FR設定"},     // ADDL r,adr
    {0x21, 1, u"%r←%r－M(%a)　　算術減算　FR設定"},     // SUBA r,adr
    {0x23, 1, u"%r←%r－M(%a)　　論理減算　FR設定"},     // SUBL r,adr
    {0x24, 1, u"%r←%r＋%s 　算術加算　FR設定"},         // ADDA r,r2
    {0x26, 1, u"%r←%r＋%s 　論理加算　FR設定"},         // ADDL r,r2
    {0x25, 1, u"%r←%r－%s　 算術減算　FR設定"},         // SUBA r,r2
    {0x27, 1, u"%r←%r－%s 　論理減算　FR設定"},         // SUBL r,r2
    {0x30, 1, u"%r←%r AND　M(%a)　　FR設定"},           // AND r,adr
    {0x31, 1, u"%r←%r OR　M(%a)　　FR設定"},            // OR r,adr
    {0x32, 1, u"%r←%r XOR　M(%a)　　FR設定"},           // XOR r,adr
    {0x34, 1, u"%r←%r AND %s　　FR設定"},               // AND r,r2
    {0x35, 1, u"%r←%r OR %s　　FR設定"},                // OR r,r2
    {0x36, 1, u"%r←%r XOR %s　　FR設定"},               // XOR r,r2
    {0x40, 1, u"FR←%r－M(%a)　　算術比較　FR設定"},     // CPA r,adr
    {0x41, 1, u"FR←%r－M(%a)　　論理比較　FR設定"},     // CPL r,adr
    {0x44, 1, u"FR←%r－%s 　算術比較　FR設定"},         // CPA r,r2
    {0x45, 1, u"FR←%r－%s 　論理比較　FR設定"},         // CPL r,r2
    {0x50, 1, u"%r←%r << %a　　算術左シフト　FR設定"},  // SLA r,adr
    {0x51, 1, u"%r←%r >> %a　　算術右シフト　FR設定"},  // SRA r,adr
    {0x52, 1, u"%r←%r << %a　　論理左シフト　FR設定"},  // SLL r,adr
    {0x53, 1, u"%r←%r >> %a　　論理右シフト　FR設定"},  // SRL r,adr
    {0x61, 0, u"FRが負なら　PR←%a　"},                  // JMI adr
    {0x62, 0, u"FRが零でないなら　PR←%a　"},            // JNZ adr
    {0x63, 0, u"FRが零なら　PR←%a　"},                  // JZE adr
    {0x64, 0, u"無条件に　PR←%a　"},                    // JUMP adr
    {0x65, 0, u"FRが正なら　PR←%a　"},                  // JPL adr
    {0x66, 0, u"FRがオーバフローなら　PR←%a　"},        // JOV adr
    {0x70, 0, u"スタック←%a　"},                        // PUSH adr
    {0x71, 1, u"%r←スタック　"},                        // POP r
    {0x80, 0, u"副プログラム[%a]を呼ぶ　"},             // CALL adr
    {0x81, 1, u"主プログラムに復帰　"},                 // RET
    {0xF0, 0, u"スーパバイザコール（%a）　"},           // SVC adr
};

const FRow* FindRow(std::int32_t firstWord) {
    if (firstWord < 0 || firstWord > 0xFFFF) return nullptr;
    for (const FRow& row : kRows)
        if (row.firstByte == firstWord >> 8) return &row;
    return nullptr;
}

// The address operand as written, followed by "＋" and the index register when there is one.
QString AddressOperand(const QStringList& operands, int at) {
    const QString index = operands.value(at + 1);
    return index.isEmpty() ? operands.value(at) : operands.value(at) + QStringLiteral("＋") + index;
}

QString Expand(QStringView text, const QString& r, const QString& r2, const QString& adr) {
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'%' || i + 1 == text.size()) {
            result += text[i];
            continue;
        }
        const QChar piece = text[++i];
        result += piece == u'r' ? r : piece == u's' ? r2 : adr;
    }
    return result;
}

}  // namespace

QString FNotation(std::int32_t firstWord, const QStringList& operands, Boxes& host) {
    const FRow* row = FindRow(firstWord);
    if (row == nullptr) {
        ReportInternalError(host, QStringLiteral("F式表記"), 1);
        return QString();
    }
    return Expand(row->text, operands.value(0), operands.value(1), AddressOperand(operands, row->adrAt));
}

QString FNotationOfAssemblerInstruction(int instructionNumber, const QStringList& operands) {
    switch (instructionNumber) {
        case op::IN:
            return QStringLiteral("文字列入力。M(") + operands.value(0) +
                   QStringLiteral("）から順に設定。（マクロ命令）");
        case op::OUT:
            return QStringLiteral("文字列出力。M(") + operands.value(0) +
                   QStringLiteral("）から順に出力。（マクロ命令）");
        case op::RPUSH: return QStringLiteral("GR1～GR7をスタックに退避。（マクロ命令）");
        case op::RPOP: return QStringLiteral("スタックからGR7～GR1を復元。（マクロ命令）");
        case op::COPY:
            return operands.value(1) + QStringLiteral("番地から") + operands.value(2) +
                   QStringLiteral("語を、") + operands.value(0) +
                   QStringLiteral("番地以降にコピーする　【拡張命令】");
        default:  // START, END, DC, DS
            return QString();
    }
}

}  // namespace kv
