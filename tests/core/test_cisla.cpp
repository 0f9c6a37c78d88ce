#include "VortaTest.h"

#include "core/cisla.h"

#include <QLocale>
#include <cmath>
#include <limits>

using namespace vorta;

class TestCisla : public QObject {
    Q_OBJECT
private slots:
    void zaokrouhleniPulNaSudou_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<double>("ocekavano");
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("1.5") << 1.5 << 2.0;
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("-3.5") << -3.5 << -4.0;
        QTest::newRow("2.5000001") << 2.5000001 << 3.0;
        QTest::newRow("-0.4") << -0.4 << 0.0;
    }
    void zaokrouhleniPulNaSudou()
    {
        QFETCH(double, v);
        QFETCH(double, ocekavano);
        QCOMPARE(double(zaokrouhli(v)), ocekavano);
    }

    void celaCislaJsouOmezena()
    {
        QCOMPARE(orizniNaInt(-2.9L), -2);
        QCOMPARE(orizniNaInt(2.9L), 2);
        QCOMPARE(zaokrouhliNaInt(std::numeric_limits<double>::quiet_NaN()), 0);
        QCOMPARE(zaokrouhliNaInt(1e30L, 1000), 1000);
        QCOMPARE(orizniNaInt(-1e300L, 1000), -1000);
        QCOMPARE(orizniNaInt(std::numeric_limits<double>::infinity(), 50), 50);
    }

    void prevodTextu_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("oddelovac");
        QTest::addColumn<bool>("platne");
        QTest::addColumn<double>("hodnota");
        const QChar carka(','), tecka('.');
        QTest::newRow("1,0") << "1,0" << carka << true << 1.0;
        QTest::newRow("1.0 tečkou") << "1.0" << tecka << true << 1.0;
        QTest::newRow("tečka pod čárkou") << "1.5" << carka << false << 0.0;
        QTest::newRow("čárka pod tečkou") << "1,5" << tecka << false << 0.0;
        QTest::newRow("mezery") << "  -2,25 " << carka << true << -2.25;
        QTest::newRow("plus") << "+3" << carka << true << 3.0;
        QTest::newRow("exponent") << "1,25E4" << carka << true << 12500.0;
        QTest::newRow("exponent záporný") << "5e-5" << carka << true << 0.00005;
        QTest::newRow("bez celé části") << ",5" << carka << true << 0.5;
        QTest::newRow("bez desetin") << "7," << carka << true << 7.0;
        QTest::newRow("prázdný") << "" << carka << false << 0.0;
        QTest::newRow("jen minus") << "-" << carka << false << 0.0;
        QTest::newRow("jen oddělovač") << "," << carka << false << 0.0;
        QTest::newRow("písmeno") << "1a" << carka << false << 0.0;
        QTest::newRow("dva oddělovače") << "1,2,3" << carka << false << 0.0;
        QTest::newRow("exponent bez číslic") << "1E" << carka << false << 0.0;
        QTest::newRow("mezera uvnitř") << "1 000" << carka << false << 0.0;
        QTest::newRow("přetečení") << "1E400" << carka << false << 0.0;
        QTest::newRow("nekonečno") << "inf" << carka << false << 0.0;
        QTest::newRow("hex") << "0x10" << carka << false << 0.0;
        QTest::newRow("tabulátor a nbsp") << "\t0,5\u00a0" << carka << true << 0.5;
        QTest::newRow("arabský oddělovač") << "2\u066b5" << QChar(0x066b) << true << 2.5;
        QTest::newRow("číslice mimo ASCII") << "\uff11" << carka << false << 0.0;
        QTest::newRow("dvě znaménka") << "+-1" << carka << false << 0.0;
        QTest::newRow("znaménko za mezerou") << "- 1" << carka << false << 0.0;
        QTest::newRow("největší double") << "1,79769313486232E308" << carka << true
                                         << std::numeric_limits<double>::max();
        QTest::newRow("nad double, pod zobrazeným") << "-1,797693134862316E308" << carka << true
                                                    << -std::numeric_limits<double>::max();
        QTest::newRow("nad největší double") << "-1,797693134862321E308" << carka << false << 0.0;
        QTest::newRow("nejmenší double") << "4,9406564584124654E-324" << carka << true
                                         << std::numeric_limits<double>::denorm_min();
        QTest::newRow("pod long double") << "1E-5000" << carka << true << 0.0;
        QTest::newRow("nuly před exponentem") << "0,000000000000000000000000000000000001E37" << carka << true
                                              << 10.0;
        QTest::newRow("dlouhý exponent") << "1E000000000000000000000000000001" << carka << true << 10.0;
        QTest::newRow("obrovský exponent") << "1E99999999999999999999999" << carka << false << 0.0;
        QTest::newRow("obrovský záporný exponent") << "1E-99999999999999999999999" << carka << true << 0.0;
        QTest::newRow("nula s exponentem") << "0E999999" << carka << true << 0.0;
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

    // Exact values of typed decimals: the nearest long double, as a correct
    // conversion gives (compared with the compiler's own literal).
    void prevodJePresny()
    {
        QCOMPARE(*naCislo(u"0,1", u','), 0.1L);
        QCOMPARE(*naCislo(u"2,11", u','), 2.11L);
        QCOMPARE(*naCislo(u"-123456789,987654321", u','), -123456789.987654321L);
        QCOMPARE(*naCislo(u"1,25e-310", u','), 1.25e-310L);
        QVERIFY(std::signbit(*naCislo(u"-0", u',')));
    }

    // A group separator is not a decimal separator: "1.000" on a German
    // desktop is neither 1 nor 1000 but a typing error.
    void oddelovacTisicuNeniDesetinny()
    {
        const QLocale l = QLocale::system();
        QVERIFY(desetinnyOddelovac() != l.groupSeparator().front());
        QVERIFY(!naCislo(QStringLiteral("1") + l.groupSeparator() + QStringLiteral("000")).has_value());
        QCOMPARE(*naCislo(QStringLiteral("1") + desetinnyOddelovac() + QStringLiteral("5")), 1.5L);
    }

    void grafovyFormat_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<QString>("carkou");
        QTest::addColumn<QString>("teckou");
        QTest::newRow("1000") << 1000.0 << "1E03" << "1E03";
        QTest::newRow("12500") << 12500.0 << "1,25E04" << "1.25E04";
        QTest::newRow("0.00005") << 0.00005 << "5E-05" << "5E-05";
        QTest::newRow("0.0001") << 0.0001 << "0,0001" << "0.0001";
        QTest::newRow("-1.5") << -1.5 << "-1,5" << "-1.5";
        QTest::newRow("0") << 0.0 << "0" << "0";
        QTest::newRow("90") << 90.0 << "90" << "90";
        QTest::newRow("999") << 999.0 << "999" << "999";
        QTest::newRow("999.6 zaokrouhlí na 1E03") << 999.6 << "1E03" << "1E03";
        QTest::newRow("0.1+0.2 bez šumu") << 0.1 + 0.2 << "0,3" << "0.3";
        QTest::newRow("3 platné číslice") << 3.14159 << "3,14" << "3.14";
        QTest::newRow("-0.25") << -0.25 << "-0,25" << "-0.25";
        QTest::newRow("5 desetin nejdřív") << 0.000004 << "0" << "0";
        QTest::newRow("-225") << -225.0 << "-225" << "-225";
        QTest::newRow("malý záporný") << -0.00006 << "-6E-05" << "-6E-05";
    }
    void grafovyFormat()
    {
        QFETCH(double, v);
        QFETCH(QString, carkou);
        QFETCH(QString, teckou);
        QCOMPARE(vorta::grafovyFormat(v, QChar(',')), carkou);
        QCOMPARE(vorta::grafovyFormat(v, QChar('.')), teckou);
    }

    void fixniFormat_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<int>("desetin");
        QTest::addColumn<QString>("ocekavano");
        QTest::newRow("125,7") << 125.66370614 << 1 << "125,7";
        QTest::newRow("6,28") << 6.283185307 << 2 << "6,28";
        QTest::newRow("12,57") << 12.566370614 << 2 << "12,57";
        QTest::newRow("0,99") << 0.99 << 2 << "0,99";
        QTest::newRow("20,00") << 20.0 << 2 << "20,00";
        QTest::newRow("nula bez znaménka") << -0.001 << 2 << "0,00";
        QTest::newRow("záporné") << -1.005 << 1 << "-1,0";
        QTest::newRow("bez desetin") << 1234.4 << 0 << "1234";
        QTest::newRow("8 číslic") << 12345678.9 << 2 << "12345679,00";
        QTest::newRow("nad 8 číslic vědecky") << 123456789.0 << 2 << "1,2345679E08";
    }
    void fixniFormat()
    {
        QFETCH(double, v);
        QFETCH(int, desetin);
        QFETCH(QString, ocekavano);
        QCOMPARE(vorta::fixniFormat(v, desetin, QChar(',')), ocekavano);
    }

    void plnyFormat_data()
    {
        QTest::addColumn<double>("v");
        QTest::addColumn<QString>("ocekavano");
        QTest::newRow("single 0.1") << double(0.1f) << "0,100000001490116";
        QTest::newRow("celé") << 42.0 << "42";
        QTest::newRow("malé") << 0.00005 << "5E-5";
        QTest::newRow("velké") << 1e20 << "1E20";
        QTest::newRow("15 číslic") << 123456789012345.0 << "123456789012345";
    }
    void plnyFormat()
    {
        QFETCH(double, v);
        QFETCH(QString, ocekavano);
        QCOMPARE(vorta::plnyFormat(v, QChar(',')), ocekavano);
    }

    void nekonecnaNepadaji()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QVERIFY(!vorta::grafovyFormat(nan, QChar(',')).isEmpty());
        QVERIFY(!vorta::fixniFormat(inf, 2, QChar(',')).isEmpty());
        QVERIFY(vorta::fixniFormat(-inf, 2, QChar(',')).startsWith(u'-'));
    }
};

VORTA_TEST(TestCisla)
#include "test_cisla.moc"
