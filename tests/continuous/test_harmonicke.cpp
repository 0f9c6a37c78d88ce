#include "VortaTest.h"

#include "continuous/harmonicke.h"

#include <cmath>
#include <complex>
#include <numbers>

using namespace harmonicke;

namespace {

constexpr double Pi = std::numbers::pi;

// The six signals over one period [0, 1), and where each jumps.
double signal(int s, double t)
{
    const double f = t - std::floor(t);
    const double tvary[] = {f < 0.5 ? 1. : 0, (f < 0.25 || f > 0.75) ? 1. : 0, (f > 0.125 && f < 0.625) ? 1. : 0,
                            (f > 0.25 && f < 0.5) ? 1. : 0, f, f <= 0.5 ? 2 * f : 2 - 2 * f};
    return tvary[s];
}
const std::vector<double> Skoky[PocetSignalu] = {{0, 0.5}, {0.25, 0.75}, {0.125, 0.625}, {0.25, 0.5}, {0}, {}};

} // namespace

class TestHarmonicke : public QObject {
    Q_OBJECT
private slots:
    // Every coefficient against the defining integrals (midpoint rule; the jumps fall on the grid, so
    // it converges as h^2), and the complex form c(n) = (a - j b) / 2, c(0) = a0, c(-n) its conjugate.
    void koeficienty_data()
    {
        QTest::addColumn<int>("s");
        for (int s = 0; s < PocetSignalu; ++s)
            QTest::addRow("%s", qPrintable(nazvy().at(s))) << s;
    }
    void koeficienty()
    {
        QFETCH(int, s);
        const int K = 80000;
        for (int n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 13, 29, 40}) {
            double an = 0, bn = 0;
            for (int k = 0; k < K; ++k) {
                const double t = (k + 0.5) / K, x = signal(s, t) / K;
                an += (n ? 2 : 1) * x * std::cos(2 * Pi * n * t);
                bn += 2 * x * std::sin(2 * Pi * n * t);
            }
            const QByteArray kde = QByteArray::number(n);
            QVERIFY2(std::abs((n ? a(s, n) : a0(s)) - an) < 2e-6 && std::abs(b(s, n) - bn) < 2e-6, kde);
            QVERIFY2(a(s, -n) == a(s, n) && b(s, -n) == -b(s, n), kde);
            const std::complex<double> c = n ? std::complex<double>(an, -bn) / 2.0 : an;
            QVERIFY2(std::abs(modul(s, n) - std::abs(c)) < 2e-6 && modul(s, -n) == modul(s, n), kde);
            // the phase, quantised to 1/10000, is in (-180, 180]; arg c(-n) = -arg c(n), but 180 stays 180
            const double f = faze(s, n), rozdil = std::abs(f - std::arg(c) * 180 / Pi);
            QVERIFY2(f > -180 && f <= 180 && faze(s, -n) == (f == 180 ? 180 : -f), kde);
            QVERIFY2(std::abs(c) < 1e-3 || std::min(rozdil, 360 - rozdil) < 0.05, kde);
        }
    }

    // Exact coefficients, and the phase from a and -b rounded to 1/10000 (s = -1: the rounding alone).
    void spektrum()
    {
        const struct {
            int s, n;
            double A, B, F;
        } pripady[] = {
            {0, -1, 0.0, -2 / Pi, 90.0},
            {1, -3, -2 / (3 * Pi), 0.0, 180.0}, // theoretical zeros come out as phase 0, not a stray angle
            {5, 39, -4 / (39 * 39 * Pi * Pi), 0.0, 180.0},
            {5, 0, 0.0, 0.0, 0.0},            // n = 0 is the mean's place, never the 0/0 of the formulas
            {-1, 0, -0.00006, 0.0, 180.0},    // above 1/20000
            {-1, 0, -0.3, 1e-12, 180.0},      // a rounded-away negative b must not turn 180 into -180
            {-1, 0, std::nan(""), 0.5, -90.0},
        };
        for (const auto& p : pripady) {
            const QByteArray kde = QByteArray::number(p.s) + "/" + QByteArray::number(p.n);
            QVERIFY2(fazeZeSlozek(p.A, p.B) == p.F, kde);
            if (p.s < 0)
                continue;
            QVERIFY2(std::abs(a(p.s, p.n) - p.A) <= 1e-15 && std::abs(b(p.s, p.n) - p.B) <= 1e-15, kde);
            QVERIFY2(std::abs(modul(p.s, p.n) - (p.n ? std::hypot(p.A, p.B) / 2 : a0(p.s))) <= 1e-12, kde);
            QVERIFY2(faze(p.s, p.n) == p.F, kde);
        }
    }

    // Away from its jumps the partial sum of 40 harmonics is close to the signal, at a jump to the mean
    // of the two sides; the program's own signal agrees, with that mean at the jumps.
    void castecnySoucetKonverguje_data() { koeficienty_data(); }
    void castecnySoucetKonverguje()
    {
        QFETCH(int, s);
        const std::vector<QPointF> krivka = castecnySoucet(s, 40);
        QCOMPARE(krivka.size(), std::size_t(201));
        for (const QPointF& b : krivka) {
            double odSkoku = 1;
            for (double k : Skoky[s])
                for (int p = -2; p <= 2; ++p)
                    odSkoku = std::min(odSkoku, std::abs(b.x() - k - p));
            if (odSkoku >= 0.05) {
                QCOMPARE_LE(std::abs(b.y() - signal(s, b.x())), s == 5 ? 0.006 : 0.045);
                QCOMPARE_LE(std::abs(hodnota(s, b.x()) - signal(s, b.x())), 1e-12);
            }
            QCOMPARE_LE(std::abs(b.y() - castecnySoucet(s, 40, b.x())), 1e-12);
        }
        for (double k : Skoky[s]) {
            const double stred = (signal(s, k - 1e-9) + signal(s, k + 1e-9)) / 2;
            QCOMPARE_LE(std::abs(castecnySoucet(s, 40, k) - stred), 0.01);
            QCOMPARE(hodnota(s, k), stred);
        }
        for (const QPointF& b : castecnySoucet(s, 0))
            QCOMPARE(b.y(), a0(s));
    }

    // Gibbs: near a unit jump the sums peak at 1/2 + Si(pi)/pi = 1.0895. Harmonic 40 is the last one
    // added (for the saw at t = 1/160 it adds -1/(40 pi)); a larger N reads no further.
    void gibbsuvJevAPosledniHarmonicka()
    {
        double vrchol = 0;
        for (int k = 1; k < 2000; ++k)
            vrchol = std::max(vrchol, castecnySoucet(0, 40, k * 0.05 / 2000));
        QCOMPARE_LE(std::abs(vrchol - 1.0895), 0.002);
        QCOMPARE_LE(std::abs(castecnySoucet(4, 40, 0.00625) - castecnySoucet(4, 39, 0.00625) + 1 / (40 * Pi)), 1e-12);
        QCOMPARE(castecnySoucet(4, 1000, 0.3), castecnySoucet(4, 40, 0.3));
    }
};

VORTA_TEST(TestHarmonicke)
#include "test_harmonicke.moc"
