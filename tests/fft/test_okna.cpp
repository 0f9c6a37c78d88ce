#include "VortaPomoc.h"
#include "VortaTest.h"

#include "fft/TFFT.h"
#include "fft/TFFTporovnani.h"
#include "fft/TFFTv.h"
#include "fft/porovnani.h"
#include "graf/TGraf.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <numeric>
#include <thread>

namespace {

void napis(TFFT& okno, const QStringList& texty)
{
    for (int i = 0; i < texty.size(); ++i)
        okno.vstup(i)->setText(texty[i]);
}

QString text(const QWidget& okno, const char* jmeno) { return okno.findChild<QLabel*>(jmeno)->text(); }

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
        napis(okno, {"1", "2", "3", "4", vortatest::sOddelovacem("0.1"), "5", "abc", "-7"});
        velikost->setCurrentIndex(0);
        QCOMPARE(okno.findChildren<QLineEdit*>(QRegularExpression("^vstupy")).size(), 4);
        QCOMPARE(okno.vstup(4), nullptr);
        velikost->setCurrentIndex(1);
        QCOMPARE(okno.vstup(4)->text(), vortatest::sOddelovacem("0.100000001490116"));
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

    // On a narrow work area (960 pixels wide at scale 2) the button that
    // shows the spectrum is never cut off, nor covered by the graph's box.
    void tlacitko_data()
    {
        QTest::addColumn<int>("sirka");
        QTest::addColumn<QPoint>("poloha");
        QTest::newRow("1010, just fits beside the groups") << 1010 << QPoint(865, 22);
        QTest::newRow("960, own row") << 960 << QPoint(815, 72);
    }
    void tlacitko()
    {
        QFETCH(int, sirka);
        TFFT okno;
        okno.setWindowState(Qt::WindowNoState);
        okno.show();
        okno.resize(sirka, 540);
        const auto* b = okno.findChild<QPushButton*>("Button1");
        QTEST(b->pos(), "poloha");
        QVERIFY(okno.rect().contains(b->geometry()));
        QVERIFY(!okno.findChild<QScrollArea*>("box")->geometry().intersects(b->geometry()));
    }

};

class TestPorovnani : public QObject {
    Q_OBJECT
private slots:
    // Both methods against a double-precision DFT, and against each other at
    // the largest size, within what single-precision sums allow.
    void dftAFft_data()
    {
        QTest::addColumn<int>("L");
        for (int L : {1, 5, 11})
            QTest::addRow("N=%d", 1 << L) << L;
    }
    void dftAFft()
    {
        QFETCH(int, L);
        const int N = 1 << L;
        auto d = std::make_unique<porovnani::Data>();
        std::mt19937 g(7);
        porovnani::priprav(*d, N, g);
        const bool straz = N < porovnani::MaxN; // a guard past the used part stays untouched
        if (straz)
            d->Fre[N] = d->Dre[N] = 12345;
        porovnani::dft(*d, N, L);
        porovnani::fft(*d, N, L);
        if (straz)
            QVERIFY(d->Fre[N] == 12345.0f && d->Dre[N] == 12345.0f);
        const double soucet = std::accumulate(d->x.begin(), d->x.begin() + N, 0.0);
        const double tolFFT = soucet * FLT_EPSILON * (L + 1) * 2, tolDFT = soucet * FLT_EPSILON * N;
        const auto X = vortatest::dftPrimo(d->x.data(), N);
        for (int k = 0; k < N; ++k) {
            QVERIFY2(std::abs(std::complex<double>(d->Fre[k], d->Fim[k]) - X[k]) <= tolFFT, qPrintable(QString::number(k)));
            // The DFT loop adds x*sin to the imaginary part: the conjugate,
            // with the same magnitude.
            QVERIFY2(std::abs(std::complex<double>(d->Dre[k], -d->Dim[k]) - X[k]) <= tolDFT, qPrintable(QString::number(k)));
            QVERIFY(std::abs(double(porovnani::velikostDFT(*d, k) - porovnani::velikostFFT(*d, k))) <= tolDFT + tolFFT);
        }
    }

    // STOP during the DFT phase: zero times, "???", an emptied table, and the
    // bars back at 0; a settings change during the run only relabels.
    void stopBehemDFT()
    {
        TFFTporovnani okno;
        okno.findChild<QComboBox*>("rad")->setCurrentIndex(6);
        okno.findChild<QComboBox*>("opakovani")->setCurrentIndex(5);
        okno.findChild<QPushButton*>("spustit")->click();
        QVERIFY(QTest::qWaitFor([&] { return okno.sdilene().hotovoDFT.load() >= 1; }, 30000));
        okno.findChild<QComboBox*>("opakovani")->setCurrentIndex(0);
        QCOMPARE(text(okno, "Lcyklu"), QStringLiteral("1 krát"));
        QCOMPARE(okno.sdilene().R.load(), 100000);
        okno.findChild<QPushButton*>("konec")->click();
        // the run has ended and the timer has collected the worker
        QVERIFY(QTest::qWaitFor([&] { return okno.findChild<QPushButton*>("spustit")->isEnabled() && !okno.bezi(); }, 60000));
        QCOMPARE(text(okno, "DFTcas"), vortatest::sOddelovacem("0.000 s"));
        QCOMPARE(text(okno, "krat"), QStringLiteral("???"));
        QCOMPARE(okno.findChild<QTableWidget*>("tabulka")->rowCount(), 2);
        QVERIFY(okno.findChild<QProgressBar*>("pDFT")->value() == 0 && okno.findChild<QProgressBar*>("pFFT")->value() == 0);
    }

    // Closing or destroying the window during a run, also while the worker
    // waits in one of its blocking calls and the event loop is not running:
    // the run stops, the thread ends, nothing hangs.
    void zavreniBehemBehu_data()
    {
        QTest::addColumn<int>("rad");
        QTest::addColumn<int>("opakovani");
        QTest::addColumn<int>("cekatMs"); // without running the event loop
        QTest::addColumn<bool>("znicit");
        QTest::newRow("close, worker waiting in its last call") << 0 << 0 << 300 << false;
        QTest::newRow("destroy, long run") << 6 << 5 << 50 << true;
    }
    void zavreniBehemBehu()
    {
        QFETCH(int, rad);
        QFETCH(int, opakovani);
        QFETCH(int, cekatMs);
        QFETCH(bool, znicit);
        auto okno = std::make_unique<TFFTporovnani>();
        okno->findChild<QComboBox*>("rad")->setCurrentIndex(rad);
        okno->findChild<QComboBox*>("opakovani")->setCurrentIndex(opakovani);
        okno->show();
        okno->findChild<QPushButton*>("spustit")->click();
        std::this_thread::sleep_for(std::chrono::milliseconds(cekatMs));
        const auto t0 = std::chrono::steady_clock::now();
        if (znicit) {
            okno.reset();
        } else {
            QVERIFY(okno->close() && !okno->bezi() && okno->findChild<QPushButton*>("spustit")->isEnabled());
            QCOMPARE(text(*okno, "krat"), QStringLiteral("???"));
        }
        QVERIFY(std::chrono::steady_clock::now() - t0 < std::chrono::seconds(10));
        // No queued call may reach a destroyed window afterwards.
        QTest::qWait(30);
    }
};

VORTA_TEST(TestOknaFFT)
VORTA_TEST(TestPorovnani)
#include "test_okna.moc"
