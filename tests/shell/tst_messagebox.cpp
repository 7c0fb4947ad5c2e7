#include "DialogTesting.h"
#include "shell/MessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QStringList Captions(const MessageBox& box)
{
    QStringList captions;
    for (const QPushButton* button : box.buttons())
        captions.append(button->text());
    return captions;
}

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void eachSetHasItsButtons_data()
    {
        QTest::addColumn<int>("former"); // a set chosen before; 0: none
        QTest::addColumn<int>("formType");
        QTest::addColumn<int>("helpContext");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<int>("defaultPosition"); // 0: none
        QTest::addColumn<QString>("cancelAnswer");
        QTest::addColumn<int>("focused"); // the button given the focus
        QTest::addColumn<QString>("enterAnswer");
        QTest::newRow("1") << 0 << 1 << 0 << QStringList{"OK"} << 0 << u"1"_s << 0 << u"1"_s;
        QTest::newRow("2, focus beyond the buttons")
            << 0 << 2 << 0 << QStringList{"OK", "Annuler"} << 1 << u"2"_s << 3 << u"1"_s;
        QTest::newRow("3") << 0 << 3 << 0 << QStringList{"&Oui", "&Non"} << 1 << u"2"_s << 0
                           << u"1"_s;
        QTest::newRow("4, focus on the second")
            << 0 << 4 << 0 << QStringList{"&Oui", "&Non", "Annuler"} << 1 << u"3"_s << 2 << u"2"_s;
        QTest::newRow("5") << 0 << 5 << 0 << QStringList{"&Réessayer", "Annuler"} << 1 << u"2"_s
                           << 0 << u"1"_s;
        QTest::newRow("6, focus on the third")
            << 0 << 6 << 0 << QStringList{"&Abandon", "&Réessayer", "&Ignorer"} << 1 << u"3"_s << 3
            << u"3"_s;
        QTest::newRow("set 4 then 3")
            << 4 << 3 << 0 << QStringList{"&Oui", "&Non"} << 1 << u"2"_s << 0 << u"1"_s;
        QTest::newRow("set 2 then 6, with help")
            << 2 << 6 << 5 << QStringList{"&Abandon", "&Réessayer", "&Ignorer", "Aide"} << 1
            << u"3"_s << 0 << u"1"_s;
    }

    // Escape answers with the cancel button, Enter with the focused one.
    void eachSetHasItsButtons()
    {
        QFETCH(int, former);
        QFETCH(int, formType);
        QFETCH(int, helpContext);
        QFETCH(QStringList, captions);
        QFETCH(int, defaultPosition);
        QFETCH(QString, cancelAnswer);
        QFETCH(int, focused);
        QFETCH(QString, enterAnswer);
        MessageBox box;
        QCOMPARE(box.windowTitle(), u"Rotalis"_s);
        box.setHelpButton(helpContext);
        if (former)
            box.setFormType(former);
        box.setFormType(formType);
        QCOMPARE(Captions(box), captions);
        QCOMPARE(box.findChildren<QPushButton*>().size(), captions.size());
        for (int position = 1; position <= captions.size(); ++position)
            QCOMPARE(box.buttons().at(position - 1)->isDefault(), position == defaultPosition);

        QVERIFY(ShowActive(box));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(box.answer(), cancelAnswer);
        QVERIFY(!box.isVisible());

        box.setFocusedButton(focused);
        QVERIFY(ShowActive(box));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(box.answer(), enterAnswer);
        // The shared box must not keep the previous question's focus.
        box.setFocusedButton(0);
        box.show();
        QCOMPARE(box.focusWidget(), box.buttons().first());
    }

    void helpButtonAsksForHelpAndLeavesTheBoxOpen()
    {
        MessageBox box;
        box.setHelpButton(42);
        box.setFormType(1);
        QSignalSpy help(&box, &MessageBox::helpRequested);
        bool openAfterHelp = false;
        QTimer::singleShot(0, &box, [&] {
            QTest::mouseClick(box.buttons().at(1), Qt::LeftButton);
            QTest::keyClick(&box, Qt::Key_F1);
            openAfterHelp = box.isVisible() && box.answer().isEmpty();
            QTest::mouseClick(box.buttons().at(0), Qt::LeftButton);
        });
        // A box that ignores the user is hidden after a while instead of blocking the test.
        QTimer::singleShot(5000, &box, &QWidget::hide);
        QCOMPARE(box.exec(), 1);
        QVERIFY(openAfterHelp);
        QCOMPARE(help.size(), 2);
        QCOMPARE(help.last().at(0).toInt(), 42);
    }

    void longTextIsNotClipped()
    {
        MessageBox box;
        box.setFormType(3);
        box.setPictureType(4);
        box.setMessage(u"Vous n'avez coché aucune des deux cases de type de tour de garde.\r\nCeci "
                       "créera un tour de garde vierge, à remplir entièrement manuellement.\r\nEst-"
                       "ce celà que vous souhaitez faire ?"_s);
        QVERIFY(ShowActive(box));
        const QRect text = box.messageLabel()->geometry();
        QVERIFY(box.messageLabel()->minimumSizeHint().width() <= text.width());
        QVERIFY(text.height() >= box.messageLabel()->heightForWidth(text.width()));
        QVERIFY(box.rect().contains(text));
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
