#include "HourPicker.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {

const QString Refusal = QStringLiteral("Cette heure n'est pas valable.\r\n"
                                       "Indiquez une heure pleine ou une demi-heure, par exemple "
                                       "20:00, 20h, 20h30 ou 8.");

void Wheel(QWidget* target, int delta)
{
    QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestHourPicker : public QObject {
    Q_OBJECT

    std::unique_ptr<HourPicker> picker_;
    QLineEdit* field_ = nullptr;

    // Replaces the field's text as the user does.
    void type(const QString& text)
    {
        field_->selectAll();
        QTest::keyClick(field_, Qt::Key_Backspace);
        QTest::keyClicks(field_, text);
    }

private slots:
    void init()
    {
        picker_ = std::make_unique<HourPicker>();
        picker_->setValue("08:00");
        picker_->show();
        field_ = picker_->findChild<QLineEdit*>();
        QVERIFY(field_);
    }

    void cleanup() { picker_.reset(); }

    void typedTimes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("time"); // empty: refused, the time stays 08:00
        QTest::newRow("HH:MM") << "20:00"
                               << "20:00";
        QTest::newRow("H:MM half past") << "9:30"
                                        << "09:30";
        QTest::newRow("hour and h") << "20h"
                                    << "20:00";
        QTest::newRow("hour, h and minutes") << "20h30"
                                             << "20:30";
        QTest::newRow("capital H") << "7H30"
                                   << "07:30";
        QTest::newRow("one digit") << "8"
                                   << "08:00";
        QTest::newRow("midnight") << "0"
                                  << "00:00";
        QTest::newRow("three digits") << "830"
                                      << "08:30";
        QTest::newRow("four digits") << "2330"
                                     << "23:30";
        QTest::newRow("blanks around") << " 21h "
                                       << "21:00";
        QTest::newRow("quarter past") << "20:15"
                                      << "";
        QTest::newRow("hour 25") << "25:00"
                                 << "";
        QTest::newRow("hour 24") << "24"
                                 << "";
        QTest::newRow("letters") << "abc"
                                 << "";
        QTest::newRow("nothing") << ""
                                 << "";
        QTest::newRow("one minute digit") << "20h3"
                                          << "";
        QTest::newRow("seconds") << "20:30:00"
                                 << "";
        QTest::newRow("five digits") << "20300"
                                     << "";
        QTest::newRow("negative") << "-1"
                                  << "";
    }

    // Enter takes a typed time; anything else is refused and the time shown again.
    void typedTimes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, time);
        QSignalSpy refused(picker_.get(), &HourPicker::refused);
        QSignalSpy changed(picker_.get(), &HourPicker::valueChanged);

        type(typed);
        QTest::keyClick(field_, Qt::Key_Return);

        QCOMPARE(picker_->value(), time.isEmpty() ? QStringLiteral("08:00") : time);
        QCOMPARE(field_->text(), picker_->value());
        QCOMPARE(changed.size(), time.isEmpty() ? 0 : 1);
        QCOMPARE(refused.size(), time.isEmpty() ? 1 : 0);
        if (!refused.isEmpty())
            QCOMPARE(refused.first().first().toString(), Refusal);
    }

    // Leaving the field takes its time too, but not when the whole window loses the focus.
    void leavingTheField_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("time");
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << "21:30";
        QTest::newRow("mouse") << int(Qt::MouseFocusReason) << "21:30";
        QTest::newRow("other window") << int(Qt::ActiveWindowFocusReason) << "08:00";
    }

    void leavingTheField()
    {
        QFETCH(int, reason);
        QFETCH(QString, time);
        type("21h30");
        QFocusEvent focusOut(QEvent::FocusOut, Qt::FocusReason(reason));
        QApplication::sendEvent(field_, &focusOut);
        QCOMPARE(picker_->value(), time);
    }

    void steppingByKeysAndWheel_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed"); // typed before stepping, not committed
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QList<int>>("wheel"); // angle deltas
        QTest::addColumn<QString>("time");
        const QList<int> none;
        QTest::newRow("Up") << "08:00"
                            << "" << QList<int>{Qt::Key_Up} << none << "08:30";
        QTest::newRow("Down") << "08:30"
                              << "" << QList<int>{Qt::Key_Down} << none << "08:00";
        QTest::newRow("Up past midnight") << "23:30"
                                          << "" << QList<int>{Qt::Key_Up} << none << "00:00";
        QTest::newRow("Down past midnight") << "00:00"
                                            << "" << QList<int>{Qt::Key_Down} << none << "23:30";
        QTest::newRow("Up three times")
            << "08:00"
            << "" << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Up} << none << "09:30";
        QTest::newRow("Up from a typed time") << "08:00"
                                              << "20h" << QList<int>{Qt::Key_Up} << none << "20:30";
        QTest::newRow("Up from a refused text")
            << "08:00"
            << "20h15" << QList<int>{Qt::Key_Up} << none << "08:00";
        QTest::newRow("wheel forward") << "08:00"
                                       << "" << none << QList<int>{120} << "08:30";
        QTest::newRow("wheel back two notches") << "08:00"
                                                << "" << none << QList<int>{-240} << "07:00";
        QTest::newRow("touchpad, half notches") << "08:00"
                                                << "" << none << QList<int>{60, 60, 60} << "08:30";
    }

    void steppingByKeysAndWheel()
    {
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(QList<int>, keys);
        QFETCH(QList<int>, wheel);
        QFETCH(QString, time);
        picker_->setValue(start);
        if (!typed.isEmpty())
            type(typed);
        for (int key : keys)
            QTest::keyClick(field_, Qt::Key(key));
        for (int delta : wheel)
            Wheel(field_, delta);
        QCOMPARE(picker_->value(), time);
        QCOMPARE(field_->text(), time);
    }

    void disabledPickerIgnoresTheWheel()
    {
        picker_->setEnabled(false);
        Wheel(field_, 120);
        QCOMPARE(picker_->value(), QStringLiteral("08:00"));
    }
};

QTEST_MAIN(TestHourPicker)
#include "tst_hourpicker.moc"
