#pragma once
// Start-up: every window of the program is created once, in a fixed order,
// and registered under its class name; all but the main window stay hidden.
class THlavniOkno;

// Creates and registers every window; returns the main window (not shown).
THlavniOkno* vytvorOkna();

// Deletes the windows vytvorOkna() created, the last created first.
void zrusOkna();
