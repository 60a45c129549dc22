#include "assembler/Catalogue.h"

#include <QHash>

#include "assembler/AssemblyState.h"
#include "machine/MachineState.h"
#include "machine/WordFormats.h"
#include "host/Host.h"

namespace kv {

namespace {

struct Entry {
    const char16_t* texts[4];  // message and explanations 1 to 3
};

// Codes whose texts are fixed; 335, 404 to 406 and 1100 and above are composed below. The counts in
// 331 and 332 are part of the text: they stay as they are whatever the capacities are.
const QHash<int, Entry>& fixedTexts() {
    static const QHash<int, Entry> table = {
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
    {301, {u"プログラムがありません。"}},
    {303, {u"一つのプログラム内に同じ名前のラベルがあります。"}},
    {304, {u"同じ名前のプログラムがあります。"}},
    {305, {u"STARTとENDが対応していません。"}},
    {307, {u"機械語を格納する領域がなくなりました。"}},
    {315, {u"ENDに対応するSTARTがありません。"}},
    {316, {u"STARTに対応するENDがありません。"}},
    {331, {u"ラベルが多すぎます。リテラルからもラベルが生成されます。ラベルは、200個まで利用できます。"}},
    {332, {u"プログラムが多すぎます。プログラム（STARTとENDの組）は、同時に10個までアセンブルできます。"}},
    {351, {u"１番目のプログラムにしか、STARTの実行開始番地のラベルは指定できません。"}},
    {352, {u"STARTで実行開始番地に指定したラベルがありません。"}},
    {402, {u"不当なアドレスを参照しようとしました。"}},
    {403, {u"不当な命令を実行しようとしました。"}},
    {451, {u"仮想ファイル装置の[END]がありません。"}},
    {453, {u"仮想ファイル装置の[END]に達しています。"}},
    {455, {u"仮想ファイル装置のレコードが不良です。"}},
    {459, {u"仮想ファイル装置のレコードが[　]でくくられていません。"}},
    {501, {u"正常終了しました。"}},
    {502, {u"ブレークポイントで停止しました。"}},
    {503, {u"強制終了しました。"}},
    {701, {u"指定されたファイルがありません"}},
    {702, {u"ファイル名の指定が間違っています"}},
    {703, {u"書き込み禁止になっています"}},
    {704, {u"ディスクがセットされていません"}},
    {705, {u"ディスクに書き込むスペースがありません"}},
    {706, {u"ドライブ指定に誤りがあります"}},
    {710, {u"入出力で致命的なエラーが発生しました"}},
    {711, {u"ユーザフォルダが、Aドライブに設定されていますが、", u"フロッピーディスクがセットされていません。"}},
    {990, {u"この引数は、サポートされていません。"}},
    {1001, {u"このシステムコマンドは、サポートされていません。"}},
    {1002, {u"システムコマンドのパラメータエラーです。"}},
    };
    return table;
}

QString composedMessage(const ErrorState& e) {
    switch (e.code) {
        case ErrorCode::ProgramTooLong:
            return QStringLiteral("プログラムが長すぎます。アセンブルできるのは") +
                   QString::number(AssemblyState::kListingLines) + QStringLiteral("行までです。");
        case ErrorCode::AddressOutOfRange:
            return QStringLiteral("実効アドレス（") + HexWord(e.ea) + QStringLiteral("）が、メモリを参照できる範囲（") +
                   HexWord(e.low) + QStringLiteral("～") + HexWord(e.high) + QStringLiteral("）にありません。");
        case ErrorCode::WriteIntoInstruction:
            return QStringLiteral("機械語を設定した領域（") + HexWord(e.ea) +
                   QStringLiteral("）に書き込もうとしました。\n　文法上は可能ですが、通常、そのような使い方はしません。"
                                  "\n　ミスの発見を容易にするため『KavoraⅡ』では禁止します。");
        case ErrorCode::WriteIntoConstant:
            return QStringLiteral("警告!　DCで定数を設定した領域（") + HexWord(e.ea) +
                   QStringLiteral("）に書き込みました。\n　処理は続行しますが、定数を元に戻すには再アセンブルが必要です。");
        default:
            if (e.number() >= 1100)
                return QStringLiteral("原因不明のエラーです。エラーコード（") + QString::number(e.number()) + QStringLiteral("）");
            return QString();
    }
}

QString categoryOf(std::int32_t code) {
    if (code >= 1 && code <= 99) return QStringLiteral("『KavoraⅡ』");
    if (code >= 100 && code <= 199) return QStringLiteral("文法エラー");
    if (code >= 200 && code <= 399) return QStringLiteral("アセンブルエラー");
    if (code >= 400 && code <= 499) return QStringLiteral("実行時エラー");
    if (code >= 500 && code <= 599) return QStringLiteral("実行情報");
    if (code >= 600 && code <= 799) return QStringLiteral("ディスクアクセスエラー");
    if (code >= 800 && code <= 999) return QStringLiteral("スーパバイザコール");
    if (code >= 1000 && code <= 1099) return QStringLiteral("システムコマンドエラー");
    return QString();
}

}  // namespace

CatalogueText Catalogue(const ErrorState& error) {
    CatalogueText text;
    text.title = categoryOf(error.number());
    const auto found = fixedTexts().constFind(error.number());
    if (found == fixedTexts().constEnd()) {
        text.message = composedMessage(error);
        return text;
    }
    const Entry& entry = found.value();
    text.message = QString::fromUtf16(entry.texts[0]);
    for (int i = 0; i < 3; ++i)
        if (entry.texts[i + 1]) text.explanation[i] = QString::fromUtf16(entry.texts[i + 1]);
    return text;
}

QString ReportError(ErrorState& error, Boxes& host, ReportStyle style) {
    const CatalogueText text = Catalogue(error);
    error = ErrorState();
    const QString line = QStringLiteral("　") + text.message;
    if (style == ReportStyle::Line || text.message.isEmpty()) return line;
    host.beep();
    if (style == ReportStyle::Box) {
        const QString body = text.message + '\n' + text.explanation[0] + '\n' + text.explanation[1] + '\n' +
                             text.explanation[2];
        host.messageBox(body, text.title, BoxIcon::Exclamation);
    } else {
        host.messageBox(text.message, text.title, BoxIcon::Information);
    }
    return line;
}

void ReportInternalError(Boxes& host, const QString& place, int number) {
    const QString body = place + QString::number(number) +
                         QStringLiteral("\n『KavoraⅡ』のプログラムで、想定外のシステムエラーが発生しました。"
                                        "\n入力したプログラムを保存して、『KavoraⅡ』を終了してください。"
                                        "\nプログラムに誤りがなく、繰り返し同じエラーが発生する場合は、『KavoraⅡ』のバグの可能性があります。"
                                        "\nお手数ですがエラーの発生したプログラムをそえて、巻末の質問先までご連絡ください。");
    host.messageBox(body, QStringLiteral("『KavoraⅡ』システムエラー　"), BoxIcon::Exclamation);
}

}  // namespace kv
