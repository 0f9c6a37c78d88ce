#include "VortaTest.h"

#include "core/cisla.h"
#include "fft/TFFTporovnani.h"
#include "fft/Tvlakno.h"
#include "fft/porovnani.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstring>
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
        for (int L : {1, 2, 5, 8, 11})
            QTest::addRow("N=%d", 1 << L) << L;
    }
    void dftAFft()
    {
        QFETCH(int, L);
        const int N = 1 << L;
        auto d = std::make_unique<porovnani::Data>();
        std::mt19937 g(7);
        porovnani::priprav(*d, N, g);
        for (int i = 0; i < N; ++i) {
            const float r = d->x[i] * 10;
            QVERIFY(r >= 0 && r <= 9 && r == std::round(r));
        }
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

    // The FFT's loops give bit for bit the values of the plain algorithm:
    // every row's factor product into T, then T[i] + T[p] or T[p] - T[i].
    void fftJakoPrimyAlgoritmus()
    {
        for (int L : {1, 3, 6, 11}) {
            const int N = 1 << L;
            auto d = std::make_unique<porovnani::Data>();
            std::mt19937 g(L);
            porovnani::priprav(*d, N, g);
            porovnani::fft(*d, N, L);
            std::vector<float> Fr(N), Fi(N), Tr(N), Ti(N);
            for (int i = 0; i < N; ++i) {
                int r = 0;
                for (int b = 0; b < L; ++b)
                    if (i & (1 << b))
                        r |= 1 << (L - 1 - b);
                Fr[i] = d->x[r];
                Fi[i] = 0;
            }
            for (int s = 0; s < L; ++s) {
                const int b = 1 << s;
                for (int i = 0; i < N; ++i)
                    if (i & b) {
                        const int k = (i & (b - 1)) << (L - 1 - s);
                        Tr[i] = Fr[i] * d->C[k] - Fi[i] * d->S[k];
                        Ti[i] = Fi[i] * d->C[k] + Fr[i] * d->S[k];
                    } else {
                        Tr[i] = Fr[i];
                        Ti[i] = Fi[i];
                    }
                for (int i = 0; i < N; ++i) {
                    const int p = i ^ b;
                    Fr[i] = (i & b) ? Tr[p] - Tr[i] : Tr[i] + Tr[p];
                    Fi[i] = (i & b) ? Ti[p] - Ti[i] : Ti[i] + Ti[p];
                }
            }
            for (int i = 0; i < N; ++i) {
                QCOMPARE(std::memcmp(&d->Fre[i], &Fr[i], sizeof(float)), 0);
                QCOMPARE(std::memcmp(&d->Fim[i], &Fi[i], sizeof(float)), 0);
            }
        }
    }

    void texty()
    {
        QCOMPARE(porovnani::opakovani(0), 1);
        QCOMPARE(porovnani::opakovani(3), 1000);
        QCOMPARE(porovnani::opakovani(5), 100000);
        QCOMPARE(porovnani::procenta(0, 1000), 0);
        QCOMPARE(porovnani::procenta(5, 1000), 0);   // 0.5 -> 0
        QCOMPARE(porovnani::procenta(15, 1000), 2);  // 1.5 -> 2
        QCOMPARE(porovnani::procenta(1000, 1000), 100);
        QCOMPARE(porovnani::procenta(3, 0), 0);
        QCOMPARE(porovnani::celkem(1234, u','), QStringLiteral("1,234 s"));
        QCOMPARE(porovnani::jednou(1234, 1000, u'.'), QStringLiteral("1.234 ms"));
        QCOMPARE(porovnani::jednou(0, 1, u'.'), QStringLiteral("0.000 ms"));
        QCOMPARE(porovnani::zrychleni(1000, 0, u'.'), QStringLiteral("???"));
        QCOMPARE(porovnani::zrychleni(0, 10, u'.'), QStringLiteral("???"));
        QCOMPARE(porovnani::zrychleni(1000, 64, u','), QStringLiteral("15,625 krát"));
    }

    void vychoziStav()
    {
        TFFTporovnani okno;
        QCOMPARE(okno.objectName(), QStringLiteral("FFTporovnani"));
        QCOMPARE(okno.findChild<QComboBox*>("rad")->currentText(), QStringLiteral("256"));
        QCOMPARE(okno.findChild<QComboBox*>("opakovani")->currentText(), QStringLiteral("1 000"));
        QCOMPARE(text(okno, "Lvzorku"), QStringLiteral("256"));
        QCOMPARE(text(okno, "Ldelka"), QStringLiteral("8"));
        QCOMPARE(text(okno, "Lcyklu"), QStringLiteral("1 000 krát"));
        QCOMPARE(text(okno, "krat"), QStringLiteral("???"));
        auto* t = okno.findChild<QTableWidget*>("tabulka");
        QCOMPARE(t->rowCount(), 2);
        QCOMPARE(t->item(0, 0)->text(), QStringLiteral("Vzorek"));
        QCOMPARE(t->columnWidth(0), 45);
        QCOMPARE(t->rowHeight(1), 18);
    }

    // A whole run at N = 2048, R = 1: the table has a row per sample, both
    // columns agree to single precision, and the labels are filled.
    void celyBeh()
    {
        TFFTporovnani okno;
        okno.findChild<QComboBox*>("rad")->setCurrentIndex(6);
        okno.findChild<QComboBox*>("opakovani")->setCurrentIndex(0);
        okno.findChild<QPushButton*>("spustit")->click();
        QVERIFY(!okno.findChild<QPushButton*>("spustit")->isEnabled());
        QVERIFY(pockejNaKonec(okno));
        auto* t = okno.findChild<QTableWidget*>("tabulka");
        QCOMPARE(t->rowCount(), 2049);
        QCOMPARE(t->item(2048, 0)->text(), QStringLiteral("2047"));
        const QChar odd = vorta::desetinnyOddelovac();
        for (int i = 1; i <= 2048; ++i) {
            const auto dft = vorta::naCislo(t->item(i, 1)->text(), odd);
            const auto fft = vorta::naCislo(t->item(i, 2)->text(), odd);
            QVERIFY(dft && fft);
            QVERIFY2(std::abs(double(*dft - *fft)) <= 0.01, qPrintable(t->item(i, 1)->text() + " " + t->item(i, 2)->text()));
            QCOMPARE(t->rowHeight(i), 18);
        }
        QVERIFY(text(okno, "DFTcas").endsWith(" s"));
        QVERIFY(text(okno, "FFTcasp").endsWith(" ms"));
        QVERIFY(text(okno, "krat") == "???" || text(okno, "krat").endsWith(" krát"));
        QCOMPARE(okno.findChild<QProgressBar*>("pDFT")->value(), 100);
        QCOMPARE(okno.findChild<QProgressBar*>("pFFT")->value(), 100);
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
        QCOMPARE(text(okno, "FFTcasp"), sOddelovacem("0.000 ms"));
        QCOMPARE(text(okno, "krat"), QStringLiteral("???"));
        auto* t = okno.findChild<QTableWidget*>("tabulka");
        QCOMPARE(t->rowCount(), 2);
        QCOMPARE(t->item(0, 1)->text(), QStringLiteral("DFT"));
        for (int c = 0; c < 3; ++c)
            QVERIFY(t->item(1, c)->text().isEmpty());
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
        QTest::newRow("close, worker waiting in its first call") << 0 << 0 << 0 << false;
        QTest::newRow("close, worker waiting in its last call") << 0 << 0 << 300 << false;
        QTest::newRow("destroy, worker waiting in its last call") << 0 << 0 << 300 << true;
        QTest::newRow("destroy, long run") << 6 << 5 << 50 << true;
        QTest::newRow("close, long run") << 6 << 5 << 50 << false;
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

    // The worker on its own: its routines run on the thread that made it.
    void vlaknoVolaSmycku()
    {
        SdilenePorovnani sdilene;
        sdilene.R.store(3);
        std::thread::id nastaveniVlakno, vypisVlakno;
        bool vypsano = false;
        Tvlakno v(
            sdilene,
            [&](Tvlakno& w) {
                nastaveniVlakno = std::this_thread::get_id();
                w.N = 64;
                w.L = 6;
            },
            [&](Tvlakno&) {
                vypisVlakno = std::this_thread::get_id();
                vypsano = true;
            });
        v.spust();
        QTRY_VERIFY(vypsano);
        QTRY_VERIFY(v.skoncilo());
        v.pockej();
        QCOMPARE(nastaveniVlakno, std::this_thread::get_id());
        QCOMPARE(vypisVlakno, std::this_thread::get_id());
        QCOMPARE(sdilene.hotovoDFT.load(), 3);
        QCOMPARE(sdilene.hotovoFFT.load(), 3);
        QVERIFY(std::abs(double(porovnani::velikostDFT(v.data, 1) - porovnani::velikostFFT(v.data, 1))) < 1e-3);
    }
};

VORTA_TEST(TestPorovnani)
#include "test_porovnani.moc"
