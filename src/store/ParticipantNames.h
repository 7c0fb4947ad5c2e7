#pragma once

#include <QString>
#include <optional>

// The longest name a roster can hold.
inline constexpr int LongestParticipantName = 50;

// Why a name cannot be a participant's: a word the program keeps for itself ("<Variable>",
// "<Vide>", "<Partagé>", compared exactly), or a name too long for the roster. Empty when the
// name can be used.
std::optional<QString> ParticipantNameProblem(const QString& name);
