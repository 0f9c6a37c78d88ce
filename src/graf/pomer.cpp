#include "graf/pomer.h"

#include <cmath>

namespace vorta::graf {

QSize fyzickaVelikost(QSize velikost, qreal dpr)
{
    if (dpr == 1)
        return velikost;
    return QSize(int(std::ceil(velikost.width() * dpr - 1e-9)), int(std::ceil(velikost.height() * dpr - 1e-9)));
}

QImage obrazNaPomer(QSize velikost, qreal dpr, QImage::Format format)
{
    dpr = dpr > 0 ? dpr : 1;
    QImage o(fyzickaVelikost(velikost, dpr), format);
    o.setDevicePixelRatio(dpr);
    return o;
}

} // namespace vorta::graf
