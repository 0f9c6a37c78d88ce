// The graph as the user handles it: a drag started by a real press and
// move of the mouse.
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
    // A drag starts only from a press and a move of the left button far
    // enough, and carries this graph's points and number.
    void tazeni()
    {
        QFETCH(bool, automaticky);
        QFETCH(int, posun);
        QFETCH(bool, tazeno);
        TGraf g;
        g.resize(200, 120);
        g.setAutomatickeTazeni(automaticky);
        for (const TBod& b : {TBod{1, 2, 0}, {3, 4, 2}})
            g.PridejZaznam(b);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        bool zacato = false;
        QByteArray nesene;
        // While a drag runs, its own event loop runs this; then the drag is
        // called off.
        QTimer::singleShot(0, &g, [&] {
            if (auto* drag = g.findChild<QDrag*>()) {
                zacato = true;
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
        QCOMPARE(zacato, tazeno);
        if (tazeno) {
            const auto obsah = dekodujTazeni(nesene);
            QVERIFY(obsah);
            QVERIFY(obsah->proces == QCoreApplication::applicationPid() && obsah->graf == g.cisloGrafu());
            QCOMPARE(int(obsah->body.size()), 2);
            QVERIFY(obsah->body[1].x == 3 && obsah->body[1].Styl == 2);
        }
    }
};

VORTA_TEST(TestOvladani)
#include "test_ovladani.moc"
