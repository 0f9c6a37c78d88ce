#include "continuous/Tharmonicke2.h"

#include "continuous/harmonicke.h"
#include "graf/TGraf.h"

Tharmonicke2::Tharmonicke2(QWidget* parent)
    : TSynteza(QStringLiteral("harmonicke2"), QStringLiteral("Fourierova řada (Po složkách)"), QSize(985, 545),
               false, parent)
{
    an = novyGraf(QStringLiteral("an"), QStringLiteral("Spektrum signálu - složky a(n) (cosinusové)"),
                  QStringLiteral("Harmonická n"), QStringLiteral("Amplituda a"));
    an->nastavOsy(-2, 40, -0.5, 0.7, 21, 12);
    an->setGeometry(8, 334, 480, 203);
    bn = novyGraf(QStringLiteral("bn"), QStringLiteral("Spektrum signálu - složky b(n) (sinusové)"),
                  QStringLiteral("Harmonická n"), QStringLiteral("Amplituda b"));
    bn->nastavOsy(-2, 40, -0.5, 0.7, 21, 12);
    bn->setGeometry(497, 334, 480, 203);
    spust();
}

void Tharmonicke2::vykresliSpektra(int N)
{
    an->Smaz();
    bn->Smaz();
    // The mean stands at n = 0 and always takes part; b has no mean.
    const double a0 = vyska0();
    an->PridejBod(0, 0, 0);
    an->PridejBod(2, 0, a0);
    an->PridejBod(-2, 0, a0);
    bn->PridejBod(0, 0, 0);
    bn->PridejBod(2, 0, 0);
    bn->PridejBod(-2, 0, 0);
    for (int n = 1; n <= harmonicke::MaxHarmonickych; ++n) {
        const int w = harmonicke::stylHarmonicke(n, N);
        const double a = vyskaA(n), b = vyskaB(n);
        an->PridejBod(0, n, 0);
        an->PridejBod(w, n, a);
        an->PridejBod(-w, n, a);
        bn->PridejBod(0, n, 0);
        bn->PridejBod(w, n, b);
        bn->PridejBod(-w, n, b);
    }
    an->update();
    bn->update();
}
