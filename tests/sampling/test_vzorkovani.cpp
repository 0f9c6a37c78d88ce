#include "VortaTest.h"

#include "graf/TGraf.h"
#include "sampling/TaliasingVS.h"
#include "sampling/vzorkovani.h"

#include <QComboBox>
#include <QScrollBar>

#include <cmath>
#include <numbers>

using namespace vzorkovani;

namespace {

constexpr double Pi = std::numbers::pi;

// The value of the closed-form shapes at phase u (in periods).
double tvar(int s, double u)
{
    const double f = u - std::floor(u);
    return s == Kosinus ? std::cos(2 * Pi * u)
           : s == Pila  ? 2 * f - 1
           : s == Trojuhelnik ? 1 - 4 * std::abs(f - 0.5)
                              : std::sin(2 * Pi * u);
}

} // namespace

class TestVzorkovani : public QObject {
    Q_OBJECT
private slots:
    // The tables against the closed-form shapes: a 20 F Hz input over 50 ms,
    // or 100 Hz over 100 ms, one entry every 0.1 ms.
    void tabulky()
    {
        for (int s : {Sinus, Kosinus, Pila, Trojuhelnik})
            for (auto [druh, poloha, hz] : {std::tuple{Druh::Vstup, 2185, 437.0}, {Druh::Vzorkovani, 37, 100.0}}) {
                const std::vector<float> x = tabulka(druh, poloha, s);
                QCOMPARE(int(x.size()), druh == Druh::Vstup ? 501 : 1001);
                for (int k = 0; k < int(x.size()); ++k) {
                    const double u = hz * k / 10000; // k / 10 ms
                    if (!(s == Pila && std::abs(u - std::round(u)) < 1e-9)) // the saw's jumps: either end is right
                        QVERIFY2(std::abs(x[std::size_t(k)] - tvar(s, u)) < 2e-6, qPrintable(QString("%1 %2").arg(s).arg(k)));
                }
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
    // The 100 Hz input sampled at 10 P Hz: sample n at 100 n / P ms, from the
    // nearest table entry (ties to even); at 200 Hz only its zeros; at 110 Hz
    // the 10 Hz alias, inverted, within the 0.05 ms of the entry's rounding.
    void alias()
    {
        const int P = 16;
        const std::vector<float> x = tabulka(Druh::Vzorkovani, P, Sinus);
        const std::vector<Vzorek> v = vzorky(Druh::Vzorkovani, P, x);
        QCOMPARE(int(v.size()), P + 1);
        const int indexy[] = {0, 62, 125, 188, 250, 312, 375, 438, 500}; // ties to even
        for (std::size_t n = 0; n < std::size(indexy); ++n) {
            QVERIFY(v[n].index == indexy[n] && v[n].v == x[std::size_t(indexy[n])]);
            QVERIFY(std::abs(v[n].t - 100.0 * double(n) / P) < 1e-12);
        }
        for (auto [poloha, f] : {std::pair{100, 20.0}, {4900, -20.0}, {5000, 0.0}}) {
            const std::vector<Vzorek> v1k = vzorky(Druh::Vstup, poloha, tabulka(Druh::Vstup, poloha, Sinus));
            QCOMPARE(v1k.size(), std::size_t(51));
            for (int n = 0; n <= 50; ++n)
                QVERIFY2(std::abs(v1k[std::size_t(n)].v - std::sin(2 * Pi * f * n / 1000)) < 1e-5, qPrintable(QString::number(n)));
        }
        for (const Vzorek& s : vzorky(Druh::Vzorkovani, 20, tabulka(Druh::Vzorkovani, 20, Sinus)))
            QVERIFY(std::abs(s.v) < 1e-5);
        const std::vector<Vzorek> v110 = vzorky(Druh::Vzorkovani, 11, tabulka(Druh::Vzorkovani, 11, Sinus));
        for (int n = 0; n <= 11; ++n)
            QVERIFY2(std::abs(v110[std::size_t(n)].v + std::sin(2 * Pi * 10 * n / 110)) < 0.032, qPrintable(QString::number(n)));
    }

    // The hold chosen: only the staircase, only the straight lines, or both
    // with the staircase red.
    void tvarovace()
    {
        TaliasingVS okno;
        auto* tvar = okno.findChild<QComboBox*>("tvar");
        const TGraf* srek = okno.findChild<TGraf*>("srek");
        okno.findChild<QScrollBar*>("frek")->setValue(4900);
        const auto styly = [&] {
            QSet<int> s;
            for (int i = 1; i < srek->PocetBodu(); ++i)
                s.insert(srek->CtiBod(i).Styl);
            return s;
        };
        QCOMPARE(styly(), (QSet<int>{0, 2}));
        QCOMPARE(srek->PocetBodu(), 2 + 2 * 51);
        tvar->setCurrentIndex(Prvni);
        QCOMPARE(styly(), (QSet<int>{2}));
        QCOMPARE(srek->PocetBodu(), 1 + 51);
        // 980 Hz seen as 20 Hz inverted: at 12 ms the rebuilt wave is at -sin(0.48 pi)
        QVERIFY(std::abs(srek->CtiBod(1 + 12).y + std::sin(2 * 3.14159265358979 * 20 * 12 / 1000)) < 1e-5);
        tvar->setCurrentIndex(Oba);
        QCOMPARE(styly(), (QSet<int>{0, 1, 2}));
        QCOMPARE(srek->PocetBodu(), 1 + 51 + 1 + 2 * 51);
    }
};

VORTA_TEST(TestVzorkovani)
#include "test_vzorkovani.moc"
