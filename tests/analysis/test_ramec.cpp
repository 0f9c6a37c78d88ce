#include "VortaTest.h"

#include "analysis/TAnalyza.h"
#include "analysis/Tfrada.h"
#include "continuous/Tsoucet.h"
#include "core/cisla.h"
#include "entry/Tkreslic.h"
#include "graf/TGraf.h"
#include "graf/tazeni.h"
#include "shell/TNapoveda.h"
#include "shell/napoveda.h"
#include "shell/okna.h"
#include "shell/zadatel.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

// A window of the frame with no computation of its own: it only records what
// zmenadat read, so that the frame can be tested for every code.
class TZkusebni : public TAnalyza {
public:
    TZkusebni(int kod, const QString& jmeno)
        : TAnalyza({kod, jmeno, QStringLiteral("Zkouška"), QStringLiteral("/oanalyza.html"), QSize(985, 681),
                    kod == 3 || kod == 5})
    {
    }
    void zmenadat() override
    {
        interval = ctiInterval();
        ++zmen;
    }
    analyza::Interval interval;
    int zmen = 0;

protected:
    void stupenChange() override {}
};

QString jmenoOkna(int kod)
{
    const char* jmena[] = {"", "frada", "transformace", "DFR", "DTFT", "DFT"};
    return QString::fromLatin1(jmena[kod]);
}

std::unique_ptr<TAnalyza> okno(int kod)
{
    if (kod == 1)
        return std::make_unique<Tfrada>();
    return std::make_unique<TZkusebni>(kod, jmenoOkna(kod));
}

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
int stylStonku(const TGraf* g, int m) { return g->CtiBod(3 * (m + 40) + 1).Styl; }

} // namespace

class TestRamec : public QObject {
    Q_OBJECT
private slots:
    // As at start-up: the analysis window, then the editor that fills it.
    void start()
    {
        Tfrada frada;
        Tkreslic kreslic;
        QCOMPARE(zadatel::kod(), 5);
        auto* origin = frada.findChild<TGraf*>("origin");
        QCOMPARE(origin->PocetBodu(), 1800);
        for (int k = 0; k < 1800; ++k) {
            QCOMPARE(origin->CtiBod(k).y, 0.0f);
            QCOMPARE(origin->CtiBod(k).x, float((k - 600) / 600.0));
        }
        QCOMPARE(frada.findChild<QLabel*>("harmonickych")->text(), QStringLiteral("n=40"));
        QCOMPARE(frada.findChild<TGraf*>("obraz")->PocetBodu(), 201);
        const auto* an = frada.findChild<TGraf*>("an");
        QCOMPARE(an->PocetBodu(), 243);
        for (int m = -40; m <= 40; ++m)
            QVERIFY(stonek(an, m) == 0 && stylStonku(an, m) == 2);
    }

    // The student's road: "Nakreslit signál", the "Sin" preset, OK; the
    // spectrum holds c1 = -j/2 and c-1 = +j/2 and nothing else.
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
        const auto* an = frada.findChild<TGraf*>("an");
        const auto* bn = frada.findChild<TGraf*>("bn");
        // the preset is rounded to whole rows: 1/400 of amplitude at most
        QVERIFY(std::abs(stonek(an, 1) - 0.5) < 2e-3 && std::abs(stonek(an, -1) - 0.5) < 2e-3);
        QVERIFY(std::abs(stonek(bn, 1) + 90) < 0.5 && std::abs(stonek(bn, -1) - 90) < 0.5);
        for (int m = -40; m <= 40; ++m)
            if (std::abs(m) != 1)
                QVERIFY2(stonek(an, m) < 2e-3, qPrintable(QString::number(m)));
        // with every harmonic the reconstruction is the sine again
        const auto* obraz = frada.findChild<TGraf*>("obraz");
        for (int k = 0; k < 201; ++k) {
            const TBod b = obraz->CtiBod(k);
            QVERIFY(std::abs(b.y - std::sin(2 * pi * b.x)) < 0.01);
        }
    }

    // The editor's rectangle (1 on the first half, 0 on the second):
    // b_n = 2/(n pi) at odd n, so |c_n| = 1/(n pi), and nothing at even n;
    // fewer harmonics turn the rest grey.
    void obdelnik()
    {
        Tfrada frada;
        Tkreslic kreslic;
        zadatel::nastav(1);
        QTest::mouseClick(kreslic.findChild<QPushButton*>("Button2"), Qt::LeftButton);
        QTest::mouseClick(kreslic.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        const auto* an = frada.findChild<TGraf*>("an");
        for (int n = 1; n <= 39; n += 2) {
            QVERIFY(std::abs(frada.koeficienty().B(n) - 2 / (n * pi)) < 2e-3);
            QVERIFY(std::abs(stonek(an, n) - 1 / (n * pi)) < 1e-3);
            QVERIFY(std::abs(stonek(an, -n) - 1 / (n * pi)) < 1e-3);
        }
        for (int n = 2; n <= 40; n += 2)
            QVERIFY(stonek(an, n) < 1e-12);
        QVERIFY(std::abs(stonek(an, 0) - 0.5) < 1e-12);

        auto* stupen = frada.findChild<QScrollBar*>("stupen");
        stupen->setValue(0);
        QCOMPARE(frada.findChild<QLabel*>("harmonickych")->text(), QStringLiteral("n=0"));
        for (int m = -40; m <= 40; ++m)
            QCOMPARE(stylStonku(an, m), m == 0 ? 2 : 6);
        const auto* obraz = frada.findChild<TGraf*>("obraz");
        for (int k = 0; k < 201; ++k)
            QCOMPARE(obraz->CtiBod(k).y, 0.5f);
        stupen->setValue(5);
        for (int m = -40; m <= 40; ++m)
            QCOMPARE(stylStonku(an, m), std::abs(m) <= 5 ? 2 : 6);
    }

    // The numbers the help topics quote for the rectangle and the triangle
    // are the ones this window shows.
    void cislaNapovedy()
    {
        Tfrada frada;
        Tkreslic kreslic;
        zadatel::nastav(1);
        QTest::mouseClick(kreslic.findChild<QPushButton*>("Button2"), Qt::LeftButton);
        QTest::mouseClick(kreslic.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        const auto* an = frada.findChild<TGraf*>("an");
        const auto* bn = frada.findChild<TGraf*>("bn");
        const auto* obraz = frada.findChild<TGraf*>("obraz");
        const auto zaokrouhleno = [](double v, int desetin) { return vorta::fixniFormat(v, desetin, u','); };
        QCOMPARE(zaokrouhleno(stonek(an, 1), 4), QStringLiteral("0,3183"));
        QCOMPARE(zaokrouhleno(stonek(an, 3), 4), QStringLiteral("0,1061"));
        QCOMPARE(zaokrouhleno(stonek(an, 39), 4), QStringLiteral("0,0082"));
        QCOMPARE(zaokrouhleno(stonek(bn, 1), 1), QStringLiteral("-89,7"));
        QCOMPARE(zaokrouhleno(stonek(bn, 5), 1), QStringLiteral("-88,6"));
        QCOMPARE(zaokrouhleno(stonek(bn, 39), 1), QStringLiteral("-79,4"));
        QCOMPARE(zaokrouhleno(stonek(bn, -1), 1), QStringLiteral("89,7"));
        QCOMPARE(zaokrouhleno(frada.koeficienty().A(1), 4), QStringLiteral("0,0033"));
        const auto extremy = [&] {
            double mx = -1e9, mn = 1e9;
            for (int k = 0; k < obraz->PocetBodu(); ++k) {
                mx = std::max(mx, double(obraz->CtiBod(k).y));
                mn = std::min(mn, double(obraz->CtiBod(k).y));
            }
            return std::pair(mx, mn);
        };
        QCOMPARE(zaokrouhleno(extremy().first, 2), QStringLiteral("1,08"));
        QCOMPARE(zaokrouhleno(extremy().second, 2), QStringLiteral("-0,08"));
        frada.findChild<QScrollBar*>("stupen")->setValue(1);
        QCOMPARE(zaokrouhleno(extremy().first, 2), QStringLiteral("1,14"));
        QCOMPARE(zaokrouhleno(obraz->CtiBod(75).y, 2), QStringLiteral("1,14")); // t = 0.25

        // the triangle stays within 0 ... 1 with every harmonic
        QTest::mouseClick(kreslic.findChild<QPushButton*>("Button7"), Qt::LeftButton);
        QTest::mouseClick(kreslic.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        frada.findChild<QScrollBar*>("stupen")->setValue(40);
        QVERIFY(extremy().first < 1 && extremy().second > 0);
        QCOMPARE(zaokrouhleno(stonek(an, 1), 4), QStringLiteral("0,2026")); // 2/pi^2
    }

    // A graph of the two-signal window (801 points over -2 ... 2) dropped on
    // origin: the periodic window takes 0 ... 1 as 200 samples and redraws
    // three periods; a pulse window cuts everything beyond |x| = 0.5 to zero
    // and keeps the rest as it came.
    void upusteni()
    {
        Tsoucet soucet;
        auto* gen1 = soucet.findChild<TGraf*>("gen1");
        gen1->Smaz();
        for (int i = -400; i <= 400; ++i)
            gen1->PridejBod(2, i / 200.0, std::sin(2 * pi * i / 200.0) + 0.25);

        Tfrada frada;
        upust(frada.findChild<TGraf*>("origin"), gen1);
        const auto* origin = frada.findChild<TGraf*>("origin");
        QCOMPARE(origin->PocetBodu(), 600);
        QCOMPARE(origin->CtiBod(0).x, -1.0f);
        QVERIFY(std::abs(stonek(frada.findChild<TGraf*>("an"), 1) - 0.5) < 1e-6);
        QVERIFY(std::abs(stonek(frada.findChild<TGraf*>("an"), 0) - 0.25) < 1e-6);

        TZkusebni dtft(4, QStringLiteral("DTFT"));
        upust(dtft.findChild<TGraf*>("origin"), gen1);
        QCOMPARE(dtft.zmen, 1);
        const auto* o4 = dtft.findChild<TGraf*>("origin");
        QCOMPARE(o4->PocetBodu(), 801);
        for (int k = 0; k < 801; ++k) {
            const TBod z = gen1->CtiBod(k), b = o4->CtiBod(k);
            QCOMPARE(b.x, z.x);
            QCOMPARE(b.y, std::fabs(z.x) > 0.5f ? 0.0f : z.y);
        }
        QCOMPARE(dtft.interval.M, 200);
        QCOMPARE(dtft.interval.y.front(), double(gen1->CtiBod(300).y)); // x = -0.5 keeps its value

        TZkusebni dfr(3, QStringLiteral("DFR"));
        upust(dfr.findChild<TGraf*>("origin"), gen1);
        for (int k = 0; k < 801; ++k)
            QCOMPARE(dfr.findChild<TGraf*>("origin")->CtiBod(k).y, gen1->CtiBod(k).y);
    }

    // Input that the analysis cannot use as it stands is read by one rule:
    // no NaN ever reaches a graph or a label.
    void spatnyVstup()
    {
        Tfrada frada;
        TGraf prazdny;
        upust(frada.findChild<TGraf*>("origin"), &prazdny);
        TGraf nan;
        for (int i = 0; i < 10; ++i)
            nan.PridejBod(2, i / 4.0, i == 2 ? std::nan("") : 1.0);
        for (const TGraf* g : {static_cast<const TGraf*>(&prazdny), static_cast<const TGraf*>(&nan)}) {
            upust(frada.findChild<TGraf*>("origin"), g);
            for (const char* jmeno : {"origin", "obraz", "an", "bn"}) {
                const auto* graf = frada.findChild<TGraf*>(jmeno);
                QVERIFY(graf->PocetBodu() > 0);
                for (int k = 0; k < graf->PocetBodu(); ++k)
                    QVERIFY(std::isfinite(graf->CtiBod(k).y));
            }
        }
        // the NaN input: samples 0, 0.25, 0.5 (NaN -> 0), 0.75, end at 1
        QVERIFY(std::abs(frada.koeficienty().A(0) - 1.5) < 1e-12);
    }

    // Which controls close the two-signal window when a graph is dragged
    // over them, and where a graph is accepted. The event goes where the
    // platform sends it: to the innermost drop target under the cursor.
    void tazeni_data()
    {
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("ovladac");
        QTest::addColumn<bool>("zavre");
        QTest::addColumn<bool>("prijme");
        const QStringList vsechny = {QString(),  "origin",  "an",      "bn",      "obraz",       "stupen",
                                     "harmonickych", "GroupBox1", "Button3", "Button1", "Button4"};
        for (int kod = 1; kod <= 5; ++kod) {
            const QStringList seznam = TAnalyza::odmitajiciOvladace(kod);
            for (const QString& o : vsechny) {
                const QString jmeno = o.isEmpty() ? jmenoOkna(kod) : o;
                const bool zavre = o == "origin" || seznam.contains(jmeno);
                QTest::addRow("%d %s", kod, qPrintable(jmeno)) << kod << o << zavre << (o == "origin");
            }
        }
        // the table as it stands, so that the list itself is checked
        QCOMPARE(TAnalyza::odmitajiciOvladace(1), (QStringList{"frada", "an", "bn", "obraz", "stupen"}));
        QCOMPARE(TAnalyza::odmitajiciOvladace(5), QStringList{"DFT"});
        for (int kod : {2, 3, 4})
            QCOMPARE(TAnalyza::odmitajiciOvladace(kod),
                     (QStringList{jmenoOkna(kod), "an", "bn", "obraz", "GroupBox1", "Button3", "Button1", "Button4"}));
    }
    void tazeni()
    {
        QFETCH(int, kod);
        QFETCH(QString, ovladac);
        QFETCH(bool, zavre);
        QFETCH(bool, prijme);
        Tsoucet soucet;
        okna::registruj(QStringLiteral("Tsoucet"), &soucet);
        auto w = okno(kod);
        w->show();
        soucet.show();
        QWidget* pod = ovladac.isEmpty() ? w.get() : w->findChild<QWidget*>(ovladac);
        QVERIFY(pod);
        QPoint p = ovladac.isEmpty() ? QPoint(2, w->height() - 2) : pod->rect().center();
        QWidget* cil = pod;
        while (!cil->acceptDrops() && !cil->isWindow()) {
            p = cil->mapToParent(p);
            cil = cil->parentWidget();
        }
        QVERIFY(cil->acceptDrops());
        std::unique_ptr<QMimeData> d(dataGrafu(soucet.findChild<TGraf*>("gen1")));
        QDragEnterEvent vstup(p, Qt::CopyAction, d.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cil, &vstup);
        QCOMPARE(!soucet.isVisible(), zavre);
        // the platform asks again at every move: the answer it shows
        soucet.show();
        QDragMoveEvent pohyb(p, Qt::CopyAction, d.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cil, &pohyb);
        QCOMPARE(!soucet.isVisible(), zavre);
        QCOMPARE(pohyb.isAccepted(), prijme);
        QDragLeaveEvent odchod;
        QApplication::sendEvent(cil, &odchod);
    }

    // A drag that enters over a control that neither closes nor accepts and
    // goes on over one that closes: the second one closes the two-signal
    // window (the form keeps hearing the moves).
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

    // Something that is not a graph is refused on origin too.
    void tazeniCizihoObjektu()
    {
        Tfrada frada;
        QMimeData text;
        text.setText(QStringLiteral("1 2 3"));
        auto* origin = frada.findChild<TGraf*>("origin");
        const QPoint p = origin->rect().center();
        QDragEnterEvent vstup(p, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(origin, &vstup);
        QDragMoveEvent pohyb(p, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(origin, &pohyb);
        QVERIFY(!pohyb.isAccepted());
        QDropEvent pusteni(p, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(origin, &pusteni);
        QCOMPARE(origin->PocetBodu(), 0); // nothing delivered
    }

    // "Zadat z editoru" shows the two-signal window and returns when the
    // first drag over the analysis window closes it; pressed while that
    // window is already open it does nothing.
    void zadatZEditoru()
    {
        Tsoucet soucet;
        okna::registruj(QStringLiteral("Tsoucet"), &soucet);
        Tfrada frada;
        frada.show();
        auto* origin = frada.findChild<TGraf*>("origin");
        bool otevreno = false;
        QTimer::singleShot(0, &frada, [&] {
            otevreno = soucet.isVisible();
            std::unique_ptr<QMimeData> d(dataGrafu(soucet.findChild<TGraf*>("gen1")));
            QDragEnterEvent vstup(origin->rect().center(), Qt::CopyAction, d.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(origin, &vstup);
            QDragLeaveEvent odchod;
            QApplication::sendEvent(origin, &odchod);
        });
        zadatel::nastav(3);
        QTest::mouseClick(frada.findChild<QPushButton*>("Button3"), Qt::LeftButton);
        QVERIFY(otevreno);
        QVERIFY(!soucet.isVisible());
        QCOMPARE(zadatel::kod(), 3); // untouched by this button

        soucet.show();
        QTest::mouseClick(frada.findChild<QPushButton*>("Button3"), Qt::LeftButton); // returns at once
        QVERIFY(soucet.isVisible());
        soucet.hide();
    }

    // "Zadat z obrázku" runs the picture analyser modally when there is one:
    // the requester code is the window's, and the click returns when the
    // analyser hides. Without one the button is disabled.
    void zadatZObrazku()
    {
        TZkusebni dfr(3, QStringLiteral("DFR"));
        dfr.show();
        auto* tlacitko = dfr.findChild<QPushButton*>("Button4");
        QVERIFY(!tlacitko->isEnabled());
        QWidget obrazek;
        okna::registruj(QStringLiteral("Tobrazek"), &obrazek);
        dfr.hide();
        dfr.show();
        QVERIFY(tlacitko->isEnabled());
        zadatel::nastav(5);
        bool modalni = false;
        QTimer::singleShot(0, &obrazek, [&] {
            modalni = obrazek.isVisible() && QApplication::activeModalWidget() == &obrazek;
            obrazek.hide();
        });
        QTest::mouseClick(tlacitko, Qt::LeftButton);
        QVERIFY(modalni);
        QCOMPARE(zadatel::kod(), 3);
        QCOMPARE(obrazek.windowModality(), Qt::NonModal); // shown from the menu it is an ordinary window
        okna::registruj(QStringLiteral("Tobrazek"), nullptr);
    }

    // F1 opens the window's topic.
    void napoveda()
    {
        Tfrada frada;
        auto* help = frada.findChild<QAction*>("Help1");
        QVERIFY(help);
        QCOMPARE(help->shortcut(), QKeySequence(Qt::Key_F1));
        help->trigger();
        QVERIFY(napoveda::prohlizec());
        QCOMPARE(napoveda::prohlizec()->zobrazeno(), QStringLiteral(":/help/oanalyza.html"));
        napoveda::prohlizec()->hide();
    }
};

VORTA_TEST(TestRamec)
#include "test_ramec.moc"
