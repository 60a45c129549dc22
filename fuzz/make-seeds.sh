#!/bin/sh
# Writes the seed inputs of the fuzz targets into fuzz/corpus/: the repository's own programs,
# settings, program files and record texts in the form each target reads, and a few machine images
# for the executor. Run it again after changing the samples; the result is committed.
set -e
cd "$(dirname "$0")/.."
out=fuzz/corpus
rm -rf "$out"
mkdir -p "$out/assembler" "$out/executor" "$out/settings" "$out/program_file" "$out/records" \
         "$out/trace_addresses" "$out/codepage"

utf8() { iconv -f CP932 -t UTF-8 "$1"; }
cp932() { iconv -f UTF-8 -t CP932 "$1"; }

# The assembler: three bytes of settings (area start, label and instruction width), then an odd byte
# that selects raw UTF-8 source text.
for dir in tests/conformance/corpus/*/; do
  { printf '\000\002\005\001'; cat "$dir/prog.txt"; } > "$out/assembler/$(basename "$dir")"
done
for f in tests/cli/asm/*.txt tests/cli/run/*.txt; do
  { printf '\001\000\000\001'; cat "$f"; } > "$out/assembler/cli-$(basename "$f" .txt)"
done
{ printf '\000\002\005\001'; utf8 resources/初期ファイル.txt; } > "$out/assembler/sample"
{ printf '\000\002\005\001'; utf8 resources/KvTemp.txt; } > "$out/assembler/template"

# The executor: area start, FR switch, OF SF ZF, GR0-GR7, the address modes, SP and PR, then
# (word, kind) from PR upward; kind 6 is an instruction word, 5 a constant, 0 a free word.
image() { printf '\200\000\001\000\000\000'; printf '\177\377%.0s' 1 2 3 4 5 6 7 8; printf '\000\220\000\200\000'; }
w() { printf "\\$(printf %o $(($1 >> 8)))\\$(printf %o $(($1 & 255)))\\$(printf %o "$2")"; }
{ image  # LAD GR1,3 / SUBA GR1,ONE / JPL back / RET / ONE DC 1
  w 0x1210 6; w 0x0003 6; w 0x2110 6; w 0x8007 6; w 0x6500 6; w 0x8002 6; w 0x8100 6; w 0x0001 5
} > "$out/executor/countdown"
{ image  # PUSH 5 / CALL SUB / POP GR2 / SVC 2 / RET / SUB: ST GR1,W / RET / W DS 1
  w 0x7000 6; w 0x0005 6; w 0x8000 6; w 0x8008 6; w 0x7120 6; w 0xF000 6; w 0x0002 6; w 0x8100 6
  w 0x1110 6; w 0x800B 6; w 0x8100 6; w 0x0000 0
} > "$out/executor/call"
{ image  # LD GR1,K / SLA GR1,1 / SRL GR1,2 / AND GR1,GR1 / XOR GR2,GR1 / CPA GR1,GR2 / JZE 0 / ST GR1,K / RET
  w 0x1010 6; w 0x8010 6; w 0x5010 6; w 0x0001 6; w 0x5310 6; w 0x0002 6; w 0x3411 6; w 0x3621 6
  w 0x4412 6; w 0x6300 6; w 0x8000 6; w 0x1110 6; w 0x8010 6; w 0x8100 6; w 0x0000 0; w 0x0000 0
  w 0x8001 5
} > "$out/executor/logic"
{ image  # ADDA GR1,GR2 with a breakpoint / ADDL / SUBL / CPL / JOV / JMI / JNZ / JUMP to a constant
  w 0x2412 134; w 0x2612 6; w 0x2712 6; w 0x4512 6; w 0x6600 6; w 0x8009 6; w 0x6100 6; w 0x8009 6
  w 0x6200 6; w 0x8009 6; w 0x6400 6; w 0x800C 6; w 0x8100 6; w 0x1234 5
} > "$out/executor/arithmetic"

# The settings file as the workbench writes it, and as other hands may have left it.
title=$(printf '■『KavoraⅡ』環境設定ファイル Ver 1.33（このファイルは、変更しないでください。）' | iconv -f UTF-8 -t CP932)
settings() { printf '%s\r\n%s\r\n' "$title" "Monday, April 1, 2024"; printf "$1"; }
settings '0 0 12000 8520\r\n1 0 0 /home/learner/casl\r\n32768 32767\r\n1 1 7\r\n1\r\n0 1 0 1 1 1 1 0 0 0 1\r\n14 20 14 10\r\n10 10 20\r\n/home/learner/casl/a.cs2\r\n\r\n\r\n\r\n' \
  > "$out/settings/defaults"
settings '120,240,12000,9000\r\n2,1,1,C:\\Kavora,old\r\n36864,0\r\n0,0,10\r\n0\r\n1,0,1,0,0,0,0,2,1,1,0\r\n72,72,6,6\r\n20,5,5\r\nA,B.cs2\r\nx\r\ny\r\nz\r\n' \
  > "$out/settings/commas"
settings '0 0 12000 8520\n1 0 0\n70000 -1\n1 1 11\n' > "$out/settings/short"
cp tests/cli/asm/area9000.inis "$out/settings/area9000"

# Program files in code page 932 and in UTF-8, with and without the header line.
cp tests/cli/asm/sum.cs2 "$out/program_file/sum.cs2"
{ printf '\357\273\277'; utf8 tests/cli/asm/sum.cs2; } > "$out/program_file/sum-utf8-bom.cs2"
utf8 tests/cli/asm/sum.cs2 > "$out/program_file/sum-utf8.cs2"
cp resources/初期ファイル.txt "$out/program_file/sample.txt"
printf ';*** [Kavora\207\124] ***\r\n' > "$out/program_file/header-only.cs2"
printf ';*** [Kavora\207\124] ***\r\n\r\n' > "$out/program_file/empty.cs2"
printf ';***  [Kavora\207\124] ***\r\nMAIN START\r\n RET\r\n END' > "$out/program_file/spacing.cs2"
printf '\357\273\277' > "$out/program_file/bom-only.cs2"
printf ';*** [Kavora\210 ] ***\r\nMAIN START\r\n RET\r\n END' > "$out/program_file/bad-bytes.cs2"

# Record texts.
cp tests/cli/run/records.csd "$out/records/records.csd"
printf '[ここにレコードを半角で書く]\r\n[ここにレコードを半角で書く]\r\n[END]\r\n\r\n[テストしないレコードを置いておくことができる。]' \
  | iconv -f UTF-8 -t CP932 > "$out/records/initial"
printf '[]\n  [ab  ]  \n[END]' > "$out/records/no-break-after-end"
printf '[a]\n[b\n[END]\n' > "$out/records/unbracketed"
printf '[a]\n\n[END]\n' > "$out/records/short"

# Trace addresses: two bytes of area start, then the text.
printf '\200\000#8000-#8003,#8010' > "$out/trace_addresses/range-and-word"
printf '\200\000＃８０００－＃８００９' > "$out/trace_addresses/full-width"
printf '\220\000#9000,#9000,#9FFF' > "$out/trace_addresses/area9000"
printf '\200\000#8003-#8000' > "$out/trace_addresses/reversed"
printf '\000\000ABCDE' > "$out/trace_addresses/five-characters"

# Code page 932 and UTF-8 texts.
cp resources/初期ファイル.txt "$out/codepage/sample-cp932"
utf8 resources/初期ファイル.txt > "$out/codepage/sample-utf8"
printf '\207\124\207\100\355\100\356\357\372\100\360\100\371\374\261\337\201\140\201\174\\~' > "$out/codepage/extensions"
printf '〜−—‖¬¢ⅡｱＡ' > "$out/codepage/one-way"
