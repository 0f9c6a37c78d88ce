// Tests of the application layer: the arithmetic of centring, help topics and
// the topic index on their own, then the windows as start-up creates them: the
// main window with its index, the about window and the help viewer.
#include "VortaTest.h"

#include "app/THlavniOkno.h"
#include "shell/TNapoveda.h"
#include "app/Toprog.h"
#include "shell/napoveda.h"
#include "app/odkazy.h"
#include "shell/okna.h"
#include "app/rozlozeni.h"
#include "app/start.h"
#include "app/tabulkaOken.h"
#include <QMimeData>
#include <QDrag>
#include "graf/tazeni.h"
#include "graf/TGraf.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

namespace {

// Text heights of a fake measure: the program description takes 20 px per
// started 1000 px of width, every link description 18 px per started 600 px;
// title widths are 50 + 10 x entry number.
rozlozeni::TVysledek rozlozPro(int sirkaBoxu)
{
    std::vector<rozlozeni::TVstup> vstup;
    for (int i = 0; i < odkazy::pocet(); ++i) {
        const TDruh d = odkazy::tabulka()[i].Druh;
        vstup.push_back({d, 50 + 10 * i, d == TDruh::Nadpis ? 32 : d == TDruh::Podnadpis ? 21 : 16});
    }
    return rozlozeni::rozloz(sirkaBoxu, vstup, [](int i, int sirka) {
        return i < 0 ? 20 * ((sirka + 999) / sirka) : 18 * ((sirka + 599) / sirka);
    });
}

QAction* akce(QWidget* okno, const char* jmeno) { return okno->findChild<QAction*>(QString::fromLatin1(jmeno)); }

void posli(QWidget* w, QEvent&& e) { QApplication::sendEvent(w, &e); }

} // namespace

class TestVypocty : public QObject {
    Q_OBJECT
private slots:
    void stred_data()
    {
        QTest::addColumn<QRect>("plocha");
        QTest::addColumn<QSize>("okno");
        QTest::addColumn<QPoint>("poloha");
        QTest::newRow("halves to even up") << QRect(0, 0, 1280, 1024) << QSize(597, 557) << QPoint(342, 234);
        QTest::newRow("half to even down") << QRect(0, 0, 1280, 994) << QSize(597, 557) << QPoint(342, 218);
        QTest::newRow("left of primary") << QRect(-1280, 0, 1280, 1024) << QSize(597, 557) << QPoint(-938, 234);
        QTest::newRow("larger with offset") << QRect(100, 30, 800, 600) << QSize(1000, 700) << QPoint(100, 30);
        QTest::newRow("only taller") << QRect(0, 40, 1280, 600) << QSize(597, 900) << QPoint(342, 40);
    }
    void stred()
    {
        QFETCH(QRect, plocha);
        QFETCH(QSize, okno);
        QTEST(okna::stred(plocha, okno), "poloha");
    }

    void tema_data()
    {
        QTest::addColumn<QString>("tema");
        QTest::addColumn<QString>("soubor"); // "-": the text is malformed
        QTest::addColumn<QString>("zdroj");
        const QString nen = QString::fromLatin1(napoveda::nenapsano);
        QTest::newRow("topic") << "mk:@MSITStore:VORTA.chm::/index.html" << "index.html" << ":/help/index.html";
        QTest::newRow("other case") << "mk:@MSITStore:vorta.chm::/INDEX.html" << "INDEX.html" << ":/help/index.html";
        QTest::newRow("not written") << "mk:@MSITStore:VORTA.chm::/neexistuje.html" << "neexistuje.html" << nen;
        QTest::newRow("empty") << "" << "-" << nen;
        QTest::newRow("parent folder") << "mk:@MSITStore:VORTA.chm::/../index.html" << "-" << nen;
        QTest::newRow("backslash") << "mk:@MSITStore:VORTA.chm::\\index.html" << "-" << nen;
        QTest::newRow("trailing newline") << "mk:@MSITStore:VORTA.chm::/index.html\n" << "-" << nen;
        QTest::newRow("query") << "mk:@MSITStore:VORTA.chm::/index.html?a=1" << "-" << nen;
    }
    void tema()
    {
        QFETCH(QString, tema);
        QTEST(napoveda::soubor(tema).value_or(QStringLiteral("-")), "soubor");
        QTEST(napoveda::zdroj(tema), "zdroj");
    }

    void polohy_data()
    {
        QTest::addColumn<int>("sirkaBoxu");
        QTest::addColumn<int>("polozka");
        QTest::addColumn<QPoint>("nazev");
        QTest::addColumn<int>("navodX");   // links only (else 0): the theory icon follows 24 px further
        QTest::addColumn<QRect>("oblast"); // a link's description, the line above a main heading
        // Width 597: column 581, program description 2 lines (40), link
        // descriptions 2 lines (36). First entry starts at 64 + 40 + 8 = 112.
        QTest::newRow("597 main heading") << 597 << 0 << QPoint(8, 120) << 0 << QRect(8, 112, 581, 2);
        QTest::newRow("597 first link") << 597 << 2 << QPoint(8, 189) << 86 << QRect(8, 213, 581, 36);
        // Second main heading: 112 + one main heading (48) + 3 sections (3 x 29)
        // + 7 links (7 x 76) = 779.
        QTest::newRow("597 second main heading") << 597 << 11 << QPoint(8, 787) << 0 << QRect(8, 779, 581, 2);
        // A box narrower than its margins keeps a one-pixel column: the program
        // description 20000 px, every link description 10800 px.
        QTest::newRow("5 last link") << 5 << 22 << QPoint(8, 172102) << 286 << QRect(8, 172126, 1, 10800);
    }
    void polohy()
    {
        QFETCH(int, sirkaBoxu);
        QFETCH(int, polozka);
        QFETCH(int, navodX);
        QFETCH(QRect, oblast);
        const auto v = rozlozPro(sirkaBoxu);
        QCOMPARE(int(v.mista.size()), 23);
        const rozlozeni::TMisto& m = v.mista[polozka];
        QTEST(m.nazev, "nazev");
        QCOMPARE(m.navod, navodX ? QPoint(navodX, m.nazev.y()) : QPoint());
        QCOMPARE(m.teorie, navodX ? QPoint(navodX + 24, m.nazev.y()) : QPoint());
        QCOMPARE(m.popis, navodX ? oblast : QRect());
        QCOMPARE(m.bevel, navodX ? QRect() : oblast);
        // The program description fills the gap above the first entry; the
        // index ends 16 px below the last description.
        const int sloupec = std::max(sirkaBoxu - 16, 1); // never narrower than a pixel
        QCOMPARE(v.sirkaNadpisu, sloupec);
        QCOMPARE(v.popis, QRect(8, 64, sloupec, v.mista[0].bevel.top() - 8 - 64));
        QCOMPARE(v.nic, v.mista[22].popis.bottom() + 1 + 16);
    }
};

VORTA_TEST(TestVypocty)

class TestOkna : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_okno = vytvorOkna();
        m_okno->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_okno));
    }
    void cleanup() { zrusOkna(); }

    void jmenaOken()
    {
        // Every class the menu, the index and the centring timer name is one
        // line of the table of windows, and every window the table makes is
        // registered under its class and carries the table's instance name.
        QStringList jmena = m_okno->tridyMenu();
        for (int i = 0; i < odkazy::pocet(); ++i)
            if (odkazy::tabulka()[i].Druh == TDruh::Odkaz)
                jmena << odkazy::tabulka()[i].Akce;
        jmena << tabulkaOken::kCentrovani();
        QCOMPARE(jmena.size(), 16 + 15 + 19);
        for (const QString& t : jmena)
            QVERIFY2(tabulkaOken::najdi(t), qPrintable(t));
        QStringList tridy;
        for (const TOkno& o : tabulkaOken::okna()) {
            const QString t = QString::fromLatin1(o.trida);
            QVERIFY2(!tridy.contains(t), qPrintable(t));
            tridy << t;
            QWidget* w = okna::najdi(t);
            QCOMPARE(w != nullptr, o.vytvor != nullptr);
            if (w)
                QCOMPARE(w->objectName(), QString::fromLatin1(o.jmeno));
        }
        QCOMPARE(tridy.size(), 20);
    }

    void kazdyGrafSeTahne()
    {
        // A press and a move on any graph of any window starts a drag that
        // carries that graph; a student can take a shifted signal, a
        // convolution or a reconstruction straight to an analysis window.
        int grafu = 0;
        for (const TOkno& o : tabulkaOken::okna()) {
            QWidget* w = okna::najdi(QString::fromLatin1(o.trida));
            if (!w)
                continue;
            const auto grafy = w->findChildren<TGraf*>();
            if (grafy.isEmpty())
                continue;
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            for (TGraf* g : grafy) {
                if (!g->isVisible())
                    continue;
                QByteArray nesene;
                QTimer::singleShot(0, g, [&] {
                    if (auto* drag = g->findChild<QDrag*>()) {
                        nesene = drag->mimeData()->data(vorta::graf::mimeTazeni);
                        QDrag::cancel();
                    }
                });
                const QPoint start(g->width() / 2, g->height() / 2);
                QTest::mousePress(g, Qt::LeftButton, {}, start);
                QTest::mouseMove(g, start + QPoint(QApplication::startDragDistance() + 2, 0));
                QCoreApplication::processEvents();
                QTest::mouseRelease(g, Qt::LeftButton, {}, start);
                const auto obsah = vorta::graf::dekodujTazeni(nesene);
                QVERIFY2(obsah && obsah->graf == g->cisloGrafu(), qPrintable(w->objectName() + "/" + g->objectName()));
                ++grafu;
            }
            w->hide();
        }
        QVERIFY(grafu >= 40);
    }

    void posuvnikyZKlavesnice()
    {
        // Every scroll bar that sets a number in any window is reached by
        // Tab (the scroll areas' own bars are left to the mouse and the wheel).
        int posuvniku = 0;
        for (const TOkno& o : tabulkaOken::okna()) {
            QWidget* w = okna::najdi(QString::fromLatin1(o.trida));
            if (!w)
                continue;
            for (QScrollBar* s : w->findChildren<QScrollBar*>()) {
                if (s->parentWidget() && s->parentWidget()->objectName().startsWith(QLatin1String("qt_scrollarea")))
                    continue;
                QVERIFY2(s->focusPolicy() & Qt::TabFocus, qPrintable(QString::fromLatin1(o.trida) + "/" + s->objectName()));
                ++posuvniku;
            }
        }
        QVERIFY(posuvniku >= 12);
    }


    void kliknuti()
    {
        // A title and a menu item show their window, a maximised one minimised
        // comes back maximised; a deleted window's entries are disabled.
        QWidget* posuv = okna::najdi("Tposuv");
        QVERIFY(posuv && !posuv->isVisible());
        QTest::mouseClick(m_okno->nazev(2), Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(posuv->isVisible());
        posuv->setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
        akce(m_okno, "PosuvaNasobeni")->trigger();
        QCOMPARE(posuv->windowState(), Qt::WindowMaximized);
        // Every hint of the program leaves after 5 s, however long its text.
        QHelpEvent dotaz(QEvent::ToolTip, {}, {});
        QCoreApplication::sendEvent(posuv->findChild<QWidget*>("A"), &dotaz);
        QCOMPARE(posuv->findChild<QWidget*>("A")->toolTipDuration(), 5000);
        delete posuv;
        m_okno->obnovDostupnost();
        QVERIFY(!m_okno->nazev(2)->isEnabled() && !akce(m_okno, "PosuvaNasobeni")->isEnabled());
        // An icon opens its topic in the help viewer, a window of its own, even
        // for a window that does not exist yet; back returns from a missing topic.
        QTest::mouseClick(m_okno->teorie(19), Qt::LeftButton, {}, QPoint(8, 8));
        TNapoveda* p = napoveda::prohlizec();
        QVERIFY(p && p->isWindow() && p->isVisible() && !p->parentWidget());
        QCOMPARE(p->zobrazeno(), napoveda::zdroj(napoveda::tema("/ddft.html")));
        akce(m_okno, "ma1")->trigger();
        QCOMPARE(p->zobrazeno(), QStringLiteral(":/help/index.html"));
        emit p->prohlizec()->anchorClicked(QUrl(QStringLiteral("chybi.html")));
        QCOMPARE(p->zobrazeno(), QString::fromLatin1(napoveda::nenapsano));
        p->findChild<QToolButton*>("zpet")->click();
        QCOMPARE(p->zobrazeno(), QStringLiteral(":/help/index.html"));
        delete p;
        QVERIFY(!napoveda::prohlizec());
    }

    // A third of the wheel's angle: 120 units scroll 40 pixels however the
    // turn is split, over the background or over a description alike, never
    // above the top; the horizontal wheel moves the horizontal scroll bar.
    void kolecko_data()
    {
        QTest::addColumn<QList<QPoint>>("otoceni"); // (x, y) angle deltas, in order
        QTest::addColumn<QPoint>("posun");          // horizontal, vertical pixels
        const auto krat = [](int n, QPoint d) { return QList<QPoint>(n, d); };
        QTest::newRow("120 x -1") << krat(120, {0, -1}) << QPoint(0, 40);
        QTest::newRow("-1 then -119") << QList<QPoint>{{0, -1}, {0, -119}} << QPoint(0, 40);
        QTest::newRow("back and forth") << QList<QPoint>{{0, -2}, {0, 2}, {0, -2}, {0, 2}} << QPoint(0, 0);
        QTest::newRow("up past the top") << krat(1, {0, 480}) << QPoint(0, -100);
        QTest::newRow("diagonal") << krat(30, {-4, -4}) << QPoint(40, 40);
    }
    void kolecko()
    {
        QFETCH(QList<QPoint>, otoceni);
        QFETCH(QPoint, posun);
        m_okno->resize(320, 557); // narrow enough for a horizontal range
        QScrollBar* svisly = m_okno->schranka()->verticalScrollBar();
        QScrollBar* vodorovny = m_okno->schranka()->horizontalScrollBar();
        QTRY_VERIFY(vodorovny->maximum() >= 60 && svisly->maximum() >= 200);
        for (QWidget* nad : {m_okno->schranka()->viewport(), static_cast<QWidget*>(m_okno->popisOdkazu(2))}) {
            svisly->setValue(100);
            vodorovny->setValue(10);
            for (QPoint d : otoceni)
                posli(nad, QWheelEvent({}, {}, {}, d, Qt::NoButton, {}, Qt::NoScrollPhase, false));
            QCOMPARE(QPoint(vodorovny->value() - 10, svisly->value() - 100), posun);
        }
    }


    void rejstrik()
    {
        // The real index reads as a page: every entry below the one before,
        // each description showing its whole wrapped text in the column, the
        // icons on their title's line, the scroll range ending with the marker.
        for (int s : {900, 320}) { // narrowed
            m_okno->resize(s, 557);
            QTRY_COMPARE(m_okno->width(), s);
        }
        QApplication::processEvents();
        QScrollArea* box = m_okno->schranka();
        const int w = box->viewport()->width() - 16; // the column
        int dole = m_okno->findChild<QLabel*>("popis")->geometry().bottom(); // lowest pixel used so far
        for (int i = 0; i < 23; ++i) {
            QLabel* n = m_okno->nazev(i);
            if (QFrame* b = m_okno->bevel(i))
                QVERIFY(b->y() > dole && b->geometry().bottom() < n->y());
            QVERIFY2(n->y() > dole, qPrintable(n->text()));
            dole = n->geometry().bottom();
            QLabel* p = m_okno->popisOdkazu(i);
            if (!p)
                continue;
            QVERIFY(m_okno->navod(i)->x() > n->geometry().right() && m_okno->navod(i)->y() == n->y());
            QVERIFY2(p->y() > dole && p->width() == w, qPrintable(p->text()));
            QVERIFY(p->height() >= p->heightForWidth(w)); // no line cut off
            dole = p->geometry().bottom();
        }
        auto* nic = m_okno->findChild<QLabel*>("nic");
        QVERIFY(nic->y() > dole);
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        QApplication::processEvents();
        QCOMPARE(QRect(nic->mapTo(box->viewport(), QPoint()), nic->size()).bottom(), box->viewport()->rect().bottom());
    }

    void oprog()
    {
        // Without the about window the title has no version; F2 opens it
        // modal and Escape closes it.
        QCOMPARE(THlavniOkno().findChild<QLabel*>("nadpis")->text(), QStringLiteral("VORTA ?.??"));
        auto* o = okna::najdi<Toprog>("Toprog");
        QVERIFY(o && !o->isVisible());
        QCOMPARE(m_okno->findChild<QLabel*>("nadpis")->text(), QStringLiteral("VORTA 2.01"));
        QCOMPARE(akce(m_okno, "Oprgramu1")->shortcut(), QKeySequence(Qt::Key_F2));
        QWidget* modalni = nullptr;
        QTimer::singleShot(0, this, [&] {
            modalni = QApplication::activeModalWidget();
            if (modalni)
                QTest::keyClick(modalni, Qt::Key_Escape);
        });
        akce(m_okno, "Oprgramu1")->trigger(); // returns once the window is closed
        QCOMPARE(modalni, static_cast<QWidget*>(o));
        QVERIFY(!o->isVisible());
        // A right click leaves it open, a left click closes it.
        o->open();
        QTest::mouseClick(o, Qt::RightButton, {}, QPoint(300, 240));
        QVERIFY(o->isVisible());
        QTest::mouseClick(o->findChild<QLabel*>("Label3"), Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(!o->isVisible());
        // The start-up timer centres the windows, hidden ones with the main window's frame.
        o->move(0, 0);
        m_okno->move(0, 0);
        m_okno->TimerTimer();
        const QRect plocha = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(m_okno->pos(), okna::stred(plocha, m_okno->frameGeometry().size()));
        QCOMPARE(o->pos(), okna::stred(plocha, o->size() + m_okno->frameGeometry().size() - m_okno->size()));
    }

    void ukonceniProgramu()
    {
        QWidget jine; // another open window must not keep the program running
        jine.show();
        QTimer::singleShot(5000, &jine, [] { QCoreApplication::exit(1); });
        QTimer::singleShot(0, m_okno, [this] { akce(m_okno, "Konec1")->trigger(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!m_okno->isVisible());
        // Then the windows are deleted and the registry forgets them.
        zrusOkna();
        QVERIFY(!okna::najdi("THlavniOkno") && !okna::najdi("Toprog"));
    }

private:
    THlavniOkno* m_okno = nullptr;
};

VORTA_TEST(TestOkna)
#include "test_app.moc"
