// The graph control's fast paint (background kept, markers stamped) gives
// the very pixels of vykresliGraf drawing everything anew, also after a
// change; and no graph file, however crafted, makes a paint slow.
#include "VortaTest.h"

#include "graf/TGraf.h"
#include "graf/barvy.h"
#include "graf/vgf.h"
#include "graf/vykresleni.h"

#include <QPainter>
#include <algorithm>
#include <ctime>

using namespace vorta::graf;

namespace {

// What the screen gets from the control.
QImage malba(TGraf& g)
{
    QImage o(g.size(), QImage::Format_RGB32);
    QPainter p(&o);
    g.vykresli(p);
    return o;
}

// Everything drawn anew, markers by the painter.
QImage reference(const TGraf& g)
{
    QImage o;
    vykresliGraf(o, g.popis(), false);
    return o;
}

// Every colour as move, line, line and marker, some points on and beyond the
// plot's edges so that lines and markers are cut there.
void vsechnyStyly(TGraf& g, int sirka)
{
    g.resize(330, 210);
    g.nastavNadpisy(QStringLiteral("Styly"), QStringLiteral("t"), QStringLiteral("s(t)"));
    g.nastavOsy(-1, 1, -1, 1, 4, 4);
    for (int barva = 0; barva < 10; ++barva) {
        const int kod = 100 * sirka + barva;
        const double x = -1.1 + 0.23 * barva, y = barva % 2 ? 1.02 : -0.97;
        g.PridejBod(0, x, -y);
        g.PridejBod(kod, x + 0.1, y * 0.5);
        g.PridejBod(kod, x + 0.2, y);
        g.PridejBod(-kod, x + 0.2, y);
        g.PridejBod(-kod, x, 0);
    }
}

double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

class TestMalby : public QObject {
    Q_OBJECT
private slots:
    void styly_data()
    {
        QTest::addColumn<int>("sirka");     // in the codes' hundreds; 0: the graph's own
        QTest::addColumn<int>("sirkaCary"); // the graph's own
        QTest::addColumn<bool>("drzet");    // tPridrzeni
        QTest::newRow("codes 2000+, above the cap") << 20 << 1 << false;
        QTest::newRow("SirkaCary 2048") << 0 << 2048 << false;
        QTest::newRow("held, width 3") << 3 << 1 << true;
    }
    // The same pixels at the first paint and at the next, which reuses the
    // background.
    void styly()
    {
        QFETCH(int, sirka);
        QFETCH(int, sirkaCary);
        QFETCH(bool, drzet);
        TGraf g;
        g.setSirkaCary(sirkaCary);
        g.setTvarovac(drzet ? tPridrzeni : tLinearne);
        vsechnyStyly(g, sirka);
        const QImage prvni = malba(g);
        QVERIFY(!g.kreslir().pouzitoPozadi());
        QCOMPARE(prvni, reference(g));
        const QImage druha = malba(g);
        QVERIFY(g.kreslir().pouzitoPozadi());
        QCOMPARE(druha, reference(g));
        // markers stamped or drawn by the painter, the plain path agrees too
        QImage razitka;
        vykresliGraf(razitka, g.popis(), true);
        QCOMPARE(razitka, reference(g));
    }

    void zmeny_data()
    {
        using Zmena = std::function<void(TGraf&)>;
        QTest::addColumn<Zmena>("zmena");
        QTest::addColumn<bool>("pozadiZustava"); // whether the next paint may reuse the background
        QTest::newRow("a point more") << Zmena([](TGraf& g) { g.PridejBod(-3, 0.5, 0.5); }) << true;
        QTest::newRow("BarvaPozadi") << Zmena([](TGraf& g) { g.setBarvaPozadi(Qt::white); }) << false;
        QTest::newRow("Ramecek") << Zmena([](TGraf& g) { g.setRamecek(rDrazkaNahoru); }) << false;
        QTest::newRow("yMax to yMin, repaired") << Zmena([](TGraf& g) { g.setYMax(-1); }) << false;
        QTest::newRow("size") << Zmena([](TGraf& g) { g.resize(331, 210); }) << false;
    }
    // After any change the paint is the plain one; the background is reused
    // exactly when nothing it is drawn from changed.
    void zmeny()
    {
        QFETCH(std::function<void(TGraf&)>, zmena);
        QFETCH(bool, pozadiZustava);
        TGraf g;
        vsechnyStyly(g, 2);
        malba(g);
        zmena(g);
        const QImage o = malba(g);
        QCOMPARE(g.kreslir().pouzitoPozadi(), pozadiZustava);
        QCOMPARE(o, reference(g));
    }

    void nejpomalejsiSoubor_data()
    {
        QTest::addColumn<QByteArray>("soubor");
        // 3072 points (the most a file holds) over a graph of the size of the
        // widest window's: the widest markers, each a little off the last, or
        // lines cut from far outside.
        auto soubor = [](auto bod) {
            std::vector<TBod> b(PocetSlotu);
            for (int i = 0; i < PocetSlotu; ++i)
                b[i] = bod(i);
            return zakodujVgf(MaxBodu, b.data());
        };
        QTest::newRow("markers, pen 2048") << soubor([](int i) {
            return TBod{float((i * 37) % 100), float((i * 53) % 100), -204801};
        });
        QTest::newRow("lines to far outside, pen 2048") << soubor([](int i) {
            return TBod{i % 4 < 2 ? -1e30f : 1e30f, i % 2 ? -1e30f : 1e30f, 204802};
        });
    }
    // Decoded as the menu's load decodes it; the paint's processor time (not
    // wall time: other programs share the machine) against a budget of a few
    // milliseconds; builds without optimisation get ten times more.
    void nejpomalejsiSoubor()
    {
        QFETCH(QByteArray, soubor);
        const NactenyGraf n = dekodujVgf(soubor);
        QVERIFY(n.stav == StavNacteni::Ok && n.pocet == MaxBodu);
        TGraf g;
        g.resize(969, 217);
        g.nastavZaznamy(n.pocet, n.zaznamy.data(), int(n.zaznamy.size()));
        std::vector<double> casy;
        for (int i = 0; i < 7; ++i) {
            g.PridejBod(0, 0, 0); // points changed: every paint draws them anew
            const double t0 = cpuMs();
            malba(g);
            casy.push_back(cpuMs() - t0);
        }
        std::sort(casy.begin(), casy.end());
#if defined(__OPTIMIZE__) && !defined(__SANITIZE_ADDRESS__)
        const double rozpocet = 10;
#else
        const double rozpocet = 100;
#endif
        qInfo("median %.2f ms of processor time, budget %g ms", casy[3], rozpocet);
        QVERIFY(casy[3] <= rozpocet);
    }
};

VORTA_TEST(TestMalby)
#include "test_malba.moc"
