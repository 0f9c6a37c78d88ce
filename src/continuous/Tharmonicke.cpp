#include "continuous/Tharmonicke.h"

#include "continuous/harmonicke.h"
#include "graf/TGraf.h"

#include <QComboBox>

Tharmonicke::Tharmonicke(QWidget* parent)
    : TSynteza(QStringLiteral("harmonicke"), QStringLiteral("Fourierova řada (Komplexně)"), QSize(985, 688), true,
               parent)
{
    an = novyGraf(QStringLiteral("an"), QStringLiteral("Spektrum signálu - |cm|"), QStringLiteral("Harmonická m"),
                  QStringLiteral("Amplituda |cm|"));
    an->nastavOsy(-40, 40, -0.05, 0.55, 40, 12);
    an->setGeometry(8, 334, 969, 171);
    bn = novyGraf(QStringLiteral("bn"), QStringLiteral("Spektrum signálu - arg(cm)"), QStringLiteral("Harmonická m"),
                  QStringLiteral("Amplituda arg(cm)[°]"));
    bn->nastavOsy(-40, 40, -225, 225, 40, 10);
    bn->setGeometry(8, 511, 969, 169);
    spust();
}

void Tharmonicke::vykresliSpektra(int N)
{
    const int s = vyber->currentIndex();
    zacniSpektra();
    for (int m = -harmonicke::MaxHarmonickych; m <= harmonicke::MaxHarmonickych; ++m) {
        if (m == 0)
            continue;
        const int w = harmonicke::stylHarmonicke(m, N);
        const double M = harmonicke::modul(s, m);
        const double fi = harmonicke::faze(s, m);
        an->PridejStonek(w, m, M);
        bn->PridejStonek(w, m, fi);
    }
    an->update();
    bn->update();
}
