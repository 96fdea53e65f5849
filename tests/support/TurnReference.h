// SPDX-License-Identifier: MIT
#pragma once

// The reference rolls of battle/gameturn_reference.txt (written by tools/turnref), one
// combination a line, for the rules' test and Battle Turn's.

#include <QFile>
#include <QList>
#include <QStringList>

struct TurnCase {
    QString attacker, attackerLevel, attackerPreset, defender, defenderLevel, defenderPreset, move,
        attackerStage, defenderStage;
    bool burned = false, screen = false;
    QString normalRolls, criticalRolls; // as the window writes them; normal "-": none to compare
    QString tag;                        // the inputs, to name a failing case
};

inline QList<TurnCase> readTurnReference()
{
    QFile file(QStringLiteral(TURN_REFERENCE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", TURN_REFERENCE);
    QList<TurnCase> cases;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        QStringList f = line.split('|');
        if (line.startsWith('#'))
            continue;
        if (f.size() != 13)
            qFatal("malformed reference line: %s", qPrintable(line));
        for (const int column : {11, 12})
            f[column] = f[column] == "no effect" ? QStringLiteral("No effect")
                                                 : f[column].replace(' ', ", ");
        cases.append({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9] == "1",
                      f[10] == "1", f[11], f[12], f.mid(0, 11).join('|')});
    }
    if (cases.size() < 280) // the rules are checked across this many combinations at least
        qFatal("only %lld reference lines", static_cast<long long>(cases.size()));
    return cases;
}
