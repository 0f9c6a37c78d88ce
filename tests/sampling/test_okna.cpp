#include "VortaTest.h"

#include "core/cisla.h"
#include "graf/TGraf.h"
#include "sampling/TCasovacSnimku.h"
#include "sampling/TPlocha.h"
#include "sampling/Taliasing.h"
#include "sampling/TaliasingVS.h"
#include "sampling/TaliasingVZ.h"
#include "sampling/kolo.h"
#include "shell/TNapoveda.h"
#include "shell/napoveda.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <memory>

using namespace vzorkovani;

namespace {

QString mistni(QString s) { return s.replace(QLatin1Char(','), vorta::desetinnyOddelovac()); }

template <class T> T* prvek(const QWidget& okno, const char* jmeno)
{
    T* w = okno.findChild<T*>(QString::fromLatin1(jmeno));
    if (!w)
        qFatal("no control %s", jmeno);
    return w;
}

QString text(const QWidget& okno, const char* jmeno) { return prvek<QLabel>(okno, jmeno)->text(); }

// A graph holds exactly the point list of the computation.
bool drzi(const TGraf* g, const std::vector<Bod>& body)
{
    if (g->PocetBodu() != int(body.size()))
        return false;
    for (int i = 0; i < g->PocetBodu(); ++i) {
        const TBod b = g->CtiBod(i);
        if (b.x != float(body[std::size_t(i)].x) || b.y != float(body[std::size_t(i)].y)
            || (i > 0 && b.Styl != body[std::size_t(i)].styl))
            return false;
    }
    return true;
}

void otevrenoTema(QWidget& okno, const QString& soubor)
{
    auto* f1 = okno.findChild<QAction*>(QStringLiteral("Help1"));
    QVERIFY(f1 && f1->shortcut() == QKeySequence(Qt::Key_F1));
    f1->trigger();
    QVERIFY(napoveda::prohlizec());
    QCOMPARE(napoveda::prohlizec()->zobrazeno(), QStringLiteral(":/help/") + soubor);
    napoveda::prohlizec()->close();
}

} // namespace

class TestOknaVzorkovani : public QObject {
    Q_OBJECT
private slots:
    void vychoziStavVS()
    {
        TaliasingVS okno;
        QCOMPARE(okno.objectName(), QStringLiteral("aliasingVS"));
        QCOMPARE(okno.windowTitle(), QStringLiteral("Aliasing efekt - změna frekvence vstupního signálu"));
        QCOMPARE(okno.size(), QSize(721, 641));
        auto* frek = prvek<QScrollBar>(okno, "frek");
        QVERIFY(frek->minimum() == 1 && frek->maximum() == 5000 && frek->value() == 100 && frek->pageStep() == 0);
        auto* tvar = prvek<QComboBox>(okno, "tvar");
        QCOMPARE(tvar->itemText(1), QStringLiteral("Tvarovač 1. řádu  (teoretický)"));
        QCOMPARE(prvek<QComboBox>(okno, "sss")->itemText(2), QStringLiteral("Obdelník"));
        QCOMPARE(text(okno, "fr"), mistni("= 20,00Hz"));
        QCOMPARE(text(okno, "tv"), mistni("= 50,00ms"));
        QVERIFY(!okno.findChild<QLabel*>("ff") && !okno.findChild<QLabel*>("tt"));
        const char* jmena[] = {"spuv", "svzk", "srek"};
        const Grafy g = grafy(Druh::Vstup, 100, Sinus, Nulty);
        const std::vector<Bod>* body[] = {&g.spuv, &g.svzk, &g.srek};
        for (int i = 0; i < 3; ++i) {
            auto* graf = prvek<TGraf>(okno, jmena[i]);
            QVERIFY(graf->xMin() == 0 && graf->xMax() == 50 && graf->yMin() == -1.25 && graf->yMax() == 1.25);
            QVERIFY(graf->xCislic() == 25 && graf->yCislic() == 10 && graf->SirkaCary() == 2);
            QCOMPARE(graf->xNadpis(), QStringLiteral("Čas [ms]"));
            QVERIFY(!graf->MenuUlozit() && !graf->MenuOtevrit());
            QVERIFY(drzi(graf, *body[i]));
        }
        QCOMPARE(prvek<TGraf>(okno, "srek")->Nadpis(), QStringLiteral("Rekonstruovaný signál"));

        // 1000 Hz: the samples and the staircase are flat
        frek->setValue(5000);
        QCOMPARE(text(okno, "fr"), mistni("= 1000,00Hz"));
        QCOMPARE(text(okno, "tv"), mistni("= 1,00ms"));
        const TGraf* srek = prvek<TGraf>(okno, "srek");
        QCOMPARE(srek->PocetBodu(), 2 + 2 * 51);
        for (int i = 0; i < srek->PocetBodu(); ++i)
            QVERIFY(std::abs(srek->CtiBod(i).y) < 1e-5f);
        otevrenoTema(okno, QStringLiteral("ofsig.html"));
    }

    void vychoziStavVZ()
    {
        TaliasingVZ okno;
        QCOMPARE(okno.objectName(), QStringLiteral("aliasingVZ"));
        QCOMPARE(okno.windowTitle(), QStringLiteral("Aliasing efekt - změna vzorkovací frekvence"));
        auto* frek = prvek<QScrollBar>(okno, "frek");
        QVERIFY(frek->minimum() == 1 && frek->maximum() == 100 && frek->value() == 100);
        QCOMPARE(prvek<QComboBox>(okno, "tvar")->itemText(1), QStringLiteral("Tvarovač 1. řádu (teoretický)"));
        QCOMPARE(text(okno, "fr"), QStringLiteral("= 100Hz"));
        QCOMPARE(text(okno, "ff"), mistni("= 1,00kHz"));
        QCOMPARE(text(okno, "tt"), mistni("= 1,00ms"));
        const auto* svzk = prvek<TGraf>(okno, "svzk");
        QVERIFY(svzk->xMax() == 100 && svzk->xCislic() == 20);
        QCOMPARE(svzk->PocetBodu(), 3 * 101);

        // two samples, at 0 and 100 ms, the second from table entry 1000
        frek->setValue(1);
        QCOMPARE(text(okno, "ff"), mistni("= 0,01kHz"));
        QCOMPARE(text(okno, "tt"), mistni("= 100,00ms"));
        QCOMPARE(svzk->PocetBodu(), 6);
        QVERIFY(svzk->CtiBod(3).x == 100 && svzk->CtiBod(4).y == tabulka(Druh::Vzorkovani, 1, Sinus)[1000]);
        // the rectangle starts at +1
        prvek<QComboBox>(okno, "sss")->setCurrentIndex(Obdelnik);
        QCOMPARE(prvek<TGraf>(okno, "spuv")->CtiBod(1).y, 1.0f);
        QCOMPARE(svzk->CtiBod(1).y, 1.0f);
        otevrenoTema(okno, QStringLiteral("ofsig.html"));
    }

    // The hold chosen: only the staircase, only the straight lines, or both
    // with the staircase red.
    void tvarovace()
    {
        TaliasingVS okno;
        auto* tvar = prvek<QComboBox>(okno, "tvar");
        const TGraf* srek = prvek<TGraf>(okno, "srek");
        prvek<QScrollBar>(okno, "frek")->setValue(4900);
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

class TestOknoKola : public QObject {
    Q_OBJECT
private slots:
    void vychoziStav()
    {
        Taliasing okno;
        QCOMPARE(okno.objectName(), QStringLiteral("aliasing"));
        QCOMPARE(okno.windowTitle(), QStringLiteral("Aliasing efekt"));
        QCOMPARE(okno.size(), QSize(617, 337));
        auto* cas = prvek<QScrollBar>(okno, "cas");
        auto* speed = prvek<QScrollBar>(okno, "speed");
        QVERIFY(cas->minimum() == 1 && cas->maximum() == 50 && cas->value() == 25);
        QVERIFY(speed->minimum() == 0 && speed->maximum() == 720 && speed->value() == 1);
        QCOMPARE(text(okno, "sn"), QStringLiteral("25 FPS"));
        QCOMPARE(text(okno, "sn2"), QStringLiteral("0 FPS"));
        QCOMPARE(text(okno, "Rychlost"), QStringLiteral("1°"));
        QCOMPARE(text(okno, "Rychlost2"), mistni("0,02 rad"));
        auto* pricek = prvek<QComboBox>(okno, "pricek");
        QVERIFY(pricek->count() == 20 && pricek->currentText() == "1" && pricek->itemText(19) == "20");
        QVERIFY(prvek<QCheckBox>(okno, "all")->isChecked() && !prvek<QCheckBox>(okno, "cervenou")->isChecked());
        QCOMPARE(okno.casovac()->interval(), 40);
        QVERIFY(!okno.casovac()->zapnuto());
        QCOMPARE(okno.plocha()->size(), QSize(200, 200));
        otevrenoTema(okno, QStringLiteral("okolo.html"));
    }

    void ovladani()
    {
        Taliasing okno;
        auto* cas = prvek<QScrollBar>(okno, "cas");
        auto* speed = prvek<QScrollBar>(okno, "speed");
        cas->setValue(16);
        QCOMPARE(okno.casovac()->interval(), 62);
        QCOMPARE(text(okno, "sn"), QStringLiteral("16 FPS"));
        cas->setValue(7);
        QCOMPARE(okno.casovac()->interval(), 143);
        // the buttons move the angle within 0 ... 720
        const auto klik = [&](const char* b) { prvek<QPushButton>(okno, b)->click(); };
        speed->setValue(715);
        klik("Button2");
        QCOMPARE(speed->value(), 720);
        klik("Button2");
        QCOMPARE(speed->value(), 720);
        QCOMPARE(text(okno, "Rychlost"), QStringLiteral("720°"));
        QCOMPARE(text(okno, "Rychlost2"), mistni("12,57 rad"));
        klik("Button4");
        klik("Button3");
        QCOMPARE(speed->value(), 709);
        klik("Button1");
        QCOMPARE(speed->value(), 710);
        speed->setValue(0);
        klik("Button3");
        klik("Button4");
        QCOMPARE(speed->value(), 0);
        QCOMPARE(text(okno, "Rychlost2"), mistni("0,00 rad"));
    }

    // A frame draws what the wheel computation draws for the settings read
    // at that frame, then turns the wheel; a hidden window skips the drawing
    // and keeps the angle.
    void snimky()
    {
        Taliasing okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        // frames come from here only: the clock may have been switched on by
        // the window's activation
        okno.casovac()->setZapnuto(false);
        const int t0 = okno.theta();
        const QColor pozadi = okno.palette().color(QPalette::Button);
        auto* speed = prvek<QScrollBar>(okno, "speed");
        speed->setValue(88);
        prvek<QComboBox>(okno, "pricek")->setCurrentIndex(3);
        QImage ocekavano(200, 200, QImage::Format_RGB32), velky;
        ocekavano.fill(pozadi);
        okno.timerTimer();
        kolo::snimekVyhlazeny(ocekavano, velky, pozadi, {4, false, t0});
        QCOMPARE(okno.plocha()->predni(), ocekavano);
        QCOMPARE(okno.theta(), kolo::otoc(t0, 88));
        const QImage prvni = okno.plocha()->predni();
        okno.timerTimer();
        QCOMPARE(okno.theta(), kolo::otoc(t0, 176));
        // 88 per frame: the frame at 88 is the frame at 0 turned back by 2
        kolo::snimekVyhlazeny(ocekavano, velky, pozadi, {4, false, kolo::otoc(t0, -2)});
        QCOMPARE(okno.plocha()->predni(), ocekavano);
        QVERIFY(okno.plocha()->predni() != prvni);

        // direct drawing and the red spoke take effect at the next frame;
        // the direct frame holds nothing but the two colours
        prvek<QCheckBox>(okno, "all")->setChecked(false);
        prvek<QCheckBox>(okno, "cervenou")->setChecked(true);
        okno.timerTimer();
        ocekavano.fill(pozadi);
        kolo::snimekPrimo(ocekavano, pozadi, {4, true, kolo::otoc(t0, 176)});
        QCOMPARE(okno.plocha()->predni(), ocekavano);
        QCOMPARE(okno.theta(), kolo::otoc(t0, 264));
        QSet<QRgb> barvy;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x)
                barvy.insert(ocekavano.pixel(x, y));
        QCOMPARE(barvy, (QSet<QRgb>{pozadi.rgb(), qRgb(0, 0, 0), qRgb(255, 0, 0)}));

        okno.hide();
        okno.timerTimer();
        QCOMPARE(okno.theta(), kolo::otoc(t0, 264));
    }

    // On at activation, off at close; the angle and the settings survive.
    void zapnutiAZavreni()
    {
        Taliasing okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        okno.FormActivate();
        QVERIFY(okno.casovac()->zapnuto());
        prvek<QScrollBar>(okno, "cas")->setValue(50);
        QCOMPARE(okno.casovac()->interval(), 20);
        QSignalSpy snimky(okno.casovac(), &TCasovacSnimku::snimek);
        QTRY_VERIFY_WITH_TIMEOUT(snimky.count() >= 3, 2000);
        QVERIFY(okno.theta() > 0);
        // the measured rate reaches the label once a second has been measured
        QTRY_VERIFY_WITH_TIMEOUT(okno.casovac()->fps() > 0, 3000);
        QTRY_COMPARE_WITH_TIMEOUT(text(okno, "sn2"), QStringLiteral("%1 FPS").arg(okno.casovac()->fps()), 1000);
        okno.close();
        QVERIFY(!okno.casovac()->zapnuto());
        const int theta = okno.theta();
        snimky.clear();
        QTest::qWait(100);
        QCOMPARE(snimky.count(), 0);
        okno.show();
        QCOMPARE(okno.theta(), theta);
        QCOMPARE(okno.casovac()->interval(), 20);
    }

    // The real clock at 50 frames a second never measures more than it was
    // asked for and does measure: the rate is read once a second.
    void hodiny()
    {
        TCasovacSnimku c;
        c.setInterval(20);
        c.setZapnuto(true);
        QTRY_VERIFY_WITH_TIMEOUT(c.fps() > 0, 3000);
        QVERIFY2(c.fps() <= 50, qPrintable(QString::number(c.fps())));
        c.setZapnuto(false);
        QVERIFY(!c.zapnuto());
    }
};

VORTA_TEST(TestOknaVzorkovani)
VORTA_TEST(TestOknoKola)
#include "test_okna.moc"
