#pragma once

#include <QString>

// "Aucune alerte", "1 alerte", "12 alertes".
inline QString AlertCount(qsizetype count)
{
    if (count == 0)
        return QStringLiteral("Aucune alerte");
    return count == 1 ? QStringLiteral("1 alerte") : QStringLiteral("%1 alertes").arg(count);
}
