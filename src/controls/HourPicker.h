#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// vdoHourPicker: a clock time "HH:MM" on whole or half hours, stepped by 30 minutes with its
// two buttons (Enter on a focused button steps as well) and wrapping around midnight.
class HourPicker : public QWidget {
    Q_OBJECT

public:
    explicit HourPicker(QWidget* parent = nullptr);

    QString value() const { return value_; }
    void setValue(const QString& value);
    void step(bool up);

signals:
    void valueChanged(const QString& value);

private:
    QString value_ = QStringLiteral("00:00");
    QLabel* display_;
    QToolButton* up_;
    QToolButton* down_;
};
