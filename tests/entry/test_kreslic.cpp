#include "VortaTest.h"

#include "analysis/TAnalyza.h"
#include "core/cisla.h"
#include "entry/Tkreslic.h"
#include "entry/kreslic.h"
#include "graf/TGraf.h"
#include "shell/TNapoveda.h"
#include "shell/napoveda.h"
#include "shell/zadatel.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <cmath>

using kreslic::Krivka;

namespace {

// Canvas pixel of a column and a row.
QPoint bod(int sloupec, int radek) { return {sloupec + 20, radek + 20}; }

// A move with no button held: the rubber band follows the mouse.
void pohyb(QWidget* w, QPoint p)
{
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Remembers whether a window was last told it is blocked by a modal one.
class Blokace : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::WindowBlocked)
            blokovano = true;
        else if (e->type() == QEvent::WindowUnblocked)
            blokovano = false;
        return false;
    }
    bool blokovano = false;
};

// An analysis window that only keeps what arrives.
class TPrijemce : public TAnalyza {
public:
    explicit TPrijemce(int kod)
        : TAnalyza({kod, QStringLiteral("prijemce"), QStringLiteral("Příjemce"), QStringLiteral("/oanalyza.html"),
                    QSize(985, 681), false})
    {
    }
    void zmenadat() override { ++zmen; }
    TGraf* vstup() const { return origin; }
    int zmen = 0;

protected:
    void stupenChange() override {}
};

} // namespace

class TestKreslic : public QObject {
    Q_OBJECT
private slots:
    // The presets, by their buttons; rows rounded half to even.
    void predlohy_data()
    {
        QTest::addColumn<QString>("tlacitko");
        QTest::addColumn<int>("sloupec");
        QTest::addColumn<int>("radek");
        QTest::newRow("Nic") << "Button8" << 123 << 200;
        QTest::newRow("Obdelnik 299") << "Button2" << 299 << 0;
        QTest::newRow("Obdelnik 300") << "Button2" << 300 << 200;
        QTest::newRow("Pila 600") << "Button5" << 600 << 0;
        QTest::newRow("Trojuhelnik 150") << "Button7" << 150 << 100;
        QTest::newRow("Sinc stred") << "Button9" << 300 << 1;
    }
    void predlohy()
    {
        QFETCH(QString, tlacitko);
        QFETCH(int, sloupec);
        QFETCH(int, radek);
        Tkreslic k;
        QTest::mouseClick(k.findChild<QPushButton*>(tlacitko), Qt::LeftButton);
        QCOMPARE(k.krivka()[sloupec], radek);
    }

    // The pure functions behind the presets agree with the amplitudes they
    // stand for, to half a row.
    void amplitudyPredloh()
    {
        const Krivka s = kreslic::predloha(kreslic::Predloha::Sin);
        const std::vector<double> v = kreslic::perioda(s);
        QCOMPARE(int(v.size()), 600);
        for (int i = 0; i < 600; ++i)
            QVERIFY(std::abs(v[i] - std::sin(2 * M_PI * i / 600)) <= 0.0025 + 1e-12);
    }

    // A left click without movement changes exactly one column. A fast move
    // from column 10 to 500 leaves no gap: every column lies on the straight
    // line between the two mouse positions; a move within one column changes
    // nothing; positions outside are clamped.
    void rychlyTah()
    {
        Tkreslic k;
        auto* platno = k.findChild<QWidget*>("platno");
        const Krivka nula = k.krivka();
        QTest::mouseClick(platno, Qt::LeftButton, {}, bod(250, 37));
        for (int c = 0; c < kreslic::Sloupcu; ++c)
            QCOMPARE(k.krivka()[c], c == 250 ? 37 : nula[c]);
        QVERIFY(!k.kresleni() && !k.primka());
        QTest::mousePress(platno, Qt::LeftButton, {}, bod(10, 100));
        QTest::mouseMove(platno, bod(500, 345));
        for (int c = 10; c <= 500; ++c)
            QCOMPARE(k.krivka()[c], vorta::zaokrouhliNaInt(100 + (c - 10) * 245.0L / 490));
        QCOMPARE(k.krivka()[9], 200);
        QCOMPARE(k.krivka()[501], 200);
        const Krivka pred = k.krivka();
        QTest::mouseMove(platno, bod(500, 12));
        QVERIFY(k.krivka() == pred);
        QTest::mouseMove(platno, QPoint(2000, -50)); // column 600, row 0
        QCOMPARE(k.krivka()[600], 0);
        QTest::mouseRelease(platno, Qt::LeftButton, {}, QPoint(2000, -50));
        // without a button nothing is drawn
        pohyb(platno, bod(100, 300));
        QCOMPARE(k.krivka()[100], pred[100]);
    }

    // Straight-line mode: a right click anchors a segment that follows the
    // mouse over a copy of the curve; moving back restores what the longer
    // segment covered; a left click ends the mode.
    void primka()
    {
        Tkreslic k;
        auto* platno = k.findChild<QWidget*>("platno");
        QTest::mouseClick(k.findChild<QPushButton*>("Button4"), Qt::LeftButton); // Sin
        const Krivka sin = k.krivka();
        QTest::mouseClick(platno, Qt::RightButton, {}, bod(100, 50));
        QVERIFY(k.primka() && !k.kresleni());
        pohyb(platno, bod(400, 350));
        for (int c = 100; c <= 400; ++c)
            QCOMPARE(k.krivka()[c], vorta::zaokrouhliNaInt(50 + (c - 100) * 300.0L / 300));
        pohyb(platno, bod(250, 200));
        for (int c = 100; c <= 250; ++c)
            QCOMPARE(k.krivka()[c], vorta::zaokrouhliNaInt(50 + (c - 100) * 150.0L / 150));
        for (int c = 251; c <= 400; ++c)
            QCOMPARE(k.krivka()[c], sin[c]);
        QCOMPARE(k.krivka()[99], sin[99]);
        // back on the anchor column the segment disappears (the copy stays)
        pohyb(platno, bod(100, 300));
        for (int c = 101; c <= 600; ++c)
            QCOMPARE(k.krivka()[c], sin[c]);
        // a left click ends the mode
        QTest::mouseClick(platno, Qt::RightButton, {}, bod(300, 10));
        QVERIFY(k.primka());
        QTest::mouseClick(platno, Qt::LeftButton, {}, bod(300, 10));
        QVERIFY(!k.primka());
    }

    // The read-outs follow the mouse with or without a button, in the
    // user's decimal separator; a negative amplitude takes the blank.
    void souradnice()
    {
        Tkreslic k;
        auto* platno = k.findChild<QWidget*>("platno");
        auto* x = k.findChild<QLabel*>("souradx");
        auto* y = k.findChild<QLabel*>("sourady");
        QCOMPARE(x->text(), QStringLiteral("X = 0.00"));
        QCOMPARE(y->text(), QStringLiteral("X = 0.00"));
        const QChar s = vorta::desetinnyOddelovac();
        pohyb(platno, bod(150, 300));
        QCOMPARE(x->text(), QStringLiteral("X = 0") + s + QStringLiteral("25"));
        QCOMPARE(y->text(), QStringLiteral("Y =-0") + s + QStringLiteral("50"));
        pohyb(platno, bod(600, 0));
        QCOMPARE(x->text(), QStringLiteral("X = 1") + s + QStringLiteral("00"));
        QCOMPARE(y->text(), QStringLiteral("Y = 1") + s + QStringLiteral("00"));
    }

    // OK hands 600 amplitudes to the window named by the requester code:
    // the rectangle from a pulse window lies on -0.5 <= x < 0.
    void predani()
    {
        TPrijemce dtft(4);
        Tkreslic k; // delivers the zero period to window 4 as it is created
        QCOMPARE(dtft.zmen, 1);
        QCOMPARE(zadatel::kod(), 5);
        zadatel::nastav(4);
        QTest::mouseClick(k.findChild<QPushButton*>("Button2"), Qt::LeftButton);
        k.show();
        QTest::mouseClick(k.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QVERIFY(!k.isVisible());
        QCOMPARE(dtft.zmen, 2);
        const TGraf* o = dtft.vstup();
        QCOMPARE(o->PocetBodu(), 1800);
        for (int i = 0; i < 1800; ++i) {
            const TBod b = o->CtiBod(i);
            QCOMPARE(b.y, (b.x >= -0.5f && b.x < 0) ? 1.0f : 0.0f);
        }

        zadatel::nastav(5);
    }

    // F1 in the modal editor shows the help in a window the editor's
    // modality does not block, also when the viewer was open before.
    void napovedaPriModalite()
    {
        napoveda::otevri(napoveda::tema(QStringLiteral("/index.html")));
        TNapoveda* prohlizec = napoveda::prohlizec();
        Blokace blokace;
        prohlizec->installEventFilter(&blokace);
        Tkreslic k;
        bool blokovanoPredF1 = false, blokovanoPoF1 = true;
        QTimer::singleShot(0, &k, [&] {
            blokovanoPredF1 = blokace.blokovano;
            k.findChild<QAction*>("Help1")->trigger();
            blokovanoPoF1 = blokace.blokovano;
            k.reject();
        });
        k.exec();
        QVERIFY(blokovanoPredF1);
        QVERIFY(!blokovanoPoF1);
        QVERIFY(prohlizec->isVisible());
        QCOMPARE(prohlizec->zobrazeno(), QStringLiteral(":/help/zkresleni.html"));
        prohlizec->removeEventFilter(&blokace);
        prohlizec->hide();
    }
};

VORTA_TEST(TestKreslic)
#include "test_kreslic.moc"
