#include "game/PlayerStats.h"

#include <QCoreApplication>
#include <QStringList>

QString PlayerStatsMessage(const StatTotals& totals)
{
    // The same rule as the box score's, so the bench and the printed report never disagree.
    const QString shown = LocalFigure(
        HittingText(HittingPercentage(totals.of("Kill"), totals.of("Error"), totals.of("Attempt")), true));
    QStringList lines{QCoreApplication::translate("PlayerStats", "Percentage = ") + shown};
    for (size_t i = 0; i < kStatKinds.size(); ++i) {
        if (kStatKinds[i].viewLabel)
            lines << StatText(kStatKinds[i].viewLabel) + QStringLiteral(" = ") + QString::number(totals.values[i]);
    }
    return lines.join(QLatin1Char('\n'));
}
