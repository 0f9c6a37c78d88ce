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
    zacniSpektra();
    for (int n = 1; n <= harmonicke::MaxHarmonickych; ++n) {
        const int w = harmonicke::stylHarmonicke(n, N);
        const double a = vyskaA(n), b = vyskaB(n);
        an->PridejStonek(w, n, a);
        bn->PridejStonek(w, n, b);
    }
    an->update();
    bn->update();
}
