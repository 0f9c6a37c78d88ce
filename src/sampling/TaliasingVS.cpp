#include "sampling/TaliasingVS.h"

TaliasingVS::TaliasingVS(QWidget* parent)
    : TVzorkovani(vzorkovani::Druh::Vstup, QStringLiteral("aliasingVS"),
                  QStringLiteral("Aliasing efekt - změna frekvence vstupního signálu"), parent)
{
}
