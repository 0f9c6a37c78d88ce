// The point store and the properties of a graph.
#include "VortaTest.h"

#include "graf/TGraf.h"
#include "graf/barvy.h"
#include "pomocne.h"

#include <QAction>
#include <QMenu>
#include <limits>


class TestModelGrafu : public QObject {
    Q_OBJECT
private slots:
    void prvniBodJePresun()
    {
        TGraf g;
        QCOMPARE(g.PocetBodu(), 0);
        g.PridejBod(2, 1.5, 2.5);
        g.PridejBod(2, 3, 4);
        QCOMPARE(g.CtiBod(0).Styl, 0);
        QCOMPARE(g.CtiBod(1).Styl, 2);
        g.Smaz();
        QCOMPARE(g.PocetBodu(), 0);
        QCOMPARE(g.CtiBod(1).Styl, 0);
        QCOMPARE(g.CtiBod(1).x, 3.0f); // Smaz keeps the coordinates
        g.PridejZaznam(TBod{7, 8, -5});
        QCOMPARE(g.CtiBod(0).Styl, 0);
        g.PridejBod(1, 0.1, 1e300); // stored as singles
        QVERIFY(g.CtiBod(1).x == 0.1f && std::isinf(g.CtiBod(1).y));
    }

    void mezBodu()
    {
        TGraf g;
        for (int i = 1; i <= 3080; ++i)
            g.PridejBod(2, i, -i);
        QCOMPARE(g.PocetBodu(), 3072);
        QCOMPARE(g.CtiBod(3071).x, 3072.0f);
        QCOMPARE(g.CtiBod(3072).x, 3080.0f); // every extra point lands in the last slot
        QCOMPARE(g.CtiBod(3072).Styl, 2);
    }

    void ctiMimoRozsah_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("-1") << -1;
        QTest::newRow("3073") << 3073;
        QTest::newRow("min int") << std::numeric_limits<int>::min();
    }
    void ctiMimoRozsah()
    {
        QFETCH(int, index);
        TGraf g;
        for (int i = 0; i < 3100; ++i)
            g.PridejBod(5, 9, 9);
        const TBod b = g.CtiBod(index);
        QVERIFY(b.x == 0 && b.y == 0 && b.Styl == 0);
    }

    // The two menu switches enable their item and leave the picture alone;
    // every other property repaints.
    void prepinaceMenuNeprekresluji()
    {
        TGraf g;
        g.resize(200, 100);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        Malby malby;
        g.installEventFilter(&malby);
        const QList<QAction*> akce = g.popupMenu()->actions();
        QVERIFY(!akce[3]->isEnabled() && !akce[4]->isEnabled());
        g.setMenuOtevrit(true);
        g.setMenuUlozit(true);
        QCoreApplication::processEvents();
        QCOMPARE(malby.pocet, 0);
        QVERIFY(akce[3]->isEnabled() && akce[4]->isEnabled());
        g.setXCislic(-8);
        QCOMPARE(g.xCislic(), 8.0);
        QTRY_VERIFY(malby.pocet > 0);
    }

    void stylovyKod_data()
    {
        QTest::addColumn<int>("styl");
        QTest::addColumn<QRgb>("barva");
        QTest::addColumn<int>("sirka");
        QTest::newRow("2 blue") << 2 << qRgb(0, 0, 255) << 3;
        QTest::newRow("201 red 2 px") << 201 << qRgb(255, 0, 0) << 2;
        QTest::newRow("-1 red") << -1 << qRgb(255, 0, 0) << 3;
        QTest::newRow("9 money green") << 9 << qRgb(192, 220, 192) << 3;
        QTest::newRow("10 black") << 10 << qRgb(0, 0, 0) << 3;
        QTest::newRow("199 black") << 199 << qRgb(0, 0, 0) << 1;
        QTest::newRow("min int") << std::numeric_limits<int>::min() << qRgb(0, 0, 0)
                                 << vorta::graf::maxSirkaPera;
    }
    void stylovyKod()
    {
        QFETCH(int, styl);
        QFETCH(QRgb, barva);
        QFETCH(int, sirka);
        QCOMPARE(vorta::graf::barvaStylu(styl), barva);
        QCOMPARE(vorta::graf::sirkaStylu(styl, 3), sirka);
    }
};

VORTA_TEST(TestModelGrafu)
#include "test_model.moc"
