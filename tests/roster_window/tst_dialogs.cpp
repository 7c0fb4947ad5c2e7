#include "DialogTesting.h"
#include "ScriptedInteraction.h"
#include "document/AbsenceCheck.h"
#include "roster_window/AbsencesDialog.h"
#include "roster_window/DayPropertiesDialog.h"
#include "roster_window/IntervalDialog.h"
#include "roster_window/RemovalDialog.h"
#include "roster_window/RulesDialog.h"
#include "roster_window/SharingDialog.h"
#include "shell/AddParticipantDialog.h"
#include "store/Roster.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

const QString EndBeforeStart = u"Vous avez saisi une heure de fin antérieure ou égale à l'heure "
                               "de début. Veuillez revoir ces valeurs."_s;
const QString NoDoctor = u"Vous n'avez pas indiqué de médecin.\r\nSi vous souhaitez indiquer qu'il "
                         "n'y a pas de médecin désigné pour cet intervalle, ne définissez pas cet "
                         "intervalle."_s;
const QString BadTime = u"Cette heure n'est pas valable.\r\nIndiquez une heure pleine ou une "
                        "demi-heure, par exemple 20:00, 20h, 20h30 ou 8."_s;

// The start and end fields of the interval dialog, in this order.
QList<QLineEdit*> TimeFields(IntervalDialog& dialog)
{
    return dialog.findChildren<QLineEdit*>();
}

void Retype(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    // Click indices: 0 to 2 the day types, 3 the unavailability box.
    void dayProperties_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("saveEnabled");
        QTest::addColumn<int>("savedType");
        QTest::addColumn<bool>("savedUnavailable");
        QTest::newRow("nothing clicked") << 1 << QList<int>{} << false << 1 << false;
        QTest::newRow("another type") << 1 << QList<int>{0} << true << 0 << false;
        QTest::newRow("another type, then back") << 1 << QList<int>{2, 1} << true << 1 << false;
        QTest::newRow("the type already ticked") << 2 << QList<int>{2} << true << 2 << false;
        QTest::newRow("unavailable") << 0 << QList<int>{3} << true << 0 << true;
        QTest::newRow("unknown type, unavailable only") << 7 << QList<int>{3} << true << 7 << true;
        QTest::newRow("unknown type, a type chosen") << 7 << QList<int>{2} << true << 2 << false;
    }

    void dayProperties()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, clicks);
        QFETCH(bool, saveEnabled);
        QFETCH(int, savedType);
        QFETCH(bool, savedUnavailable);
        DayPropertiesDialog dialog(QDate(2011, 3, 5), {DayType(type), false}, nullptr);
        dialog.show();
        const QList<QRadioButton*> types = dialog.findChildren<QRadioButton*>();
        QCOMPARE(types.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(types.at(i)->isChecked(), i == type);

        for (int click : clicks) {
            if (click < 3)
                types.at(click)->click();
            else
                dialog.findChild<QCheckBox*>()->click();
        }
        QPushButton* save = ButtonCalled(dialog, "&Enregistrer");
        QCOMPARE(save->isEnabled(), saveEnabled);
        QTest::mouseClick(save, Qt::LeftButton);

        QCOMPARE(dialog.result(), int(saveEnabled ? QDialog::Accepted : QDialog::Rejected));
        const DayProperties saved = dialog.properties();
        QCOMPARE(int(saved.type), savedType);
        QCOMPARE(saved.unavailable, savedUnavailable);
    }

    // "Ajouter" takes the name as typed; with an empty name it gives up as "Annuler" does.
    void addParticipantDialog_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("erased"); // characters erased with Backspace after typing
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("name");
        QTest::newRow("a name") << "Martin" << 0 << true << "Martin";
        QTest::newRow("blanks kept") << " Martin " << 0 << true << " Martin ";
        QTest::newRow("blanks only, refused by the caller") << "   " << 0 << true << "   ";
        QTest::newRow("typed then erased") << "ab" << 2 << true << "";
        QTest::newRow("nothing typed") << "" << 0 << false << "";
    }

    void addParticipantDialog()
    {
        QFETCH(QString, typed);
        QFETCH(int, erased);
        QFETCH(bool, closes);
        QFETCH(QString, name);
        AddParticipantDialog dialog(nullptr);
        QVERIFY(ShowActive(dialog));
        QLineEdit* field = dialog.findChild<QLineEdit*>();
        QTest::keyClicks(field, typed);
        for (int i = 0; i < erased; ++i)
            QTest::keyClick(field, Qt::Key_Backspace);

        QTest::keyClick(field, Qt::Key_Return);

        QCOMPARE(dialog.isVisible(), !closes);
        QCOMPARE(dialog.result(), int(name.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(dialog.name(), name);
    }

    // The intervals of a shared day as a list: one edited, one added, all removed, each
    // through the interval dialog; an empty list is not saved.
    void sharingDialog()
    {
        ScriptedInteraction ui;
        SharingDialog dialog(ui, {QDate(2011, 3, 2), {}, {"A", "B"}, {{"B", 0, 12}, {"A", 12, 24}}},
                             nullptr);
        QVERIFY(ShowActive(dialog));
        const auto rows = [&dialog] {
            QStringList rows;
            const QTreeWidget* list = dialog.findChild<QTreeWidget*>();
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                const QTreeWidgetItem* item = list->topLevelItem(row);
                rows.append(item->text(0) + " " + item->text(1) + "-" + item->text(2));
            }
            return rows;
        };
        const auto click = [&dialog](const char* button,
                                     std::function<void(IntervalDialog&)> answer) {
            if (answer) {
                QTimer::singleShot(0, [answer] {
                    answer(*qobject_cast<IntervalDialog*>(QApplication::activeModalWidget()));
                });
            }
            ButtonCalled(dialog, button)->click();
        };
        QCOMPARE(dialog.windowTitle(), u"Partage de la garde du mercredi 02 mars 2011"_s);
        QCOMPARE(rows(), (QStringList{"B 08:00-20:00", "A 20:00-08:00"}));

        click("&Modifier", [](IntervalDialog& interval) {
            QLineEdit* end = TimeFields(interval).at(1);
            end->setFocus();
            Retype(end, "14h");
            QTest::keyClick(end, Qt::Key_Return);
        });
        QCOMPARE(rows(), (QStringList{"B 08:00-14:00", "A 20:00-08:00"}));
        click("A&jouter", [](IntervalDialog& interval) { interval.reject(); });
        click("&Supprimer", {});
        click("&Supprimer", {});
        QVERIFY(rows().isEmpty() && !ButtonCalled(dialog, "&Modifier")->isEnabled());
        click("&Enregistrer", {});
        QCOMPARE(ui.texts(), QStringList{"La liste des médecins partageant la garde est vide."});
        QVERIFY(dialog.isVisible());

        click("A&jouter", [](IntervalDialog& interval) { interval.accept(); });
        click("&Enregistrer", {});
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.intervals(), (QList<SharedInterval>{{"A", 0, 24}}));
    }

    // The fields start on the day chosen on the grid and show the absence chosen in the list;
    // each command takes what they hold, and the list then shows the roster's absences in its
    // order, the one added or changed chosen. A date typed whole is taken whole.
    void absencesDialog()
    {
        QList<Absence> absences{{"A", QDate(2011, 8, 1), QDate(2011, 8, 10), "Congés"}};
        QStringList commands;
        AbsencesWindow window{2011,
                              QDate(2011, 7, 14),
                              {"B", "A"},
                              [&] { return absences; },
                              [&](const Absence& absence) {
                                  absences = WithAbsence(absences, absence);
                                  return true;
                              },
                              [&](qsizetype index, const Absence& absence) {
                                  absences = WithAbsence(absences, absence, index);
                                  return true;
                              },
                              [&](qsizetype index) { return absences.removeAt(index), true; },
                              [&] { return commands.append("import"), false; }};
        AbsencesDialog dialog(window, nullptr);
        QVERIFY(ShowActive(dialog));
        auto* participant = dialog.findChild<QComboBox*>();
        const QList<QDateEdit*> dates = dialog.findChildren<QDateEdit*>();
        QCOMPARE(dates.first()->date(), QDate(2011, 7, 14));
        QCOMPARE(dates.first()->minimumDate(), QDate(2011, 1, 1));
        QCOMPARE(dates.last()->maximumDate(), QDate(2011, 12, 31));
        QTest::mouseClick(dates.last(), Qt::LeftButton, {}, QPoint(4, dates.last()->height() / 2));
        QTest::keyClicks(dates.last(), u"26/07/2011"_s);
        QCOMPARE(dates.last()->date(), QDate(2011, 7, 26));

        dialog.list()->setCurrentItem(dialog.list()->topLevelItem(0));
        QCOMPARE(participant->currentText(), u"A"_s);
        QCOMPARE(dates.last()->date(), QDate(2011, 8, 10));
        participant->setCurrentIndex(0);
        dates.first()->setDate(QDate(2011, 9, 1));
        dates.last()->setDate(QDate(2011, 9, 2));
        Retype(dialog.findChild<QLineEdit*>(u"reason"_s), u"Formation"_s);
        ButtonCalled(dialog, "&Ajouter")->click();
        QCOMPARE(absences.last(),
                 (Absence{"B", QDate(2011, 9, 1), QDate(2011, 9, 2), "Formation"}));
        QCOMPARE(dialog.list()->currentItem()->text(1), u"01/09/2011"_s);
        // Given to A in March, it sorts first and stays chosen.
        participant->setCurrentIndex(1);
        dates.first()->setDate(QDate(2011, 3, 1));
        dates.last()->setDate(QDate(2011, 3, 5));
        ButtonCalled(dialog, "&Modifier")->click();
        QCOMPARE(absences.first(),
                 (Absence{"A", QDate(2011, 3, 1), QDate(2011, 3, 5), "Formation"}));
        QCOMPARE(dialog.list()->indexOfTopLevelItem(dialog.list()->currentItem()), 0);
        QVERIFY(dialog.list()->currentItem()->isSelected());
        ButtonCalled(dialog, "&Supprimer")->click();
        ButtonCalled(dialog, "&Importer les jours indisponibles d'une copie...")->click();
        QCOMPARE(absences.size(), 1);
        QCOMPARE(dialog.list()->topLevelItemCount(), 1);
        QCOMPARE(commands, QStringList{"import"});
    }

    // The removal starts from the day chosen, the leaver's days blanked; his days can be given
    // to anyone but him, or he can leave the whole year.
    void removalDialog()
    {
        RemovalDialog dialog({{"A", "B", "C"}, 2027, QDate(2027, 7, 1)}, nullptr);
        const QList<QComboBox*> lists = dialog.findChildren<QComboBox*>();
        const auto radio = [&dialog](const QString& text) {
            for (QRadioButton* button : dialog.findChildren<QRadioButton*>()) {
                if (button->text() == text)
                    return button;
            }
            return static_cast<QRadioButton*>(nullptr);
        };
        QCOMPARE(dialog.removal(), (Removal{"A", QDate(2027, 7, 1), LeftDuties::Blanked}));
        lists.first()->setCurrentIndex(1);
        QCOMPARE(lists.last()->count(), 2);
        QCOMPARE(lists.last()->itemText(1), u"C"_s);
        radio(u"sont &données à :"_s)->click();
        lists.last()->setCurrentIndex(1);
        QCOMPARE(dialog.removal(), (Removal{"B", QDate(2027, 7, 1), LeftDuties::Given, "C"}));
        radio(u"De &toute l'année"_s)->click();
        QVERIFY(radio(u"sont &données à :"_s)->isChecked());
        QCOMPARE(dialog.removal().from, QDate(2027, 1, 1));
    }

    // The run of weekends always holds more than it allows.
    void rulesDialog()
    {
        const RosterRules rules{false, true, true, 4, 6, true, false, true};
        RulesDialog dialog(rules, nullptr);
        QCOMPARE(dialog.rules(), rules);
        const QList<QSpinBox*> weekends = dialog.findChildren<QSpinBox*>();
        weekends.last()->setValue(3);
        QCOMPARE(weekends.first()->value(), 2);
        weekends.last()->setValue(1);
        QCOMPARE(dialog.rules().weekendsWindow, 2);
        QCOMPARE(dialog.rules().weekendsAllowed, 1);
    }

    // The interval's checks, in their order: the end after the start, then a participant;
    // a refused time comes before both and keeps the dialog open.
    void intervalChecks_data()
    {
        QTest::addColumn<QStringList>("participants");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("message"); // empty: accepted
        const QStringList martin{"Martin"};
        const QStringList nobody;
        QTest::newRow("whole day") << martin << u"08:00"_s << u"08:00"_s << QString();
        QTest::newRow("over midnight") << martin << u"22h"_s << u"2"_s << QString();
        QTest::newRow("end before start") << martin << u"10:00"_s << u"9"_s << EndBeforeStart;
        QTest::newRow("end at start") << martin << u"10:00"_s << u"10"_s << EndBeforeStart;
        QTest::newRow("end before start, no doctor")
            << nobody << u"10:00"_s << u"09:00"_s << EndBeforeStart;
        QTest::newRow("no doctor") << nobody << u"08:00"_s << u"20:00"_s << NoDoctor;
        QTest::newRow("end refused, no doctor") << nobody << u"08:00"_s << u"20:15"_s << BadTime;
    }

    // Enter in the end field takes its time and confirms the dialog.
    void intervalChecks()
    {
        QFETCH(QStringList, participants);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, message);
        ScriptedInteraction ui;
        IntervalDialog dialog(ui, participants, nullptr);
        QVERIFY(ShowActive(dialog));
        const QList<QLineEdit*> fields = TimeFields(dialog);
        QCOMPARE(fields.size(), 2);
        Retype(fields.at(0), start);
        fields.at(1)->setFocus();
        Retype(fields.at(1), end);

        QTest::keyClick(fields.at(1), Qt::Key_Return);

        QCOMPARE(ui.texts(), message.isEmpty() ? QStringList{} : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(ui.shown.first().icon,
                     message == NoDoctor ? MessageIcon::Information : MessageIcon::Warning);
        }
        QCOMPARE(dialog.isVisible(), !message.isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.interval().doctor, QStringLiteral("Martin"));
        }
    }

    // "&OK" clicked over a refused time says so once, and the dialog stays open on the time
    // shown before.
    void okClickedOverARefusedTime()
    {
        ScriptedInteraction ui;
        IntervalDialog dialog(ui, {"Martin"}, nullptr);
        QVERIFY(ShowActive(dialog));
        QLineEdit* end = TimeFields(dialog).at(1);
        end->setFocus();
        Retype(end, "20:15");

        QTest::mouseClick(ButtonCalled(dialog, "&OK"), Qt::LeftButton);

        QCOMPARE(ui.texts(), QStringList{BadTime});
        QVERIFY(dialog.isVisible());
        QCOMPARE(end->text(), QStringLiteral("08:00"));
    }

    // After a step button was clicked, Enter confirms the dialog with the stepped time.
    void enterAfterAStepConfirms()
    {
        ScriptedInteraction ui;
        IntervalDialog dialog(ui, {"Martin"}, nullptr);
        QVERIFY(ShowActive(dialog));
        TimeFields(dialog).at(0)->setFocus();
        QToolButton* up = dialog.findChildren<QToolButton*>().at(0);

        QTest::mouseClick(up, Qt::LeftButton);
        QTest::mouseClick(up, Qt::LeftButton);
        // The focus stays in the field, where the keys go on stepping or typing.
        QCOMPARE(QApplication::focusWidget(), TimeFields(dialog).at(0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        QVERIFY(ui.shown.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const SharedInterval interval = dialog.interval();
        QCOMPARE(interval.start, 1.0);
        QCOMPARE(interval.end, 24.0);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
