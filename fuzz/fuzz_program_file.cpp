// Program files as a user may hand them over: any bytes, in code page 932 or UTF-8 (with or without
// a byte order mark), with or without the header line ";*** [KavoraⅡ] ***". Besides the sanitizers
// it checks that a refused file comes with a reason and nothing else, the header rule (a notice
// exactly when the first line is not the header, a file of the header alone refused), that the
// text read holds no line break but "\n" and no "\n" at its end, and that a text the code page can
// hold survives a write and a second read unchanged.

#include <QRegularExpression>

#include "FuzzSupport.h"
#include "RecordingHost.h"
#include "machine/CodePage932.h"
#include "workbench/ProgramFile.h"

namespace {

// The first line of the file as the reader sees it.
QString firstLineOf(const QByteArray& bytes) {
    const QString text = kv::cp932::decodeTextFile(bytes);
    const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("\r|\n")));
    return end < 0 ? text : text.left(end);
}

bool holdsOnlyCodePage(const QString& text) {
    return kv::cp932::decode(kv::cp932::encode(text)) == text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const kv::fuzz::ScratchFile file("program.cs2");
    const QByteArray bytes = kv::fuzz::bytesOf(data, size);
    const QString header = QString::fromUtf16(kv::kProgramFileHeader);

    file.write(bytes);
    kv::testing::RecordingHost host;
    const kv::ProgramText read = kv::ReadProgramFile(file.path(), host);
    KV_FUZZ_REQUIRE(read.status == 0 || read.status == 9);
    KV_FUZZ_REQUIRE(host.boxes.size() <= 1);
    if (read.read.problem != kv::ReadProblem::None) {
        // Refused (bytes neither code page 932 nor UTF-8, NUL bytes, too large): no box here, a
        // reason for the caller's, and nothing to show.
        KV_FUZZ_REQUIRE(read.status == 9 && read.text.isEmpty() && host.boxes.isEmpty());
        KV_FUZZ_REQUIRE(!kv::ReadProblemText(read.read, file.path()).isEmpty());
        return 0;
    }
    if (kv::cp932::decodeTextFile(bytes).isEmpty()) {  // nothing, or a byte order mark alone
        KV_FUZZ_REQUIRE(read.status == 0 && read.text.isEmpty() && host.boxes.isEmpty());
        return 0;
    }
    const bool hasHeader = firstLineOf(bytes) == header;
    KV_FUZZ_REQUIRE(host.boxes.size() == (hasHeader ? 0 : 1));
    if (read.status == 9) {
        KV_FUZZ_REQUIRE(hasHeader && read.text.isEmpty());
        return 0;
    }
    KV_FUZZ_REQUIRE(!read.text.contains(QLatin1Char('\r')));
    const QString firstLine = firstLineOf(bytes);
    KV_FUZZ_REQUIRE(hasHeader || read.text.left(firstLine.size()) == firstLine);
    if (!holdsOnlyCodePage(read.text)) return 0;

    KV_FUZZ_REQUIRE(kv::WriteProgramFile(file.path(), read.text) == kv::WriteProblem::None);
    const QByteArray written = file.read();
    KV_FUZZ_REQUIRE(written.startsWith(kv::cp932::encode(header) + "\r\n") && written.endsWith("\r\n"));
    kv::testing::RecordingHost again;
    const kv::ProgramText reread = kv::ReadProgramFile(file.path(), again);
    KV_FUZZ_REQUIRE(reread.status == 0 && again.boxes.isEmpty());
    KV_FUZZ_REQUIRE(reread.text == read.text);
    return 0;
}
