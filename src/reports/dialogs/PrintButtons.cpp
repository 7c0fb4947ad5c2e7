#include "reports/dialogs/PrintButtons.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShortcut>

QList<QPushButton*> AddPrintButtons(QDialogButtonBox& buttons, const PrintCommands& commands)
{
    const QList<std::pair<QString, std::function<void()>>> entries = {
        {QStringLiteral("&Imprimer"), commands.print},
        {QStringLiteral("&Aperçu avant impression"), commands.preview},
        {QStringLiteral("Enregistrer en &PDF"), commands.saveAsPdf},
    };
    QList<QPushButton*> added;
    for (const auto& [caption, command] : entries) {
        QPushButton* button = buttons.addButton(caption, QDialogButtonBox::ActionRole);
        QObject::connect(button, &QPushButton::clicked, button, command);
        added.append(button);
    }
    AddPrintShortcut(*added.first());
    return added;
}

void AddPrintShortcut(QAbstractButton& print)
{
    // A shortcut of the button itself would replace the access key of its caption.
    auto* shortcut = new QShortcut(QKeySequence::Print, &print);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &print, &QAbstractButton::click);
}
