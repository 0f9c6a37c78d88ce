#include "VortaTest.h"

#include "continuous/Tsoucet.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <cmath>

using namespace soucet;

namespace {

// A graph filled with y = f(k) for k = 0 ... pocet - 1, x from -2 by 1/200.
template <class F> void napln(TGraf* g, F f, int pocet = PocetZaznamu, int styl = 2)
{
    g->Smaz();
    for (int k = 0; k < pocet; ++k)
        g->PridejBod(styl, (k - 400) / 200.0, f(k));
}

} // namespace

class TestSoucet : public QObject {
    Q_OBJECT
    std::unique_ptr<Tsoucet> okno;
    TGraf *gen1 = nullptr, *s1 = nullptr, *s2 = nullptr, *v1 = nullptr;
    QList<QPoint> menuNa;

    TGraf* graf(const QString& jmeno) { return okno->findChild<TGraf*>(jmeno); }

    // A drop as the graph reports it, then the chosen item of the menu.
    void pretahni(TGraf* zdroj, TGraf* cil, const QString& polozka)
    {
        emit cil->grafPretazen(zdroj, QPoint(300, 200));
        QAction* a = okno->findChild<QMenu*>("znamenko")->findChild<QAction*>(polozka);
        QVERIFY(okno->zdroj() == zdroj && okno->cil() == cil && a);
        a->trigger();
    }

private slots:
    void init()
    {
        okno = std::make_unique<Tsoucet>();
        menuNa.clear();
        okno->ukazMenu = [this](QPoint p) { menuNa.append(p); };
        for (auto [g, jmeno] : {std::pair(&gen1, "gen1"), {&s1, "s1"}, {&s2, "s2"}, {&v1, "v1"}})
            QVERIFY(*g = graf(jmeno));
    }

    // One value of each shape from the texts of A, B, C and D ("x": not a number, all four default).
    void generator()
    {
        const struct {
            Tvar tvar;
            const char* texty; // A|B|C|D
            double t, y;
        } pripady[] = {
            {Tvar::Sinus, "2|2|0|0.5", 0.125, 2.5},        {Tvar::Skok, "1|1|0|0", 0.0, 0.5},
            {Tvar::Skok, "2|1|-1|-1", 0.5, -1.0},          {Tvar::Rampa, "2|-1|0.5|7", 1.0, -1.0},
            {Tvar::Obdelnik, "1|1|0|0.5", 0.25, 1.5},      {Tvar::Pila, "1|2|0|1", 0.3, 1.6},
            {Tvar::Trojuhelnik, "2|1|0|-1", -0.75, 0.0},   {Tvar::Sinus, "2|x|0.3|5", 0.125, std::sqrt(0.5)},
        };
        for (const auto& c : pripady) {
            const QStringList p = QString::fromLatin1(c.texty).split(u'|');
            const Zaznam z = generuj(c.tvar, ctiGenerator(p[0], p[1], p[2], p[3], u'.'))[std::lround(c.t * 200) + 400];
            QVERIFY2(z.x == float(c.t) && z.Styl == 2 && std::abs(z.y - c.y) < 1e-5, c.texty);
        }
    }

    // The result takes x and style from B; an unknown operator adds, overflow gives infinity.
    void vysledek()
    {
        Signal a{}, b{};
        a[0] = Zaznam{1, 1.5f, 7}, a[1] = Zaznam{1, 3e38f, 7};
        b[0] = Zaznam{2, -0.25f, 3}, b[1] = Zaznam{2, 3e38f, 3};
        const Signal v = soucet::vysledek(a, b, u'?'), w = soucet::vysledek(a, b, u'*');
        QVERIFY(v[0].y == 1.25f && v[0].x == 2 && v[0].Styl == 3 && w[0].y == -0.375f && w[1].y == INFINITY);
    }

    // Drops ("source>target:menu item") and clicks on the operator button from A = k/100, B = 1, the
    // generator at 0.25 and the stack's zeros, read at k = 300; the result stays 0 until A, B or the
    // operator changes.
    void operace_data()
    {
        QTest::addColumn<QString>("tahy");
        QTest::addColumn<QList<float>>("y"); // A, B, result, stack graph 7
        QTest::newRow("operator + znovu") << "zn1 zn1 zn1" << QList<float>{3, 1, 4, 0};
        QTest::newRow("odecist, vymenit, nasobit") << "s1>s2:N2 s1>s2:Vymnitza1 s2>s1:N3" << QList<float>{-6, 3, -3, 0};
        QTest::newRow("zrusit") << "gen1>s1:Zruit1" << QList<float>{3, 1, 0, 0};
        QTest::newRow("zasobnik: (0 + 0.25) * 0.25") << "gen1>zasobnik7:N1 gen1>zasobnik7:N3" << QList<float>{3, 1, 0, 0.0625f};
    }
    void operace()
    {
        QFETCH(QString, tahy);
        QFETCH(QList<float>, y);
        napln(s1, [](int k) { return k / 100.0; });
        napln(s2, [](int) { return 1.0; });
        napln(gen1, [](int) { return 0.25; });
        auto* zn1 = okno->findChild<QToolButton*>("zn1");
        for (const QString& tah : tahy.split(u' ')) {
            const QStringList c = tah.split(QRegularExpression("[>:]"));
            if (tah == u"zn1")
                QTest::mouseClick(zn1, Qt::LeftButton);
            else
                pretahni(graf(c[0]), graf(c[1]), c[2]);
        }
        QCOMPARE(zn1->text(), QString("+-*").at(tahy.count(u"zn1") % 3));
        QCOMPARE(menuNa, QList<QPoint>(tahy.count(u'>'), QPoint(300, 200)));
        const QList<TGraf*> grafy{s1, s2, v1, graf("zasobnik7")};
        for (int j = 0; j < 4; ++j)
            QVERIFY2(grafy[j]->PocetBodu() == 801 && grafy[j]->CtiBod(300).y == y[j], qPrintable(QString::number(j)));
    }

    // Operations read and write 801 records whatever the graphs hold.
    void zaznamyZaPoctem()
    {
        napln(s2, [](int k) { return k; }); // fills the slots' x and y
        napln(s2, [](int) { return -1; }, 10, 3);
        pretahni(s2, s1, "Pepsat1");
        QVERIFY(s1->PocetBodu() == 801 && s1->CtiBod(5).y == -1.0f && s1->CtiBod(5).Styl == 3);
        // beyond the count: the values left by the earlier fill, style 0
        QVERIFY(s1->CtiBod(600).y == 600.0f && s1->CtiBod(600).x == 1.0f && s1->CtiBod(600).Styl == 0);
        // a longer graph gives only its first 801 records
        napln(graf("zasobnik0"), [](int k) { return k; }, 1500);
        pretahni(graf("zasobnik0"), s2, "Pepsat1");
        QVERIFY(s2->PocetBodu() == 801 && s2->CtiBod(800).y == 800.0f && s2->CtiBod(801).Styl == 0);
    }
};

VORTA_TEST(TestSoucet)
#include "test_soucet.moc"
