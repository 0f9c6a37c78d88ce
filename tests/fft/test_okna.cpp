#include "VortaTest.h"

#include "core/cisla.h"
#include "fft/TFFT.h"
#include "fft/TFFTv.h"
#include "graf/TGraf.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

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
