#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

// How an edit's name in the history writes a day: "12 mars", "1er mars".
inline QString DayText(QDate day)
{
    const QString month = QLocale(QLocale::French).monthName(day.month());
    return day.day() == 1 ? QStringLiteral("1er %1").arg(month)
                          : QStringLiteral("%1 %2").arg(day.day()).arg(month);
}

// "du 10 août au 12 août", "le 1er mars" for a single day.
inline QString PeriodText(QDate first, QDate last)
{
    return first == last ? QStringLiteral("le %1").arg(DayText(first))
                         : QStringLiteral("du %1 au %2").arg(DayText(first), DayText(last));
}

// A correction of the year worked out from a roster that has changed since.
inline QString OutdatedCorrectionText()
{
    return QStringLiteral("Le tour de garde a changé depuis le calcul de la correction.\r\n"
                          "Calculez-la de nouveau.");
}

// "du 5 mars", "du 5 mars au 6 mars" for the days of one duty.
inline QString DaysText(const QList<QDate>& days)
{
    return days.size() == 1 ? QStringLiteral("du %1").arg(DayText(days.constFirst()))
                            : QStringLiteral("du %1 au %2")
                                  .arg(DayText(days.constFirst()), DayText(days.constLast()));
}
