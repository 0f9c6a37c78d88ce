#include "sampling/TaliasingVZ.h"

TaliasingVZ::TaliasingVZ(QWidget* parent)
    : TVzorkovani(vzorkovani::Druh::Vzorkovani, QStringLiteral("aliasingVZ"),
                  QStringLiteral("Aliasing efekt - změna vzorkovací frekvence"), parent)
{
}
