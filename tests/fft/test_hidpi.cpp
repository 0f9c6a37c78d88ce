// The FFT window on a narrow work area (960 pixels wide at scale 2): the
// button that shows the spectrum is never cut off, and the graph's box does
// not cover it.
#include "VortaTest.h"

#include "fft/TFFT.h"

#include <QPushButton>
#include <QScrollArea>

class TestHidpiFFT : public QObject {
    Q_OBJECT
private slots:
    void tlacitko_data()
    {
        QTest::addColumn<int>("sirka");
        QTest::addColumn<QPoint>("poloha");
        QTest::newRow("1024, beside the groups") << 1024 << QPoint(865, 22);
        QTest::newRow("1010, just fits beside") << 1010 << QPoint(865, 22);
        QTest::newRow("960, own row") << 960 << QPoint(815, 72);
    }
    void tlacitko()
    {
        QFETCH(int, sirka);
        TFFT okno;
        okno.setWindowState(Qt::WindowNoState);
        okno.show();
        okno.resize(sirka, 540);
        const auto* b = okno.findChild<QPushButton*>("Button1");
        QTEST(b->pos(), "poloha");
        QVERIFY(okno.rect().contains(b->geometry()));
        QVERIFY(!okno.findChild<QScrollArea*>("box")->geometry().intersects(b->geometry()));
    }
};

VORTA_TEST(TestHidpiFFT)
#include "test_hidpi.moc"
