#include "continuous/harmonicke.h"

#include "core/cisla.h"

#include <cmath>
#include <numbers>

namespace harmonicke {

namespace {
constexpr long double Pi = std::numbers::pi_v<long double>;

bool platny(int signal) { return signal >= 0 && signal < PocetSignalu; }
} // namespace

QStringList nazvy()
{
    return {QStringLiteral("Obdelníkový průběh 1"), QStringLiteral("Obdelníkový průběh 2"),
            QStringLiteral("Obdelníkový průběh 3"), QStringLiteral("Obdelníkový průběh 4"),
            QStringLiteral("Pilový průběh"),        QStringLiteral("Trojúhelníkový průběh")};
}

double a0(int signal)
{
    if (!platny(signal))
        return 0;
    return signal == 3 ? 0.25 : 0.5;
}

double a(int signal, int n)
{
    if (!platny(signal) || n == 0)
        return 0;
    const long double np = n * Pi;
    switch (signal) {
    case 1: return double(std::sin(np / 2) * (2 / np));
    case 2: return double((std::sin(5 * np / 4) - std::sin(np / 4)) * (1 / np));
    case 3: return double(std::sin(np / 2) * (-1 / np));
    case 5: return double((std::cos(np) - 1) * (2 / (np * np)));
    default: return 0;
    }
}

double b(int signal, int n)
{
    if (!platny(signal) || n == 0)
        return 0;
    const long double np = n * Pi;
    switch (signal) {
    case 0: return double((1 - std::cos(np)) * (1 / np));
    case 2: return double((std::cos(np / 4) - std::cos(5 * np / 4)) * (1 / np));
    case 3: return double((std::cos(np / 2) - std::cos(np)) * (1 / np));
    case 4: return double(-1 / np);
    default: return 0;
    }
}

double hodnota(int signal, double t)
{
    const double f = t - std::floor(t);
    // 1 inside (od, do) of the period, 0 outside, 1/2 on the edges.
    auto obdelnik = [f](double od, double po) {
        if (f == od || f == po)
            return 0.5;
        return (f > od && f < po) ? 1.0 : 0.0;
    };
    switch (signal) {
    case 0: return f == 0 ? 0.5 : obdelnik(0, 0.5);
    case 1: return 1 - obdelnik(0.25, 0.75);
    case 2: return obdelnik(0.125, 0.625);
    case 3: return obdelnik(0.25, 0.5);
    case 4: return f == 0 ? 0.5 : f;
    case 5: return f <= 0.5 ? 2 * f : 2 * (1 - f);
    default: return 0;
    }
}

namespace {
struct Koeficienty {
    std::array<double, MaxHarmonickych + 1> a{}, b{};
};

Koeficienty koeficienty(int signal, int N)
{
    Koeficienty k;
    for (int n = 1; n <= N; ++n) {
        k.a[n] = a(signal, n);
        k.b[n] = b(signal, n);
    }
    return k;
}

long double soucet(int signal, const Koeficienty& k, int N, long double t)
{
    long double s = a0(signal);
    for (int n = 1; n <= N; ++n) {
        const long double fi = t * 2 * Pi * n;
        s = std::cos(fi) * k.a[n] + s;
        s = std::sin(fi) * k.b[n] + s;
    }
    return s;
}

int omezeno(int N) { return N < 0 ? 0 : (N > MaxHarmonickych ? MaxHarmonickych : N); }
} // namespace

double castecnySoucet(int signal, int N, double t)
{
    N = omezeno(N);
    return double(soucet(signal, koeficienty(signal, N), N, t));
}

std::vector<QPointF> castecnySoucet(int signal, int N)
{
    N = omezeno(N);
    const Koeficienty k = koeficienty(signal, N);
    // At t = i/100 the phase 2 pi n i/100 is a whole multiple of 2 pi/100,
    // so one table of a hundred angles serves every term; it also spares
    // the argument reduction of phases up to 2 pi * 60.
    struct Uhly {
        std::array<long double, 100> c{}, s{};
        Uhly()
        {
            for (int q = 0; q < 100; ++q) {
                c[q] = std::cos(2 * Pi * q / 100);
                s[q] = std::sin(2 * Pi * q / 100);
            }
        }
    };
    static const Uhly u;
    std::vector<QPointF> body;
    body.reserve(201);
    for (int i = -50; i <= 150; ++i) {
        long double s = a0(signal);
        for (int n = 1; n <= N; ++n) {
            const int q = ((i * n) % 100 + 100) % 100;
            s = u.c[q] * k.a[n] + s;
            s = u.s[q] * k.b[n] + s;
        }
        body.emplace_back(i / 100.0, double(s));
    }
    return body;
}

double modul(int signal, int m)
{
    if (m == 0)
        return a0(signal);
    const long double am = a(signal, m), bm = b(signal, m);
    return double(std::sqrt(am * am + bm * bm) / 2);
}

double fazeZeSlozek(double am, double bm)
{
    // Whole units of 1/10000: a rounded zero is an exact integer zero, never
    // a negative zero that would turn 180 degrees into -180.
    const int Y = vorta::zaokrouhliNaInt(-static_cast<long double>(bm) * 10000);
    const int X = vorta::zaokrouhliNaInt(static_cast<long double>(am) * 10000);
    return double(std::atan2(static_cast<long double>(Y), static_cast<long double>(X)) / Pi * 180);
}

double faze(int signal, int m)
{
    if (m == 0)
        return 0;
    return fazeZeSlozek(a(signal, m), b(signal, m));
}

int stylHarmonicke(int n, int N) { return std::abs(n) <= N ? 2 : 6; }

QString tema(int signal, bool komplexne)
{
    if (!platny(signal))
        signal = 0;
    return QStringLiteral("/%1signal%2.html").arg(komplexne ? QStringLiteral("k") : QString()).arg(signal + 1);
}

} // namespace harmonicke
