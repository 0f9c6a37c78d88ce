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

} // namespace

class TestDfr : public QObject {
    Q_OBJECT
private slots:
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
