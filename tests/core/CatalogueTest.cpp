#include <gtest/gtest.h>

#include <initializer_list>

#include "assembler/AssemblyState.h"
#include "assembler/Catalogue.h"
#include "core/RecordingHost.h"
#include "machine/MachineState.h"

// Failure messages show the texts themselves.
static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

using kv::testing::RecordingHost;

struct Expected {
    int code;
    const char16_t* texts[4];  // message and explanations 1 to 3
};

kv::CatalogueText TextsOf(int code) {
    kv::ErrorState error;
    error.raise(kv::ErrorCode(code));
    return kv::Catalogue(error);
}

QString Str(const char16_t* text) { return text ? QString::fromUtf16(text) : QString(); }

// Every code of a family has its message, its explanations (the missing ones empty) and the title.
void ExpectFamily(const char16_t* title, std::initializer_list<Expected> family) {
    for (const Expected& e : family) {
        SCOPED_TRACE(e.code);
        const kv::CatalogueText t = TextsOf(e.code);
        EXPECT_EQ(t.title, Str(title));
        EXPECT_EQ(t.message, Str(e.texts[0]));
        for (int i = 0; i < 3; ++i) EXPECT_EQ(t.explanation[i], Str(e.texts[i + 1])) << "E" << i + 1;
    }
}

const char16_t kFullWidthBlank[] = u"　";

}  // namespace

TEST(Catalogue, GrammarCodes) {
    ExpectFamily(u"文法エラー", {
        {111, {u"ラベルが長すぎます。", u"ラベルは、８文字以内の英大文字か数字です。"}},
        {112, {u"ラベルに使用できない文字があります。", u"ラベルは、英大文字で始まり、２文字目以降は英大文字か数字です｡ "}},
        {113, {u"ラベルには、GR0～GR7を使用できません。"}},
        {121, {u"命令に誤りがあります。", u"ラベルの前に空白があり、命令と解釈されエラーになることがあります。", u"ラベルは1文字目から書きます。命令コードの前後には、空白が必要です。"}},
        {122, {u"命令がありません。"}},
        {131, {u"END命令にラベルやオペランドは指定できません。"}},
        {132, {u"START命令にはラベルが必要です。"}},
        {140, {u"汎用レジスタが、オペランドのアドレスに指定されています｡ ", u"アドレスには、ラベルや10進、16進定数、リテラルなどを指定します。", u"ラベルには、GR0～GR7を使用できません。"}},
        {141, {u"オペランドのラベルが長すぎます。"}},
        {142, {u"オペランドのラベルに、不正な文字があります。"}},
        {143, {u"DC命令のオペランドに、不正な文字があります。"}},
        {144, {u"GRO(オー)が使われています。", u"『KavoraⅡ』は、入力ミスの発見を容易にするため、GR0が使用できるところではラベルにもGRO（オー）を使用できません。"}},
        {145, {u"ピリオド（．）が使われています。", u"カンマ（，）の入力ミスの可能性があります。"}},
        {146, {u"オペランドに誤りがあります。"}},
        {147, {u"オペランドがありません。"}},
        {151, {u"汎用レジスタの指定に誤りがあります。", u"GR0からGR7を指定します。"}},
        {152, {u"指標レジスタにGR0は指定できません。", u"GR１からGR7を指定します。"}},
        {153, {u"指標レジスタの指定に誤りがあります。", u"GR1からGR7を指定します。"}},
        {154, {u"GRO(オー)が使われています。指標レジスタには、GR0（ゼロ）も指定できません。", u"GR1からGR7を指定します。"}},
        {161, {u"16進数の指定に誤りがあります。", u"16進数は、#hhhh（hは１けたの16進数）で指定します。"}},
        {162, {u"10進数の指定に誤りがあります。", u"本来なら、-32768～32767の範囲で指定し、範囲外のものは下位16ビットが有効です。", u"『KavoraⅡ』は、-32768～65535の範囲で指定でき、それ以外をエラーにしています。"}},
        {163, {u"文字定数の指定に誤りがあります。"}},
        {164, {u"文字定数に不正な文字があります。"}},
        {171, {u"STARTの実行開始番地に指定したラベルが不正です。"}},
    });
    // Codes between the listed ones have no message.
    EXPECT_TRUE(TextsOf(110).message.isEmpty());
    EXPECT_TRUE(TextsOf(199).message.isEmpty());
}

TEST(Catalogue, AssemblyCodes) {
    ExpectFamily(u"アセンブルエラー", {
        {301, {u"プログラムがありません。"}},
        {303, {u"一つのプログラム内に同じ名前のラベルがあります。"}},
        {304, {u"同じ名前のプログラムがあります。"}},
        {305, {u"STARTとENDが対応していません。"}},
        {307, {u"機械語を格納する領域がなくなりました。"}},
        {315, {u"ENDに対応するSTARTがありません。"}},
        {316, {u"STARTに対応するENDがありません。"}},
        {351, {u"１番目のプログラムにしか、STARTの実行開始番地のラベルは指定できません。"}},
        {352, {u"STARTで実行開始番地に指定したラベルがありません。"}},
        // The counts in 331 and 332 are part of the text; 335 names the listing capacity.
        {331, {u"ラベルが多すぎます。リテラルからもラベルが生成されます。ラベルは、200個まで利用できます。"}},
        {332, {u"プログラムが多すぎます。プログラム（STARTとENDの組）は、同時に10個までアセンブルできます。"}},
        {335, {u"プログラムが長すぎます。アセンブルできるのは500行までです。"}},
    });
    EXPECT_EQ(TextsOf(335).message,
              QStringLiteral("プログラムが長すぎます。アセンブルできるのは") + QString::number(kv::AssemblyState::kListingLines) +
                  QStringLiteral("行までです。"));
    // 200 and 250 lie in the assembly range without a message.
    EXPECT_TRUE(TextsOf(200).message.isEmpty());
    EXPECT_TRUE(TextsOf(250).message.isEmpty());
    EXPECT_EQ(TextsOf(250).title, QStringLiteral("アセンブルエラー"));
}

TEST(Catalogue, RunTimeCodes) {
    ExpectFamily(u"実行時エラー", {
        {402, {u"不当なアドレスを参照しようとしました。"}},
        {403, {u"不当な命令を実行しようとしました。"}},
        {451, {u"仮想ファイル装置の[END]がありません。"}},
        {453, {u"仮想ファイル装置の[END]に達しています。"}},
        {455, {u"仮想ファイル装置のレコードが不良です。"}},
        {459, {u"仮想ファイル装置のレコードが[　]でくくられていません。"}},
    });
    kv::ErrorState error;
    error.raiseAddress(kv::ErrorCode(404), 0x0ABC, 0x8000, 0x8FFF);
    EXPECT_EQ(kv::Catalogue(error).message,
              QStringLiteral("実効アドレス（0ABC）が、メモリを参照できる範囲（8000～8FFF）にありません。"));
    // Addresses are the last four upper-case hexadecimal digits, zero-padded.
    error.raiseAddress(kv::ErrorCode(404), 0x1FFFF, 0x0000, 0x00ff);
    EXPECT_EQ(kv::Catalogue(error).message,
              QStringLiteral("実効アドレス（FFFF）が、メモリを参照できる範囲（0000～00FF）にありません。"));
    error.raiseAddress(kv::ErrorCode(405), 0x800A, 0x8000, 0x8FFF);
    EXPECT_EQ(kv::Catalogue(error).message,
              QStringLiteral("機械語を設定した領域（800A）に書き込もうとしました。\n　文法上は可能ですが、通常、そのような使い方はしません。\n　ミスの発見を容易にするため『KavoraⅡ』では禁止します。"));
    error.raiseAddress(kv::ErrorCode(406), 0x9000, 0x9000, 0x9FFF);
    const kv::CatalogueText warning = kv::Catalogue(error);
    EXPECT_EQ(warning.message, QStringLiteral("警告!　DCで定数を設定した領域（9000）に書き込みました。\n　処理は続行しますが、定数を元に戻すには再アセンブルが必要です。"));
    EXPECT_EQ(warning.title, QStringLiteral("実行時エラー"));
    EXPECT_TRUE(warning.explanation[0].isEmpty());
}

TEST(Catalogue, NoticesDiskSupervisorAndSystemCommands) {
    ExpectFamily(u"実行情報", {
        {501, {u"正常終了しました。"}},
        {502, {u"ブレークポイントで停止しました。"}},
        {503, {u"強制終了しました。"}},
    });
    ExpectFamily(u"ディスクアクセスエラー", {
        {701, {u"指定されたファイルがありません"}},
        {702, {u"ファイル名の指定が間違っています"}},
        {703, {u"書き込み禁止になっています"}},
        {704, {u"ディスクがセットされていません"}},
        {705, {u"ディスクに書き込むスペースがありません"}},
        {706, {u"ドライブ指定に誤りがあります"}},
        {710, {u"入出力で致命的なエラーが発生しました"}},
        {711, {u"ユーザフォルダが、Aドライブに設定されていますが、", u"フロッピーディスクがセットされていません。"}},
    });
    ExpectFamily(u"スーパバイザコール", {
        {990, {u"この引数は、サポートされていません。"}},
    });
    ExpectFamily(u"システムコマンドエラー", {
        {1001, {u"このシステムコマンドは、サポートされていません。"}},
        {1002, {u"システムコマンドのパラメータエラーです。"}},
    });
}

TEST(Catalogue, UnknownCodesFromElevenHundred) {
    for (int code : {1100, 1234, 99999}) {
        SCOPED_TRACE(code);
        const kv::CatalogueText t = TextsOf(code);
        EXPECT_EQ(t.message, QStringLiteral("原因不明のエラーです。エラーコード（") + QString::number(code) + QStringLiteral("）"));
        EXPECT_TRUE(t.title.isEmpty());
    }
    EXPECT_EQ(TextsOf(1234).message, QStringLiteral("原因不明のエラーです。エラーコード（1234）"));
    EXPECT_TRUE(TextsOf(1099).message.isEmpty());
    EXPECT_TRUE(TextsOf(0).message.isEmpty());
}

TEST(Catalogue, TitlesByRange) {
    const struct {
        int first, last;
        const char16_t* title;
    } ranges[] = {
        {1, 99, u"『KavoraⅡ』"},     {100, 199, u"文法エラー"}, {200, 399, u"アセンブルエラー"},
        {400, 499, u"実行時エラー"}, {500, 599, u"実行情報"}, {600, 799, u"ディスクアクセスエラー"},
        {800, 999, u"スーパバイザコール"}, {1000, 1099, u"システムコマンドエラー"},
    };
    for (const auto& r : ranges) {
        EXPECT_EQ(TextsOf(r.first).title, Str(r.title)) << r.first;
        EXPECT_EQ(TextsOf(r.last).title, Str(r.title)) << r.last;
    }
    EXPECT_TRUE(TextsOf(0).title.isEmpty());
    EXPECT_TRUE(TextsOf(1100).title.isEmpty());
}

TEST(ReportError, ModeZeroShowsMessageAndThreeExplanationLines) {
    RecordingHost host;
    kv::ErrorState error;
    error.raise(kv::ErrorCode(113));
    kv::ReportError(error, host, kv::ReportStyle::Box);
    ASSERT_EQ(host.boxes.size(), 1);
    EXPECT_EQ(host.beeps, 1);
    const kv::testing::Box& box = host.boxes[0];
    EXPECT_EQ(box.text, Str(u"ラベルには、GR0～GR7を使用できません。") + QStringLiteral("\n\n\n"));
    EXPECT_EQ(box.title, QStringLiteral("文法エラー"));
    EXPECT_EQ(box.icon, kv::BoxIcon::Exclamation);
    EXPECT_EQ(box.buttons, kv::BoxButtons::Ok);
    EXPECT_EQ(error.number(), 0);

    error.raise(kv::ErrorCode(121));
    kv::ReportError(error, host, kv::ReportStyle::Box);
    ASSERT_EQ(host.boxes.size(), 2);
    EXPECT_EQ(host.boxes[1].text, Str(u"命令に誤りがあります。") + '\n' + Str(u"ラベルの前に空白があり、命令と解釈されエラーになることがあります。") + '\n' + Str(u"ラベルは1文字目から書きます。命令コードの前後には、空白が必要です。") + '\n');

    error.raise(kv::ErrorCode(162));
    kv::ReportError(error, host, kv::ReportStyle::Box);
    EXPECT_EQ(host.boxes.last().text, Str(u"10進数の指定に誤りがあります。") + '\n' + Str(u"本来なら、-32768～32767の範囲で指定し、範囲外のものは下位16ビットが有効です。") + '\n' + Str(u"『KavoraⅡ』は、-32768～65535の範囲で指定でき、それ以外をエラーにしています。") + '\n');
}

TEST(ReportError, ModeOneShowsTheMessageAloneWithInformationIcon) {
    RecordingHost host;
    kv::ErrorState error;
    error.raise(kv::ErrorCode(501));
    kv::ReportError(error, host, kv::ReportStyle::InformationBox);
    ASSERT_EQ(host.boxes.size(), 1);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(host.boxes[0].text, Str(u"正常終了しました。"));
    EXPECT_EQ(host.boxes[0].title, QStringLiteral("実行情報"));
    EXPECT_EQ(host.boxes[0].icon, kv::BoxIcon::Information);
    EXPECT_EQ(error.number(), 0);

    // A message with explanations still shows the message alone.
    error.raise(kv::ErrorCode(111));
    kv::ReportError(error, host, kv::ReportStyle::InformationBox);
    EXPECT_EQ(host.boxes.last().text, Str(u"ラベルが長すぎます。"));
}

TEST(ReportError, ModeTwoIsTheLineFormWithoutBox) {
    RecordingHost host;
    kv::ErrorState error;
    error.raise(kv::ErrorCode(111));
    EXPECT_EQ(kv::ReportError(error, host, kv::ReportStyle::Line), Str(kFullWidthBlank) + Str(u"ラベルが長すぎます。"));
    error.raiseAddress(kv::ErrorCode(404), 0x7FFF, 0x8000, 0x8FFF);
    EXPECT_EQ(kv::ReportError(error, host, kv::ReportStyle::Line),
              Str(kFullWidthBlank) + QStringLiteral("実効アドレス（7FFF）が、メモリを参照できる範囲（8000～8FFF）にありません。"));
    EXPECT_TRUE(host.boxes.isEmpty());
    EXPECT_EQ(host.beeps, 0);
    EXPECT_EQ(error.number(), 0);
}

TEST(ReportError, CodeWithoutMessageShowsNothing) {
    RecordingHost host;
    kv::ErrorState error;
    for (kv::ReportStyle style : {kv::ReportStyle::Box, kv::ReportStyle::InformationBox}) {
        error.raise(kv::ErrorCode(250));
        kv::ReportError(error, host, style);
        EXPECT_EQ(error.number(), 0);
    }
    EXPECT_TRUE(host.boxes.isEmpty());
    EXPECT_EQ(host.beeps, 0);
    error.raise(kv::ErrorCode(250));
    EXPECT_EQ(kv::ReportError(error, host, kv::ReportStyle::Line), Str(kFullWidthBlank));
}

TEST(ReportError, UnknownCodeBoxHasNoTitle) {
    RecordingHost host;
    kv::ErrorState error;
    error.raise(kv::ErrorCode(1234));
    kv::ReportError(error, host, kv::ReportStyle::Box);
    ASSERT_EQ(host.boxes.size(), 1);
    EXPECT_TRUE(host.boxes[0].title.isEmpty());
    EXPECT_EQ(host.boxes[0].text, QStringLiteral("原因不明のエラーです。エラーコード（1234）\n\n\n"));
}

TEST(ReportError, ResetsCodeAndAddresses) {
    RecordingHost host;
    kv::ErrorState error;
    error.raiseAddress(kv::ErrorCode(406), 0x8004, 0x8000, 0x8FFF);
    kv::ReportError(error, host, kv::ReportStyle::Box);
    EXPECT_EQ(error.number(), 0);
    EXPECT_EQ(error.ea, 0);
    EXPECT_EQ(error.low, 0);
    EXPECT_EQ(error.high, 0);
    // The warning's own line breaks come before the three explanation line breaks.
    ASSERT_EQ(host.boxes.size(), 1);
    EXPECT_EQ(host.boxes[0].text, QStringLiteral("警告!　DCで定数を設定した領域（8004）に書き込みました。\n　処理は続行しますが、定数を元に戻すには再アセンブルが必要です。\n\n\n"));
}

TEST(ReportInternalError, NamesPlaceAndNumberInTheSystemErrorBox) {
    RecordingHost host;
    kv::ReportInternalError(host, QStringLiteral("行文法チェック処理"), 3);
    ASSERT_EQ(host.boxes.size(), 1);
    const kv::testing::Box& box = host.boxes[0];
    EXPECT_EQ(box.title, QStringLiteral("『KavoraⅡ』システムエラー　"));
    EXPECT_EQ(box.icon, kv::BoxIcon::Exclamation);
    EXPECT_EQ(box.buttons, kv::BoxButtons::Ok);
    EXPECT_EQ(box.text, QStringLiteral("行文法チェック処理3\n『KavoraⅡ』のプログラムで、想定外のシステムエラーが発生しました。\n入力したプログラムを保存して、『KavoraⅡ』を終了してください。\nプログラムに誤りがなく、繰り返し同じエラーが発生する場合は、『KavoraⅡ』のバグの可能性があります。\nお手数ですがエラーの発生したプログラムをそえて、巻末の質問先までご連絡ください。"));
}
