#pragma once

#include <QString>
#include <optional>

// The doctor menu's only entry when the roster has no participant.
inline const QString NobodyEntry = QStringLiteral("(Néant)");

// The longest name a roster can hold, in characters.
inline constexpr int LongestParticipantName = 50;

// Longer than a name the roster can hold, counted as the database counts: a character outside
// the basic plane (an emoji) counts once, not as its two UTF-16 units.
bool IsTooLongForName(const QString& name);

// Tabs, line breaks and the other control characters (U+0000 to U+001F, U+007F) have no place
// in anything typed into a roster: names, the sector, the administrative data.
inline bool IsControlCharacter(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}
bool HoldsControlCharacter(const QString& text);
// What the user is told when a typed text holds one.
QString ControlCharacterProblem();

// Why a name cannot be a participant's: nothing but blanks, a control character, a word the program
// keeps for itself
// ("<Variable>", "<Vide>", "<Partagé>", compared exactly), or a name too long for the roster.
// Empty when the name can be used; a usable name is kept as typed, blanks included.
std::optional<QString> ParticipantNameProblem(const QString& name);
