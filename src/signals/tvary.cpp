#include "signals/tvary.h"

#include "core/cisla.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace tvary {

namespace {
constexpr long double pi = std::numbers::pi_v<long double>;

// The special signal: -1, a jump to +1 at t = -1, a fall back to -1 between
// t = 0.5 and t = 1.5; the outer points reach far beyond the visible range.
constexpr std::array<QPointF, 6> specialni{
    QPointF(-200, -1), QPointF(-1, -1), QPointF(-1, 1), QPointF(0.5, 1), QPointF(1.5, -1), QPointF(200, -1)};
} // namespace

Tvar tvarZIndexu(int index)
{
    static constexpr std::array<Tvar, 6> tvary{Specialni, Sinus, Kosinus, Obdelnik, Nahodny1, Nahodny2};
    return index >= 0 && index < int(tvary.size()) ? tvary[index] : Specialni;
}

void naplnNahodne(Nahodne& tabulka, std::mt19937& generator)
{
    std::uniform_int_distribution<int> rozdeleni(0, 299);
    for (float& v : tabulka)
        v = float(rozdeleni(generator) / 100.0L - 1.5L);
}

int kontrola(double hodnota, double mez) { return -mez <= hodnota && hodnota <= mez ? 0 : -1; }

Parametry ctiParametry(QStringView a, QStringView b, QStringView c, QChar oddelovac)
{
    Parametry p;
    // Each parameter is checked as soon as it is read; a text that does not
    // convert stops the reading, keeps itself and the boxes after it red,
    // and the drawing falls back to the untransformed parameters.
    const auto pouzijVychozi = [&p] {
        p.A = 1;
        p.B = 1;
        p.C = 0;
        return p;
    };
    const auto over = [&p](double v, double mez, int box) {
        if (kontrola(v, mez) != 0) {
            p.chyba = true;
            ++p.pipnuti;
        } else {
            p.cervene[box] = false;
        }
    };

    const std::optional<long double> va = vorta::naCislo(a, oddelovac);
    if (!va)
        return pouzijVychozi();
    const double A = double(*va);
    over(A, MezA, 0);

    const std::optional<long double> vb = vorta::naCislo(b, oddelovac);
    if (!vb)
        return pouzijVychozi();
    // Checked as it divides: a typed 5.1 fails, a typed -5.1 passes.
    const double B = double(*vb);
    over(double(delitelB(B)), MezB, 1);

    const std::optional<long double> vc = vorta::naCislo(c, oddelovac);
    if (!vc)
        return pouzijVychozi();
    const double C = double(*vc);
    over(C, MezC, 2);

    p.A = A;
    p.B = B;
    p.C = C;
    return p;
}

long double obdelnik(long double v) { return std::fmod(std::floor(v), 2.0L) == 0 ? 1 : -1; }

long double delitelB(double B)
{
    // A typed -1e-13 would cancel the guard exactly; treat it as a typed 0.
    const double d = B + PridavekB;
    return d == 0 ? PridavekB : d;
}

Krivky generuj(Tvar tvar, const Parametry& p, const Nahodne& nahodne)
{
    Krivky k;
    k.parametry = p;
    // The argument shapes take B as typed, so that with B = 1 and C = 0 the
    // right graph is the left one and the jumps of the rectangle stay on the
    // integers; only the point shapes divide, by the guarded B.
    const long double A = p.A, B = p.B, C = p.C, Bd = delitelB(p.B);
    auto& puv = k.puvodni;
    auto& pos = k.posunuty;

    switch (tvar) {
    case Sinus:
    case Kosinus:
    case Obdelnik:
        puv.reserve(801);
        pos.reserve(801);
        for (int i = -400; i <= 400; ++i) {
            const long double t = i / 200.0L;
            long double y0, y1;
            if (tvar == Obdelnik) {
                // +5 keeps the left graph's argument positive, where rounding
                // toward zero and down agree: the left graph as it always was.
                y0 = std::fmod(std::trunc((i + 1000) / 200.0L), 2.0L) != 0 ? 1 : -1;
                y1 = A * obdelnik(B * t + C);
            } else {
                const long double u = t * 2 * pi;
                const auto f = [tvar](long double x) { return tvar == Sinus ? std::sin(x) : std::cos(x); };
                y0 = f(u);
                y1 = A * f(u * B + C);
            }
            puv.emplace_back(double(t), double(y0));
            pos.emplace_back(double(t), double(y1));
        }
        break;
    case Nahodny1:
    case Nahodny2: {
        const long double sirka = tvar == Nahodny1 ? 100 : 25;
        puv.reserve(801);
        pos.reserve(801);
        for (int i = -400; i <= 400; ++i) {
            const long double x = i / 200.0L * sirka;
            const long double y = nahodne[i + 400];
            puv.emplace_back(double(x), double(y));
            pos.emplace_back(double((x - C) / Bd), double(A * y));
        }
        break;
    }
    case Specialni:
    default:
        for (const QPointF& b : specialni) {
            puv.push_back(b);
            pos.emplace_back(double((b.x() - C) / Bd), double(A * b.y()));
        }
        break;
    }
    if (p.chyba)
        pos.clear();
    return k;
}

} // namespace tvary
