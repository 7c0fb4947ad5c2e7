#include "DialogTesting.h"
#include "ScriptedInteraction.h"
#include "TestEnvironment.h"
#include "document/RosterDocument.h"
#include "generator/wizard/GenerationWizard.h"
#include "reports/dialogs/AdministrativeDataDialog.h"
#include "reports/dialogs/ColourSettingsDialog.h"
#include "reports/dialogs/DutyListDialog.h"
#include "reports/dialogs/EditAdministrativeDataDialog.h"
#include "reports/dialogs/OnCallDialog.h"
#include "reports/dialogs/RosterPrintDialog.h"
#include "reports/dialogs/StatisticsDialog.h"
#include "roster_window/AbsencesDialog.h"
#include "roster_window/DayPropertiesDialog.h"
#include "roster_window/IntervalDialog.h"
#include "roster_window/ParticipantsDialog.h"
#include "roster_window/RemovalDialog.h"
#include "roster_window/RenamingDialog.h"
#include "roster_window/ReplacementDialog.h"
#include "roster_window/RosterWindow.h"
#include "roster_window/RulesDialog.h"
#include "roster_window/SectorDialog.h"
#include "roster_window/SharingDialog.h"
#include "roster_window/SwapDialog.h"
#include "session/RosterSession.h"
#include "shell/AboutDialog.h"
#include "shell/AddParticipantDialog.h"
#include "shell/ChangeNameDialog.h"
#include "shell/MainWindow.h"
#include "shell/RecoveryDialog.h"
#include "store/BlankRoster.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <functional>
#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

using WindowMaker = std::function<std::unique_ptr<QWidget>(Interaction&)>;

// The texts among those given that share an access key, as "Alt+A: &Annuler, &Aperçu", each
// after the place given.
QStringList Clashes(const QStringList& texts, const QString& place = {})
{
    QMap<QString, QStringList> byKey;
    for (const QString& text : texts)
        byKey[QKeySequence::mnemonic(text).toString()].append(text);
    byKey.remove(QString());
    QStringList clashes;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it.value().size() > 1)
            clashes.append(place + it.key() + u": "_s + it.value().join(u", "_s));
    }
    return clashes;
}

// The controls a key reaches in one window: its buttons, the labels of its fields and its
// group boxes; the menu bar's titles; and, apart, each menu's entries.
QStringList WindowClashes(QWidget& window)
{
    QStringList controls;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        controls.append(button->text());
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy())
            controls.append(label->text());
    }
    for (const QGroupBox* box : window.findChildren<QGroupBox*>())
        controls.append(box->title());
    QStringList clashes = Clashes(controls);
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
        clashes += Clashes(Texts(bar->actions()));
    for (const QMenu* menu : window.findChildren<QMenu*>())
        clashes += Clashes(Texts(menu->actions()), menu->title() + u" › "_s);
    return clashes;
}

// Clashes the program's documented texts hold, kept as the users know them.
const QStringList KnownClashes{
    u"&Outils › Alt+A: &Ajouter un participant, Imprimer le tableau mensuel des &astreintes"_s,
    u"Alt+E: Changer la couleur du t&exte, &Enregistrer"_s,
    u"&Outils › Alt+M: Re&mplacer un participant..., Co&mparer avec un autre tour de garde..."_s,
};

// Makes a window from the arguments given, after the interaction when it takes one.
template <typename Window, typename... Arguments> WindowMaker Make(Arguments... arguments)
{
    return [=]([[maybe_unused]] Interaction& ui) {
        if constexpr (std::is_constructible_v<Window, Interaction&, Arguments...>)
            return std::make_unique<Window>(ui, arguments...);
        else
            return std::make_unique<Window>(arguments...);
    };
}

} // namespace

class TestAccessKeys : public QObject {
    Q_OBJECT

private slots:
    void noTwoControlsOfAWindowShareAKey_data()
    {
        QTest::addColumn<WindowMaker>("make");
        const QStringList names{u"Martin"_s, u"Dupont"_s};
        const AdministrativeData data{u"Martin"_s, {}, {}, {}, {}, {}};
        QTest::newRow("main window")
            << WindowMaker([](Interaction& ui) { return std::make_unique<MainWindow>(&ui); });
        QTest::newRow("roster window") << WindowMaker([](Interaction& ui) {
            auto document = std::make_unique<RosterDocument>(ui);
            int untitled = 0;
            document->openNew(MakeBlankRoster(2027), untitled);
            document->addParticipant(u"Martin"_s);
            return std::make_unique<RosterWindow>(
                std::make_unique<RosterSession>(ui, std::move(document)));
        });
        QTest::newRow("wizard") << Make<GenerationWizard>(2027);
        QTest::newRow("year table print")
            << Make<RosterPrintDialog>(RosterPrintOffer{u"2027"_s, true, {}}, nullptr);
        QTest::newRow("on-call print") << Make<OnCallDialog>(OnCallOffer{}, nullptr);
        QTest::newRow("sharing") << Make<SharingDialog>(ShareRequest{{}, {}, names, {}}, nullptr);
        QTest::newRow("interval") << Make<IntervalDialog>(names, nullptr);
        QTest::newRow("about") << Make<AboutDialog>(nullptr);
        QTest::newRow("add participant") << Make<AddParticipantDialog>(nullptr);
        QTest::newRow("change name") << Make<ChangeNameDialog>(names, 0, nullptr);
        QTest::newRow("recovery") << Make<RecoveryDialog>(QList<WorkRecord>{}, nullptr);
        QTest::newRow("day properties") << Make<DayPropertiesDialog>(
            QDate(2027, 1, 1), DayProperties{DayType::Weekday, false}, nullptr);
        QTest::newRow("participants") << Make<ParticipantsDialog>(names, 0, nullptr);
        QTest::newRow("sector") << Make<SectorDialog>(u"Ubaye"_s, nullptr);
        QTest::newRow("absences") << Make<AbsencesDialog>(
            AbsencesWindow{2027, {}, names, [] { return QList<Absence>{}; }, {}, {}, {}, {}},
            nullptr);
        QTest::newRow("rules") << Make<RulesDialog>(RosterRules{}, nullptr);
        QTest::newRow("swap") << Make<SwapDialog>(
            QDate(2027, 3, 1), SwapDialog::Describe([](QDate) { return QString(); }), nullptr);
        const ParticipantsAtDay start{names, 2027, QDate(2027, 7, 1)};
        QTest::newRow("renaming") << Make<RenamingDialog>(names, nullptr);
        QTest::newRow("removal") << Make<RemovalDialog>(start, nullptr);
        QTest::newRow("replacement") << Make<ReplacementDialog>(start, nullptr);
        QTest::newRow("add participant to a roster")
            << Make<AddParticipantDialog>(2027, QDate(2027, 7, 1), nullptr);
        QTest::newRow("colours") << Make<ColourSettingsDialog>(
            PrintColours{}, ColourSettingsDialog::ColourChooser{}, nullptr);
        QTest::newRow("duty list") << Make<DutyListDialog>(DutyListReport{}, nullptr);
        QTest::newRow("statistics") << Make<StatisticsDialog>(StatisticsReport{}, nullptr);
        QTest::newRow("administrative data")
            << Make<AdministrativeDataDialog>(AdministrativeDataWindow{{data}, {}}, nullptr);
        QTest::newRow("administrative data of one")
            << Make<EditAdministrativeDataDialog>(data, nullptr);
    }

    void noTwoControlsOfAWindowShareAKey()
    {
        QFETCH(WindowMaker, make);
        TestEnvironment env;
        ScriptedInteraction ui;
        const std::unique_ptr<QWidget> window = make(ui);

        QStringList clashes = WindowClashes(*window);
        for (const QString& known : KnownClashes)
            clashes.removeOne(known);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u"; "_s)));
    }
};

QTEST_MAIN(TestAccessKeys)
#include "tst_accesskeys.moc"
