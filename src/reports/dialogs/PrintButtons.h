#pragma once

#include "ReportViews.h"

#include <QList>

class QDialogButtonBox;
class QPushButton;

// "&Imprimer", "&Aperçu avant impression" and "Enregistrer en &PDF", added to a report
// window's buttons and wired to its commands.
QList<QPushButton*> AddPrintButtons(QDialogButtonBox& buttons, const PrintCommands& commands);
