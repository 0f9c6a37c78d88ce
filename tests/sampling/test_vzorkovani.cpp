#include "VortaTest.h"

#include "sampling/vzorkovani.h"

#include <cmath>
#include <numbers>

using namespace vzorkovani;
Q_DECLARE_METATYPE(vzorkovani::Druh)

namespace {

constexpr double Pi = std::numbers::pi;

// The value of the closed-form shapes at phase u (in periods).
double tvar(int s, double u)
{
    const double f = u - std::floor(u);
    switch (s) {
    case Kosinus:
        return std::cos(2 * Pi * u);
    case Pila:
        return 2 * f - 1;
    case Trojuhelnik:
        return 1 - 4 * std::abs(f - 0.5);
    default:
        return std::sin(2 * Pi * u);
    }
}

} // namespace

class TestVzorkovani : public QObject {
    Q_OBJECT
private slots:
    // The tables against the closed-form shapes: a 20 F Hz input over 50 ms,
    // or 100 Hz over 100 ms, one entry every 0.1 ms.
    void tabulky_data()
    {
        QTest::addColumn<Druh>("druh");
        QTest::addColumn<int>("poloha");
        QTest::addColumn<int>("s");
        QTest::addColumn<double>("hz");
        for (int s : {Sinus, Kosinus, Pila, Trojuhelnik}) {
            QTest::addRow("VS 437 Hz tvar %d", s) << Druh::Vstup << 2185 << s << 437.0;
            QTest::addRow("VZ tvar %d", s) << Druh::Vzorkovani << 37 << s << 100.0;
        }
    }
    void tabulky()
    {
        QFETCH(Druh, druh);
        QFETCH(int, poloha);
        QFETCH(int, s);
        QFETCH(double, hz);
        const std::vector<float> x = tabulka(druh, poloha, s);
        QCOMPARE(int(x.size()), druh == Druh::Vstup ? 501 : 1001);
        for (int k = 0; k < int(x.size()); ++k) {
            const double u = hz * k / 10000; // k / 10 ms
            // The saw jumps at whole periods: there either end is right.
            const bool skok = s == Pila && std::abs(u - std::round(u)) < 1e-9;
            if (!skok)
                QVERIFY2(std::abs(x[std::size_t(k)] - tvar(s, u)) < 2e-6, qPrintable(QString::number(k)));
        }
    }

    // The rectangle is evaluated one entry later, so it starts at +1; a
    // shape index of no entry is the sine.
    void obdelnikAJinyTvar()
    {
        for (Druh d : {Druh::Vstup, Druh::Vzorkovani})
            QCOMPARE(tabulka(d, 37, Obdelnik)[0], 1.0f);
        const std::vector<float> o = tabulka(Druh::Vstup, 100, Obdelnik);
        QVERIFY(o[100] == 1 && o[248] == 1 && o[251] == -1 && o[498] == -1 && o[500] == 1);
        QCOMPARE(tabulka(Druh::Vstup, 300, -1), tabulka(Druh::Vstup, 300, Sinus));
        // a position the scroll bar cannot give counts as its nearest end
        QCOMPARE(tabulka(Druh::Vzorkovani, 0, Sinus), tabulka(Druh::Vzorkovani, 1, Sinus));
        QCOMPARE(vzorky(Druh::Vzorkovani, -5, tabulka(Druh::Vzorkovani, -5, Sinus)).size(), std::size_t(2));
        QCOMPARE(tabulka(Druh::Vstup, 9999, Sinus), tabulka(Druh::Vstup, 5000, Sinus));
    }

    // A 1 kHz sampler sees an input of f Hz as the alias f - 1000 round(f/1000):
    // at 1000 Hz every sample is 0, at 980 Hz a 20 Hz sine of inverted phase.
    void aliasVstupu_data()
    {
        QTest::addColumn<int>("poloha");
        QTest::addColumn<double>("alias");
        QTest::newRow("20 Hz") << 100 << 20.0;
        QTest::newRow("980 Hz -> -20") << 4900 << -20.0;
        QTest::newRow("1000 Hz -> 0") << 5000 << 0.0;
    }
    void aliasVstupu()
    {
        QFETCH(int, poloha);
        QFETCH(double, alias);
        const std::vector<Vzorek> v = vzorky(Druh::Vstup, poloha, tabulka(Druh::Vstup, poloha, Sinus));
        QCOMPARE(v.size(), std::size_t(51));
        for (int n = 0; n <= 50; ++n)
            QVERIFY2(std::abs(v[std::size_t(n)].v - std::sin(2 * Pi * alias * n / 1000)) < 1e-5,
                     qPrintable(QString::number(n)));
    }

    // Sampling the 100 Hz input at 10 P Hz: sample n at 100 n / P ms, from the
    // nearest table entry (ties to even). Sampled at 110 Hz it shows the
    // 10 Hz alias, inverted, within the 0.05 ms of the entry's rounding.
    void vzorkovaniVZ_data()
    {
        QTest::addColumn<int>("P");
        QTest::addColumn<QList<int>>("indexy");
        QTest::newRow("P=7") << 7 << QList<int>{0, 143, 286, 429, 571, 714, 857, 1000};
        QTest::newRow("P=16 ties") << 16 << QList<int>{0, 62, 125, 188, 250, 312, 375, 438, 500};
    }
    void vzorkovaniVZ()
    {
        QFETCH(int, P);
        QFETCH(QList<int>, indexy);
        const std::vector<float> x = tabulka(Druh::Vzorkovani, P, Sinus);
        const std::vector<Vzorek> v = vzorky(Druh::Vzorkovani, P, x);
        QCOMPARE(int(v.size()), P + 1);
        for (int n = 0; n < indexy.size(); ++n) {
            QCOMPARE(v[std::size_t(n)].index, indexy[n]);
            QCOMPARE(v[std::size_t(n)].v, x[std::size_t(indexy[n])]);
            QVERIFY(std::abs(v[std::size_t(n)].t - 100.0 * n / P) < 1e-12);
        }
    }
    void aliasVzorkovani()
    {
        // 200 Hz: two samples a period, both on the sine's zeros
        for (const Vzorek& s : vzorky(Druh::Vzorkovani, 20, tabulka(Druh::Vzorkovani, 20, Sinus)))
            QVERIFY(std::abs(s.v) < 1e-5);
        const std::vector<Vzorek> v = vzorky(Druh::Vzorkovani, 11, tabulka(Druh::Vzorkovani, 11, Sinus));
        for (int n = 0; n <= 11; ++n)
            QVERIFY2(std::abs(v[std::size_t(n)].v + std::sin(2 * Pi * 10 * n / 110)) < 0.032, qPrintable(QString::number(n)));
    }
};

VORTA_TEST(TestVzorkovani)
#include "test_vzorkovani.moc"
