#include "VortaTest.h"
#include "grafyTestu.h"

#include "analysis/TDTFT.h"
#include "analysis/dtft.h"

#include <QScrollBar>

#include <cmath>
#include <complex>

using namespace dtft;
using vortatest::pulz;

namespace {
std::complex<double> X(const Spektrum& s, int k) { return {s.re(k), -s.im(k)}; }
} // namespace

class TestDtft : public QObject {
    Q_OBJECT
private slots:
    void dirichletARekonstrukce_data()
    {
        QTest::addColumn<int>("N");
        for (int N : {2, 5, 7, 20})
            QTest::addRow("N=%d", N) << N;
    }
    // A unit pulse sampled N times is N ones: the Dirichlet kernel
    // |X(w)| = |sin(N w / 2) / sin(w / 2)|, N at the multiples of 2 pi and
    // zero at 2 pi m / N otherwise; the phase is the linear -(N - 1) w / 2.
    void dirichletARekonstrukce()
    {
        QFETCH(int, N);
        const auto x = vzorkuj(pulz([](double) { return 1.0; }), 600, N);
        QCOMPARE(int(x.size()), N + 1);
        QCOMPARE(x.back(), 0.f);
        for (int n = 0; n < N; ++n)
            QCOMPARE(x[n], 1.f);
        const Spektrum s = koeficienty(x);
        for (int k = -MaxK; k <= MaxK; ++k) {
            const double w = double(omega(k)), sw = std::sin(w / 2);
            const std::complex<double> c = std::polar(1.0, -(N - 1) * w / 2) * std::sin(N * w / 2) / sw;
            QVERIFY2(std::abs(X(s, k) - (std::abs(sw) < 1e-12 ? std::complex<double>(N) : c)) < 1e-5 * N,
                     qPrintable(QString::number(k)));
        }
        // The whole period 0 <= w < 2 pi gives the samples back exactly, and zero between the pulses.
        const auto y = vzorkuj(pulz([](double t) { return std::cos(3 * t) - t; }), 600, N);
        const Spektrum r = koeficienty(y);
        for (int n = -N; n <= 2 * N; ++n) {
            const double ocekavano = (n >= 0 && n < N) ? y[n] : 0.0;
            QVERIFY2(std::abs(hodnota(r, MaxStupen, n) - ocekavano) < 1e-5, qPrintable(QString::number(n)));
            QCOMPARE(hodnota(r, MaxStupen, n), hodnota(r, MaxStupen - 1, n));
        }
    }

    // A dropped graph from -2 to 2 is cut to the pulse: records with |x| > 0.5 arrive as 0, also where
    // they stand inside the interval because the records are not sorted by x.
    void pretazeniOriznuto()
    {
        TGraf zdroj;
        for (int i = -200; i <= 200; ++i)
            zdroj.PridejBod(2, i / 100.0, 1 + i / 100.0);
        TDTFT okno;
        okno.originDragDrop(&zdroj);
        const auto o = vortatest::body(okno.findChild<TGraf*>("origin"));
        for (int i = 0; i < 3 * 100; ++i) // M = 100 samples of -0.5 ... 0.5
            QVERIFY(std::abs(o[i].y - ((i >= 100 && i < 200) ? 1 + (i - 150) / 100.0 : 0)) < 1e-6);
        const auto x = okno.posloupnost();
        for (int n = 0; n < 10; ++n)
            QVERIFY(std::abs(x[n] - (0.5 + n / 10.0)) < 1e-6);

        TGraf neserazeny; // -0.5, then -0.9 (cut to 0), then on to 0.5
        neserazeny.PridejBod(2, -0.5, 1);
        neserazeny.PridejBod(2, -0.9, 7);
        for (int i = 2; i <= 10; ++i)
            neserazeny.PridejBod(2, -0.5 + i / 10.0, 1);
        okno.originDragDrop(&neserazeny);
        okno.findChild<QScrollBar*>("vzorku")->setValue(10); // M = 10: x[n] = sample n
        QCOMPARE(okno.posloupnost()[1], 0.f);
        QCOMPARE(okno.posloupnost()[2], 1.f);
    }
};
VORTA_TEST(TestDtft)
#include "test_dtft.moc"
