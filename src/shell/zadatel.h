#pragma once
// The requester code and the delivery of a period. An analysis window that
// opens an entry tool (drawing editor, picture analyser) first sets the code to
// its own number (1 Fourier series, 2 Fourier transform, 3 discrete Fourier
// series, 4 DTFT, 5 DFT); when the user confirms, the tool hands its 600
// amplitudes of one period or pulse to predejSignal(), which passes them to
// the window registered under that code. Entry tools and analysis windows
// know each other only through this.
#include <functional>
#include <vector>

namespace zadatel {

inline constexpr int pocetOken = 5;
inline constexpr int vzorkuPeriody = 600;

int kod();
void nastav(int kod);

using Prijemce = std::function<void(const std::vector<double>& perioda)>;

// An analysis window registers what it does with a delivered period; a second
// registration under the same code replaces the first, an empty one removes it.
void registruj(int kod, Prijemce prijemce);

// Delivers v[0] … v[599] (the values at t = i/600 s) to the window named by
// the current code. A code outside 1 … 5, a window not registered or a
// period of another length delivers nothing. Returns whether it delivered.
bool predejSignal(const std::vector<double>& perioda);

} // namespace zadatel
