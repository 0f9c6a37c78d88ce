#include "analysis/TDFT.h"

TDFT::TDFT(QWidget* parent)
    : TDiskretni({5, QStringLiteral("DFT"), QStringLiteral("DFT - diskrétní Fourierova transformace ( discrete Fourier transform )"),
                  QStringLiteral("/odft.html"), QSize(985, 681), true},
                 -2, 22, parent)
{
}
