#include "VortaTest.h"

#include "core/cisla.h"
#include "fft/TFFT.h"
#include "fft/TFFTv.h"
#include "fft/TPlatnoFFT.h"
#include "fft/TFFTporovnani.h"
#include "graf/TGraf.h"
#include "shell/TNapoveda.h"
#include "shell/napoveda.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
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
    void vychoziStav()
    {
        TFFT okno;
        QCOMPARE(okno.objectName(), QStringLiteral("FFT"));
        QVERIFY(okno.windowState() & Qt::WindowMaximized);
        QCOMPARE(okno.N(), 4);
        QCOMPARE(pocetEditoru(okno), 4);
        QCOMPARE(okno.vstup(0)->text(), QStringLiteral("0"));
        QVERIFY(okno.findChild<QCheckBox*>("zavislost")->isChecked());
        QVERIFY(okno.findChild<QAction*>("Help1"));
        QCOMPARE(okno.platnoFFT()->height(), 25 * 4 + 20);
    }

    // The worked example through the editors: the canvas's texts and the
    // spectrum handed on are the computed ones.
    void vzorky1234()
    {
        TFFT okno;
        napis(okno, {"1", "2", "3", "4"});
        const auto& tx = okno.platnoFFT()->texty();
        QCOMPARE(tx.preskupeneHodnoty[1], QStringLiteral(" = 3"));
        QCOMPARE(tx.hodnoty[0][0], sOddelovacem("4.00 + j0.00"));
        QCOMPARE(tx.hodnoty[1][1], sOddelovacem(" = -2.00 + j2.00"));
        QCOMPARE(tx.hodnoty[1][3], sOddelovacem(" = -2.00 - j2.00"));
        QCOMPARE(okno.vysledky()[0].re, 10.0f);
        QCOMPARE(okno.findChild<QCheckBox*>("exponencialni")->isChecked(), false);
        okno.findChild<QCheckBox*>("exponencialni")->setChecked(true);
        QCOMPARE(okno.platnoFFT()->texty().hodnoty[1][1], sOddelovacem(" = 2.83 135.00°"));
    }

    void textNeniCislo()
    {
        TFFT okno;
        napis(okno, {"abc", "1", "", "1"});
        QCOMPARE(okno.platnoFFT()->texty().vstupniHodnoty[0], QStringLiteral(" = abc"));
        QCOMPARE(okno.platnoFFT()->texty().preskupeneHodnoty[0], QStringLiteral(" = abc"));
        QCOMPARE(okno.vysledky()[0].re, 2.0f);
        QCOMPARE(okno.vysledky()[2].re, -2.0f);
    }

    // Values survive a change of N in single precision, also beyond the new N.
    void zmenaN()
    {
        TFFT okno;
        auto* velikost = okno.findChild<QComboBox*>("velikost");
        velikost->setCurrentIndex(1); // 8
        QCOMPARE(pocetEditoru(okno), 8);
        napis(okno, {"1", "2", "3", "4", sOddelovacem("0.1"), "5", "abc", "-7"});
        velikost->setCurrentIndex(0);
        QCOMPARE(pocetEditoru(okno), 4);
        QCOMPARE(okno.vstup(4), nullptr);
        velikost->setCurrentIndex(1);
        QCOMPARE(okno.vstup(4)->text(), sOddelovacem("0.100000001490116"));
        QCOMPARE(okno.vstup(5)->text(), QStringLiteral("5"));
        QCOMPARE(okno.vstup(6)->text(), QStringLiteral("0"));
        QCOMPARE(okno.vstup(7)->text(), QStringLiteral("-7"));
        QCOMPARE(okno.platnoFFT()->height(), 25 * 8 + 20);
    }

    void binarniPopisky()
    {
        TFFT okno;
        okno.findChild<QComboBox*>("velikost")->setCurrentIndex(1);
        okno.findChild<QCheckBox*>("binar")->setChecked(true);
        const auto& tx = okno.platnoFFT()->texty();
        QCOMPARE(tx.vstupy[0], QStringLiteral("s(000)"));
        QCOMPARE(tx.vstupy[7], QStringLiteral("s(111)"));
        QCOMPARE(tx.preskupene[1], QStringLiteral("s(100)"));
        QCOMPARE(tx.preskupene[6], QStringLiteral("s(011)"));
    }

    void zadneKonstanty()
    {
        TFFT okno;
        okno.findChild<QComboBox*>("velikost")->setCurrentIndex(1);
        okno.findChild<QCheckBox*>("zavislost")->setChecked(false);
        const auto& tx = okno.platnoFFT()->texty();
        for (const auto& etapa : tx.konstanty)
            for (int i = 0; i < 8; ++i)
                QVERIFY(etapa[i].isEmpty() || etapa[i] == QStringLiteral("?"));
        QCOMPARE(tx.konstanty[2][5], QStringLiteral("?"));
    }

    // The canvas is drawn: red frames and black lines, and a value too large
    // for single precision shows as text without a crash.
    void kresleni()
    {
        TFFT okno;
        okno.findChild<QComboBox*>("velikost")->setCurrentIndex(1);
        okno.vstup(0)->setText("1e39");
        for (QCheckBox* c : okno.findChildren<QCheckBox*>())
            c->setChecked(true);
        const auto& tx = okno.platnoFFT()->texty();
        QVERIFY(tx.hodnoty.back()[1].contains("INF") || tx.hodnoty.back()[1].contains("NAN"));
        const QImage obraz = okno.platnoFFT()->grab().toImage();
        QCOMPARE(obraz.size(), okno.platnoFFT()->size());
        int cervenych = 0, cernych = 0;
        for (int y = 0; y < obraz.height(); y += 2)
            for (int x = 0; x < obraz.width(); ++x) {
                const QRgb p = obraz.pixel(x, y);
                cervenych += p == qRgb(255, 0, 0);
                cernych += p == qRgb(0, 0, 0);
            }
        QVERIFY(cervenych > 100);
        QVERIFY(cernych > 100);
        // The columns follow one another left to right.
        const std::vector<int> sloupce = okno.platnoFFT()->sloupce();
        QVERIFY(std::is_sorted(sloupce.begin(), sloupce.end()));
        QCOMPARE(okno.platnoFFT()->width() - 10 > sloupce.back(), true);
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

    void kolecko()
    {
        TFFT okno;
        okno.findChild<QComboBox*>("velikost")->setCurrentIndex(6); // 256
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QVERIFY(okno.findChild<QScrollArea*>("box")->height() > 100);
        auto* box = okno.findChild<QScrollArea*>("box");
        QWheelEvent dolu(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(box->viewport(), &dolu);
        QCOMPARE(box->verticalScrollBar()->value(), 20);
    }

    void spektrumOkno()
    {
        TFFTv v;
        QCOMPARE(v.objectName(), QStringLiteral("FFTv"));
        QCOMPARE(v.findChild<QAction*>("Help1"), nullptr);
        TFFT okno;
        napis(okno, {"1", "2", "3", "4"});
        v.napln(okno.vysledky());
        auto* cm = v.findChild<TGraf*>("cm");
        auto* arg = v.findChild<TGraf*>("arg");
        QCOMPARE(cm->PocetBodu(), 12);
        // stem of S(1): (1, 0) move, (1, |S1|) line, (1, |S1|) circle
        QCOMPARE(cm->CtiBod(3).Styl, 0);
        QCOMPARE(cm->CtiBod(4).Styl, 2);
        QCOMPARE(cm->CtiBod(5).Styl, -2);
        QVERIFY(qAbs(cm->CtiBod(4).y - 2.828427f) < 1e-5f);
        QVERIFY(qAbs(arg->CtiBod(10).y + 135) < 1e-4f);
        QCOMPARE(cm->yMax(), 11.0);
        QCOMPARE(cm->xMax(), 4.0);
        QCOMPARE(cm->width(), 969);
        QCOMPARE(arg->yMin(), -225.0);

        std::vector<fft::Komplex> velke(1024);
        v.napln(velke);
        QCOMPARE(cm->width(), 10300);
        QCOMPARE(arg->width(), 10300);
        QCOMPARE(cm->PocetBodu(), 3072);
        QCOMPARE(cm->yMin(), -0.1);
        QCOMPARE(v.findChild<QLabel*>("mezera")->x(), cm->geometry().right() + 1);

        velke[3] = {std::numeric_limits<float>::infinity(), 0};
        v.napln(velke);
        QVERIFY(v.findChild<QLabel*>("neKonecne")->text().contains("S(3) = INF"));
        QVERIFY(!v.grab().isNull());
    }

    // F1 of each window opens its own topic, and the comparison's button the
    // program listing; every topic exists in the help collection.
    void napoveda_data()
    {
        QTest::addColumn<QString>("okno");
        QTest::addColumn<QString>("soubor");
        QTest::newRow("FFT") << "FFT" << ":/help/offt.html";
        QTest::newRow("FFTporovnani") << "FFTporovnani" << ":/help/oporovnani.html";
        QTest::newRow("Button1") << "Button1" << ":/help/FFTporovnani.html";
    }
    void napoveda()
    {
        QFETCH(QString, okno);
        QFETCH(QString, soubor);
        std::unique_ptr<QWidget> w;
        if (okno == "FFT")
            w = std::make_unique<TFFT>();
        else
            w = std::make_unique<TFFTporovnani>();
        if (okno == "Button1")
            w->findChild<QPushButton*>("Button1")->click();
        else
            w->findChild<QAction*>("Help1")->trigger();
        QVERIFY(napoveda::prohlizec());
        QCOMPARE(napoveda::prohlizec()->zobrazeno(), soubor);
        QVERIFY(napoveda::zdroj(napoveda::tema("/dfft.html")) != QLatin1String(napoveda::nenapsano));
    }

    void spektrumSeZavira()
    {
        TFFTv v;
        v.napln(std::vector<fft::Komplex>(4));
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QTest::keyClick(&v, Qt::Key_Escape);
        QTRY_VERIFY(!v.isVisible());
        v.show();
        QTest::mouseClick(v.findChild<TGraf*>("arg"), Qt::LeftButton, {}, QPoint(100, 100));
        QTRY_VERIFY(!v.isVisible());
    }
};

VORTA_TEST(TestOknaFFT)
#include "test_okna.moc"
