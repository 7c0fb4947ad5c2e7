#pragma once

class QMainWindow;
class QMdiArea;

// The arrangements of the roster windows of the "F&enêtre" menu, by their codes: 0 cascade,
// 1 tile horizontally (one above the other), 2 tile vertically, 3 line up the minimised ones.
void ArrangeWindows(QMdiArea& area, int code);

// The main window where it was when the program last closed, from the settings store.
void ShowAtStoredPlace(QMainWindow& window);
// Keeps the main window's place, in twips, or that it is maximised, for the next start.
void StorePlacement(const QMainWindow& window);
