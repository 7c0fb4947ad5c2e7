#include "reports/RosterTable.h"

RosterTable ReadRosterTable(const Roster& roster, const QString& yearText, const QString& sector)
{
    RosterTable table{yearText, sector, roster.days(), {}};
    Statement intervals = roster.database().prepare(
        R"(SELECT [Jour], [Médecin], [HDébut], [HFin] FROM [Partagé] ORDER BY [Jour], [HDébut])");
    while (intervals.step())
        table.intervals.append(
            {intervals.date(0), {intervals.text(1), intervals.real(2), intervals.real(3)}});
    return table;
}
