#include "VortaTest.h"
#include "grafyTestu.h"

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

QPoint bod(int sloupec, int radek) { return {sloupec + 20, radek + 20}; }

// Columns c0 ... c1 lie on the straight line from (c0, r0) to (c1, r1).
bool naPrimce(const Krivka& k, int c0, int r0, int c1, int r1)
{
    for (int c = c0; c <= c1; ++c)
        if (k[c] != vorta::zaokrouhliNaInt(r0 + (c - c0) * (r1 - r0) * 1.0L / (c1 - c0)))
            return false;
    return true;
}

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
        if (e->type() == QEvent::WindowBlocked || e->type() == QEvent::WindowUnblocked)
            blokovano = e->type() == QEvent::WindowBlocked;
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
    void predlohy()
    {
        const struct {
            const char *predloha, *tlacitko;
            int sloupec, radek;
        } pripady[] = {{"Nic", "Button8", 123, 200},        {"Obdelnik", "Button2", 299, 0},
                       {"Obdelnik", "Button2", 300, 200},   {"Pila", "Button5", 600, 0},
                       {"Trojuhelnik", "Button7", 150, 100}, {"Sinc", "Button9", 300, 1}};
        for (const auto& [predloha, tlacitko, sloupec, radek] : pripady) {
            Tkreslic k;
            QTest::mouseClick(k.findChild<QPushButton*>(tlacitko), Qt::LeftButton);
            QVERIFY2(k.krivka()[sloupec] == radek, qPrintable(QStringLiteral("%1: %2").arg(predloha).arg(k.krivka()[sloupec])));
        }
    }

    // A click changes one column; a fast move leaves no gap (a straight line between the
    // positions); a move within one column changes nothing; positions outside are clamped.
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
        QVERIFY(naPrimce(k.krivka(), 10, 100, 500, 345));
        QVERIFY(k.krivka()[9] == 200 && k.krivka()[501] == 200);
        const Krivka pred = k.krivka();
        QTest::mouseMove(platno, bod(500, 12));
        QVERIFY(k.krivka() == pred);
        QTest::mouseMove(platno, QPoint(2000, -50)); // column 600, row 0
        QCOMPARE(k.krivka()[600], 0);
        QTest::mouseRelease(platno, Qt::LeftButton, {}, QPoint(2000, -50));
        pohyb(platno, bod(100, 300));
        QCOMPARE(k.krivka()[100], pred[100]);
    }

    // A right click anchors a segment that follows the mouse over a copy of the curve; moving
    // back restores what the longer segment covered; a left click ends the mode.
    void primka()
    {
        Tkreslic k;
        auto* platno = k.findChild<QWidget*>("platno");
        QTest::mouseClick(k.findChild<QPushButton*>("Button4"), Qt::LeftButton); // Sin
        const Krivka sin = k.krivka();
        QTest::mouseClick(platno, Qt::RightButton, {}, bod(100, 50));
        QVERIFY(k.primka() && !k.kresleni());
        pohyb(platno, bod(400, 350));
        QVERIFY(naPrimce(k.krivka(), 100, 50, 400, 350));
        pohyb(platno, bod(250, 200));
        QVERIFY(naPrimce(k.krivka(), 100, 50, 250, 200));
        QVERIFY(std::equal(sin.begin() + 251, sin.begin() + 401, k.krivka().begin() + 251));
        QCOMPARE(k.krivka()[99], sin[99]);
        // back on the anchor column the segment disappears (the copy stays)
        pohyb(platno, bod(100, 300));
        QVERIFY(std::equal(sin.begin() + 101, sin.end(), k.krivka().begin() + 101));
        QTest::mouseClick(platno, Qt::RightButton, {}, bod(300, 10));
        QVERIFY(k.primka());
        QTest::mouseClick(platno, Qt::LeftButton, {}, bod(300, 10));
        QVERIFY(!k.primka());
    }

    // The read-outs follow the mouse in the user's separator; a negative amplitude takes the blank.
    void souradnice()
    {
        Tkreslic k;
        auto* platno = k.findChild<QWidget*>("platno");
        auto* x = k.findChild<QLabel*>("souradx");
        auto* y = k.findChild<QLabel*>("sourady");
        const auto texty = [&] { return x->text() + u'|' + y->text(); };
        const auto s = [](QString t) { return t.replace(u',', vorta::desetinnyOddelovac()); };
        QCOMPARE(texty(), QStringLiteral("X = 0.00|X = 0.00"));
        pohyb(platno, bod(150, 300));
        QCOMPARE(texty(), s("X = 0,25|Y =-0,50"));
        pohyb(platno, bod(600, 0));
        QCOMPARE(texty(), s("X = 1,00|Y = 1,00"));
    }

    // OK hands 600 amplitudes to the requester's window: a pulse window's rectangle lies on -0.5 <= x < 0.
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
        QCOMPARE(dtft.vstup()->PocetBodu(), 1800);
        for (const TBod& b : vortatest::body(dtft.vstup()))
            QCOMPARE(b.y, (b.x >= -0.5f && b.x < 0) ? 1.0f : 0.0f);
        zadatel::nastav(5);
    }

    // F1 in the modal editor shows the help in a window its modality does not block, also when open before.
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
        QVERIFY(blokovanoPredF1 && !blokovanoPoF1 && prohlizec->isVisible());
        QCOMPARE(prohlizec->zobrazeno(), QStringLiteral(":/help/zkresleni.html"));
        prohlizec->removeEventFilter(&blokace);
        prohlizec->hide();
    }
};

VORTA_TEST(TestKreslic)
#include "test_kreslic.moc"
