#include "VortaTest.h"

#include "signals/tvary.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

using namespace tvary;

namespace {
template <class... T> void sloupce(std::initializer_list<const char*> jmena)
{
    auto j = jmena.begin();
    (QTest::addColumn<T>(*j++), ...);
}

// A, B and C as read from accepted texts.
Parametry parametry(double a, double b, double c) { return Parametry{a, b + PridavekB, c, {false, false, false}}; }
} // namespace

class TestTvary : public QObject {
    Q_OBJECT
private slots:
    void cteniParametru_data()
    {
        sloupce<QString, QList<double>, QString, int>({"texty", "ABC", "cervene", "pipnuti"});
        QTest::newRow("meze vcetne") << "-2,1|-5,1|10,1" << QList<double>{-2.1, -5.1 + 1e-13, 10.1} << "000" << 0;
        QTest::newRow("A 2,11") << "2,11|1|0" << QList<double>{2.11, 1 + 1e-13, 0.0} << "100" << 1;
        QTest::newRow("B 5,1") << "1|5,1|0" << QList<double>{1.0, 5.1 + 1e-13, 0.0} << "010" << 1;
        QTest::newRow("vse mimo") << "3|-6|-11" << QList<double>{3.0, -6 + 1e-13, -11.0} << "111" << 3;
        QTest::newRow("B jako 0") << "1|0|0" << QList<double>{1.0, 1e-13, 0.0} << "000" << 0;
        QTest::newRow("B presne -1e-13") << "1|-1e-13|0" << QList<double>{1.0, 1e-13, 0.0} << "000" << 0;
        QTest::newRow("A prazdne") << "|2|3" << QList<double>{1.0, 1.0, 0.0} << "111" << 0;
        QTest::newRow("B minus") << "2|-|3" << QList<double>{1.0, 1.0, 0.0} << "011" << 0;
        QTest::newRow("C s teckou") << "2|2|1.5" << QList<double>{1.0, 1.0, 0.0} << "001" << 0;
        QTest::newRow("A mimo, B pismeno") << "9|x|0" << QList<double>{1.0, 1.0, 0.0} << "111" << 1;
        QTest::newRow("mezery a exponent") << " 2e-1 |1|-0,5" << QList<double>{0.2, 1 + 1e-13, -0.5} << "000" << 0;
    }
    void cteniParametru()
    {
        QFETCH(QString, texty);
        QFETCH(QList<double>, ABC);
        QFETCH(QString, cervene);
        QFETCH(int, pipnuti);
        const QStringList t = texty.split(u'|');
        const Parametry p = ctiParametry(t[0], t[1], t[2], u',');
        // exact: the default B is 1 without the 1e-13, a typed 1 is not
        QVERIFY2(QList<double>({p.A, p.B, p.C}) == ABC, qPrintable(QString::number(p.B, 'g', 17)));
        QCOMPARE(QString("%1%2%3").arg(int(p.cervene[0])).arg(int(p.cervene[1])).arg(int(p.cervene[2])), cervene);
        QVERIFY(p.pipnuti == pipnuti && p.chyba == (pipnuti > 0));
    }

    // With C = -5 the argument is t itself; rounding toward zero makes the
    // low half-period around zero twice as wide. t = -1 sits just inside it
    // because B carries 1e-13.
    void obdelnik_data()
    {
        sloupce<double, double, double, double>({"C", "t", "puvodni", "posunuty"});
        for (const auto& [C, t, y0, y] : std::initializer_list<std::array<double, 4>>{
                 {0, 0, 1, 1}, {0, 0.995, 1, 1}, {0, 1, -1, -1}, {0, -0.005, -1, -1}, {0, -0.5, -1, -1},
                 {0, -1, -1, -1}, {0, -1.005, 1, 1}, {0, 2, 1, 1}, {-5, -1.005, 1, 1}, {-5, -1, -1, -1},
                 {-5, -0.5, -1, -1}, {-5, 0.995, 1, -1}, {-5, 1, -1, 1}, {-5, 1.995, -1, 1}, {-5, 2, 1, -1}})
            QTest::addRow("C=%g t=%g", C, t) << C << t << y0 << y;
    }
    void obdelnik()
    {
        QFETCH(double, C);
        QFETCH(double, t);
        QFETCH(double, puvodni);
        QFETCH(double, posunuty);
        const Krivky k = generuj(Obdelnik, parametry(1, 1, C), Nahodne{});
        const int i = int(std::lround(t * 200)) + 400;
        QCOMPARE(k.puvodni[i].y(), puvodni);
        QCOMPARE(k.posunuty[i].y(), posunuty);
    }

    // Both curves of every shape but the rectangle: sine and cosine as
    // A·f(2π·B·t + C) at x = t, the random shapes and the special signal
    // with their points moved to (x/B - C, A·y).
    void tvary_data()
    {
        sloupce<int, double, double, double>({"tvar", "A", "B", "C"});
        QTest::newRow("sin A=2.1 B=2 C=1") << int(Sinus) << 2.1 << 2.0 << 1.0;
        QTest::newRow("sin B zaporne") << int(Sinus) << 1.0 << -1.0 << 0.0;
        QTest::newRow("cos A zaporne") << int(Kosinus) << -1.5 << 0.5 << -10.1;
        QTest::newRow("cos B jako 0") << int(Kosinus) << 2.0 << 0.0 << 1.0;
        QTest::newRow("nahodny 1 A=-2 B=2 C=1") << int(Nahodny1) << -2.0 << 2.0 << 1.0;
        QTest::newRow("nahodny 2 B=-0.5 C=-3") << int(Nahodny2) << 0.5 << -0.5 << -3.0;
        QTest::newRow("nahodny 1 B jako 0") << int(Nahodny1) << 1.0 << 0.0 << 2.0; // x up to 2e15, -C at t = 0
        QTest::newRow("specialni zrcadleni") << int(Specialni) << -1.0 << -1.0 << 0.0;
        QTest::newRow("specialni zhusteni a posun") << int(Specialni) << 2.0 << 2.0 << 0.5;
        QTest::newRow("specialni B jako 0") << int(Specialni) << 1.0 << 0.0 << 0.0;
    }
    void tvary()
    {
        QFETCH(int, tvar);
        QFETCH(double, A);
        QFETCH(double, B);
        QFETCH(double, C);
        Nahodne n; // distinct samples, so that a shifted index shows
        std::iota(n.begin(), n.end(), -400.0f);
        const auto f = [tvar](double x) { return tvar == Sinus ? std::sin(x) : std::cos(x); };
        const bool periodicky = tvar == Sinus || tvar == Kosinus;
        std::vector<QPointF> pos, puv{{-200, -1}, {-1, -1}, {-1, 1}, {0.5, 1}, {1.5, -1}, {200, -1}};
        puv.resize(tvar == Specialni ? 6 : 0); // the special signal's points, or filled below
        for (int i = -400; i <= 400 && tvar != Specialni; ++i) {
            const double t = i / 200.0, u = 2 * std::numbers::pi * t;
            puv.push_back(periodicky ? QPointF(t, f(u)) : QPointF(t * (tvar == Nahodny1 ? 100 : 25), n[i + 400]));
            if (periodicky)
                pos.emplace_back(t, A * f(u * B + C));
        }
        for (size_t j = 0; !periodicky && j < puv.size(); ++j)
            pos.emplace_back(puv[j].x() / (B + PridavekB) - C, A * puv[j].y());
        const Krivky k = generuj(Tvar(tvar), parametry(A, B, C), n);
        QVERIFY(k.puvodni.size() == puv.size() && k.posunuty.size() == puv.size());
        const auto blizko = [](QPointF a, QPointF b) {
            return std::abs(a.x() - b.x()) <= 1e-12 * std::abs(b.x()) + 1e-9 && std::abs(a.y() - b.y()) < 1e-9;
        };
        for (size_t j = 0; j < puv.size(); ++j)
            QVERIFY2(blizko(k.puvodni[j], puv[j]) && blizko(k.posunuty[j], pos[j]), qPrintable(QString::number(j)));
    }

    void nahodnaTabulka()
    {
        std::mt19937 gen(12345);
        Nahodne a{}, b{};
        naplnNahodne(a, gen);
        naplnNahodne(b, gen);
        QVERIFY(a != b);
        // whole hundredths
        QVERIFY(std::all_of(a.begin(), a.end(), [](float v) { return std::abs(std::remainder(v * 100, 1.0)) < 1e-3; }));
        // 801 draws from 300 values span nearly the whole range
        const auto [nejmensi, nejvetsi] = std::minmax_element(a.begin(), a.end());
        QVERIFY(*nejmensi >= -1.5f && *nejmensi < -1.4f && *nejvetsi > 1.39f && *nejvetsi <= 1.49f + 1e-6f);
    }
};

VORTA_TEST(TestTvary)
#include "test_tvary.moc"
