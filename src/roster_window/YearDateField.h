#pragma once

#include <QString>

class QDateEdit;
class QWidget;

// How the roster's dialogs write a date: "01/03/2011".
inline const QString ShortDateFormat = QStringLiteral("dd/MM/yyyy");

// A date field with its French calendar, limited to the days of the roster's year.
QDateEdit* YearDateField(int year, QWidget* parent);
