#pragma once
// The whole program: the application object, fonts, Qt's Czech translation,
// every window, the event loop. main() is only this call; the start-up
// benchmark runs the very same code in a child process and learns the moment
// of the main window's first paint through `poPrvnimVykresleni`.
#include <functional>

int program(int& argc, char** argv, std::function<void()> poPrvnimVykresleni = {});

// Runs `akce` once, when `okno` receives its first paint event.
class QWidget;
void poPrvnimVykresleni(QWidget* okno, std::function<void()> akce);
