#include "store/RosterYear.h"

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any year, yet safe to convert to an integer.
constexpr double LargestMagnitude = 1e15;

} // namespace

qint64 ExpandTwoDigitYear(qint64 year)
{
    if (year >= 0 && year <= 29)
        return 2000 + year;
    if (year >= 30 && year <= 99)
        return 1900 + year;
    return year;
}

bool IsRosterYear(qint64 year)
{
    return year >= FirstRosterYear && year <= LastRosterYear;
}

QString RosterYearRangeMessage()
{
    return QStringLiteral("L'année du tour de garde doit être comprise entre %1 et %2.")
        .arg(FirstRosterYear)
        .arg(LastRosterYear);
}

std::optional<qint64> RoundedNumber(const QString& text)
{
    QString number = text.trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double clamped = std::clamp(value, -LargestMagnitude, LargestMagnitude);
    const bool isHalf = std::fabs(clamped - std::trunc(clamped)) == 0.5;
    const double rounded = isHalf ? 2 * std::round(clamped / 2) : std::round(clamped);
    return static_cast<qint64>(rounded);
}
