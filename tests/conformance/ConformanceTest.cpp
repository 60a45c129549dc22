// Real CASL II programs from other projects, run through "kavora2-cli run": after the start and end
// lines, the input prompts and the echo of each input line are taken out of the console transcript,
// what is left must be exactly the OUT lines the program is known to print.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>

namespace {

const QString kPrompt = QStringLiteral("IN命令です。入力してください。");

QStringList linesOf(const QByteArray& bytes) {
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// The transcript without the lines the workbench adds around the program's own output.
QStringList programOutput(const QStringList& transcript, bool dropConstantWarnings) {
    QStringList out;
    for (int i = 0; i < transcript.size(); ++i) {
        const QString& line = transcript[i];
        if (line.startsWith(QStringLiteral("■"))) continue;
        if (line == kPrompt) {
            ++i;  // the echo of the typed line belongs to its prompt
            continue;
        }
        if (dropConstantWarnings && (line.startsWith(QStringLiteral("　警告!　DCで定数を設定した領域（")) ||
                                     line == QStringLiteral("　処理は続行しますが、定数を元に戻すには再アセンブルが必要です。")))
            continue;
        out << line;
    }
    return out;
}

class Conformance : public ::testing::TestWithParam<std::string> {};

TEST_P(Conformance, PrintsTheKnownOutLines) {
    const QString name = QString::fromStdString(GetParam());
    const QDir dir(QStringLiteral(KAVORA_CONFORMANCE_DIR "/") + name);
    QProcess cli;
    if (QFile::exists(dir.filePath("stdin"))) cli.setStandardInputFile(dir.filePath("stdin"));
    else cli.setStandardInputFile(QProcess::nullDevice());
    cli.start(QStringLiteral(KAVORA_CLI), {QStringLiteral("run"), dir.filePath("prog.txt")});
    ASSERT_TRUE(cli.waitForFinished(120000));
    const QByteArray errors = cli.readAllStandardError();
    const QStringList transcript = linesOf(cli.readAllStandardOutput());
    EXPECT_EQ(cli.exitCode(), 0) << errors.toStdString();
    ASSERT_FALSE(transcript.isEmpty());
    EXPECT_EQ(transcript.last(), QStringLiteral("■正常終了"));

    QFile expectedFile(dir.filePath("expected-out.txt"));
    ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly));
    const QStringList expected = linesOf(expectedFile.readAll());
    const QStringList actual = programOutput(transcript, name.startsWith(QStringLiteral("32-")));
    ASSERT_EQ(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        ASSERT_EQ(actual[i].toStdString(), expected[i].toStdString()) << "OUT line " << i + 1;
}

std::vector<std::string> cases() {
    std::vector<std::string> names;
    for (const QString& name :
         QDir(QStringLiteral(KAVORA_CONFORMANCE_DIR)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        names.push_back(name.toStdString());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Corpus, Conformance, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return "case" + name;
                         });

}  // namespace
