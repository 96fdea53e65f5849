// SPDX-License-Identifier: MIT
#pragma once

// The reference rolls of tests/battle/gameturn_reference.txt (see tools/turnref), one
// combination a line, for the rules' test and the Battle Turn window's.

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

struct TurnCase {
    QString attacker;
    int attackerLevel = 0;
    QString attackerPreset;
    QString defender;
    int defenderLevel = 0;
    QString defenderPreset;
    QString move;
    int attackerStage = 0;
    int defenderStage = 0;
    bool burned = false;
    bool screen = false;
    QString normalRolls; // as the window writes them: "84, 85, …"
    QString criticalRolls;
    QString line; // the whole line, to name a failing case
};

inline QList<TurnCase> readTurnReference()
{
    QFile file(QStringLiteral(TURN_REFERENCE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", TURN_REFERENCE);
    QList<TurnCase> cases;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('|'));
        if (f.size() != 13)
            qFatal("malformed reference line: %s", qPrintable(line));
        const auto rolls = [](const QString& field) { return field.split(' ').join(", "); };
        cases.append({f[0], f[1].toInt(), f[2], f[3], f[4].toInt(), f[5], f[6], f[7].toInt(),
                      f[8].toInt(), f[9] == "1", f[10] == "1", rolls(f[11]), rolls(f[12]), line});
    }
    return cases;
}
