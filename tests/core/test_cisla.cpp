#include "VortaTest.h"

#include "core/cisla.h"

#include <QLocale>
#include <cmath>
#include <limits>

using namespace vorta;

class TestCisla : public QObject {
    Q_OBJECT
private slots:
    // Halves to even; non-finite and huge values are clamped, never undefined.
    void celaCislaJsouOmezena()
    {
        QCOMPARE(double(zaokrouhli(1.5)), 2.0);
        QCOMPARE(double(zaokrouhli(2.5)), 2.0);
        QCOMPARE(double(zaokrouhli(2.5000001)), 3.0);
        QCOMPARE(orizniNaInt(-2.9L), -2);
        QCOMPARE(zaokrouhliNaInt(std::numeric_limits<double>::quiet_NaN()), 0);
        QCOMPARE(zaokrouhliNaInt(1e30L, 1000), 1000);
        QCOMPARE(orizniNaInt(-1e300L, 1000), -1000);
        QCOMPARE(orizniNaInt(std::numeric_limits<double>::infinity(), 50), 50);
        QVERIFY(!vorta::grafovyFormat(std::numeric_limits<double>::quiet_NaN(), QChar(',')).isEmpty());
        QVERIFY(vorta::fixniFormat(-std::numeric_limits<double>::infinity(), 2, QChar(',')).startsWith(u'-'));
    }

    void prevodTextu_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("oddelovac");
        QTest::addColumn<bool>("platne");
        QTest::addColumn<double>("hodnota");
        const QChar carka(',');
        QTest::newRow("tečka pod čárkou") << "1.5" << carka << false << 0.0;
        QTest::newRow("mezery") << "  -2,25 " << carka << true << -2.25;
        QTest::newRow("exponent bez číslic") << "1E" << carka << false << 0.0;
        QTest::newRow("přetečení") << "1E400" << carka << false << 0.0;
        QTest::newRow("arabský oddělovač") << "2\u066b5" << QChar(0x066b) << true << 2.5;
        QTest::newRow("číslice mimo ASCII") << "\uff11" << carka << false << 0.0;
        QTest::newRow("největší double") << "1,79769313486232E308" << carka << true
                                         << std::numeric_limits<double>::max();
        QTest::newRow("nad největší double") << "-1,797693134862321E308" << carka << false << 0.0;
        QTest::newRow("obrovský exponent") << "1E99999999999999999999999" << carka << false << 0.0;
        QTest::newRow("mnoho číslic") << QString(2000, u'0') + "1," + QString(3000, u'9') << carka << true << 2.0;
    }
    void prevodTextu()
    {
        QFETCH(QString, text);
        QFETCH(QChar, oddelovac);
        QFETCH(bool, platne);
        QFETCH(double, hodnota);
        const auto v = naCislo(text, oddelovac);
        QCOMPARE(v.has_value(), platne);
        if (platne)
            QCOMPARE(double(*v), hodnota);
    }

    // Typed decimals give the nearest long double, as the compiler's own literal.
    void prevodJePresny()
    {
        QCOMPARE(*naCislo(u"0,1", u','), 0.1L);
        QCOMPARE(*naCislo(u"-123456789,987654321", u','), -123456789.987654321L);
        QCOMPARE(*naCislo(u"1,25e-310", u','), 1.25e-310L);
        QVERIFY(std::signbit(*naCislo(u"-0", u',')));
    }

    // A group separator is not a decimal one: "1.000" on a German desktop is a typing error.
    void oddelovacTisicuNeniDesetinny()
    {
        const QLocale l = QLocale::system();
        QVERIFY(desetinnyOddelovac() != l.groupSeparator().front());
        QVERIFY(!naCislo(QStringLiteral("1") + l.groupSeparator() + QStringLiteral("000")).has_value());
        QCOMPARE(*naCislo(QStringLiteral("1") + desetinnyOddelovac() + QStringLiteral("5")), 1.5L);
    }
};

VORTA_TEST(TestCisla)
#include "test_cisla.moc"
