#include "VortaTest.h"

#include "core/cisla.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

using namespace vorta;

// Shown numbers round on their decimal digits, halves away from zero, as on paper. The cases sit on
// or next to a tie, where rounding through a second binary value, or halves to even, shows another digit.
class TestZaokrouhleni : public QObject {
    Q_OBJECT
private slots:
    void naDesetinneCislice_data()
    {
        QTest::addColumn<QString>("format"); // fixni<desetin>, graf, plny
        QTest::addColumn<long double>("v");
        QTest::addColumn<QString>("ocekavano");
        auto radek = [](const char* nazev, const char* format, long double v, const char* ocekavano) {
            QTest::newRow(nazev) << QString::fromLatin1(format) << v << QString::fromUtf8(ocekavano);
        };
        // Fixed point: the 8 digits first, then the decimals from them.
        radek("0.255 nad (binárně 0.25500000000000000444)", "fixni2", 0.255, "0,26");
        radek("0.255 pod (long double 0.2549999...)", "fixni2", 0.255L, "0,26");
        radek("0.49499999996: 8 číslic 0,49500000", "fixni2", 0.49499999996, "0,50");
        radek("12345678.5 polovina na 8. číslici", "fixni0", 12345678.5, "12345679");
        radek("99999999.5 přeteče do 9 číslic", "fixni2", 99999999.5, "1E08");
        radek("-0.005 přesně polovina setiny", "fixni2", -0.005, "-0,01");
        radek("-0.001 nula bez znaménka", "fixni2", -0.001, "0,00");
        // The graph's labels: 5 decimals, then 3 significant digits.
        radek("graf 12450 polovina", "graf", 12450.0, "1,25E04");
        radek("graf 999.5 přenos do exponentu", "graf", 999.5, "1E03");
        radek("graf 0.000035 (binárně 3.4999...e-5)", "graf", 0.000035, "4E-05");
        radek("graf 0.1+0.2 bez šumu", "graf", 0.1 + 0.2, "0,3");
        // Fifteen digits.
        radek("plný polovina na 16. číslici", "plny", 123456789012344.5, "123456789012345");
        radek("plný 1e15-0.5 přeteče", "plny", 999999999999999.5, "1E15");
    }
    void naDesetinneCislice()
    {
        QFETCH(QString, format);
        QFETCH(long double, v);
        QFETCH(QString, ocekavano);
        QCOMPARE(format.startsWith(u"fixni") ? fixniFormat(v, format.mid(5).toInt(), u',')
                 : format == u"graf"       ? grafovyFormat(double(v), u',')
                                           : plnyFormat(v, u','),
                 ocekavano);
    }

    // Any precision is safe: requests beyond the bounds are clamped, never read or written past a buffer.
    void presnostJeOmezena()
    {
        const long double tretina = 1.0L / 3.0L;
        QCOMPARE(obecnyFormat(tretina, 1000, 0, QChar(',')), obecnyFormat(tretina, 18, 0, QChar(',')));
        QCOMPARE(obecnyFormat(tretina, 18, 0, QChar(',')), QStringLiteral("0,333333333333333333"));
        QCOMPARE(obecnyFormat(tretina, -5, 0, QChar(',')), QStringLiteral("0,3"));
        QCOMPARE(obecnyFormat(1e300L, 3, 1000, QChar(',')), QStringLiteral("1E00000300"));
        QCOMPARE(obecnyFormat(std::numeric_limits<long double>::denorm_min(), 60, 2, QChar(',')),
                 QStringLiteral("3,6451995318824746E-4951"));
        const QString sto = fixniFormat(tretina, 100000, QChar(','));
        QCOMPARE(sto.size(), 2 + maxDesetin);
        QVERIFY(sto.startsWith(u"0,33333333000"));
        QCOMPARE(fixniFormat(123456789.0L, 100000, QChar(',')), QStringLiteral("1,2345679E00000008"));
    }

    // Whatever a format shows reads back as the value rounded, under both separators, across the range of a double.
    void formatySeCtouZpet()
    {
        for (QChar oddelovac : {QChar(','), QChar('.')}) {
            const QRegularExpression cisloFixne(QStringLiteral("^-?[0-9]+(\\%1[0-9]+)?$").arg(oddelovac));
            for (double v : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(), 1e-5, 0.1,
                             -7.25, 1.0 / 3.0, 123456.789, 98765432.1, 3e20}) {
                const auto plny = naCislo(plnyFormat(v, oddelovac), oddelovac);
                QVERIFY2(plny && std::fabs(double(*plny) - v) <= std::fabs(v) * 5e-15, qPrintable(plnyFormat(v, oddelovac)));
                const QString f = fixniFormat(v, 3, oddelovac);
                const auto fixni = naCislo(f, oddelovac);
                QVERIFY2(fixni && std::fabs(*fixni - v) <= std::fabs(v) * 5e-8 + 0.0005, qPrintable(f));
                QVERIFY2(std::fabs(v) >= 1e8 || cisloFixne.match(f).hasMatch(), qPrintable(f));
                QCOMPARE(fixniFormat(*fixni, 3, oddelovac), f);
                if (std::fabs(v) < 1e300) { // the largest label rounds up beyond a double
                    const auto graf = naCislo(grafovyFormat(v, oddelovac), oddelovac);
                    QVERIFY(graf && std::fabs(*graf - v) <= std::fabs(v) * 5e-3 + 5e-6);
                }
            }
        }
    }
};

VORTA_TEST(TestZaokrouhleni)
#include "test_zaokrouhleni.moc"
