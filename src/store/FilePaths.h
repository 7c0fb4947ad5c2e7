#pragma once

#include <QString>

// The text after the last "/", or the whole text when there is none.
QString FileNameFromPath(const QString& path);

// The text before the last ".", or the whole text when there is none.
QString StripExtension(const QString& name);

// The caption of a roster window showing this roster file: its name without folder and ".dat".
QString RosterCaption(const QString& filePath);

// The user's documents folder.
QString DocumentsFolder();
