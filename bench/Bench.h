#pragma once
// vorta-bench: each file registers its figures; main prints one line per
// figure, "name median budget" (budget "-" where there is none).
// `vorta-bench okno_dft kolo` runs only the figures whose names contain one
// of the words.
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace bench {

using Figura = std::function<void()>;
bool registruj(int poradi, const char* jmeno, Figura f);

// In a child started by the cold-start figure: runs what the child times
// and returns its exit code; otherwise none.
std::optional<int> studenyStartPotomek(int& argc, char** argv);

// Peak resident set size of this process in kB (-1 where it cannot be read).
long spickaPametiKb();

// Median wall time of `opakovani` runs of `krok`, in milliseconds.
double medianMs(int opakovani, const std::function<void()>& krok);

// Prints "name median budget".
void vypis(const char* jmeno, double median, double rozpocet);
void vypis(const char* jmeno, double median); // no budget

} // namespace bench

#define VORTA_BENCH(poradi, Jmeno)                                                                 \
    static void Jmeno();                                                                           \
    static const bool vorta_bench_##Jmeno = bench::registruj(poradi, #Jmeno, Jmeno);                       \
    static void Jmeno()
