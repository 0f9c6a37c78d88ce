#include "VortaTest.h"

#include "analysis/Tfrada.h"
#include "continuous/Tsoucet.h"
#include "entry/Tkreslic.h"
#include "graf/TGraf.h"
#include "graf/tazeni.h"
#include "shell/okna.h"
#include "shell/zadatel.h"

#include <QApplication>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

QMimeData* dataGrafu(const TGraf* g)
{
    auto* d = new QMimeData;
    d->setData(vorta::graf::mimeTazeni, vorta::graf::zakodujTazeni(QCoreApplication::applicationPid(),
                                                                   g->cisloGrafu(), g->PocetBodu(),
                                                                   g->sloty().data()));
    return d;
}

// Drops a graph on origin the way the platform delivers it.
void upust(TGraf* origin, const TGraf* zdroj)
{
    std::unique_ptr<QMimeData> d(dataGrafu(zdroj));
    const QPoint p = origin->rect().center();
    QDragEnterEvent vstup(p, Qt::CopyAction, d.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(origin, &vstup);
    QDropEvent pusteni(p, Qt::CopyAction, d.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(origin, &pusteni);
}

// y of stem m (m = -40 ... 40) of a spectrum graph: three points a stem.
double stonek(const TGraf* g, int m) { return g->CtiBod(3 * (m + 40) + 1).y; }
} // namespace

class TestRamec : public QObject {
    Q_OBJECT
private slots:
    // "Nakreslit signál", the "Sin" preset, OK: the spectrum holds c1 = -j/2, c-1 = +j/2 and nothing else.
    void sinZEditoru()
    {
        Tfrada frada;
        Tkreslic kreslic;
        okna::registruj(QStringLiteral("Tkreslic"), &kreslic);
        bool bezel = false;
        QTimer::singleShot(0, &kreslic, [&] {
            bezel = kreslic.isVisible() && kreslic.isModal();
            QTest::mouseClick(kreslic.findChild<QPushButton*>("Button4"), Qt::LeftButton);
            QTest::mouseClick(kreslic.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        });
        QTest::mouseClick(frada.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QVERIFY(bezel);
        QVERIFY(!kreslic.isVisible());
        QCOMPARE(zadatel::kod(), 1);
        const auto *an = frada.findChild<TGraf*>("an"), *bn = frada.findChild<TGraf*>("bn");
        // the preset is rounded to whole rows: 1/400 of amplitude at most
        QVERIFY(std::abs(stonek(an, 1) - 0.5) < 2e-3 && std::abs(stonek(an, -1) - 0.5) < 2e-3);
        QVERIFY(std::abs(stonek(bn, 1) + 90) < 0.5 && std::abs(stonek(bn, -1) - 90) < 0.5);
        for (int m = -40; m <= 40; ++m)
            if (std::abs(m) != 1)
                QVERIFY2(stonek(an, m) < 2e-3, qPrintable(QString::number(m)));
    }

    // A graph of the two-signal window (801 points over -2 ... 2) dropped on origin: the periodic
    // window takes 0 ... 1 as 200 samples and redraws three periods.
    void upusteni()
    {
        Tsoucet soucet;
        auto* gen1 = soucet.findChild<TGraf*>("gen1");
        gen1->Smaz();
        for (int i = -400; i <= 400; ++i)
            gen1->PridejBod(2, i / 200.0, std::sin(2 * pi * i / 200.0) + 0.25);

        Tfrada frada;
        upust(frada.findChild<TGraf*>("origin"), gen1);
        const auto *origin = frada.findChild<TGraf*>("origin"), *an = frada.findChild<TGraf*>("an");
        QCOMPARE(origin->PocetBodu(), 600);
        QCOMPARE(origin->CtiBod(0).x, -1.0f);
        QVERIFY(std::abs(stonek(an, 1) - 0.5) < 1e-6 && std::abs(stonek(an, 0) - 0.25) < 1e-6);
        // an empty or NaN drop leaves every graph drawn (finite: TestTransformace::spatnyVstupOknem)
        TGraf prazdny, nan;
        for (int i = 0; i < 10; ++i)
            nan.PridejBod(2, i / 4.0, i == 2 ? std::nan("") : 1.0);
        for (const TGraf* g : {&prazdny, &nan, &prazdny}) {
            upust(frada.findChild<TGraf*>("origin"), g);
            for (const char* jmeno : {"origin", "obraz", "an", "bn"})
                QVERIFY2(frada.findChild<TGraf*>(jmeno)->PocetBodu() > 0, jmeno);
        }
    }

    // A drag that enters over a control that neither closes nor accepts and goes on over one that
    // closes: the second one closes the two-signal window (the form keeps hearing the moves).
    void tazeniPres()
    {
        Tsoucet soucet;
        okna::registruj(QStringLiteral("Tsoucet"), &soucet);
        Tfrada frada;
        frada.show();
        soucet.show();
        std::unique_ptr<QMimeData> d(dataGrafu(soucet.findChild<TGraf*>("gen1")));
        const auto stred = [&](const char* jmeno) {
            auto* w = frada.findChild<QWidget*>(jmeno);
            return w->mapTo(&frada, w->rect().center());
        };
        QDragEnterEvent vstup(stred("harmonickych"), Qt::CopyAction, d.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frada, &vstup);
        QVERIFY(soucet.isVisible());
        QDragMoveEvent pohyb(stred("an"), Qt::CopyAction, d.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frada, &pohyb);
        QVERIFY(!soucet.isVisible());
        QVERIFY(!pohyb.isAccepted());
        QDragLeaveEvent odchod;
        QApplication::sendEvent(&frada, &odchod);
    }
};

VORTA_TEST(TestRamec)
#include "test_ramec.moc"
