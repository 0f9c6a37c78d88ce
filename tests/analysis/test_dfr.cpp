#include "VortaTest.h"

#include "analysis/TDFR.h"
#include "analysis/dfr.h"
#include "entry/kreslic.h"
#include "graf/TGraf.h"

#include <QLabel>
#include <QScrollBar>

#include <cmath>
#include <map>
#include <complex>
#include <numbers>

namespace {
constexpr double Pi = std::numbers::pi;

// One period as the drawing editor delivers it: 600 values at t = i / 600,
// and the first value of the next period as sample 600.
std::vector<float> perioda(auto f)
{
    std::vector<float> y(601);
    for (int i = 0; i <= 600; ++i)
        y[i] = float(f(i / 600.0));
    return y;
}
std::vector<TBod> body(const TGraf* g) { return {g->sloty().begin(), g->sloty().begin() + g->PocetBodu()}; }

// The stem heights of a line spectrum by m (the positive style of each stem).
std::map<int, TBod> stonky(const TGraf* g)
{
    std::map<int, TBod> v;
    for (const TBod& b : body(g))
        if (b.Styl == 2 || b.Styl == 6)
            v[int(std::lround(b.x))] = b;
    return v;
}
} // namespace

class TestDfr : public QObject {
    Q_OBJECT
private slots:
    // A sine period sampled with N = 20: c_1 = -j/2, c_-1 = +j/2 and their
    // repetitions at +-19, +-21, +-39; nothing elsewhere.
    void sinus()
    {
        const auto y = perioda([](double t) { return std::sin(2 * Pi * t); });
        const auto x = dft::vzorkuj(y, 600, 20, 20);
        const dft::Spektrum c = dfr::koeficienty(x);
        for (int m = -40; m <= 40; ++m) {
            const int r = ((m % 20) + 20) % 20;
            const double ocekavano = (r == 1 || r == 19) ? 0.5 : 0.0;
            QVERIFY2(std::abs(std::hypot(c.re(m), c.im(m)) - ocekavano) < 1e-6, qPrintable(QString::number(m)));
        }
        // c_1 = Re - j Im = -j / 2: Im[1] = 1/2
        QVERIFY(std::abs(c.im(1) - 0.5) < 1e-6 && std::abs(c.im(-1) + 0.5) < 1e-6);
    }

    // The series is the DFT divided by N, and Parseval reads
    // sum over one period of |c_m|^2 = (1 / N) sum |x[n]|^2.
    void meritkoAParseval_data()
    {
        QTest::addColumn<int>("N");
        for (int N : {2, 5, 16, 20, 40})
            QTest::addRow("N=%d", N) << N;
    }
    void meritkoAParseval()
    {
        QFETCH(int, N);
        const auto y = perioda([](double t) { return t < 0.3 ? 1.0 : std::cos(9 * t) * 0.7; });
        const auto x = dft::vzorkuj(y, 600, N, N);
        const dft::Spektrum c = dfr::koeficienty(x), X = dft::koeficienty(x);
        double energie = 0, spektralne = 0;
        for (float v : x)
            energie += double(v) * v;
        for (int m = -40; m <= 40; ++m) {
            QVERIFY(std::abs(c.re(m) * N - X.re(m)) < 1e-5 * N && std::abs(c.im(m) * N - X.im(m)) < 1e-5 * N);
            if (m >= 0 && m < N)
                spektralne += double(c.re(m)) * c.re(m) + double(c.im(m)) * c.im(m);
        }
        QVERIFY(std::abs(spektralne - energie / N) < 1e-6);
    }

    // The window: the editor's "Sin" preset with N = 20 gives |c| close to 0.5
    // at m = +-1, +-19, +-21 (up to the editor's quantisation to 1/200) and
    // close to 0 elsewhere; with P = N - 1 obraz gives the samples back, and
    // they repeat with period N.
    void oknoSinus()
    {
        TDFR okno;
        okno.predejSignal(kreslic::perioda(kreslic::predloha(kreslic::Predloha::Sin)));
        auto* vzorku = okno.findChild<QScrollBar*>("vzorku");
        auto* stupen = okno.findChild<QScrollBar*>("stupen");
        QCOMPARE(vzorku->value(), 20);
        QCOMPARE(stupen->value(), 19);
        QCOMPARE(okno.findChild<QLabel*>("harmonickych")->text(), QStringLiteral("n=20"));
        QCOMPARE(okno.findChild<QLabel*>("vzorecku")->text(), QStringLiteral("vz=20"));
        const auto c = stonky(okno.findChild<TGraf*>("an"));
        QCOMPARE(int(c.size()), 81);
        for (const auto& [m, b] : c) {
            const bool cara = std::abs(m) % 20 == 1 || std::abs(m) % 20 == 19;
            QVERIFY2(std::abs(b.y - (cara ? 0.5 : 0)) < 0.005, qPrintable(QString::number(m)));
            QCOMPARE(b.Styl, (m >= 0 && m <= 19) ? 2 : 6);
        }
        const auto f = stonky(okno.findChild<TGraf*>("bn"));
        QVERIFY(std::abs(f.at(1).y + 90) < 1 && std::abs(f.at(-1).y - 90) < 1 && f.at(5).y == 0);

        const std::vector<float>& x = okno.posloupnost();
        const auto r = body(okno.findChild<TGraf*>("obraz"));
        QCOMPARE(int(r.size()), 3 * (30 - (-10) + 1)); // n = -10 ... 30
        for (int i = 0; i < int(r.size()); i += 3) {
            const int n = i / 3 - 10;
            QVERIFY(r[i + 1].Styl == 1 && std::abs(r[i + 1].x - n / 20.0) < 1e-6);
            QVERIFY2(std::abs(r[i + 1].y - x[((n % 20) + 20) % 20]) < 1e-5, qPrintable(QString::number(n)));
        }

        // P = -1: nothing used, zero stems and a grey spectrum
        stupen->setValue(-1);
        QCOMPARE(okno.findChild<QLabel*>("harmonickych")->text(), QStringLiteral("n=0"));
        for (const TBod& b : body(okno.findChild<TGraf*>("obraz")))
            QCOMPARE(b.y, 0.f);
        for (const auto& [m, b] : stonky(okno.findChild<TGraf*>("an")))
            QCOMPARE(b.Styl, 6);
    }

    // stupen follows vzorku: at the top it stays at the top, elsewhere it is
    // only lowered under the new maximum N - 1.
    void stupenSVzorky()
    {
        TDFR okno;
        okno.predejSignal(std::vector<double>(600, 0.25));
        auto* vzorku = okno.findChild<QScrollBar*>("vzorku");
        auto* stupen = okno.findChild<QScrollBar*>("stupen");
        vzorku->setValue(10);
        QVERIFY(stupen->maximum() == 9 && stupen->value() == 9);
        vzorku->setValue(33);
        QVERIFY(stupen->maximum() == 32 && stupen->value() == 32);
        stupen->setValue(5);
        vzorku->setValue(40);
        QVERIFY(stupen->maximum() == 39 && stupen->value() == 5);
        vzorku->setValue(4);
        QVERIFY(stupen->maximum() == 3 && stupen->value() == 3);
        QCOMPARE(okno.findChild<QLabel*>("harmonickych")->text(), QStringLiteral("n=4"));
        // three periods of samples in origin, and the spectrum recomputed
        QCOMPARE(okno.posloupnost().size(), std::size_t(4));
        QVERIFY(std::abs(stonky(okno.findChild<TGraf*>("an")).at(4).y - 0.25) < 1e-6);
    }

    // A dropped graph from -2 to 2 arrives unchanged: the samples of 0 ... 1
    // are its own values, and origin shows them as three periods.
    void pretazeni()
    {
        TGraf zdroj;
        for (int i = -1200; i <= 1200; ++i)
            zdroj.PridejBod(2, i / 600.0, 1 + i / 600.0);
        TDFR okno;
        okno.originDragDrop(&zdroj);
        const std::vector<float>& x = okno.posloupnost();
        for (int n = 0; n < 20; ++n)
            QVERIFY(std::abs(x[n] - (1 + n / 20.0)) < 1e-6);
        const auto o = body(okno.findChild<TGraf*>("origin"));
        QVERIFY(o[0].x == -1 && std::abs(o[0].y - 1) < 1e-6 && std::abs(o[1200 + 300].y - 1.5) < 1e-6);
    }
};
VORTA_TEST(TestDfr)
#include "test_dfr.moc"
