#include "VortaTest.h"

#include "core/cisla.h"
#include "fft/TFFT.h"
#include "fft/TFFTv.h"
#include "fft/TPlatnoFFT.h"
#include "graf/TGraf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <random>
#include "graf/pisma.h"

namespace {

void napis(TFFT& okno, const QStringList& texty)
{
    for (int i = 0; i < texty.size(); ++i)
        okno.vstup(i)->setText(texty[i]);
}

QString sOddelovacem(QString s)
{
    s.replace(u'.', vorta::desetinnyOddelovac());
    return s;
}

int pocetEditoru(const TFFT& okno) { return int(okno.findChildren<QLineEdit*>(QRegularExpression("^vstupy")).size()); }

} // namespace

class TestOknaFFT : public QObject {
    Q_OBJECT
private slots:
    // Values survive a change of N in single precision, also beyond the new N.
    void zmenaN()
    {
        TFFT okno;
        auto* velikost = okno.findChild<QComboBox*>("velikost");
        velikost->setCurrentIndex(1); // 8
        napis(okno, {"1", "2", "3", "4", sOddelovacem("0.1"), "5", "abc", "-7"});
        velikost->setCurrentIndex(0);
        QCOMPARE(pocetEditoru(okno), 4);
        QCOMPARE(okno.vstup(4), nullptr);
        velikost->setCurrentIndex(1);
        QCOMPARE(okno.vstup(4)->text(), sOddelovacem("0.100000001490116"));
        QCOMPARE(okno.vstup(6)->text(), QStringLiteral("0"));
    }

    // Every text fits its column: widths are measured once per shape of text,
    // and the shapes must not hide a wider text.
    void sirkySloupcu()
    {
        TFFT okno;
        okno.findChild<QComboBox*>("velikost")->setCurrentIndex(4); // 64
        okno.findChild<QCheckBox*>("vysledek")->setChecked(true);
        okno.findChild<QCheckBox*>("exponencialni")->setChecked(true);
        std::mt19937 g(3);
        std::uniform_int_distribution<int> u(-99999, 99999);
        for (int i = 0; i < 64; ++i)
            okno.vstup(i)->setText(fft::desitkove(u(g)) + (i % 3 ? QString(vorta::desetinnyOddelovac()) + "17" : QString()));
        const TPlatnoFFT* p = okno.platnoFFT();
        const auto& tx = p->texty();
        std::vector<const std::vector<QString>*> sloupce{&tx.vstupy, &tx.vstupniHodnoty, &tx.preskupene,
                                                         &tx.preskupeneHodnoty};
        for (int s = 0; s < 6; ++s) {
            sloupce.push_back(&tx.konstanty[s]);
            if (s == 5)
                sloupce.push_back(&tx.vysledky);
            sloupce.push_back(&tx.hodnoty[s]);
        }
        std::vector<int> x = p->sloupce();
        QCOMPARE(x.size(), sloupce.size());
        x.push_back(p->width() - 10 + 5);
        QFont f = vorta::pismo("MS Sans Serif", 15, true);
        f.setKerning(false);
        const QFontMetrics fm(f);
        for (size_t c = 0; c < sloupce.size(); ++c)
            for (const QString& t : *sloupce[c])
                QVERIFY2(fm.horizontalAdvance(t) <= x[c + 1] - x[c], qPrintable(t));
    }

    // The spectrum window: worked stems, the widest graph, and a value
    // beyond single precision named instead of drawn.
    void spektrumOkno()
    {
        TFFTv v;
        TFFT okno;
        napis(okno, {"1", "2", "3", "4"});
        v.napln(okno.vysledky());
        auto* cm = v.findChild<TGraf*>("cm");
        auto* arg = v.findChild<TGraf*>("arg");
        QVERIFY(qAbs(arg->CtiBod(10).y + 135) < 1e-4f);

        std::vector<fft::Komplex> velke(1024);
        v.napln(velke);
        QCOMPARE(cm->width(), 10300);
        QCOMPARE(cm->PocetBodu(), 3072);

        velke[3] = {std::numeric_limits<float>::infinity(), 0};
        v.napln(velke);
        QVERIFY(v.findChild<QLabel*>("neKonecne")->text().contains("S(3) = INF"));
    }

};

VORTA_TEST(TestOknaFFT)
#include "test_okna.moc"
