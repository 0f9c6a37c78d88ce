#pragma once
// Aliasing with a fixed 100 Hz input and a sampler of 10 ... 1000 Hz.
#include "sampling/TVzorkovani.h"

class TaliasingVZ : public TVzorkovani {
    Q_OBJECT
public:
    explicit TaliasingVZ(QWidget* parent = nullptr);
};
