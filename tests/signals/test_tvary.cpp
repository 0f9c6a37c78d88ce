#include "VortaTest.h"

#include "signals/tvary.h"

#include <cmath>
#include <numbers>

using namespace tvary;

namespace {
constexpr double pi = std::numbers::pi;

Nahodne znamaTabulka()
{
    Nahodne t{};
    for (int k = 0; k < PocetNahodnych; ++k)
        t[k] = float((k % 300) / 100.0 - 1.5);
    return t;
}

Parametry parametry(double a, double b, double c)
{
    Parametry p;
    p.A = a;
    p.B = b + PridavekB;
    p.C = c;
    p.cervene = {false, false, false};
    return p;
}
} // namespace

class TestTvary : public QObject {
    Q_OBJECT
private slots:
    void cteniParametru_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<double>("A");
        QTest::addColumn<double>("B");
        QTest::addColumn<double>("C");
        QTest::addColumn<QString>("cervene"); // A, B, C: 1 = red
        QTest::addColumn<int>("pipnuti");
        QTest::addColumn<bool>("chyba");
        QTest::newRow("vychozi") << "1,0" << "1,0" << "0,0" << 1.0 << 1 + 1e-13 << 0.0 << "000" << 0 << false;
        QTest::newRow("meze vcetne") << "-2,1" << "-5,1" << "10,1" << -2.1 << -5.1 + 1e-13 << 10.1 << "000" << 0
                                     << false;
        QTest::newRow("A 2,11") << "2,11" << "1" << "0" << 2.11 << 1 + 1e-13 << 0.0 << "100" << 1 << true;
        QTest::newRow("B 5,1") << "1" << "5,1" << "0" << 1.0 << 5.1 + 1e-13 << 0.0 << "010" << 1 << true;
        QTest::newRow("vse mimo") << "3" << "-6" << "-11" << 3.0 << -6 + 1e-13 << -11.0 << "111" << 3 << true;
        QTest::newRow("B jako 0") << "1" << "0" << "0" << 1.0 << 1e-13 << 0.0 << "000" << 0 << false;
        QTest::newRow("B presne -1e-13") << "1" << "-1e-13" << "0" << 1.0 << 1e-13 << 0.0 << "000" << 0 << false;
        QTest::newRow("A prazdne") << "" << "2" << "3" << 1.0 << 1.0 << 0.0 << "111" << 0 << false;
        QTest::newRow("B minus") << "2" << "-" << "3" << 1.0 << 1.0 << 0.0 << "011" << 0 << false;
        QTest::newRow("C s teckou") << "2" << "2" << "1.5" << 1.0 << 1.0 << 0.0 << "001" << 0 << false;
        QTest::newRow("A mimo, B pismeno") << "9" << "x" << "0" << 1.0 << 1.0 << 0.0 << "111" << 1 << true;
        QTest::newRow("mezery a exponent") << " 2e-1 " << "1" << "-0,5" << 0.2 << 1 + 1e-13 << -0.5 << "000" << 0
                                           << false;
    }
    void cteniParametru()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, cervene);
        QFETCH(int, pipnuti);
        QFETCH(bool, chyba);
        const Parametry p = ctiParametry(a, b, c, u',');
        QFETCH(double, A);
        QFETCH(double, B);
        QFETCH(double, C);
        // exact: the default B is 1 without the 1e-13, a typed 1 is not
        QVERIFY2(p.A == A && p.B == B && p.C == C,
                 qPrintable(QString("%1 %2 %3").arg(double(p.A), 0, 'g', 17).arg(p.B, 0, 'g', 17).arg(p.C)));
        const QString barvy = QString("%1%2%3").arg(int(p.cervene[0])).arg(int(p.cervene[1])).arg(int(p.cervene[2]));
        QCOMPARE(barvy, cervene);
        QCOMPARE(p.pipnuti, pipnuti);
        QCOMPARE(p.chyba, chyba);
    }

    void sinusAKosinus_data()
    {
        QTest::addColumn<int>("tvar");
        QTest::addColumn<double>("A");
        QTest::addColumn<double>("B");
        QTest::addColumn<double>("C");
        QTest::newRow("sin vychozi") << int(Sinus) << 1.0 << 1.0 << 0.0;
        QTest::newRow("sin A=2.1 B=2 C=1") << int(Sinus) << 2.1 << 2.0 << 1.0;
        QTest::newRow("sin B zaporne") << int(Sinus) << 1.0 << -1.0 << 0.0;
        QTest::newRow("cos A zaporne") << int(Kosinus) << -1.5 << 0.5 << -10.1;
        QTest::newRow("cos B jako 0") << int(Kosinus) << 2.0 << 0.0 << 1.0;
        QTest::newRow("sin B jako 0") << int(Sinus) << 2.0 << 0.0 << 1.0;
    }
    void sinusAKosinus()
    {
        QFETCH(int, tvar);
        QFETCH(double, A);
        QFETCH(double, B);
        QFETCH(double, C);
        const Krivky k = generuj(Tvar(tvar), parametry(A, B, C), Nahodne{});
        QCOMPARE(k.puvodni.size(), size_t(801));
        QCOMPARE(k.posunuty.size(), size_t(801));
        const auto f = [tvar](double x) { return tvar == Sinus ? std::sin(x) : std::cos(x); };
        for (int i = -400; i <= 400; ++i) {
            const double t = i / 200.0;
            const QPointF o = k.puvodni[i + 400], p = k.posunuty[i + 400];
            QCOMPARE(o.x(), t);
            QCOMPARE(p.x(), t);
            QVERIFY2(std::abs(o.y() - f(2 * pi * t)) < 1e-9, qPrintable(QString::number(t)));
            QVERIFY2(std::abs(p.y() - A * f(2 * pi * B * t + C)) < 1e-9, qPrintable(QString::number(t)));
        }
    }

    void obdelnikPuvodni_data()
    {
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("y");
        QTest::newRow("0") << 0.0 << 1.0;
        QTest::newRow("0.995") << 0.995 << 1.0;
        QTest::newRow("1") << 1.0 << -1.0;
        QTest::newRow("-0.005") << -0.005 << -1.0;
        QTest::newRow("-1") << -1.0 << -1.0;
        QTest::newRow("-1.005") << -1.005 << 1.0;
        QTest::newRow("2") << 2.0 << 1.0;
    }
    void obdelnikPuvodni()
    {
        QFETCH(double, t);
        QFETCH(double, y);
        const Krivky k = generuj(Obdelnik, parametry(1, 1, 0), Nahodne{});
        const int i = int(std::lround(t * 200));
        QCOMPARE(k.puvodni[i + 400].y(), y);
        QCOMPARE(k.posunuty[i + 400].y(), y);
    }

    // With C = -5 the argument is t itself; rounding toward zero makes the
    // low half-period around zero twice as wide.
    void obdelnikPresNulu()
    {
        const Krivky k = generuj(Obdelnik, parametry(1, 1, -5), Nahodne{});
        int dole = 0;
        for (int i = -400; i <= 400; ++i) {
            const double t = i / 200.0, y = k.posunuty[i + 400].y();
            if (t > -1 && t < 1)
                QCOMPARE(y, -1.0);
            if ((t < -1 || t >= 1) && t < 2)
                QVERIFY2(y == 1.0, qPrintable(QString::number(t)));
            dole += y < 0;
        }
        // t = -1 sits just inside the low part because B carries 1e-13; t = 2
        // starts the next low half-period
        QCOMPARE(dole, 401);
        QCOMPARE(k.posunuty[200].y(), -1.0);
        QCOMPARE(k.posunuty[800].y(), -1.0);
    }

    void nahodneTvary_data()
    {
        QTest::addColumn<int>("tvar");
        QTest::addColumn<double>("sirka");
        QTest::addColumn<double>("A");
        QTest::addColumn<double>("B");
        QTest::addColumn<double>("C");
        QTest::newRow("1 vychozi") << int(Nahodny1) << 100.0 << 1.0 << 1.0 << 0.0;
        QTest::newRow("1 A=-2 B=2 C=1") << int(Nahodny1) << 100.0 << -2.0 << 2.0 << 1.0;
        QTest::newRow("2 B=-0.5 C=-3") << int(Nahodny2) << 25.0 << 0.5 << -0.5 << -3.0;
    }
    void nahodneTvary()
    {
        QFETCH(int, tvar);
        QFETCH(double, sirka);
        QFETCH(double, A);
        QFETCH(double, B);
        QFETCH(double, C);
        const Nahodne n = znamaTabulka();
        const Krivky k = generuj(Tvar(tvar), parametry(A, B, C), n);
        QCOMPARE(k.posunuty.size(), size_t(801));
        for (int i = -400; i <= 400; i += 37) {
            const QPointF o = k.puvodni[i + 400], p = k.posunuty[i + 400];
            QCOMPARE(o.x(), i / 200.0 * sirka);
            QCOMPARE(o.y(), double(n[i + 400]));
            QVERIFY(std::abs(p.x() - (i / 200.0 * sirka / B - C)) < 1e-9);
            QVERIFY(std::abs(p.y() - A * n[i + 400]) < 1e-12);
        }
    }

    // B typed as 0: the coordinate shapes spread to about 1e15, except the
    // sample at i = 0, which stays at -C.
    void nahodnyBJakoNula()
    {
        const Krivky k = generuj(Nahodny1, parametry(1, 0, 2), znamaTabulka());
        QCOMPARE(k.posunuty[400].x(), -2.0);
        QVERIFY(std::abs(k.posunuty[800].x() - 2e15) < 1e3);
        QVERIFY(std::abs(k.posunuty[0].x() + 2e15) < 1e3);
        const Krivky s = generuj(Specialni, parametry(1, 0, 0), Nahodne{});
        QVERIFY(std::abs(s.posunuty[0].x() + 2e15) < 1e3);
        QVERIFY(std::abs(s.posunuty[3].x() - 5e12) < 1);
    }

    void specialni_data()
    {
        QTest::addColumn<double>("A");
        QTest::addColumn<double>("B");
        QTest::addColumn<double>("C");
        QTest::newRow("vychozi") << 1.0 << 1.0 << 0.0;
        QTest::newRow("zrcadleni") << -1.0 << -1.0 << 0.0;
        QTest::newRow("zhusteni a posun") << 2.0 << 2.0 << 0.5;
    }
    void specialni()
    {
        QFETCH(double, A);
        QFETCH(double, B);
        QFETCH(double, C);
        const QList<QPointF> tvar{{-200, -1}, {-1, -1}, {-1, 1}, {0.5, 1}, {1.5, -1}, {200, -1}};
        const Krivky k = generuj(Specialni, parametry(A, B, C), Nahodne{});
        QCOMPARE(k.puvodni.size(), size_t(6));
        QCOMPARE(k.posunuty.size(), size_t(6));
        for (int j = 0; j < 6; ++j) {
            QCOMPARE(k.puvodni[j], tvar[j]);
            QVERIFY(std::abs(k.posunuty[j].x() - (tvar[j].x() / B - C)) < 1e-9);
            QCOMPARE(k.posunuty[j].y(), A * tvar[j].y());
        }
    }

    void nahodnaTabulka()
    {
        std::mt19937 gen(12345);
        Nahodne a{}, b{};
        naplnNahodne(a, gen);
        naplnNahodne(b, gen);
        QVERIFY(a != b);
        float nejmensi = 10, nejvetsi = -10;
        for (float v : a) {
            const double setiny = (v + 1.5) * 100;
            QVERIFY(std::abs(setiny - std::round(setiny)) < 1e-3);
            nejmensi = std::min(nejmensi, v);
            nejvetsi = std::max(nejvetsi, v);
        }
        QVERIFY(nejmensi >= -1.5f);
        QVERIFY(nejvetsi <= 1.49f + 1e-6f);
        // 801 draws from 300 values span nearly the whole range
        QVERIFY(nejmensi < -1.4f && nejvetsi > 1.39f);
    }
};

VORTA_TEST(TestTvary)
#include "test_tvary.moc"
