#include "rules/DutyBlocks.h"

namespace {

bool HeldByOne(const RosterDay& day)
{
    return !day.doctor.isEmpty() && day.doctor != SharedDutyMarker;
}

// Whether the day just after `before` carries its duty on.
bool Continues(const RosterDay& before, const RosterDay& day)
{
    return before.date.addDays(1) == day.date && HeldByOne(day) && day.doctor == before.doctor &&
           ContinuesDuty(before.type, day.type);
}

} // namespace

QList<qsizetype> DutyBlock(const QList<RosterDay>& days, qsizetype index)
{
    qsizetype first = index;
    while (first > 0 && Continues(days.at(first - 1), days.at(first)))
        --first;
    qsizetype last = index;
    while (last + 1 < days.size() && Continues(days.at(last), days.at(last + 1)))
        ++last;
    QList<qsizetype> block;
    for (qsizetype day = first; day <= last; ++day)
        block.append(day);
    return block;
}
