#pragma once

#include <memory>

class Messages;
class RosterDatabase;

// The "Tour de garde vierge" command. A year of 0 is asked of the user, and the year the roster
// was made for is written back. Returns the new roster for a roster window to show, or null
// when the user gave up or the roster could not be made (the user has then been told why).
std::unique_ptr<RosterDatabase> NewBlankRoster(int& year, Messages& ui);
