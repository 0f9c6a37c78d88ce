#pragma once
// Start-up: every window of the program is made once, in a fixed order, and
// registered under its class name; all but the main window stay hidden. The
// first paint needs only the main window and the about window (which writes
// the version into the main window's title); the others wait until something
// asks for one of them or until the event loop is idle.
class THlavniOkno;

// Makes the main and the about window and puts the others off; returns the
// main window (not shown).
THlavniOkno* vytvorOkna();

// Makes the windows still waiting, one per pass of the event loop, so that
// the program answers the user meanwhile.
void vytvorPriNecinnosti();

// Deletes the windows made so far, the last made first, and forgets those
// still waiting.
void zrusOkna();
