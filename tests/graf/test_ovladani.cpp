// The graph as the user handles it: a drag starts only from a real press and
// a move of the left button far enough, in the automatic drag mode.
#include "VortaTest.h"

#include "graf/TGraf.h"
#include "graf/tazeni.h"

#include <QDrag>
#include <QMimeData>
#include <QTimer>

using namespace vorta::graf;

class TestOvladani : public QObject {
    Q_OBJECT

private slots:
    void tazeni_data()
    {
        QTest::addColumn<bool>("automaticky"); // the graph's drag mode
        QTest::addColumn<int>("posun");        // how far the mouse moves with the button held; -1: released first
        QTest::addColumn<bool>("tazeno");
        const int d = QApplication::startDragDistance();
        QTest::newRow("press and move exactly the distance") << true << d << true;
        QTest::newRow("move short of the distance") << true << d - 1 << false;
        QTest::newRow("click, then move without the button") << true << -1 << false;
        QTest::newRow("no automatic drag mode") << false << d + 10 << false;
    }
    void tazeni()
    {
        QFETCH(bool, automaticky);
        QFETCH(int, posun);
        QFETCH(bool, tazeno);
        TGraf g;
        g.resize(200, 120);
        g.setAutomatickeTazeni(automaticky);
        g.PridejZaznam(TBod{3, 4, 2});
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QByteArray nesene; // a drag runs its own event loop, which runs this and calls it off
        QTimer::singleShot(0, &g, [&] {
            if (auto* drag = g.findChild<QDrag*>()) {
                nesene = drag->mimeData()->data(mimeTazeni);
                QDrag::cancel();
            }
        });
        const QPoint start(60, 60);
        QTest::mousePress(&g, Qt::LeftButton, {}, start);
        if (posun < 0)
            QTest::mouseRelease(&g, Qt::LeftButton, {}, start);
        QTest::mouseMove(&g, start + QPoint(std::abs(posun) + (posun < 0 ? 30 : 0), 0));
        QCoreApplication::processEvents();
        if (posun >= 0)
            QTest::mouseRelease(&g, Qt::LeftButton, {}, start);
        const auto obsah = dekodujTazeni(nesene);
        QCOMPARE(bool(obsah), tazeno);
        if (tazeno)
            QVERIFY(obsah->graf == g.cisloGrafu() && obsah->body.size() == 1 && obsah->body[0].x == 3);
    }
};

VORTA_TEST(TestOvladani)
#include "test_ovladani.moc"
