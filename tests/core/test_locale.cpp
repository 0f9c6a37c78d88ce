#include "VortaTest.h"

#include "core/cisla.h"

#include <clocale>
#include <string>

using namespace vorta;

// Under a Czech or German C library locale (QApplication sets it from the environment) the C
// library reads and writes a decimal comma; the program's numbers must not change with it.
class TestLocale : public QObject {
    Q_OBJECT

    static QStringList vysledky()
    {
        QStringList r;
        for (QChar sep : {QChar('.'), QChar(',')}) {
            r << fixniFormat(0.5, 1, sep) << fixniFormat(1.0, 1, sep) << fixniFormat(-2.255, 2, sep)
              << fixniFormat(123456789.0, 2, sep) << grafovyFormat(12500.0, sep) << grafovyFormat(0.0001, sep)
              << plnyFormat(0.1L, sep) << obecnyFormat(6.02214076e23L, 6, 2, sep);
            for (const char* t : {"0,5", "0.5", "2,11", "2.11", "1,25E4", "1.25e-4", "7,", ",5"}) {
                const auto v = naCislo(QString::fromLatin1(t), sep);
                r << (v ? plnyFormat(*v, QChar('.')) : QStringLiteral("-"));
            }
        }
        return r;
    }

private slots:
    void nezavisleNaLocaleCKnihovny()
    {
        const std::string puvodni = std::setlocale(LC_ALL, nullptr);
        for (auto [locale, tecka] : {std::pair("C.UTF-8", "."), {"cs_CZ.UTF-8", ","}}) {
            std::setlocale(LC_ALL, "C");
            const QStringList vC = vysledky();
            const bool nastaveno = std::setlocale(LC_ALL, locale) != nullptr;
            const QString cTecka = QString::fromLatin1(std::localeconv()->decimal_point);
            const QStringList v = vysledky();
            std::setlocale(LC_ALL, puvodni.c_str());
            QVERIFY2(nastaveno, qPrintable(QString::fromLatin1(locale) + " is missing: run scripts/setup"));
            QCOMPARE(cTecka, QString::fromLatin1(tecka));
            QCOMPARE(v, vC);
            QCOMPARE(vC.mid(0, 4), QStringList({"0.5", "1.0", "-2.26", "1.2345679E08"}));
            QCOMPARE(vC.mid(8, 8), QStringList({"-", "0.5", "-", "2.11", "-", "0.000125", "-", "-"}));
            QCOMPARE(vC.mid(24, 8), QStringList({"0.5", "-", "2.11", "-", "12500", "-", "7", "0.5"}));
        }
    }
};

VORTA_TEST(TestLocale)
#include "test_locale.moc"
