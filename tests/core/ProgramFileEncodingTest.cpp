// The bytes of a program file: header, text, CR LF, and the choice between code page 932 and UTF-8.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "RecordingHost.h"
#include "workbench/ProgramFile.h"

namespace kv {
namespace {

const QByteArray kHeader = QByteArrayLiteral(";*** [Kavora\x87\x55] ***\r\n");  // Ⅱ in code page 932

TEST(ProgramFileEncoding, CodePage932WhenEveryCharacterFits) {
    struct Case {
        QString text;
        QByteArray body;
    };
    const QVector<Case> cases{
        {"A\nB", "A\r\nB\r\n"},
        {"A\nB\n", "A\r\nB\r\n"},
        {"A\r\nB\r\n", "A\r\nB\r\n"},
        {"A\rB", "A\r\nB\r\n"},
        {"", ""},
        {"\n\n", "\r\n\r\n"},
        {QStringLiteral("; 合計ｶﾅ\uFF5E"), QByteArrayLiteral("; \x8D\x87\x8C\x76\xB6\xC5\x81\x60\r\n")},
    };
    for (const Case& c : cases) {
        const EncodedProgramFile file = EncodeProgramFile(c.text);
        EXPECT_EQ(file.encoding, cp932::FileEncoding::CodePage932);
        EXPECT_EQ(file.bytes, kHeader + c.body) << c.text.toStdString();
    }
}

TEST(ProgramFileEncoding, Utf8WithByteOrderMarkWhenACharacterDoesNotFitAndItReadsBack) {
    const QString text = QStringLiteral("; café 한국 \U0001F600\n          RET       \n");
    const EncodedProgramFile file = EncodeProgramFile(text);
    EXPECT_EQ(file.encoding, cp932::FileEncoding::Utf8WithBom);
    EXPECT_EQ(file.bytes,
              QByteArrayLiteral("\xEF\xBB\xBF") +
                  QStringLiteral(";*** [KavoraⅡ] ***\r\n; café 한국 \U0001F600\r\n          RET       \r\n")
                      .toUtf8());

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("p.cs2"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file.bytes);
    out.close();
    testing::RecordingHost host;
    const ProgramText read = ReadProgramFile(path, host);
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.text, QStringLiteral("; café 한국 \U0001F600\n          RET       "));
    EXPECT_TRUE(host.boxes.isEmpty());
}

}  // namespace
}  // namespace kv
