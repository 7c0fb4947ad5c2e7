#pragma once

class QMenu;
class RosterGrid;

// Adds to a menu, each set behind a separator, the entries that choose the months the grid
// shows (the whole year or one half, remembered for the next roster window) and those that zoom
// it; shows the grid in the months last chosen.
void AddGridDisplayEntries(QMenu& menu, RosterGrid& grid);
