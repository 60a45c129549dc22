#include "simulator/RunNotes.h"

#include "assembler/AssemblyState.h"
#include "host/Host.h"
#include "machine/MachineState.h"

namespace kv {

void RunNotes::ShowRunNote(int kind, int note) {
    if (note == 0) note = lastNote_;
    lastNote_ = note;
    if (kind == 9) {
        show(QString());
        return;
    }
    if (kind == 1) {
        if (machine_.inArea(machine_.PR))
            show(QStringLiteral("　F式表記：　") + assembly_.line(machine_.lineOfAddress[machine_.PR - machine_.userStart]).fNotation);
        return;
    }
    if (kind != 0) return;
    QString text;
    switch (note) {
        case 1: text = QStringLiteral("GRの初期値は、オプションで変更できます。"); break;
        case 10: text = QStringLiteral("復帰番地をスタックに積みました。"); break;
        case 11: text = QStringLiteral("スタック最上段から復帰番地を取り出しPRに設定しました。"); break;
        case 12: text = QStringLiteral("実効アドレスEAをスタックに積みました。"); break;
        case 13: text = QStringLiteral("スタック最上段の値をGRに取り出しました。"); break;
        case 14: text = QStringLiteral("スタック最上段から復帰番地を取り出し、OSに戻ります。"); break;
        case 91: text = QStringLiteral("仮想ファイル装置のファイルの終わり（[END]）です。"); break;
        default: break;
    }
    if (!text.isEmpty()) show(text);
}

void RunNotes::show(const QString& text) {
    shown_ = text;
    host_.setStatusNote(text);
}

}  // namespace kv
