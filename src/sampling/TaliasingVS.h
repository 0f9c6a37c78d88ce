#pragma once
// Aliasing with a fixed 1 kHz sampler and an input of 0.2 ... 1000 Hz.
#include "sampling/TVzorkovani.h"

class TaliasingVS : public TVzorkovani {
    Q_OBJECT
public:
    explicit TaliasingVS(QWidget* parent = nullptr);
};
