#include "controls/HourPicker.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

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
        const char* const rows[][2] = {
            {"20:00", "20:00"}, {"9:30", "09:30"},  {"20h", "20:00"}, {"20h30", "20:30"},
            {"7H30", "07:30"},  {"8", "08:00"},     {"0", "00:00"},   {"830", "08:30"},
            {"2330", "23:30"},  {" 21h ", "21:00"}, {"20:15", ""},    {"25:00", ""},
            {"24", ""},         {"abc", ""},        {"", ""},         {"20h3", ""},
            {"20:30:00", ""},   {"20300", ""},      {"-1", ""}};
        for (const auto& [typed, time] : rows)
            QTest::newRow(typed[0] ? typed : "nothing") << QString(typed) << QString(time);
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
        const QString refusal("Cette heure n'est pas valable.\r\nIndiquez une heure pleine ou une "
                              "demi-heure, par exemple 20:00, 20h, 20h30 ou 8.");
        QCOMPARE(refused.size(), time.isEmpty() ? 1 : 0);
        QCOMPARE(refused.value(0).value(0).toString(), time.isEmpty() ? refusal : QString());
    }

    // From 08:00 or a text typed but not taken: Up, Down, a turn of the wheel (in eighths of a
    // degree), "off" to disable the picker, the field left by Tab or for another window (which
    // is no end of the typing), or the Up button held down.
    void stepsAndFocus_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("time");
        QTest::newRow("Up three times") << u""_s << u"Up Up Up"_s << u"09:30"_s;
        QTest::newRow("Up past midnight") << u"23:30"_s << u"Up"_s << u"00:00"_s;
        QTest::newRow("Down past midnight") << u"0"_s << u"Down"_s << u"23:30"_s;
        QTest::newRow("Up from a refused text") << u"20h15"_s << u"Up"_s << u"08:00"_s;
        QTest::newRow("wheel back two notches") << u""_s << u"-240"_s << u"07:00"_s;
        QTest::newRow("touchpad, half notches") << u""_s << u"60 60 60"_s << u"08:30"_s;
        QTest::newRow("wheel, disabled") << u""_s << u"off 120"_s << u"08:00"_s;
        QTest::newRow("Tab") << u"21h30"_s << u"Tab"_s << u"21:30"_s;
        QTest::newRow("other window") << u"21h30"_s << u"away"_s << u"08:00"_s;
        // Held over a refused text, the button stops at the refusal: it does not go on stepping
        // from the time given back.
        QTest::newRow("Up held over a refused text") << u"zz"_s << u"hold"_s << u"08:00"_s;
    }

    void stepsAndFocus()
    {
        QFETCH(QString, typed);
        QFETCH(QString, steps);
        QFETCH(QString, time);
        type(typed.isEmpty() ? QStringLiteral("08:00") : typed);
        for (const QString& step : steps.split(' ')) {
            if (step == "off") {
                picker_->setEnabled(false);
            } else if (step == "Up" || step == "Down") {
                QTest::keyClick(field_, step == "Up" ? Qt::Key_Up : Qt::Key_Down);
            } else if (step == "hold") {
                auto* up = picker_->findChild<QToolButton*>();
                QTest::mousePress(up, Qt::LeftButton);
                QTest::qWait(up->autoRepeatDelay() + 4 * up->autoRepeatInterval());
                QTest::mouseRelease(up, Qt::LeftButton);
            } else if (step == "Tab" || step == "away") {
                QFocusEvent focusOut(QEvent::FocusOut, step == "Tab" ? Qt::TabFocusReason
                                                                     : Qt::ActiveWindowFocusReason);
                QApplication::sendEvent(field_, &focusOut);
            } else {
                QWheelEvent wheel(QPointF(5, 5), field_->mapToGlobal(QPointF(5, 5)), QPoint(),
                                  QPoint(0, step.toInt()), Qt::NoButton, Qt::NoModifier,
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(field_, &wheel);
            }
        }
        QCOMPARE(picker_->value(), time);
        QCOMPARE(field_->text(), steps == "away" ? typed : time);
    }
};

QTEST_MAIN(TestHourPicker)
#include "tst_hourpicker.moc"
