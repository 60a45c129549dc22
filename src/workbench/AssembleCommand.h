#pragma once
// The assemble command of the main window: assembles the source, links it and builds the assembly
// list, writing the command's own lines into the message pane around the assembler's.

#include <QString>
#include <QVector>

#include "assembler/Assembler.h"
#include "assembler/Linker.h"

namespace kv {

struct AssembleOutcome {
    bool assembled = false;
    bool linked = false;
    QString assemblyList;       // built after every successful assembly
    QVector<TextRange> marks;   // uses of missing names, for the mark colour
};

AssembleOutcome AssembleAndLink(AssembleContext& context, const QString& source);

}  // namespace kv
