#include "VortaTest.h"

#include "app/THlavniOkno.h"
#include "app/TNapoveda.h"
#include "app/Toprog.h"
#include "app/napoveda.h"
#include "app/okna.h"
#include "app/start.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

namespace {

void posli(QWidget* w, QEvent::Type typ)
{
    if (typ == QEvent::Enter) {
        QEnterEvent e(QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), w->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(w, &e);
    } else if (typ == QEvent::Leave) {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    } else {
        QMouseEvent e(typ, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

QColor barvaTextu(const QLabel* l) { return l->palette().color(QPalette::Active, QPalette::WindowText); }

QAction* akce(QWidget* okno, const char* jmeno) { return okno->findChild<QAction*>(QString::fromLatin1(jmeno)); }

} // namespace

class TestHlavniOkno : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_okno = new THlavniOkno;
        okna::registruj("THlavniOkno", m_okno);
        m_okno->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_okno));
    }
    void cleanup() { delete m_okno; }

    void ikonyPodleZaznamu_data()
    {
        QTest::addColumn<int>("polozka");
        QTest::addColumn<int>("druh");
        QTest::addColumn<bool>("navod");
        QTest::addColumn<bool>("teorie");
        const int druhy[23] = {2, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 2, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0};
        for (int i = 0; i < 23; ++i) {
            const bool odkaz = druhy[i] == 0;
            QTest::addRow("%d", i) << i << druhy[i] << odkaz << (odkaz && i != 2 && i != 3);
        }
    }
    void ikonyPodleZaznamu()
    {
        QFETCH(int, polozka);
        QFETCH(int, druh);
        QFETCH(bool, navod);
        QFETCH(bool, teorie);
        QVERIFY(m_okno->nazev(polozka));
        QCOMPARE(m_okno->nazev(polozka)->font().pixelSize(), druh == 0 ? 16 : druh == 1 ? 21 : 32);
        QCOMPARE(m_okno->bevel(polozka) != nullptr, druh == 2);
        QCOMPARE(m_okno->popisOdkazu(polozka) != nullptr, druh == 0);
        if (druh != 0) {
            QVERIFY(!m_okno->navod(polozka));
            QVERIFY(!m_okno->teorie(polozka));
            return;
        }
        QCOMPARE(m_okno->navod(polozka)->isVisible(), navod);
        QCOMPARE(m_okno->teorie(polozka)->isVisible(), teorie);
        QCOMPARE(m_okno->navod(polozka)->toolTip(), QStringLiteral("Návod k obsluze okna"));
        QCOMPARE(m_okno->teorie(polozka)->toolTip(), QStringLiteral("Související teorie"));
        QCOMPARE(barvaTextu(m_okno->nazev(polozka)), QColor(0, 0, 255));
        QVERIFY(m_okno->nazev(polozka)->font().underline());
    }

    void stavovyRadek()
    {
        QCOMPARE(m_okno->textStavu(), QStringLiteral("Nic"));
        posli(m_okno->navod(4), QEvent::MouseMove);
        QCOMPARE(m_okno->textStavu(), QStringLiteral("vorta.chm::/okonvoluce.html"));
        posli(m_okno->teorie(4), QEvent::MouseMove);
        QCOMPARE(m_okno->textStavu(), QStringLiteral("vorta.chm::/fkonvoluce.html"));
        posli(m_okno->popisOdkazu(4), QEvent::MouseMove);
        QCOMPARE(m_okno->textStavu(), QString());
        posli(m_okno->teorie(22), QEvent::MouseMove);
        QCOMPARE(m_okno->textStavu(), QStringLiteral("vorta.chm::/dfft.html"));
        posli(m_okno->nazev(16), QEvent::MouseMove); // a section heading
        QCOMPARE(m_okno->textStavu(), QString());
        posli(m_okno->navod(2), QEvent::MouseMove);
        QCOMPARE(m_okno->textStavu(), QStringLiteral("vorta.chm::/ojede.html"));
        posli(m_okno->schranka()->widget(), QEvent::MouseMove); // the background
        QCOMPARE(m_okno->textStavu(), QString());
        posli(m_okno->navod(13), QEvent::MouseMove);

        // Entering and leaving a link clears the panel and swaps the colour.
        QLabel* odkaz = m_okno->nazev(13);
        posli(odkaz, QEvent::Enter);
        QCOMPARE(m_okno->textStavu(), QString());
        QCOMPARE(barvaTextu(odkaz), QColor(255, 0, 0));
        posli(m_okno->navod(13), QEvent::MouseMove);
        QCOMPARE(m_okno->textStavu(), QStringLiteral("vorta.chm::/okolo.html"));
        posli(odkaz, QEvent::Leave);
        QCOMPARE(m_okno->textStavu(), QString());
        QCOMPARE(barvaTextu(odkaz), QColor(0, 0, 255));
    }

    void kliknutiZobraziOkno()
    {
        auto* posuv = new QWidget;
        okna::registruj("Tposuv", posuv);
        m_okno->obnovDostupnost();
        QVERIFY(m_okno->nazev(2)->isEnabled());
        QVERIFY(akce(m_okno, "PosuvaNasobeni")->isEnabled());
        QVERIFY(!m_okno->nazev(19)->isEnabled()); // TDFT does not exist here
        QVERIFY(!akce(m_okno, "DFTstart")->isEnabled());

        QTest::mouseClick(m_okno->nazev(2), Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(posuv->isVisible());
        posuv->hide();
        akce(m_okno, "PosuvaNasobeni")->trigger();
        QVERIFY(posuv->isVisible());

        delete posuv;
        m_okno->obnovDostupnost();
        QVERIFY(!m_okno->nazev(2)->isEnabled());
        QVERIFY(!akce(m_okno, "PosuvaNasobeni")->isEnabled());
    }

    void kliknutiNaIkonuOtevreNapovedu()
    {
        QTest::mouseClick(m_okno->teorie(19), Qt::LeftButton, {}, QPoint(8, 8));
        TNapoveda* p = napoveda::prohlizec();
        QVERIFY(p);
        // No topic files of the windows exist in this test build's view, or
        // they do: either way the viewer shows the theory topic's resource.
        QCOMPARE(p->zobrazeno(), napoveda::zdroj(napoveda::tema("/ddft.html")));
        akce(m_okno, "ma1")->trigger();
        QCOMPARE(p->zobrazeno(), QStringLiteral(":/help/index.html"));
        QVERIFY(!p->parentWidget());
        delete p;
    }

    void kolecko_data()
    {
        QTest::addColumn<int>("zacatek");
        QTest::addColumn<int>("delta");
        QTest::addColumn<bool>("naPopis");
        QTest::addColumn<int>("konec");
        QTest::newRow("notch towards the user") << 0 << -120 << false << 40;
        QTest::newRow("notch away") << 100 << 120 << false << 60;
        QTest::newRow("three notches") << 100 << -360 << false << 220;
        QTest::newRow("a third rounds down") << 100 << -1 << false << 100;
        QTest::newRow("two thirds round up") << 100 << -2 << false << 101;
        QTest::newRow("stops at the top") << 10 << 120 << false << 0;
        QTest::newRow("over a description") << 0 << -120 << true << 40;
    }
    void kolecko()
    {
        QFETCH(int, zacatek);
        QFETCH(int, delta);
        QFETCH(bool, naPopis);
        QScrollBar* sb = m_okno->schranka()->verticalScrollBar();
        QVERIFY(sb->maximum() > 300);
        sb->setValue(zacatek);
        QWidget* cil = naPopis ? static_cast<QWidget*>(m_okno->popisOdkazu(2)) : m_okno->schranka()->viewport();
        QWheelEvent e(QPointF(5, 5), cil->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(cil, &e);
        QTEST(sb->value(), "konec");
    }

    void rozlozeniPodleSirky_data()
    {
        QTest::addColumn<int>("sirka");
        QTest::newRow("wide") << 900;
        QTest::newRow("default") << 597;
        QTest::newRow("narrow") << 320;
    }
    void rozlozeniPodleSirky()
    {
        QFETCH(int, sirka);
        m_okno->resize(sirka, 557);
        QTRY_COMPARE(m_okno->width(), sirka);
        QApplication::processEvents();
        QScrollArea* box = m_okno->schranka();
        const int w = box->viewport()->width();
        QVERIFY(w > sirka - 40);
        QCOMPARE(m_okno->findChild<QLabel*>("popis")->width(), w - 16);
        QCOMPARE(m_okno->findChild<QLabel*>("nadpis")->width(), w - 16);
        int y = -1;
        for (int i = 0; i < 23; ++i) {
            QLabel* n = m_okno->nazev(i);
            QCOMPARE(n->x(), 8);
            if (QFrame* b = m_okno->bevel(i)) {
                if (y >= 0)
                    QCOMPARE(b->y(), y);
                QCOMPARE(b->x(), 8);
                QCOMPARE(b->width(), w - 16);
                QCOMPARE(n->y(), b->y() + 8);
            } else if (y >= 0) {
                QCOMPARE(n->y(), y);
            }
            if (QLabel* p = m_okno->popisOdkazu(i)) {
                QCOMPARE(m_okno->navod(i)->pos(), QPoint(8 + n->width() + 8, n->y()));
                QCOMPARE(m_okno->teorie(i)->pos(), QPoint(8 + n->width() + 32, n->y()));
                QCOMPARE(p->geometry(), QRect(8, n->y() + 16 + 8, w - 16, p->heightForWidth(w - 16)));
                // The description is tall enough for its wrapped text.
                QVERIFY(p->height() >= p->fontMetrics().height());
                y = p->y() + p->height() + 16;
            } else {
                y = n->y() + n->font().pixelSize() + 8;
            }
        }
        auto* nic = m_okno->findChild<QLabel*>("nic");
        QCOMPARE(nic->y(), y);
        QCOMPARE(nic->height(), 1);
        QCOMPARE(box->widget()->height(), y + 1);
        QCOMPARE(box->verticalScrollBar()->maximum(), y + 1 - box->viewport()->height());
        QCOMPARE(box->horizontalScrollBar()->maximum(), 0);
    }

    void zuzeniPosuneObsahDolu()
    {
        m_okno->resize(900, 557);
        QTRY_COMPARE(m_okno->width(), 900);
        const int siroky = m_okno->findChild<QLabel*>("nic")->y();
        m_okno->resize(320, 557);
        QTRY_COMPARE(m_okno->width(), 320);
        QVERIFY(m_okno->findChild<QLabel*>("nic")->y() > siroky + 200);
    }

    void nadpisBezOprogu() { QCOMPARE(m_okno->findChild<QLabel*>("nadpis")->text(), QStringLiteral("VORTA ?.??")); }

    void oprogDaNadpis()
    {
        Toprog o;
        QCOMPARE(m_okno->findChild<QLabel*>("nadpis")->text(), QStringLiteral("VORTA 2.01"));
        QCOMPARE(o.findChild<QLabel*>("verze")->text(), QStringLiteral("VORTA 2.01"));
        QCOMPARE(o.size(), QSize(482, 256));
        QCOMPARE(o.windowTitle(), QStringLiteral("O programu"));
    }

private:
    THlavniOkno* m_okno = nullptr;
};

VORTA_TEST(TestHlavniOkno)

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { zrusOkna(); }

    void oknaVPoradi()
    {
        THlavniOkno* h = vytvorOkna();
        QCOMPARE(okna::najdi("THlavniOkno"), h);
        QVERIFY(okna::najdi<Toprog>("Toprog"));
        QVERIFY(!okna::najdi("Toprog")->isVisible());
        QCOMPARE(h->findChild<QLabel*>("nadpis")->text(), QStringLiteral("VORTA 2.01"));
        QVERIFY(akce(h, "Oprgramu1")->isEnabled());
        QCOMPARE(akce(h, "Oprgramu1")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(akce(h, "ma1")->shortcut(), QKeySequence(Qt::Key_F1));
        zrusOkna();
        QVERIFY(!okna::najdi("THlavniOkno"));
        QVERIFY(!okna::najdi("Toprog"));
    }

    void f2OtevreOprogModalne()
    {
        THlavniOkno* h = vytvorOkna();
        h->show();
        QVERIFY(QTest::qWaitForWindowExposed(h));
        QWidget* modalni = nullptr;
        QTimer::singleShot(0, this, [&] {
            modalni = QApplication::activeModalWidget();
            if (modalni)
                QTest::keyClick(modalni, Qt::Key_Escape);
        });
        akce(h, "Oprgramu1")->trigger(); // returns once the window is closed
        QVERIFY(modalni);
        QCOMPARE(modalni->objectName(), QStringLiteral("oprog"));
        QVERIFY(!modalni->isVisible());
    }

    void klikZavreOprog()
    {
        vytvorOkna();
        auto* o = okna::najdi<Toprog>("Toprog");
        o->open();
        QVERIFY(o->isVisible());
        QTest::mouseClick(o->findChild<QLabel*>("Label3"), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!o->isVisible());
        o->open();
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(300, 240));
        QVERIFY(!o->isVisible());
        o->open();
        QTest::mouseClick(o->findChild<QLabel*>("logo"), Qt::RightButton, {}, QPoint(3, 3));
        QVERIFY(o->isVisible());
        o->reject();
    }

    void ukonceniProgramu()
    {
        THlavniOkno* h = vytvorOkna();
        h->show();
        QWidget jine; // another open window must not keep the program running
        jine.show();
        QTimer pojistka;
        pojistka.setSingleShot(true);
        connect(&pojistka, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        pojistka.start(5000);
        QTimer::singleShot(0, h, [h] { akce(h, "Konec1")->trigger(); });
        QCOMPARE(QApplication::exec(), 0);
        pojistka.stop();
        QVERIFY(!h->isVisible());
    }

    void casovacCentruje()
    {
        THlavniOkno* h = vytvorOkna();
        auto* o = okna::najdi<Toprog>("Toprog");
        o->move(0, 0);
        h->show();
        QVERIFY(QTest::qWaitForWindowExposed(h));
        h->move(0, 0);
        h->TimerTimer();
        const QRect plocha = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(h->pos(), okna::stred(plocha, h->frameGeometry().size()));
        QCOMPARE(o->pos(), okna::stred(plocha, o->size() + (h->frameGeometry().size() - h->size())));
    }
};

VORTA_TEST(TestStart)
#include "test_hlavniokno.moc"
