// Dragging a graph: the payload's bytes, and which drops a receiving graph
// takes.
#include "VortaTest.h"

#include "graf/TGraf.h"
#include "graf/tazeni.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QtEndian>

namespace {

QByteArray payload(const TGraf& g)
{
    return vorta::graf::zakodujTazeni(QCoreApplication::applicationPid(), g.cisloGrafu(), g.PocetBodu(),
                                      g.sloty().data());
}

// Sends enter and drop with the given payload; whether the graph took each.
std::pair<bool, bool> pust(TGraf& cil, const QByteArray& data)
{
    QMimeData mime;
    mime.setData(vorta::graf::mimeTazeni, data);
    QDragEnterEvent vstup(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&cil, &vstup);
    QDropEvent pusteni(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&cil, &pusteni);
    return {vstup.isAccepted(), pusteni.isAccepted()};
}

} // namespace

class TestTazeni : public QObject {
    Q_OBJECT
private slots:
    void bajty()
    {
        TGraf g;
        g.PridejBod(2, 0.5, -1);
        g.PridejBod(-3, 2, 1);
        const QByteArray b = payload(g);
        QCOMPARE(b.size(), 20 + 2 * 12);
        QCOMPARE(qFromLittleEndian<qint64>(b.constData()), QCoreApplication::applicationPid());
        QCOMPARE(qFromLittleEndian<quint64>(b.constData() + 8), g.cisloGrafu());
        QCOMPARE(b.mid(16).toHex(' '),
                 QByteArray("02 00 00 00 00 00 00 3f 00 00 80 bf 00 00 00 00 00 00 00 40 00 00 80 3f fd ff ff ff"));
        const auto o = vorta::graf::dekodujTazeni(b);
        QVERIFY(o && o->body.size() == 2 && o->body[1].Styl == -3 && o->body[0].x == 0.5f);
    }

    void pusteni_data()
    {
        QTest::addColumn<int>("uprava");
        QTest::addColumn<bool>("prijato");
        QTest::newRow("sound") << 0 << true;
        QTest::newRow("one byte more") << 1 << false;
        QTest::newRow("one byte less") << 2 << false;
        QTest::newRow("count -1") << 3 << false;
        QTest::newRow("count 3073") << 4 << false;
        QTest::newRow("another process") << 5 << false;
        QTest::newRow("graph no longer alive") << 6 << false;
        QTest::newRow("header only") << 7 << false;
        QTest::newRow("receiver takes no graphs") << 8 << false;
    }
    void pusteni()
    {
        QFETCH(int, uprava);
        QFETCH(bool, prijato);
        TGraf zdroj, cil;
        cil.setPrijimaGrafy(true);
        for (int i = 0; i < 10; ++i)
            zdroj.PridejBod(2, i, i);
        QByteArray b = payload(zdroj);
        switch (uprava) {
        case 1: b.append('\0'); break;
        case 2: b.chop(1); break;
        case 3: qToLittleEndian<qint32>(-1, b.data() + 16); break;
        case 4: qToLittleEndian<qint32>(3073, b.data() + 16); break;
        case 5: qToLittleEndian<qint64>(QCoreApplication::applicationPid() + 1, b.data()); break;
        case 6: {
            auto zmizely = std::make_unique<TGraf>();
            b = payload(*zmizely);
        } break;
        case 7: b = b.left(20); break;
        case 8: cil.setPrijimaGrafy(false); break;
        }
        QSignalSpy spy(&cil, &TGraf::grafPretazen);
        QCOMPARE(pust(cil, b), std::make_pair(prijato, prijato));
        QCOMPARE(spy.size(), prijato ? 1 : 0);
        if (prijato)
            QCOMPARE(spy[0][0].value<TGraf*>(), &zdroj);
    }
};

VORTA_TEST(TestTazeni)
#include "test_tazeni.moc"
