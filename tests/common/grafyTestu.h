#pragma once
// Shared by the analysis, entry and continuous tests: a graph's points and
// a pulse as the entry tools deliver it.
#include "graf/TGraf.h"

#include <QPointF>
#include <functional>
#include <vector>

namespace vortatest {
inline std::vector<TBod> body(const TGraf* g) { return {g->sloty().begin(), g->sloty().begin() + g->PocetBodu()}; }

inline QList<QPointF> xy(const TGraf* g)
{
    QList<QPointF> b;
    for (const TBod& t : body(g))
        b.append(QPointF(t.x, t.y));
    return b;
}

// 600 values at t_i = i / 600 - 0.5 and the first zero after the pulse as sample 600.
inline std::vector<float> pulz(const std::function<double(double)>& f)
{
    std::vector<float> y(601);
    for (int i = 0; i < 600; ++i)
        y[i] = float(f(i / 600.0 - 0.5));
    return y;
}
} // namespace vortatest

inline bool operator==(const TBod& a, const TBod& b) { return a.x == b.x && a.y == b.y && a.Styl == b.Styl; }
