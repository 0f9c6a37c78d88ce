#include "VortaTest.h"

#include "signals/tvary.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace tvary;

namespace {
template <class... T> void sloupce(std::initializer_list<const char*> jmena)
{
    auto j = jmena.begin();
    (QTest::addColumn<T>(*j++), ...);
}

// A, B and C as read from accepted texts.
Parametry parametry(double a, double b, double c) { return Parametry{a, b, c, {false, false, false}}; }

// ---- the shapes, written out here from their description -------------------

// Square wave of period 2: +1 on [0, 1), -1 on [1, 2), and so on.
double obdelnik(double u) { return std::fmod(std::abs(std::floor(u)), 2.0) == 0 ? 1 : -1; }

// -1 up to -1, +1 from there to 0.5, a straight fall to -1 at 1.5, then -1.
double specialni(double u)
{
    if (u <= -1)
        return -1;
    if (u <= 0.5)
        return 1;
    if (u <= 1.5)
        return 1 - 2 * (u - 0.5);
    return -1;
}

// The samples joined by straight lines, sample k at (k - 400) * krok.
double nahodny(const Nahodne& n, double krok, double u)
{
    const double k = u / krok + 400, k0 = std::floor(k);
    if (k0 < 0 || k0 >= PocetNahodnych - 1)
        return k0 == PocetNahodnych - 1 ? n.back() : qQNaN();
    return n[size_t(k0)] + (k - k0) * (n[size_t(k0) + 1] - n[size_t(k0)]);
}

// Where s has a jump or a kink, so that reading a joined line near it says
// nothing about the formula.
bool uZlomu(int tvar, double u)
{
    if (tvar == Specialni)
        return std::abs(u + 1) < 1e-6;
    if (tvar == Obdelnik)
        return std::abs(u - std::round(u)) < 1e-9;
    return false;
}

// A·s(B·t + C) as the window's formula reads; sine and cosine show 2π in it.
double vzorec(int tvar, double A, double B, double C, double t, const Nahodne& n)
{
    switch (tvar) {
    case Sinus: return A * std::sin(B * 2 * std::numbers::pi * t + C);
    case Kosinus: return A * std::cos(B * 2 * std::numbers::pi * t + C);
    case Obdelnik: return A * obdelnik(B * t + C);
    case Nahodny1: return A * nahodny(n, 0.5, B * t + C);
    case Nahodny2: return A * nahodny(n, 0.125, B * t + C);
    default: return A * specialni(B * t + C);
    }
}

// The value of the joined points at t: the curve as the graph draws it.
double naCare(const std::vector<QPointF>& body, double t)
{
    for (size_t j = 1; j < body.size(); ++j) {
        const QPointF a = body[j - 1], b = body[j];
        if (std::min(a.x(), b.x()) <= t && t <= std::max(a.x(), b.x()) && a.x() != b.x())
            return a.y() + (t - a.x()) / (b.x() - a.x()) * (b.y() - a.y());
    }
    return qQNaN();
}

Nahodne vzorky()
{
    Nahodne n; // distinct hundredths, so that a shifted sample shows
    for (int k = 0; k < PocetNahodnych; ++k)
        n[size_t(k)] = float((k * 37 % 300) / 100.0 - 1.5);
    return n;
}
} // namespace

class TestTvary : public QObject {
    Q_OBJECT
private slots:
    void cteniParametru_data()
    {
        sloupce<QString, QList<double>, QString, int>({"texty", "ABC", "cervene", "pipnuti"});
        QTest::newRow("meze vcetne") << "-2,1|-5,1|10,1" << QList<double>{-2.1, -5.1, 10.1} << "000" << 0;
        QTest::newRow("A 2,11") << "2,11|1|0" << QList<double>{2.11, 1, 0.0} << "100" << 1;
        QTest::newRow("B tesne pod 5,1") << "1|5,0999999999998|0" << QList<double>{1.0, 5.0999999999998, 0.0} << "000" << 0;
        QTest::newRow("vse mimo") << "3|-6|-11" << QList<double>{3.0, -6, -11.0} << "111" << 3;
        QTest::newRow("B presne -1e-13") << "1|-1e-13|0" << QList<double>{1.0, -1e-13, 0.0} << "000" << 0;
        QTest::newRow("A prazdne") << "|2|3" << QList<double>{1.0, 1.0, 0.0} << "111" << 0;
        QTest::newRow("A mimo, B pismeno") << "9|x|0" << QList<double>{1.0, 1.0, 0.0} << "111" << 1;
        QTest::newRow("mezery a exponent") << " 2e-1 |1|-0,5" << QList<double>{0.2, 1, -0.5} << "000" << 0;
    }
    void cteniParametru()
    {
        QFETCH(QString, texty);
        QFETCH(QList<double>, ABC);
        QFETCH(QString, cervene);
        QFETCH(int, pipnuti);
        const QStringList t = texty.split(u'|');
        const Parametry p = ctiParametry(t[0], t[1], t[2], u',');
        QVERIFY2(QList<double>({p.A, p.B, p.C}) == ABC, qPrintable(QString::number(p.B, 'g', 17)));
        QCOMPARE(QString("%1%2%3").arg(int(p.cervene[0])).arg(int(p.cervene[1])).arg(int(p.cervene[2])), cervene);
        QVERIFY(p.pipnuti == pipnuti && p.chyba == (pipnuti > 0));
    }

    // The right graph against A·s(B·t + C) with s written out above: the
    // argument shapes point by point at t = i/200, the point shapes as the
    // joined line the graph draws, read on a fine grid of t.
    void vzorecOkna_data()
    {
        sloupce<int, double, double, double, bool>({"tvar", "A", "B", "C", "presne"});
        const std::initializer_list<std::array<double, 3>> abc{
            {1, 1, 0}, {1, -1, 0}, {1, 0.5, 0}, {-1.5, 0.5, -0.75}, {2, -2.5, 0.3}, {0.5, -0.5, -3}, {1, 0, -1.75}, {1, 5.05, 10.1}};
        for (int tvar : {int(Sinus), int(Kosinus), int(Obdelnik), int(Nahodny1), int(Nahodny2), int(Specialni)})
            for (const auto& [A, B, C] : abc) {
                // jumps of the rectangle land exactly on t = i/200: compare there too
                const bool presne = (B == 1 || B == 2 || B == -1 || B == 0.5 || B == 0) && C == std::round(C);
                QTest::addRow("%d A=%g B=%g C=%g", tvar, A, B, C) << tvar << A << B << C << presne;
            }
    }
    void vzorecOkna()
    {
        QFETCH(int, tvar);
        QFETCH(double, A);
        QFETCH(double, B);
        QFETCH(double, C);
        QFETCH(bool, presne);
        const Nahodne n = vzorky();
        const Krivky k = generuj(Tvar(tvar), parametry(A, B, C), n);
        QCOMPARE(k.posunuty.size(), k.puvodni.size());
        QCOMPARE(k.puvodni, generuj(Tvar(tvar), parametry(1, 1, 0), n).puvodni); // the left graph stays
        const bool bodove = tvar == Sinus || tvar == Kosinus || tvar == Obdelnik;
        int precteno = 0;
        for (int i = -4000; i <= 4000; ++i) {
            const double t = bodove ? i / 200.0 : i / 2000.0;
            if (bodove && (i < -400 || i > 400))
                continue;
            if (!presne && uZlomu(tvar, B * t + C))
                continue;
            // the special signal's jump, anywhere near t, is a vertical line
            const double u1 = B * (t - 0.002) + C, u2 = B * (t + 0.002) + C;
            if (tvar == Specialni && std::min(u1, u2) <= -1 && -1 <= std::max(u1, u2))
                continue;
            const double ocekavano = vzorec(tvar, A, B, C, t, n);
            const double y = bodove ? k.posunuty[size_t(i + 400)].y() : naCare(k.posunuty, t);
            if (bodove)
                QCOMPARE(k.posunuty[size_t(i + 400)].x(), t);
            QVERIFY2(std::abs(y - ocekavano) < 1e-6, qPrintable(QString("t=%1: %2, ne %3").arg(t).arg(y).arg(ocekavano)));
            ++precteno;
        }
        QVERIFY(precteno > (bodove ? 700 : 7000));
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
