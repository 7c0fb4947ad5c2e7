#pragma once

// The twip, 1/1440 inch: the unit printed pages are laid out in and windows' places are stored
// in, so that both keep their proportions on any screen or printer.
inline constexpr double TwipsPerInch = 1440;
inline constexpr double TwipsPerMillimetre = TwipsPerInch / 25.4;
