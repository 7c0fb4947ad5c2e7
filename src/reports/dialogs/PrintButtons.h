#pragma once

#include "document/ReportViews.h"

#include <QList>

class QAbstractButton;
class QDialogButtonBox;
class QPushButton;

// "&Imprimer", "&Aperçu avant impression" and "Enregistrer en &PDF", added to a report
// window's buttons and wired to its commands.
QList<QPushButton*> AddPrintButtons(QDialogButtonBox& buttons, const PrintCommands& commands);

// The platform's print key (Ctrl+P) clicks a window's print button; its access key stays.
void AddPrintShortcut(QAbstractButton& print);
