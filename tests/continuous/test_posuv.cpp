#include "VortaTest.h"

#include "continuous/Tposuv.h"
#include "core/cisla.h"
#include "graf/TGraf.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <memory>

namespace {

QList<QPointF> body(const TGraf* g)
{
    QList<QPointF> b;
    for (int k = 0; k < g->PocetBodu(); ++k)
        b.append(QPointF(g->CtiBod(k).x, g->CtiBod(k).y));
    return b;
}

bool cervene(const QLineEdit* e) { return e->palette().color(QPalette::Text) == QColor(Qt::red); }

QString cislo(double v) { return vorta::fixniFormat(v, 2); }

} // namespace

class TestPosuv : public QObject {
    Q_OBJECT

    std::unique_ptr<Tposuv> okno;
    TGraf* origin = nullptr;
    TGraf* posuv = nullptr;
    QComboBox* signal = nullptr;
    QComboBox* signal2 = nullptr;
    QLineEdit *A = nullptr, *B = nullptr, *C = nullptr;

    template <class T> T* najdi(const char* jmeno)
    {
        T* w = okno->findChild<T*>(QString::fromLatin1(jmeno));
        if (!w)
            qFatal("missing control %s", jmeno);
        return w;
    }

private slots:
    void init()
    {
        okno = std::make_unique<Tposuv>();
        origin = najdi<TGraf>("origin");
        posuv = najdi<TGraf>("posuv");
        signal = najdi<QComboBox>("signal");
        signal2 = najdi<QComboBox>("signal2");
        A = najdi<QLineEdit>("A");
        B = najdi<QLineEdit>("B");
        C = najdi<QLineEdit>("C");
    }
    void cleanup() { okno.reset(); }

    void vychoziStav()
    {
        QCOMPARE(okno->objectName(), QStringLiteral("posuv"));
        QCOMPARE(okno->windowTitle(), QStringLiteral("Posuv a násobení signálu"));
        QCOMPARE(okno->size(), QSize(841, 353));
        QCOMPARE(signal->currentText(), QStringLiteral("Speciání"));
        QCOMPARE(signal2->count(), 6);
        // the initial texts convert under the test's locale, so nothing is red
        QVERIFY(!cervene(A) && !cervene(B) && !cervene(C));
        QCOMPARE(okno->aktualniTvar(), std::uint8_t(8));
        QCOMPARE(origin->PocetBodu(), 6);
        QCOMPARE(posuv->PocetBodu(), 6);
        QCOMPARE(body(posuv)[2], QPointF(-1, 1));
        QCOMPARE(origin->Nadpis(), QStringLiteral("Původní signál"));
        QCOMPARE(posuv->Nadpis(), QStringLiteral("Posunutý signál"));
        QCOMPARE(posuv->xCislic(), 8.0);
        QVERIFY(!najdi<QLabel>("ch1")->isVisibleTo(okno.get()));
    }

    void vyberyVKroku_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("dvePi");
        QTest::addColumn<int>("body");
        QTest::newRow("Sin") << 1 << true << 801;
        QTest::newRow("Cos") << 2 << true << 801;
        QTest::newRow("Obdelik") << 3 << false << 801;
        QTest::newRow("Náhodný 2") << 5 << false << 801;
        QTest::newRow("Speciání") << 0 << false << 6;
    }
    void vyberyVKroku()
    {
        QFETCH(int, index);
        QFETCH(bool, dvePi);
        QFETCH(int, body);
        signal->setCurrentIndex(1); // start from a different entry
        signal2->setCurrentIndex(index);
        QCOMPARE(signal->currentIndex(), index);
        QCOMPARE(posuv->PocetBodu(), body);
        for (const char* l : {"ch1", "ch2", "ch3", "ch4"})
            QCOMPARE(najdi<QLabel>(l)->isVisibleTo(okno.get()), dvePi);
        const int posun = dvePi ? 0 : 40;
        QCOMPARE(najdi<QLabel>("p1")->x(), 224 - posun);
        QCOMPARE(najdi<QLabel>("p2")->x(), 304 - posun);
        QCOMPARE(najdi<QLabel>("p3")->x(), 392 - posun);
        QCOMPARE(C->x(), 352 - posun);
        // and back through the left-hand box
        signal->setCurrentIndex(index == 1 ? 2 : 1);
        QCOMPARE(signal2->currentIndex(), signal->currentIndex());
        QVERIFY(najdi<QLabel>("ch4")->isVisibleTo(okno.get()));
    }

    // Which boxes stay red, and what the right-hand graph shows.
    void parametryVOkne_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("cervene");
        QTest::addColumn<bool>("prazdny");
        QTest::addColumn<double>("y"); // posuv at t = 0.125 when drawn
        QTest::newRow("prijato") << "2" << "2" << "0" << "000" << false << 2.0;
        QTest::newRow("A na mezi") << "-2.1" << "1" << "0" << "000" << false << -2.1 * std::sin(M_PI / 4);
        QTest::newRow("A 2.11") << "2.11" << "1" << "0" << "100" << true << 0.0;
        QTest::newRow("C mimo") << "1" << "1" << "10.2" << "001" << true << 0.0;
        QTest::newRow("A prazdne") << "" << "2" << "0" << "111" << false << std::sin(M_PI / 4);
        QTest::newRow("B minus") << "2" << "-" << "0" << "011" << false << std::sin(M_PI / 4);
        QTest::newRow("cizi oddelovac") << "2" << "2" << "0~5" << "001" << false << std::sin(M_PI / 4);
        QTest::newRow("A mimo a B pismeno") << "5" << "q" << "0" << "111" << true << 0.0;
    }
    void parametryVOkne()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, cervene);
        QFETCH(bool, prazdny);
        QFETCH(double, y);
        // '.' stands for the user's separator, '~' for the other one
        const QChar sep = vorta::desetinnyOddelovac(), cizi = sep == u'.' ? u',' : u'.';
        const auto lokalne = [&](QString t) { return t.replace(u'.', sep).replace(u'~', cizi); };
        signal->setCurrentIndex(1); // Sin
        A->setText(lokalne(a));
        B->setText(lokalne(b));
        C->setText(lokalne(c));
        const QString barvy = QString("%1%2%3").arg(int(::cervene(A))).arg(int(::cervene(B))).arg(int(::cervene(C)));
        QCOMPARE(barvy, cervene);
        QCOMPARE(origin->PocetBodu(), 801);
        QCOMPARE(posuv->PocetBodu(), prazdny ? 0 : 801);
        if (!prazdny)
            QVERIFY2(std::abs(posuv->CtiBod(425).y - y) < 1e-5, qPrintable(cislo(posuv->CtiBod(425).y)));
    }

    void psaniPrekresluje()
    {
        signal->setCurrentIndex(3); // rectangle, +1 at t = 0.5
        A->selectAll();
        QTest::keyClicks(A, "-");
        QVERIFY(cervene(A));
        QCOMPARE(posuv->CtiBod(500).y, 1.0f); // drawn with the defaults
        QTest::keyClicks(A, "2");
        QVERIFY(!cervene(A));
        QCOMPARE(posuv->CtiBod(500).y, -2.0f);
        QCOMPARE(origin->CtiBod(500).y, 1.0f);
    }

    void nahodnyVzorkyDrzi()
    {
        signal->setCurrentIndex(4); // Náhodný 1
        const QList<QPointF> puvodni = body(origin);
        QCOMPARE(puvodni.size(), 801);
        A->setText("-2");
        QCOMPARE(body(origin), puvodni);
        for (int k = 0; k < 801; k += 50)
            QCOMPARE(posuv->CtiBod(k).y, -2 * float(puvodni[k].y()));
        // the user choosing the shown entry again draws new samples
        QCoreApplication::processEvents();
        emit signal->activated(4);
        QVERIFY(body(origin) != puvodni);
        const QList<QPointF> druhe = body(origin);
        signal2->setCurrentIndex(5);
        signal2->setCurrentIndex(4);
        QVERIFY(body(origin) != druhe);
    }
};

VORTA_TEST(TestPosuv)
#include "test_posuv.moc"
