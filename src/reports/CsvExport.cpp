#include "reports/CsvExport.h"

#include "reports/Windows1252.h"
#include "store/DutyHours.h"
#include "store/Roster.h"

namespace {

const QString LineEnd = QStringLiteral("\r\n");

// A name a spreadsheet would take for a formula ("=1+1", "@SOMME(...)") starts with an apostrophe,
// which the spreadsheet reads as "this is text".
QString Inert(const QString& text)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (text.isEmpty() || !formulaStarts.contains(text.front()))
        return text;
    return QLatin1Char('\'') + text;
}

} // namespace

QString CsvField(const QString& name)
{
    const QString text = Inert(name);
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

QString CsvText(const Roster& roster, const std::function<void(int dayOfYear)>& progress)
{
    Statement select = roster.database().prepare(
        R"(SELECT [Garde].[Jour], [Garde].[Médecin], [Partagé].[Médecin], [Partagé].[HDébut],
                  [Partagé].[HFin]
           FROM [Garde] LEFT JOIN [Partagé] ON [Garde].[Jour] = [Partagé].[Jour]
           ORDER BY [Garde].[Jour], [Partagé].[HDébut])");
    QString text = QStringLiteral("Date;Médecin;Début;Fin") + LineEnd;
    text.reserve(366 * 32);
    while (select.step()) {
        // The stored day is ISO text, YYYY-MM-DD, a real day (the roster was checked at open).
        const QString day = select.text(0);
        progress(
            QDate(day.left(4).toInt(), day.mid(5, 2).toInt(), day.mid(8, 2).toInt()).dayOfYear());
        text.append(QStringView(day).mid(8, 2)).append(u'/').append(QStringView(day).mid(5, 2));
        text.append(u'/').append(QStringView(day).left(4)).append(u';');
        if (select.text(1) != SharedDutyMarker)
            text += CsvField(select.text(1)) + QStringLiteral(";;");
        else if (select.isNull(3))
            // A shared day without any interval is held by nobody.
            text += QStringLiteral(";;");
        else
            text += CsvField(select.text(2)) + QLatin1Char(';') + HoursToText(select.real(3)) +
                    QLatin1Char(';') + HoursToText(select.real(4));
        text += LineEnd;
    }
    return text;
}

QByteArray EncodeCsv(const QString& text)
{
    if (const std::optional<QByteArray> windows = ToWindows1252(text))
        return *windows;
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}
