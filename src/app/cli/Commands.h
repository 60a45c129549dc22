#pragma once

#include <QStringList>

namespace kv::cli {

inline constexpr char kUsage[] =
    "Usage:\n"
    "  kavora2-cli asm FILE [--list asm|alt|afk] [--settings FILE]\n"
    "      Assembles and links FILE as the workbench's assemble command does and prints every\n"
    "      line of the message pane. After a successful assembly an empty line and the chosen\n"
    "      listing follow (default asm: the assembly list; alt: the address list; afk: the\n"
    "      F-notation list).\n"
    "  kavora2-cli run FILE [--trace] [--records FILE] [--eof -1|0] [--max-steps N] [--profile]\n"
    "                       [--settings FILE]\n"
    "      Assembles and links FILE (messages to standard error), then runs it as the workbench's\n"
    "      \"実行\" button does, or traces it with --trace, and prints the console transcript.\n"
    "      IN reads one line of standard input per execution; the end of standard input ends the\n"
    "      run as \"実行終了\" would. --records reads IN's records from a virtual file device text\n"
    "      instead, --eof sets its end-of-file value; --max-steps stops the run after N instructions.\n"
    "      --profile prints, after the transcript, how often each instruction word was executed:\n"
    "      \"■実行回数\", then one line per executed word in the order of the addresses (the count,\n"
    "      its share of all executed instructions, the address and the line of the assembly list)\n"
    "      and the total (\"合計\").\n"
    "  kavora2-cli convert FILE [--mode 0|1] [-o OUT] [--settings FILE]\n"
    "      Converts an old CASL program to CASL II as the workbench's \"CASLをCASLⅡに変換\" does:\n"
    "      EXIT, LEA, ADD, SUB, JMP and EOR become RET, LAD, ADDA, SUBA, JUMP and XOR; a JPZ\n"
    "      instruction becomes a JZE line and a JPL line (the label stays on the first). Then every\n"
    "      line is checked and formatted in columns. --mode 1 (the default) keeps each old line as a\n"
    "      comment \";旧\" and marks the converted lines; --mode 0 leaves no comments. The program\n"
    "      file goes to OUT or standard output: the header line, the text, CR LF line ends, in\n"
    "      code page 932, or in UTF-8 with a byte order mark when a character does not fit it.\n"
    "      Lines that still fail the grammar are listed on standard error as OUT:LINE: [code]\n"
    "      message: \"text\" (\"-\" for standard output; the header is line 1).\n"
    "  kavora2-cli dump FILE (--radix ADDR,COUNT[,COLUMNS] | --2d ADDR,WIDTH,LINES[,NOTATION]\n"
    "                         | --bits ADDR,WIDTH,LINES[,FORM]) [the options of run]\n"
    "      Runs FILE as run does, then writes an advanced memory dump into the transcript as the\n"
    "      console's \"ダンプ\" does. --radix: COUNT words (1-256) from ADDR, one per line, in the\n"
    "      COLUMNS named by letters (b binary, s signed, u unsigned, h hexadecimal, c character;\n"
    "      default bsuhc). --2d: LINES lines (1-50) of WIDTH words (1-20) in one NOTATION (s, u, h\n"
    "      or c; default s). --bits: LINES lines (1-50) of WIDTH words (1-5) as ones and zeros\n"
    "      (FORM d, the default) or as squares (FORM s). ADDR is #hhhh inside the user area; the\n"
    "      \"#\" may be left out (a shell takes it for a comment unless it is quoted). The values\n"
    "      are checked as the dump's options window checks them, before the run.\n"
    "\n"
    "FILE is a program file (\";*** [KavoraⅡ] ***\" header) or plain (old) CASL text, in code page 932\n"
    "or UTF-8. Without --settings the defaults are used (user area #8000, initial value #7FFF,\n"
    "column widths 10, 10, 20); the workbench's own settings file is never read or written.\n"
    "Boxes the workbench would show are written to standard error.\n"
    "\n"
    "Exit status: asm: 0 assembled and linked, 1 assembly or link failed, 2 usage or file error.\n"
    "run: 0 \"■正常終了\", 1 assembly or link failure, 2 usage or file error, 3 \"■異常終了\",\n"
    "4 \"■強制終了\". convert: 0 converted, 1 converted but some lines fail the grammar, 2 usage or\n"
    "file error.\n";

int AsmCommand(QStringList args);
int RunCommand(QStringList args);
int ConvertCommand(QStringList args);
int DumpCommand(QStringList args);

}  // namespace kv::cli
