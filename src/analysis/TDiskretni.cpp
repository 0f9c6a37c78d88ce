#include "analysis/TDiskretni.h"

#include "graf/TGraf.h"

#include <QLabel>
#include <QScrollBar>

TDiskretni::TDiskretni(const Popis& popis, double anMin, double anMax, QWidget* parent)
    : TAnalyza(popis, parent)
{
    origin->nastavOsy(-0.5, 1.5, -1.2, 1.2, 8, 12);
    obraz->nastavOsy(-0.5, 1.5, -1.2, 1.2, 8, 12);
    an->nastavNadpisy(QStringLiteral("Spektrum signálu - |cm|"), QStringLiteral("Harmonická m"),
                      QStringLiteral("Amplituda |cm|"));
    an->nastavOsy(-40, 40, anMin, anMax, 40, 12);
    bn->nastavNadpisy(QStringLiteral("Spektrum signálu - arg(cm)"), QStringLiteral("Harmonická m"),
                      QStringLiteral("Amplituda arg(cm)[°]"));
    bn->nastavOsy(-40, 40, -225, 225, 40, 10);

    stupen->setToolTip(QStringLiteral("Volba počtu harmonických pro rekonstrukci"));
    harmonickych->setToolTip(QStringLiteral("Počet harmonických použitých při rekonstrukci"));
    const QSignalBlocker ticho(stupen), ticho2(vzorku);
    stupen->setRange(-1, dft::MaxHarmonicka);
    stupen->setValue(dft::MaxHarmonicka);
    vzorku->setRange(2, 40);
    vzorku->setValue(20);
}

void TDiskretni::zmenadat()
{
    const analyza::Interval interval = ctiInterval();
    m_vzorky.assign(interval.y.begin(), interval.y.end());
    m_M = interval.M;
    vzorkuChange();
}

void TDiskretni::vzorkuChange()
{
    m_N = vzorku->value();
    const dft::Stupen s = dft::upravStupen(stupen->value(), stupen->maximum(), m_N);
    {
        const QSignalBlocker ticho(stupen);
        stupen->setMaximum(s.maximum);
        stupen->setValue(s.pozice);
    }
    vzorecku->setText(dft::popisVzorku(m_N));
    m_x = dft::vzorkuj(m_vzorky, m_M, m_N, m_N);
    vykresli(origin, vstup(m_vzorky, m_M, m_x));
    m_c = spocti(m_x);
    stupenChange();
}

void TDiskretni::stupenChange()
{
    const int P = stupen->value();
    harmonickych->setText(dft::popisStupne(P));
    kresliSpektrum(obraz, an, bn, P, m_N, m_c.Re, m_c.Im, meritko(m_N));
}
