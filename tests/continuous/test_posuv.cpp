#include "VortaTest.h"
#include "grafyTestu.h"

#include "continuous/Tposuv.h"
#include "core/cisla.h"
#include "graf/TGraf.h"

#include <QComboBox>
#include <QLineEdit>
#include <cmath>

using vortatest::xy;

class TestPosuv : public QObject {
    Q_OBJECT

    std::unique_ptr<Tposuv> okno;
    TGraf *origin = nullptr, *posuv = nullptr;
    QComboBox *signal = nullptr, *signal2 = nullptr;

    template <class T = QWidget> T* najdi(const char* jmeno) { return okno->findChild<T*>(QString::fromLatin1(jmeno)); }
    // A "1" for each of the boxes A, B and C drawn in red.
    QString cervene()
    {
        QString s;
        for (const char* e : {"A", "B", "C"})
            s += najdi<QLineEdit>(e)->palette().color(QPalette::Text) == QColor(Qt::red) ? u'1' : u'0';
        return s;
    }

private slots:
    void init()
    {
        okno = std::make_unique<Tposuv>();
        origin = najdi<TGraf>("origin"), posuv = najdi<TGraf>("posuv");
        signal = najdi<QComboBox>("signal"), signal2 = najdi<QComboBox>("signal2");
        QVERIFY(origin && posuv && signal && signal2);
    }

    // Which boxes stay red and what the right-hand graph shows after a keystroke turned all three red.
    void parametryVOkne_data()
    {
        QTest::addColumn<QStringList>("texty"); // '.' is the user's separator, '~' the other one
        QTest::addColumn<QString>("barvy");
        QTest::addColumn<double>("y"); // posuv at t = 0.125; NaN: left empty
        QTest::newRow("prijato") << QStringList{"-2.1", "2", "0"} << "000" << -2.1;
        QTest::newRow("A 2.11") << QStringList{"2.11", "1", "0"} << "100" << qQNaN();
        QTest::newRow("cizi oddelovac") << QStringList{"2", "2", "0~5"} << "001" << std::sin(M_PI / 4);
    }
    void parametryVOkne()
    {
        QFETCH(QStringList, texty);
        QFETCH(QString, barvy);
        QFETCH(double, y);
        const QChar sep = vorta::desetinnyOddelovac(), cizi = sep == u'.' ? u',' : u'.';
        signal->setCurrentIndex(1); // Sin
        QTest::keyClicks(najdi("A"), "x");
        QCOMPARE(cervene(), "111");
        for (const char* e : {"A", "B", "C"})
            najdi<QLineEdit>(e)->setText(texty.takeFirst().replace(u'.', sep).replace(u'~', cizi));
        QCOMPARE(cervene(), barvy);
        QCOMPARE(origin->PocetBodu(), 801);
        const bool nakreslen = posuv->PocetBodu() == 801 && std::abs(posuv->CtiBod(425).y - y) < 1e-5;
        QVERIFY(std::isnan(y) ? posuv->PocetBodu() == 0 : nakreslen);
    }

    // A random shape keeps its samples when a parameter changes; choosing it again, in either box, draws new ones.
    void nahodnyVzorkyDrzi()
    {
        signal->setCurrentIndex(4); // Náhodný 1
        const QList<QPointF> puvodni = xy(origin);
        najdi<QLineEdit>("A")->setText("-2");
        QCOMPARE(xy(origin), puvodni);
        QCoreApplication::processEvents();
        emit signal->activated(4);
        QVERIFY(xy(origin) != puvodni);
        const QList<QPointF> druhe = xy(origin);
        signal2->setCurrentIndex(5);
        signal2->setCurrentIndex(4);
        QVERIFY(xy(origin) != druhe);
    }
};

VORTA_TEST(TestPosuv)
#include "test_posuv.moc"
