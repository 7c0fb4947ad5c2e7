#include "PrintButtons.h"

#include <QDialogButtonBox>
#include <QPushButton>

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
    return added;
}
