#include "roster_window/YearDateField.h"

#include <QDateEdit>

QDateEdit* YearDateField(int year, QWidget* parent)
{
    auto* field = new QDateEdit(parent);
    field->setCalendarPopup(true);
    field->setDisplayFormat(ShortDateFormat);
    field->setDateRange(QDate(year, 1, 1), QDate(year, 12, 31));
    return field;
}
