// Start-up puts off every window the first paint does not need. Whichever
// road then reaches a window finds the whole set as start-up used to make it:
// every window made, in its place, the analysis windows holding the drawing
// editor's zero period, the requester code left where the editor left it.
#include "VortaTest.h"

#include "app/THlavniOkno.h"
#include "app/start.h"
#include "app/tabulkaOken.h"
#include "entry/kreslic.h"
#include "graf/TGraf.h"
#include "shell/okna.h"
#include "shell/zadatel.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <cstring>

namespace {

enum class Cesta { Menu, Rejstrik, Registr, Necinnost };

// The analysis windows by their requester code 1 … 5.
const char* const analyza[] = {"Tfrada", "Ttransformace", "TDFR", "TDTFT", "TDFT"};

bool hnedNaZacatku(const TOkno& o)
{
    return std::strcmp(o.trida, "THlavniOkno") == 0 || std::strcmp(o.trida, "Toprog") == 0;
}

} // namespace

Q_DECLARE_METATYPE(Cesta)

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_hlavni = vytvorOkna();
        m_hlavni->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_hlavni));
    }
    void cleanup() { zrusOkna(); }

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
        // The first paint is over and nothing else is made yet, but the menu
        // and the index offer every window.
        for (const TOkno& o : tabulkaOken::okna()) {
            const QString t = QString::fromLatin1(o.trida);
            QVERIFY2((okna::hotove(t) != nullptr) == (o.vytvor && hnedNaZacatku(o)), o.trida);
            QCOMPARE(okna::zname(t), o.vytvor != nullptr);
        }
        QVERIFY(m_hlavni->nazev(2)->isEnabled());
        QCOMPARE(m_hlavni->findChild<QLabel*>("nadpis")->text(), QStringLiteral("VORTA 2.01"));

        switch (cesta) {
        case Cesta::Menu:
            m_hlavni->findChild<QAction*>("KonvoluceStart")->trigger();
            break;
        case Cesta::Rejstrik:
            QTest::mouseClick(m_hlavni->nazev(2), Qt::LeftButton, {}, QPoint(4, 4));
            break;
        case Cesta::Registr:
            QVERIFY(okna::najdi("TDFT"));
            break;
        case Cesta::Necinnost:
            vytvorPriNecinnosti();
            // One window per pass: the loop stays free between them.
            QVERIFY(!okna::hotove("Tkreslic"));
            QTRY_VERIFY(okna::hotove("Tkreslic"));
            break;
        }
        if (!cil.isEmpty())
            QVERIFY(okna::hotove(cil) && okna::hotove(cil)->isVisible());

        const QRect plocha = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize ramecek = m_hlavni->frameGeometry().size() - m_hlavni->size();
        for (const TOkno& o : tabulkaOken::okna()) {
            QWidget* w = okna::hotove(QString::fromLatin1(o.trida));
            QCOMPARE(w != nullptr, o.vytvor != nullptr);
            if (!w)
                continue;
            QCOMPARE(w->objectName(), QString::fromLatin1(o.jmeno));
            if (o.centrovat && !hnedNaZacatku(o))
                QCOMPARE(w->pos(), okna::stred(plocha, w->size() + ramecek));
        }
        // The editor, made last, delivered its zero period to each analysis
        // window: delivering it again changes nothing.
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
    THlavniOkno* m_hlavni = nullptr;
};

VORTA_TEST(TestStart)
#include "test_start.moc"
