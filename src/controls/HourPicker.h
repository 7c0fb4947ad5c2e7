#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// vdoHourPicker: a clock time "HH:MM" on whole or half hours, wrapping around midnight. It is
// stepped by 30 minutes with its two buttons, the Up and Down keys in its field or the mouse
// wheel; a time can also be typed into the field (the forms TypedClockTime accepts: "20:00",
// "20h", "20h30", "8", "830"...), taken when Enter is pressed or the field is left. A text
// that is no such time is refused: the picker reports why and goes back to its time, and Enter
// goes no further. The step buttons never take the focus, so that Enter after a click reaches
// the dialog's default button.
class HourPicker : public QWidget {
    Q_OBJECT

public:
    explicit HourPicker(QWidget* parent = nullptr);

    QString value() const { return value_; }
    void setValue(const QString& value);
    void step(bool up);
    // Takes the time typed in the field, if any; false when it was refused.
    bool commit();

signals:
    void valueChanged(const QString& value);
    // A typed text was not a time; the message says what to type.
    void refused(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Steps once for every whole notch turned, in eighths of a degree.
    void turnWheel(int delta);

    QString value_ = QStringLiteral("00:00");
    QLineEdit* field_;
    QToolButton* up_;
    QToolButton* down_;
    // What the wheel turned short of a whole step (touchpads send small turns).
    int wheelRest_ = 0;
};
