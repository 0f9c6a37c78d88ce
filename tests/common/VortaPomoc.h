#pragma once
// Helpers shared by the tests of the graph, the start-up and the FFT: a drag
// on a graph, the screen's scale, numbers as the user's locale writes them.
#include "core/cisla.h"
#include "graf/tazeni.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace vortatest {

// What a drag carries after a left press at `start` and a move `posun` px to
// the right (negative: |posun| after releasing the button); empty if none started.
inline QByteArray neseneTazenim(QWidget* w, QPoint start, int posun)
{
    QByteArray nesene; // a drag runs its own event loop, which runs this and calls it off
    QObject kontext;   // a timer not run by the end is dropped with it
    QTimer::singleShot(0, &kontext, [&] {
        if (auto* drag = w->findChild<QDrag*>()) {
            nesene = drag->mimeData()->data(vorta::graf::mimeTazeni);
            QDrag::cancel();
        }
    });
    QTest::mousePress(w, Qt::LeftButton, {}, start);
    if (posun < 0)
        QTest::mouseRelease(w, Qt::LeftButton, {}, start);
    QTest::mouseMove(w, start + QPoint(std::abs(posun), 0));
    QCoreApplication::processEvents();
    if (posun >= 0)
        QTest::mouseRelease(w, Qt::LeftButton, {}, start);
    return nesene;
}

// The ratio QT_SCALE_FACTOR asks for: a run at scale 2 must not quietly be at 1.
inline qreal pozadovaneMeritko()
{
    const QString s = qEnvironmentVariable("QT_SCALE_FACTOR");
    return s.isEmpty() ? 1.0 : s.toDouble();
}

inline QString sOddelovacem(QString s) { return s.replace(u'.', vorta::desetinnyOddelovac()); }

// The direct DFT in double precision.
inline std::vector<std::complex<double>> dftPrimo(const float* x, int N)
{
    std::vector<std::complex<double>> X(N);
    for (int k = 0; k < N; ++k)
        for (int n = 0; n < N; ++n)
            X[k] += double(x[n]) * std::polar(1.0, -2 * std::numbers::pi * double((long long)n * k % N) / N);
    return X;
}

} // namespace vortatest
