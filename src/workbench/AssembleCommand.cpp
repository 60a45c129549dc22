#include "workbench/AssembleCommand.h"

#include "assembler/AssemblyState.h"
#include "assembler/Listings.h"
#include "host/Host.h"

namespace kv {

AssembleOutcome AssembleAndLink(AssembleContext& context, const QString& source) {
    Host& host = context.host;
    AssembleOutcome outcome;
    host.appendMessage(colours::Black, QStringLiteral("■アセンブル"));
    host.letEventsRun();
    if (Assemble(context, source) != AssembleResult::Success) {
        host.appendMessage(colours::Blue, QStringLiteral("　アセンブルは、失敗しました。"));
        host.appendMessage(colours::Black, QStringLiteral("　編集モードに戻り、プログラムを修正してください。"));
        return outcome;
    }
    outcome.assembled = true;
    host.appendMessage(colours::Blue, QStringLiteral("　アセンブルは、成功しました。"));
    host.appendMessage(colours::Black, QString());
    host.appendMessage(colours::Black, QStringLiteral("■リンク"));
    const LinkResult link = Link(context.assembly, context.machine, host, source);
    outcome.assemblyList = BuildAssemblyList(context.assembly, context.machine);
    outcome.marks = link.marks;
    outcome.linked = link.result == 0;
    if (outcome.linked) {
        host.appendMessage(colours::Blue, QStringLiteral("　リンクは、成功しました。"));
        host.appendMessage(colours::Black, QStringLiteral("　実行モードに移り､プログラムを実行できます｡ "));
    } else {
        host.appendMessage(colours::Blue, QStringLiteral("　リンクは、失敗しました。"));
        host.appendMessage(colours::Green, QStringLiteral("（説明）リンク時のエラーは、通常、ラベルの入力ミスです。"
                                                          "あるいは、副プログラムが入力されていません。"));
        host.appendMessage(colours::Black, QStringLiteral("　編集モードに戻り、プログラムを修正してください。"));
    }
    return outcome;
}

}  // namespace kv
