// The application layer: the arithmetic of centring, fitting the work area,
// help topics and the index layout, then the windows as start-up makes them.
#include "VortaPomoc.h"
#include "VortaTest.h"

#include "app/THlavniOkno.h"
#include "app/Toprog.h"
#include "app/odkazy.h"
#include "app/rozlozeni.h"
#include "app/start.h"
#include "app/tabulkaOken.h"
#include "entry/kreslic.h"
#include "graf/TGraf.h"
#include "graf/tazeni.h"
#include "shell/TNapoveda.h"
#include "shell/napoveda.h"
#include "shell/okna.h"
#include "shell/zadatel.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <cstring>

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

enum class Cesta { Menu, Rejstrik, Registr, Necinnost };

const char* const analyza[] = {"Tfrada", "Ttransformace", "TDFR", "TDTFT", "TDFT"}; // requester codes 1 … 5

bool hnedNaZacatku(const TOkno& o) { return !std::strcmp(o.trida, "THlavniOkno") || !std::strcmp(o.trida, "Toprog"); }

} // namespace

Q_DECLARE_METATYPE(Cesta)

class TestVypocty : public QObject {
    Q_OBJECT
private slots:
    void stred()
    {
        const struct { QRect plocha; QSize okno; QPoint poloha; } pripady[] = {
            {{0, 0, 1280, 1024}, {597, 557}, {342, 234}},      // halves to even up
            {{0, 0, 1280, 994}, {597, 557}, {342, 218}},       // half to even down
            {{-1280, 0, 1280, 1024}, {597, 557}, {-938, 234}}, // left of the primary screen
            {{0, 40, 1280, 600}, {597, 900}, {342, 40}},       // only taller
        };
        for (const auto& p : pripady)
            QCOMPARE(okna::stred(p.plocha, p.okno), p.poloha);
    }

    // A topic's file ("-": the text is malformed) and what the viewer shows.
    void tema()
    {
        const QString nen = QString::fromLatin1(napoveda::nenapsano), index = QStringLiteral(":/help/index.html");
        const struct { const char *tema, *soubor; QString zdroj; } pripady[] = {
            {"mk:@MSITStore:VORTA.chm::/index.html", "index.html", index},
            {"mk:@MSITStore:vorta.chm::/INDEX.html", "INDEX.html", index}, // other case
            {"mk:@MSITStore:VORTA.chm::/neexistuje.html", "neexistuje.html", nen},
            {"", "-", nen},
            {"mk:@MSITStore:VORTA.chm::/../index.html", "-", nen},
            {"mk:@MSITStore:VORTA.chm::/index.html\n", "-", nen},
        };
        for (const auto& p : pripady) {
            const QString tema = QString::fromLatin1(p.tema);
            QCOMPARE(napoveda::soubor(tema).value_or(QStringLiteral("-")), QString::fromLatin1(p.soubor));
            QCOMPARE(napoveda::zdroj(tema), p.zdroj);
        }
    }

    // Entry places for a fake measure (see rozlozPro). `navodX` for links
    // only (else 0): the theory icon follows 24 px further; `oblast` is a
    // link's description or the line above a main heading.
    void polohy()
    {
        const struct { int sirkaBoxu, polozka; QPoint nazev; int navodX; QRect oblast; } pripady[] = {
            // Width 597: column 581, program description 2 lines (40), link
            // descriptions 2 lines (36). First entry starts at 64 + 40 + 8 = 112.
            {597, 2, {8, 189}, 86, {8, 213, 581, 36}},
            // Second main heading: 112 + one main heading (48) + 3 sections
            // (3 x 29) + 7 links (7 x 76) = 779.
            {597, 11, {8, 787}, 0, {8, 779, 581, 2}},
            // A box narrower than its margins keeps a one-pixel column: the
            // program description 20000 px, every link description 10800 px.
            {5, 22, {8, 172102}, 286, {8, 172126, 1, 10800}},
        };
        for (const auto& p : pripady) {
            const auto v = rozlozPro(p.sirkaBoxu);
            QCOMPARE(int(v.mista.size()), 23);
            const rozlozeni::TMisto& m = v.mista[p.polozka];
            QCOMPARE(m.nazev, p.nazev);
            QCOMPARE(m.navod, p.navodX ? QPoint(p.navodX, m.nazev.y()) : QPoint());
            QCOMPARE(m.teorie, p.navodX ? QPoint(p.navodX + 24, m.nazev.y()) : QPoint());
            QCOMPARE(m.popis, p.navodX ? p.oblast : QRect());
            QCOMPARE(m.bevel, p.navodX ? QRect() : p.oblast);
            // The program description fills the gap above the first entry; the
            // index ends 16 px below the last description.
            const int sloupec = std::max(p.sirkaBoxu - 16, 1); // never narrower than a pixel
            QCOMPARE(v.sirkaNadpisu, sloupec);
            QCOMPARE(v.popis, QRect(8, 64, sloupec, v.mista[0].bevel.top() - 8 - 64));
            QCOMPARE(v.nic, v.mista[22].popis.bottom() + 1 + 16);
        }
    }

    // A window larger than the work area (a 1920 x 1080 screen at scale 2
    // leaves 960 x 540) shrinks to it and scrolls; one that fits is left as it is.
    void umisteni_data()
    {
        QTest::addColumn<QRect>("prace");
        QTest::addColumn<QSize>("klient");
        QTest::addColumn<QSize>("ramecek");
        QTest::addColumn<QSize>("novyKlient");
        QTest::addColumn<QPoint>("poloha");
        QTest::addColumn<bool>("posouvat");
        const auto radek = [](const char* jmeno, QRect prace, QSize klient, QSize novy, QPoint poloha, bool posouvat,
                              QSize ramecek = {10, 30}) {
            QTest::newRow(jmeno) << prace << klient << ramecek << novy << poloha << posouvat;
        };
        radek("fits, centred", {0, 0, 1920, 1080}, {905, 537}, {905, 537}, {502, 256}, false);
        radek("fits exactly", {0, 0, 960, 540}, {950, 510}, {950, 510}, {0, 0}, false);
        // too tall: the vertical bar widens the client, which still fits
        radek("scale 2, panel on top", {0, 20, 960, 520}, {905, 537}, {921, 490}, {14, 20}, true);
        radek("too wide only", {0, 0, 800, 600}, {905, 337}, {790, 353}, {0, 108}, true);
        radek("one pixel too wide", {0, 0, 960, 540}, {951, 300}, {950, 316}, {0, 97}, true);
        // the horizontal bar pushes a height that fitted over the edge
        radek("bar pushes the other", {0, 0, 600, 350}, {617, 337}, {600, 350}, {0, 0}, true, {0, 0});
        radek("both, second screen", {1920, 0, 960, 540}, {1200, 900}, {950, 510}, {1920, 0}, true);
        radek("no room at all", {0, 0, 5, 5}, {617, 337}, {1, 1}, {0, 0}, true);
    }
    void umisteni()
    {
        QFETCH(QRect, prace);
        QFETCH(QSize, klient);
        QFETCH(QSize, ramecek);
        const okna::Umisteni u = okna::umisteni(prace, klient, ramecek, 16);
        QTEST(u.klient, "novyKlient");
        QTEST(u.poloha, "poloha");
        QTEST(u.posouvat, "posouvat");
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

    // A press and a move on any graph of any window starts a drag that carries
    // that graph: a shifted signal, a convolution or a reconstruction can go
    // straight to an analysis window. Every scroll bar that sets a number is
    // reached by Tab (the scroll areas' own bars are left to the mouse and the wheel).
    void kazdyGrafSeTahne()
    {
        int grafu = 0, posuvniku = 0;
        for (const TOkno& o : tabulkaOken::okna()) {
            QWidget* w = okna::najdi(QString::fromLatin1(o.trida));
            for (QScrollBar* s : w ? w->findChildren<QScrollBar*>() : QList<QScrollBar*>())
                if (!s->parentWidget()->objectName().startsWith(QLatin1String("qt_scrollarea"))) {
                    QVERIFY2(s->focusPolicy() & Qt::TabFocus, qPrintable(QString::fromLatin1(o.trida) + "/" + s->objectName()));
                    ++posuvniku;
                }
            const auto grafy = w ? w->findChildren<TGraf*>() : QList<TGraf*>();
            if (grafy.isEmpty())
                continue;
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
            for (TGraf* g : grafy) {
                if (!g->isVisible())
                    continue;
                const auto obsah = vorta::graf::dekodujTazeni(
                    vortatest::neseneTazenim(g, g->rect().center(), QApplication::startDragDistance() + 2));
                QVERIFY2(obsah && obsah->graf == g->cisloGrafu(), qPrintable(w->objectName() + "/" + g->objectName()));
                ++grafu;
            }
            w->hide();
        }
        QVERIFY(grafu >= 40 && posuvniku >= 12);
    }

    // A menu item brings a maximised window back maximised from minimised; a
    // deleted window's entries are disabled; an icon opens its topic in the
    // help viewer, a window of its own, even for a window that does not exist
    // yet; back returns from a missing topic.
    void kliknuti()
    {
        QWidget* posuv = okna::najdi("Tposuv");
        posuv->show();
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
    void kolecko()
    {
        m_okno->resize(320, 557); // narrow enough for a horizontal range
        QScrollBar* svisly = m_okno->schranka()->verticalScrollBar();
        QScrollBar* vodorovny = m_okno->schranka()->horizontalScrollBar();
        QTRY_VERIFY(vodorovny->maximum() >= 60 && svisly->maximum() >= 200);
        // (x, y) angle deltas in order, and the scroll in pixels
        const std::pair<QList<QPoint>, QPoint> pripady[] = {
            {{{0, -1}, {0, -119}}, {0, 40}},
            {{{0, 480}}, {0, -100}},          // up past the top
            {QList<QPoint>(30, {-4, -4}), {40, 40}}, // diagonal
        };
        for (const auto& [otoceni, posun] : pripady)
            for (QWidget* nad : {m_okno->schranka()->viewport(), static_cast<QWidget*>(m_okno->popisOdkazu(2))}) {
                svisly->setValue(100);
                vodorovny->setValue(10);
                for (QPoint d : otoceni) {
                    QWheelEvent e({}, {}, {}, d, Qt::NoButton, {}, Qt::NoScrollPhase, false);
                    QApplication::sendEvent(nad, &e);
                }
                QCOMPARE(QPoint(vodorovny->value() - 10, svisly->value() - 100), posun);
            }
    }

    // F2 opens the about window modal and Escape closes it. The start-up
    // timer centres the windows, hidden ones with the main window's frame.
    void oprog()
    {
        auto* o = okna::najdi<Toprog>("Toprog");
        QVERIFY(o && !o->isVisible());
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
        o->move(0, 0);
        m_okno->move(0, 0);
        m_okno->TimerTimer();
        const QRect plocha = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(m_okno->pos(), okna::stred(plocha, m_okno->frameGeometry().size()));
        QCOMPARE(o->pos(), okna::stred(plocha, o->size() + m_okno->frameGeometry().size() - m_okno->size()));
    }

    // Another open window does not keep the program running; then the
    // windows are deleted and the registry forgets them.
    void ukonceniProgramu()
    {
        QWidget jine;
        jine.show();
        QTimer::singleShot(5000, &jine, [] { QCoreApplication::exit(1); });
        QTimer::singleShot(0, m_okno, [this] { akce(m_okno, "Konec1")->trigger(); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!m_okno->isVisible());
        zrusOkna();
        QVERIFY(!okna::najdi("THlavniOkno") && !okna::najdi("Toprog"));
    }

    // Start-up puts off every window the first paint does not need. Whichever
    // road then reaches a window finds the whole set as start-up used to make
    // it: every window made, in its place, the analysis windows holding the
    // drawing editor's zero period, the requester code left where the editor left it.
    void cesta_data()
    {
        QTest::addColumn<Cesta>("cesta");
        QTest::addColumn<QString>("cil"); // the window the road shows, if any
        QTest::newRow("menu item") << Cesta::Menu << QStringLiteral("TKonvoluce");
        QTest::newRow("index link") << Cesta::Rejstrik << QStringLiteral("Tposuv");
        QTest::newRow("registry lookup") << Cesta::Registr << QString();
        QTest::newRow("idle event loop") << Cesta::Necinnost << QString();
    }
    void cesta()
    {
        QFETCH(Cesta, cesta);
        QFETCH(QString, cil);
        // After the first paint nothing else is made, but the menu and the index offer every window.
        for (const TOkno& o : tabulkaOken::okna()) {
            const QString t = QString::fromLatin1(o.trida);
            QVERIFY2((okna::hotove(t) != nullptr) == (o.vytvor && hnedNaZacatku(o)), o.trida);
            QCOMPARE(okna::zname(t), o.vytvor != nullptr);
        }
        QVERIFY(m_okno->nazev(2)->isEnabled());
        QCOMPARE(m_okno->findChild<QLabel*>("nadpis")->text(), QStringLiteral("VORTA 2.01"));

        switch (cesta) {
        case Cesta::Menu:
            m_okno->findChild<QAction*>("KonvoluceStart")->trigger();
            break;
        case Cesta::Rejstrik:
            QTest::mouseClick(m_okno->nazev(2), Qt::LeftButton, {}, QPoint(4, 4));
            break;
        case Cesta::Registr:
            QVERIFY(okna::najdi("TDFT"));
            break;
        case Cesta::Necinnost:
            vytvorPriNecinnosti();
            QVERIFY(!okna::hotove("Tkreslic")); // one window per pass: the loop stays free between them
            QTRY_VERIFY(okna::hotove("Tkreslic"));
            break;
        }
        if (!cil.isEmpty())
            QVERIFY(okna::hotove(cil) && okna::hotove(cil)->isVisible());

        const QRect plocha = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize ramecek = m_okno->frameGeometry().size() - m_okno->size();
        for (const TOkno& o : tabulkaOken::okna()) {
            QWidget* w = okna::hotove(QString::fromLatin1(o.trida));
            QCOMPARE(w != nullptr, o.vytvor != nullptr);
            if (!w)
                continue;
            QCOMPARE(w->objectName(), QString::fromLatin1(o.jmeno));
            if (o.centrovat && !hnedNaZacatku(o))
                QCOMPARE(w->pos(), okna::stred(plocha, w->size() + ramecek));
        }
        // The editor, made last, gave each analysis window its zero period: giving it again changes nothing.
        QCOMPARE(zadatel::kod(), zadatel::pocetOken);
        const std::vector<double> nula = kreslic::perioda(kreslic::Stav{}.krivka);
        for (int kod = 1; kod <= zadatel::pocetOken; ++kod) {
            auto* origin = okna::hotove(analyza[kod - 1])->findChild<TGraf*>("origin");
            QVERIFY(origin);
            const int pocet = origin->PocetBodu();
            const auto sloty = origin->sloty();
            zadatel::nastav(kod);
            QVERIFY(zadatel::predejSignal(nula));
            const bool stejne = std::memcmp(sloty.data(), origin->sloty().data(), sizeof sloty) == 0;
            QVERIFY2(pocet == origin->PocetBodu() && stejne, analyza[kod - 1]);
        }
        zadatel::nastav(zadatel::pocetOken);
    }

private:
    THlavniOkno* m_okno = nullptr;
};

VORTA_TEST(TestOkna)
#include "test_app.moc"
