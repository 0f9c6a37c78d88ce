#include "VortaTest.h"

#include "app/odkazy.h"
#include "app/rozlozeni.h"

#include <cmath>

// Text heights of a fake measure: the program description takes
// 20 px per started 1000 px of width, every link description 18 px per
// started 600 px; title widths are 50 + 10 x entry number.
namespace {

int radku(int delka, int sirka) { return (delka + sirka - 1) / sirka; }

rozlozeni::TVysledek rozlozPro(int sirkaBoxu)
{
    std::vector<rozlozeni::TVstup> vstup;
    for (int i = 0; i < odkazy::pocet(); ++i) {
        const TDruh d = odkazy::tabulka()[i].Druh;
        const int vyska = d == TDruh::Nadpis ? 32 : d == TDruh::Podnadpis ? 21 : 16;
        vstup.push_back({d, 50 + 10 * i, vyska});
    }
    return rozlozeni::rozloz(sirkaBoxu, vstup, [](int i, int sirka) {
        return i < 0 ? 20 * radku(1000, sirka) : 18 * radku(600, sirka);
    });
}

} // namespace

class TestRozlozeni : public QObject {
    Q_OBJECT
private slots:
    void polohy_data()
    {
        QTest::addColumn<int>("sirkaBoxu");
        QTest::addColumn<int>("polozka");
        QTest::addColumn<QPoint>("nazev");
        QTest::addColumn<QPoint>("navod");
        QTest::addColumn<QPoint>("teorie");
        QTest::addColumn<QRect>("popis");
        QTest::addColumn<QRect>("bevel");
        // Width 597: column 581, program description 2 lines (40), link
        // descriptions 2 lines (36). First entry starts at 64 + 40 + 8 = 112.
        QTest::newRow("597 main heading") << 597 << 0 << QPoint(8, 120) << QPoint() << QPoint() << QRect()
                                          << QRect(8, 112, 581, 2);
        QTest::newRow("597 section") << 597 << 1 << QPoint(8, 160) << QPoint() << QPoint() << QRect() << QRect();
        QTest::newRow("597 first link") << 597 << 2 << QPoint(8, 189) << QPoint(86, 189) << QPoint(110, 189)
                                        << QRect(8, 213, 581, 36) << QRect();
        QTest::newRow("597 second link") << 597 << 3 << QPoint(8, 265) << QPoint(96, 265) << QPoint(120, 265)
                                         << QRect(8, 289, 581, 36) << QRect();
        // Second main heading: 112 + one main heading (48) + 3 sections (3 x 29)
        // + 7 links (7 x 76) = 779.
        QTest::newRow("597 second main heading")
            << 597 << 11 << QPoint(8, 787) << QPoint() << QPoint() << QRect() << QRect(8, 779, 581, 2);
        // Width 300: column 284, program description 4 lines (80), link
        // descriptions 3 lines (54). First entry at 64 + 80 + 8 = 152.
        QTest::newRow("300 main heading") << 300 << 0 << QPoint(8, 160) << QPoint() << QPoint() << QRect()
                                          << QRect(8, 152, 284, 2);
        QTest::newRow("300 first link") << 300 << 2 << QPoint(8, 229) << QPoint(86, 229) << QPoint(110, 229)
                                        << QRect(8, 253, 284, 54) << QRect();
        QTest::newRow("300 last link") << 300 << 22 << QPoint(8, 1738) << QPoint(286, 1738) << QPoint(310, 1738)
                                       << QRect(8, 1762, 284, 54) << QRect();
    }
    void polohy()
    {
        QFETCH(int, sirkaBoxu);
        QFETCH(int, polozka);
        const auto v = rozlozPro(sirkaBoxu);
        QCOMPARE(int(v.mista.size()), 23);
        const rozlozeni::TMisto& m = v.mista[polozka];
        QTEST(m.nazev, "nazev");
        QTEST(m.bevel, "bevel");
        if (odkazy::tabulka()[polozka].Druh == TDruh::Odkaz) {
            QTEST(m.navod, "navod");
            QTEST(m.teorie, "teorie");
            QTEST(m.popis, "popis");
        }
    }

    void konecIndexu_data()
    {
        QTest::addColumn<int>("sirkaBoxu");
        QTest::addColumn<int>("popisVyska");
        QTest::addColumn<int>("odkazVyska");
        QTest::newRow("597") << 597 << 40 << 36;
        QTest::newRow("300") << 300 << 80 << 54;
        QTest::newRow("2000") << 2000 << 20 << 18;
    }
    void konecIndexu()
    {
        QFETCH(int, sirkaBoxu);
        QFETCH(int, popisVyska);
        QFETCH(int, odkazVyska);
        const auto v = rozlozPro(sirkaBoxu);
        QCOMPARE(v.sirkaNadpisu, sirkaBoxu - 16);
        QCOMPARE(v.popis, QRect(8, 64, sirkaBoxu - 16, popisVyska));
        // 2 main headings, 6 section headings and 15 links, each with its gaps.
        const int ocekavany = 64 + popisVyska + 8 + 2 * (8 + 32 + 8) + 6 * (21 + 8) + 15 * (16 + 8 + odkazVyska + 16);
        QCOMPARE(v.nic, ocekavany);
        QCOMPARE(v.nic, v.mista[22].popis.bottom() + 1 + 16);
    }

    void uzkyBoxNemaZapornouSirku()
    {
        int nejmensi = 1 << 30;
        std::vector<rozlozeni::TVstup> vstup(3, {TDruh::Odkaz, 40, 16});
        const auto v = rozlozeni::rozloz(5, vstup, [&](int, int sirka) {
            nejmensi = std::min(nejmensi, sirka);
            return 100;
        });
        QCOMPARE(nejmensi, 1);
        QCOMPARE(v.popis.width(), 1);
        QCOMPARE(v.mista[2].popis.width(), 1);
    }
};

VORTA_TEST(TestRozlozeni)
#include "test_rozlozeni.moc"
