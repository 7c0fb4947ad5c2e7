#pragma once

#include <QString>

// The text after the last "/", or the whole text when there is none.
QString FileNameFromPath(const QString& path);

// The text before the last ".", or the whole text when there is none.
QString StripExtension(const QString& name);

// The caption of a roster window showing this roster file: its name without folder and ".dat".
QString RosterCaption(const QString& filePath);

// A text (a report's title, a participant's name) as a file name: a "/" in it would name a
// folder.
QString FileNameFor(const QString& text);

// The user's documents folder.
QString DocumentsFolder();
