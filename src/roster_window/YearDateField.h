#pragma once

#include <QDateEdit>
#include <QString>

// How the roster's dialogs write a date: "01/03/2011".
inline const QString ShortDateFormat = QStringLiteral("dd/MM/yyyy");

// A date field with its French calendar, limited to the days of the roster's year. A date
// typed whole ("26/07/2027") is taken whole, wherever the field was clicked: the field's own
// editing goes section by section and, started in the middle of one, makes another date of it.
class YearDateField : public QDateEdit {
    Q_OBJECT

public:
    YearDateField(int year, QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The digits and separators typed since the field was entered or clicked.
    QString typed_;
};
