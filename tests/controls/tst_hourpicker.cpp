#include "controls/HourPicker.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

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
        QTest::newRow("HH:MM") << u"20:00"_s << u"20:00"_s;
        QTest::newRow("H:MM half past") << u"9:30"_s << u"09:30"_s;
        QTest::newRow("hour and h") << u"20h"_s << u"20:00"_s;
        QTest::newRow("hour, h and minutes") << u"20h30"_s << u"20:30"_s;
        QTest::newRow("capital H") << u"7H30"_s << u"07:30"_s;
        QTest::newRow("one digit") << u"8"_s << u"08:00"_s;
        QTest::newRow("midnight") << u"0"_s << u"00:00"_s;
        QTest::newRow("three digits") << u"830"_s << u"08:30"_s;
        QTest::newRow("four digits") << u"2330"_s << u"23:30"_s;
        QTest::newRow("blanks around") << u" 21h "_s << u"21:00"_s;
        for (const char* refused :
             {"20:15", "25:00", "24", "abc", "", "20h3", "20:30:00", "20300", "-1"})
            QTest::newRow(refused[0] ? refused : "nothing") << QString(refused) << QString();
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
        const QList<int> up{Qt::Key_Up};
        QTest::newRow("Up") << u"08:00"_s << QString() << up << none << u"08:30"_s;
        QTest::newRow("Down") << u"08:30"_s << QString() << QList<int>{Qt::Key_Down} << none
                              << u"08:00"_s;
        QTest::newRow("Up past midnight") << u"23:30"_s << QString() << up << none << u"00:00"_s;
        QTest::newRow("Down past midnight")
            << u"00:00"_s << QString() << QList<int>{Qt::Key_Down} << none << u"23:30"_s;
        QTest::newRow("Up three times")
            << u"08:00"_s << QString() << up + up + up << none << u"09:30"_s;
        QTest::newRow("Up from a typed time") << u"08:00"_s << u"20h"_s << up << none << u"20:30"_s;
        QTest::newRow("Up from a refused text")
            << u"08:00"_s << u"20h15"_s << up << none << u"08:00"_s;
        QTest::newRow("wheel forward")
            << u"08:00"_s << QString() << none << QList<int>{120} << u"08:30"_s;
        QTest::newRow("wheel back two notches")
            << u"08:00"_s << QString() << none << QList<int>{-240} << u"07:00"_s;
        QTest::newRow("touchpad, half notches")
            << u"08:00"_s << QString() << none << QList<int>{60, 60, 60} << u"08:30"_s;
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

    // A step button held down over a refused text stops at the refusal: it does not go on
    // stepping from the time given back.
    void aHeldButtonStopsAtARefusedTime()
    {
        QSignalSpy refused(picker_.get(), &HourPicker::refused);
        type("zz");
        auto* up = picker_->findChild<QToolButton*>();

        QTest::mousePress(up, Qt::LeftButton);
        QTest::qWait(up->autoRepeatDelay() + 4 * up->autoRepeatInterval());
        QTest::mouseRelease(up, Qt::LeftButton);

        QCOMPARE(refused.size(), 1);
        QCOMPARE(picker_->value(), QStringLiteral("08:00"));
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
