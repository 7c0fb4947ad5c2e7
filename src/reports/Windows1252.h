#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The text in Windows-1252, the 8-bit code page of French systems; empty when a character has
// no code there.
std::optional<QByteArray> ToWindows1252(const QString& text);
