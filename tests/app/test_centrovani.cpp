#include "VortaTest.h"

#include "app/okna.h"

class TestCentrovani : public QObject {
    Q_OBJECT
private slots:
    void stred_data()
    {
        QTest::addColumn<QRect>("plocha");
        QTest::addColumn<QSize>("okno");
        QTest::addColumn<QPoint>("poloha");
        QTest::newRow("halves to even up") << QRect(0, 0, 1280, 1024) << QSize(597, 557) << QPoint(342, 234);
        QTest::newRow("half to even down") << QRect(0, 0, 1280, 994) << QSize(597, 557) << QPoint(342, 218);
        QTest::newRow("exact") << QRect(0, 0, 1281, 1025) << QSize(597, 557) << QPoint(342, 234);
        QTest::newRow("both halves down") << QRect(0, 0, 1024, 768) << QSize(483, 255) << QPoint(270, 256);
        QTest::newRow("both halves up") << QRect(0, 0, 1024, 768) << QSize(485, 257) << QPoint(270, 256);
        QTest::newRow("work area offset") << QRect(100, 30, 1180, 994) << QSize(482, 256) << QPoint(449, 399);
        QTest::newRow("screen left of primary") << QRect(-1280, 0, 1280, 1024) << QSize(597, 557)
                                                << QPoint(-938, 234);
        QTest::newRow("same size") << QRect(10, 20, 800, 600) << QSize(800, 600) << QPoint(10, 20);
        QTest::newRow("larger keeps top-left") << QRect(0, 0, 800, 600) << QSize(1000, 700) << QPoint(0, 0);
        QTest::newRow("larger with offset") << QRect(100, 30, 800, 600) << QSize(1000, 700) << QPoint(100, 30);
        QTest::newRow("only taller") << QRect(0, 40, 1280, 600) << QSize(597, 900) << QPoint(342, 40);
    }
    void stred()
    {
        QFETCH(QRect, plocha);
        QFETCH(QSize, okno);
        QTEST(okna::stred(plocha, okno), "poloha");
    }
};

VORTA_TEST(TestCentrovani)
#include "test_centrovani.moc"
