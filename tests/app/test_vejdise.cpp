// A window larger than the work area (a 1920 x 1080 screen at scale 2 leaves
// 960 x 540) shrinks to it and scrolls; a window that fits is left as it is.
#include "VortaTest.h"

#include "shell/okna.h"

class TestVejdiSe : public QObject {
    Q_OBJECT
private slots:
    void umisteni_data()
    {
        QTest::addColumn<QRect>("prace");
        QTest::addColumn<QSize>("klient");
        QTest::addColumn<QSize>("ramecek");
        QTest::addColumn<QSize>("novyKlient");
        QTest::addColumn<QPoint>("poloha");
        QTest::addColumn<bool>("posouvat");
        const QSize r(10, 30);
        QTest::newRow("fits, centred") << QRect(0, 0, 1920, 1080) << QSize(905, 537) << r << QSize(905, 537)
                                       << QPoint(502, 256) << false;
        QTest::newRow("fits exactly") << QRect(0, 0, 960, 540) << QSize(950, 510) << r << QSize(950, 510)
                                      << QPoint(0, 0) << false;
        // too tall: the vertical bar widens the client, which still fits
        QTest::newRow("scale 2, panel on top") << QRect(0, 20, 960, 520) << QSize(905, 537) << r << QSize(921, 490)
                                               << QPoint(14, 20) << true;
        QTest::newRow("too wide only") << QRect(0, 0, 800, 600) << QSize(905, 337) << r << QSize(790, 353)
                                       << QPoint(0, 108) << true;
        QTest::newRow("one pixel too wide") << QRect(0, 0, 960, 540) << QSize(951, 300) << r << QSize(950, 316)
                                            << QPoint(0, 97) << true;
        // the horizontal bar pushes a height that fitted over the edge
        QTest::newRow("bar pushes the other") << QRect(0, 0, 600, 350) << QSize(617, 337) << QSize(0, 0)
                                              << QSize(600, 350) << QPoint(0, 0) << true;
        QTest::newRow("both, second screen") << QRect(1920, 0, 960, 540) << QSize(1200, 900) << r
                                             << QSize(950, 510) << QPoint(1920, 0) << true;
        QTest::newRow("no room at all") << QRect(0, 0, 5, 5) << QSize(617, 337) << r << QSize(1, 1) << QPoint(0, 0)
                                        << true;
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

VORTA_TEST(TestVejdiSe)
#include "test_vejdise.moc"
