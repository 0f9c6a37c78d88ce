#include "VortaTest.h"

#include "continuous/Tsoucet.h"
#include "continuous/soucet.h"
#include "core/cisla.h"
#include "graf/TGraf.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <cmath>
#include <memory>
#include <numbers>

using namespace soucet;

namespace {

Signal rada(float posun, float krok, int styl = 2)
{
    Signal s;
    for (int k = 0; k < PocetZaznamu; ++k)
        s[k] = Zaznam{k * 0.01f, posun + k * krok, styl};
    return s;
}

// A graph filled with y = f(k) for its 801 points, x from -2 to 2.
template <class F> void napln(TGraf* g, F f)
{
    g->Smaz();
    for (int k = 0; k < PocetZaznamu; ++k)
        g->PridejBod(2, (k - 400) / 200.0, f(k));
}

} // namespace

// ---- the numbers ------------------------------------------------------------

class TestSoucetVypocet : public QObject {
    Q_OBJECT
private slots:
    void generator_data()
    {
        QTest::addColumn<int>("tvar");
        QTest::addColumn<QStringList>("texty"); // A, B, C, D
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("y");
        const QStringList zaklad{"1", "1", "0", "0"};
        const double s = std::sqrt(0.5);
        QTest::newRow("sin 1/8") << int(Tvar::Sinus) << zaklad << 0.125 << s;
        QTest::newRow("sin A2 B2 D0.5") << int(Tvar::Sinus) << QStringList{"2", "2", "0", "0.5"} << 0.125 << 2.5;
        QTest::newRow("sin C 0.25") << int(Tvar::Sinus) << QStringList{"1", "1", "0.25", "0"} << 0.0 << 1.0;
        QTest::newRow("cos -1") << int(Tvar::Kosinus) << zaklad << -1.0 << 1.0;
        QTest::newRow("cos B 0") << int(Tvar::Kosinus) << QStringList{"1.5", "0", "0", "0"} << 1.7 << 1.5;
        QTest::newRow("skok pred") << int(Tvar::Skok) << zaklad << -0.005 << 0.0;
        QTest::newRow("skok v nule") << int(Tvar::Skok) << zaklad << 0.0 << 0.5;
        QTest::newRow("skok za") << int(Tvar::Skok) << zaklad << 0.005 << 1.0;
        QTest::newRow("skok posunuty") << int(Tvar::Skok) << QStringList{"2", "1", "-1", "-1"} << 0.5 << -1.0;
        QTest::newRow("rampa bez D") << int(Tvar::Rampa) << QStringList{"1", "1", "0", "0.5"} << -1.5 << -1.5;
        QTest::newRow("rampa A B C") << int(Tvar::Rampa) << QStringList{"2", "-1", "0.5", "7"} << 1.0 << -1.0;
        QTest::newRow("obdelnik nahore") << int(Tvar::Obdelnik) << QStringList{"1", "1", "0", "0.5"} << 0.25 << 1.5;
        QTest::newRow("obdelnik dole") << int(Tvar::Obdelnik) << QStringList{"1", "1", "0", "0.5"} << -0.25 << 0.5;
        QTest::newRow("obdelnik B2") << int(Tvar::Obdelnik) << QStringList{"1", "2", "0", "0"} << 0.375 << 0.0;
        QTest::newRow("pila 1/4") << int(Tvar::Pila) << zaklad << 0.25 << 0.25;
        QTest::newRow("pila -1/4") << int(Tvar::Pila) << zaklad << -0.25 << 0.75;
        QTest::newRow("pila B2 D1") << int(Tvar::Pila) << QStringList{"1", "2", "0", "1"} << 0.3 << 1.6;
        QTest::newRow("trojuhelnik stoupa") << int(Tvar::Trojuhelnik) << zaklad << 0.1 << 0.2;
        QTest::newRow("trojuhelnik klesa") << int(Tvar::Trojuhelnik) << zaklad << 0.9 << 0.2;
        QTest::newRow("trojuhelnik vrchol") << int(Tvar::Trojuhelnik) << QStringList{"2", "1", "0", "-1"} << -0.75
                                            << 0.0;
        QTest::newRow("nelze prevest") << int(Tvar::Sinus) << QStringList{"2", "x", "0.3", "5"} << 0.125 << s;
    }
    void generator()
    {
        QFETCH(int, tvar);
        QFETCH(QStringList, texty);
        QFETCH(double, t);
        QFETCH(double, y);
        const Generator g = ctiGenerator(texty[0], texty[1], texty[2], texty[3], u'.');
        const Signal s = generuj(Tvar(tvar), g);
        const int k = int(std::lround(t * 200)) + 400;
        QCOMPARE(s[k].x, float(t));
        QCOMPARE(s[k].Styl, 2);
        QVERIFY2(std::abs(s[k].y - y) < 1e-5, qPrintable(QString::number(s[k].y)));
    }

    void generatorVychozi()
    {
        const Generator g = ctiGenerator(u"", u"3", u"4", u"5", u',');
        QCOMPARE(double(g.A), 1.0);
        QVERIFY(g.B == 1 && g.Cc == 10000 && g.D == 0);
        const Generator nula = ctiGenerator(u"1", u"0", u"-2,5", u"0", u',');
        QVERIFY(nula.B == 1e-24L);
        QVERIFY(nula.Cc == 9997.5L);
    }

    void vysledek_data()
    {
        QTest::addColumn<QString>("znak");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("y");
        QTest::newRow("+") << "+" << 1.5 << -0.25 << 1.25;
        QTest::newRow("-") << "-" << 1.5 << -0.25 << 1.75;
        QTest::newRow("*") << "*" << 1.5 << -0.25 << -0.375;
        QTest::newRow("jine scita") << "?" << 1.5 << -0.25 << 1.25;
        QTest::newRow("preteceni") << "*" << 3e38 << 3e38 << double(INFINITY);
    }
    void vysledek()
    {
        QFETCH(QString, znak);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, y);
        Signal sa = rada(0, 0, 7), sb = rada(0, 0, 3);
        sa[10].y = float(a);
        sb[10].y = float(b);
        const Signal v = soucet::vysledek(sa, sb, znak.front());
        QCOMPARE(double(v[10].y), y);
        QCOMPARE(v[10].x, sb[10].x);
        QCOMPARE(v[10].Styl, 3); // x and style of B
    }
};

VORTA_TEST(TestSoucetVypocet)

// ---- the window -------------------------------------------------------------

class TestSoucet : public QObject {
    Q_OBJECT

    std::unique_ptr<Tsoucet> okno;
    TGraf *gen1 = nullptr, *s1 = nullptr, *s2 = nullptr, *v1 = nullptr;
    QToolButton* zn1 = nullptr;
    QList<QPoint> menuNa;

    TGraf* graf(const QString& jmeno) { return okno->findChild<TGraf*>(jmeno); }

    // A drop as the graph reports it, then the chosen item of the menu.
    void pretahni(TGraf* zdroj, TGraf* cil, const char* polozka)
    {
        emit cil->grafPretazen(zdroj, QPoint(300, 200));
        QAction* a = okno->findChild<QMenu*>("znamenko")->findChild<QAction*>(polozka);
        QVERIFY(a);
        a->trigger();
    }

private slots:
    void init()
    {
        okno = std::make_unique<Tsoucet>();
        menuNa.clear();
        okno->ukazMenu = [this](QPoint p) { menuNa.append(p); };
        gen1 = graf("gen1");
        s1 = graf("s1");
        s2 = graf("s2");
        v1 = graf("v1");
        zn1 = okno->findChild<QToolButton*>("zn1");
        QVERIFY(gen1 && s1 && s2 && v1 && zn1);
    }
    void cleanup() { okno.reset(); }

    void poSpusteni()
    {
        QCOMPARE(okno->objectName(), QStringLiteral("soucet"));
        QCOMPARE(okno->size(), QSize(771, 616));
        QList<TGraf*> nulove{s1, s2, v1};
        for (int k = 0; k < 12; ++k) {
            TGraf* z = graf(QStringLiteral("zasobnik%1").arg(k));
            QVERIFY(z);
            QCOMPARE(z->geometry(), QRect((k % 3) * 129 + 8, (k / 3) * 83 + 18, 125, 78));
            QCOMPARE(z->parentWidget()->objectName(), QStringLiteral("Okno"));
            nulove.append(z);
        }
        for (TGraf* g : nulove) {
            QCOMPARE(g->PocetBodu(), 801);
            QCOMPARE(g->CtiBod(0).x, -2.0f);
            QCOMPARE(g->CtiBod(800).x, 2.0f);
            for (int k = 0; k < 801; k += 40)
                QCOMPARE(g->CtiBod(k).y, 0.0f);
        }
        // the generator waits for the start timer
        QCOMPARE(gen1->PocetBodu(), 0);
        QTRY_COMPARE(gen1->PocetBodu(), 801);
        QVERIFY(std::abs(gen1->CtiBod(450).y - 1.0f) < 1e-5); // sin at t = 1/4
        QVERIFY(!okno->findChild<QTimer*>("start")->isActive());
    }

    void generatorOvladanim()
    {
        okno->findChild<QComboBox*>("signal")->setCurrentIndex(3); // Rampa
        okno->findChild<QLineEdit*>("d1")->setText(vorta::fixniFormat(0.5L, 1));
        QCOMPARE(gen1->CtiBod(100).y, -1.5f); // y = t whatever D is
        okno->findChild<QComboBox*>("signal")->setCurrentIndex(2); // Skok
        QCOMPARE(gen1->CtiBod(399).y, 0.5f);
        QCOMPARE(gen1->CtiBod(400).y, 1.0f);
        QCOMPARE(gen1->CtiBod(401).y, 1.5f);
        okno->findChild<QLineEdit*>("A1")->setText("-");
        QCOMPARE(gen1->CtiBod(401).y, 1.0f); // all four fall back
    }

    void prepsatGeneratoremDoA()
    {
        napln(gen1, [](int k) { return std::sin(k / 50.0); });
        napln(s2, [](int k) { return k / 800.0; });
        pretahni(gen1, s1, "Pepsat1");
        QCOMPARE(menuNa, QList<QPoint>{QPoint(300, 200)});
        QCOMPARE(okno->zdroj(), gen1);
        QCOMPARE(okno->cil(), s1);
        for (int k = 0; k < 801; k += 20) {
            QCOMPARE(s1->CtiBod(k).y, gen1->CtiBod(k).y);
            QCOMPARE(v1->CtiBod(k).y, float(double(gen1->CtiBod(k).y) + s2->CtiBod(k).y));
        }
        QCOMPARE(s1->CtiBod(0).Styl, 0);
        QCOMPARE(s1->CtiBod(1).Styl, 2);
    }

    void cyklusOperatoru()
    {
        napln(s1, [](int) { return 3.0; });
        napln(s2, [](int) { return 0.5; });
        okno->zmena(s2);
        QCOMPARE(v1->CtiBod(5).y, 3.5f);
        const QList<QPair<QString, float>> kroky{{"-", 2.5f}, {"*", 1.5f}, {"+", 3.5f}};
        for (const auto& [znak, y] : kroky) {
            QTest::mouseClick(zn1, Qt::LeftButton);
            QCOMPARE(zn1->text(), znak);
            QCOMPARE(v1->CtiBod(5).y, y);
        }
    }

    void odecistAVymenit()
    {
        napln(s1, [](int k) { return k / 100.0; });
        napln(s2, [](int) { return 1.0; });
        pretahni(s1, s2, "N2"); // B := B - A
        QCOMPARE(s2->CtiBod(300).y, 1.0f - 3.0f);
        QCOMPARE(s1->CtiBod(300).y, 3.0f);
        QCOMPARE(v1->CtiBod(300).y, 3.0f + -2.0f);
        pretahni(s1, s2, "Vymnitza1");
        QCOMPARE(s1->CtiBod(300).y, -2.0f);
        QCOMPARE(s2->CtiBod(300).y, 3.0f);
        QCOMPARE(v1->CtiBod(300).y, 1.0f);
        pretahni(s2, s1, "N3");
        QCOMPARE(s1->CtiBod(300).y, -6.0f);
    }

    void zasobnikNechaVysledek()
    {
        TGraf* z = graf("zasobnik7");
        napln(s1, [](int) { return 1.0; });
        napln(gen1, [](int) { return 0.25; });
        // a marker in the result shows whether it was recomputed
        v1->Smaz();
        v1->PridejBod(2, 0, 42);
        for (const char* polozka : {"Pepsat1", "N1", "N2", "N3"})
            pretahni(gen1, z, polozka);
        QCOMPARE(z->CtiBod(10).y, 0.0625f); // ((0 := 0.25) + 0.25 - 0.25) * 0.25
        QCOMPARE(v1->PocetBodu(), 1);
        QCOMPARE(v1->CtiBod(0).y, 42.0f);
        // a swap of A with a stack graph does recompute it
        pretahni(z, s1, "Vymnitza1");
        QCOMPARE(z->CtiBod(10).y, 1.0f);
        QCOMPARE(v1->PocetBodu(), 801);
        QCOMPARE(v1->CtiBod(10).y, s1->CtiBod(10).y + s2->CtiBod(10).y);
    }

    // Operations read and write 801 records whatever the graphs hold.
    void zaznamyZaPoctem()
    {
        napln(s2, [](int k) { return k; }); // fills the slots' x and y
        s2->Smaz();
        for (int k = 0; k < 10; ++k)
            s2->PridejBod(3, k, -1);
        pretahni(s2, s1, "Pepsat1");
        QCOMPARE(s1->PocetBodu(), 801);
        QCOMPARE(s1->CtiBod(5).y, -1.0f);
        QCOMPARE(s1->CtiBod(5).Styl, 3);
        // beyond the count: the values left by the earlier fill, style 0
        QCOMPARE(s1->CtiBod(600).y, 600.0f);
        QCOMPARE(s1->CtiBod(600).x, 1.0f);
        QCOMPARE(s1->CtiBod(600).Styl, 0);

        // a longer graph gives only its first 801 records
        TGraf* z = graf("zasobnik0");
        z->Smaz();
        for (int k = 0; k < 1500; ++k)
            z->PridejBod(2, k, k);
        pretahni(z, s2, "Pepsat1");
        QCOMPARE(s2->PocetBodu(), 801);
        QCOMPARE(s2->CtiBod(800).y, 800.0f);
        QCOMPARE(s2->CtiBod(801).Styl, 0);
    }

    void vymenaSeSebou()
    {
        napln(s1, [](int k) { return k / 400.0; });
        pretahni(s1, s1, "Vymnitza1");
        QCOMPARE(s1->PocetBodu(), 801);
        QCOMPARE(s1->CtiBod(400).y, 1.0f);
        QCOMPARE(s1->CtiBod(400).x, 0.0f);
        pretahni(s1, s1, "N2");
        QCOMPARE(s1->CtiBod(400).y, 0.0f);
    }

    void zrusitNicNemeni()
    {
        napln(s1, [](int) { return 2.0; });
        pretahni(gen1, s1, "Zruit1");
        QCOMPARE(s1->CtiBod(3).y, 2.0f);
        QCOMPARE(okno->cil(), s1);
        const QStringList texty{"Přepsat", "Vyměnit", "Přičíst (+)", "Odečíst (-)", "Násobit (*)", "", "Zrušit akci"};
        QStringList skutecne;
        for (QAction* a : okno->findChild<QMenu*>("znamenko")->actions())
            skutecne << a->text();
        QCOMPARE(skutecne, texty);
    }
};

VORTA_TEST(TestSoucet)
#include "test_soucet.moc"
