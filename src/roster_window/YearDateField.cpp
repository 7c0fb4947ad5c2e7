#include "roster_window/YearDateField.h"

#include <QKeyEvent>
#include <QRegularExpression>

YearDateField::YearDateField(int year, QWidget* parent)
    : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(ShortDateFormat);
    setDateRange(QDate(year, 1, 1), QDate(year, 12, 31));
}

void YearDateField::focusInEvent(QFocusEvent* event)
{
    typed_.clear();
    QDateEdit::focusInEvent(event);
}

void YearDateField::mousePressEvent(QMouseEvent* event)
{
    typed_.clear();
    QDateEdit::mousePressEvent(event);
}

void YearDateField::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool typing = text.size() == 1 && (text.at(0).isDigit() || text == QLatin1String("/"));
    if (typing)
        typed_ += text;
    else
        typed_.clear();
    QDateEdit::keyPressEvent(event);
    static const QRegularExpression wholeDate(QStringLiteral("(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    const QRegularExpressionMatch match = wholeDate.match(typed_);
    if (!typing || !match.hasMatch())
        return;
    const QDate date(match.captured(3).toInt(), match.captured(2).toInt(),
                     match.captured(1).toInt());
    if (date.isValid() && date >= minimumDate() && date <= maximumDate())
        setDate(date);
}
