#include "analysis/TDFR.h"

#include "analysis/dfr.h"

TDFR::TDFR(QWidget* parent)
    : TDiskretni({3, QStringLiteral("DFR"), QStringLiteral("DFR - diskrétní Fourierova řada ( discrete Fourier series )"),
                  QStringLiteral("/odfr.html"), QSize(985, 681), true},
                 -0.05, 0.55, parent)
{
}

dft::Spektrum TDFR::spocti(std::span<const float> x) const { return dfr::koeficienty(x); }

std::vector<TBod> TDFR::vstup(std::span<const float> y, int M, std::span<const float> x) const
{
    return dfr::vstup(y, M, x);
}
