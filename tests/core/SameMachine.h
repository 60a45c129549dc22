#pragma once
// Compares two machine states field by field, every word included, and names the differences.

#include <gtest/gtest.h>

#include <QStringList>

#include "machine/MachineState.h"

namespace kv::testing {

inline ::testing::AssertionResult SameMachine(const MachineState& a, const MachineState& b) {
    QStringList differences;
    auto field = [&](const QString& name, long long x, long long y) {
        if (x != y && differences.size() < 12)
            differences << QStringLiteral("%1 %2/%3").arg(name).arg(x).arg(y);
    };
    field(QStringLiteral("userStart"), a.userStart, b.userStart);
    field(QStringLiteral("userEnd"), a.userEnd, b.userEnd);
    field(QStringLiteral("SP"), a.SP, b.SP);
    field(QStringLiteral("PR"), a.PR, b.PR);
    field(QStringLiteral("nextPR"), a.nextPR, b.nextPR);
    field(QStringLiteral("EA"), a.EA, b.EA);
    field(QStringLiteral("OF"), a.OF, b.OF);
    field(QStringLiteral("SF"), a.SF, b.SF);
    field(QStringLiteral("ZF"), a.ZF, b.ZF);
    field(QStringLiteral("entryAddress"), a.entryAddress, b.entryAddress);
    field(QStringLiteral("grInitialValue"), a.grInitialValue, b.grInitialValue);
    for (int i = 0; i < 8; ++i) field(QStringLiteral("GR%1").arg(i), a.GR[i], b.GR[i]);
    for (int d = 0; d < MachineState::kWords; ++d) {
        if (a.memory[d] == b.memory[d] && a.wordKinds[d] == b.wordKinds[d] &&
            a.lineOfAddress[d] == b.lineOfAddress[d])
            continue;
        const QString address = QString::number(a.userStart + d, 16).toUpper();
        field(QStringLiteral("word ") + address, a.memory[d], b.memory[d]);
        field(QStringLiteral("kind ") + address, a.wordKinds[d], b.wordKinds[d]);
        field(QStringLiteral("line ") + address, a.lineOfAddress[d], b.lineOfAddress[d]);
    }
    if (differences.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << qPrintable(differences.join(QStringLiteral(", ")));
}

}  // namespace kv::testing
