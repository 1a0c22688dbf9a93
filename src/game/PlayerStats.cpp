#include "game/PlayerStats.h"

#include <QCoreApplication>
#include <QStringList>

double HittingPercentage(const StatTotals& totals)
{
    return double(totals.of("Kill") - totals.of("Error")) / (double(totals.of("Attempt")) + 0.000001);
}

QString PlayerStatsMessage(const StatTotals& totals)
{
    // A zero that came out negative (nothing over taken-back attempts) reads as plain 0.000.
    QString shown = QString::number(HittingPercentage(totals), 'f', 3);
    if (shown == QLatin1String("-0.000"))
        shown = QStringLiteral("0.000");
    QStringList lines{QCoreApplication::translate("PlayerStats", "Percentage = ") + shown};
    for (size_t i = 0; i < kStatKinds.size(); ++i) {
        if (kStatKinds[i].viewLabel)
            lines << StatText(kStatKinds[i].viewLabel) + QStringLiteral(" = ") + QString::number(totals.values[i]);
    }
    return lines.join(QLatin1Char('\n'));
}
