#include "VortaTest.h"

#include "core/cisla.h"
#include "fft/TFFTporovnani.h"
#include "fft/porovnani.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <complex>
#include <numbers>
#include <thread>

namespace {

QString text(const QWidget& okno, const char* jmeno) { return okno.findChild<QLabel*>(jmeno)->text(); }

QString sOddelovacem(QString s)
{
    s.replace(u'.', vorta::desetinnyOddelovac());
    return s;
}

// Runs the window's event loop until the run has ended and the timer has
// collected the worker.
bool pockejNaKonec(TFFTporovnani& okno, int ms = 60000)
{
    auto* spustit = okno.findChild<QPushButton*>("spustit");
    return QTest::qWaitFor([&] { return spustit->isEnabled() && !okno.bezi(); }, ms);
}

} // namespace

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
        // a guard past the end of the used part must stay untouched
        if (N < porovnani::MaxN) {
            d->Fre[N] = 12345;
            d->Dre[N] = 12345;
        }
        porovnani::dft(*d, N, L);
        porovnani::fft(*d, N, L);
        if (N < porovnani::MaxN) {
            QCOMPARE(d->Fre[N], 12345.0f);
            QCOMPARE(d->Dre[N], 12345.0f);
        }
        double soucet = 0;
        for (int n = 0; n < N; ++n)
            soucet += d->x[n];
        for (int k = 0; k < N; ++k) {
            std::complex<double> X;
            for (int n = 0; n < N; ++n)
                X += double(d->x[n]) * std::polar(1.0, -2 * std::numbers::pi * double((long long)n * k % N) / N);
            const double tolFFT = soucet * FLT_EPSILON * (L + 1) * 2;
            const double tolDFT = soucet * FLT_EPSILON * N;
            QVERIFY2(std::abs(std::complex<double>(d->Fre[k], d->Fim[k]) - X) <= tolFFT, qPrintable(QString::number(k)));
            // The DFT loop adds x*sin to the imaginary part: the conjugate,
            // with the same magnitude.
            QVERIFY2(std::abs(std::complex<double>(d->Dre[k], -d->Dim[k]) - X) <= tolDFT, qPrintable(QString::number(k)));
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
        QVERIFY(pockejNaKonec(okno));
        QCOMPARE(text(okno, "DFTcas"), sOddelovacem("0.000 s"));
        QCOMPARE(text(okno, "krat"), QStringLiteral("???"));
        QCOMPARE(okno.findChild<QTableWidget*>("tabulka")->rowCount(), 2);
        QCOMPARE(okno.findChild<QProgressBar*>("pDFT")->value(), 0);
        QCOMPARE(okno.findChild<QProgressBar*>("pFFT")->value(), 0);
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
            QVERIFY(okno->close());
            QVERIFY(!okno->bezi());
            QVERIFY(okno->findChild<QPushButton*>("spustit")->isEnabled());
            QCOMPARE(text(*okno, "krat"), QStringLiteral("???"));
        }
        QVERIFY(std::chrono::steady_clock::now() - t0 < std::chrono::seconds(10));
        // No queued call may reach a destroyed window afterwards.
        QTest::qWait(30);
    }
};

VORTA_TEST(TestPorovnani)
#include "test_porovnani.moc"
