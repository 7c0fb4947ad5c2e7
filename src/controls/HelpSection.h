#pragma once

#include <QString>

class QWidget;

// The manual's section about a window, or a part of one: the anchor of its heading. F1 there
// opens the manual at that section.
void SetHelpSection(QWidget& widget, const QString& section);

// The section of the widget, or of the nearest of its parents that has one; empty for none.
QString HelpSectionOf(const QWidget* widget);
