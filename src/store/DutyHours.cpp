#include "store/DutyHours.h"

#include <QRegularExpression>
#include <cmath>

namespace {

constexpr double DutyDayStartHour = 8;
constexpr double HoursPerDay = 24;

// Duty hours of a clock time "HH:MM" (minutes 00 or 30), or empty for anything else.
std::optional<double> ClockToHours(const QString& text)
{
    static const QRegularExpression clock(QStringLiteral("^([01][0-9]|2[0-3]):(00|30)$"));
    const QRegularExpressionMatch match = clock.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    double hours = match.captured(1).toInt() - DutyDayStartHour;
    if (hours < 0)
        hours += HoursPerDay;
    if (match.captured(2) == QLatin1String("30"))
        hours += 0.5;
    return hours;
}

} // namespace

QString HoursToText(double hours)
{
    const double whole = std::floor(hours);
    const int clockHour = static_cast<int>(whole < 16 ? whole + DutyDayStartHour : whole - 16);
    const bool halfPast = hours - whole != 0;
    // Written by hand: the exports write one per interval of the year.
    const char16_t text[] = {char16_t(u'0' + clockHour / 10 % 10), char16_t(u'0' + clockHour % 10),
                             u':', halfPast ? u'3' : u'0', u'0'};
    return QString(reinterpret_cast<const QChar*>(text), 5);
}

std::optional<DutyInterval> TextToHours(const QString& start, const QString& end)
{
    const std::optional<double> startHours = ClockToHours(start);
    std::optional<double> endHours = ClockToHours(end);
    if (!startHours || !endHours)
        return std::nullopt;
    if (*endHours == 0)
        endHours = HoursPerDay;
    return DutyInterval{*startHours, *endHours};
}
