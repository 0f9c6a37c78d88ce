#include "analysis/TDTFT.h"

#include "core/cisla.h"
#include "graf/TGraf.h"

#include <QLabel>
#include <QScrollBar>

TDTFT::TDTFT(QWidget* parent)
    : TAnalyza({4, QStringLiteral("DTFT"),
                QStringLiteral("DTFT - Fourierova transformace diskrétního signálu ( discrete time Fourier transform )"),
                QStringLiteral("/odtft.html"), QSize(985, 681), true},
               parent)
{
    origin->nastavOsy(-1, 1, -1.2, 1.2, 8, 12);
    origin->setToolTip(QStringLiteral("Modře - původní signál Červeně - Navzorkovaný signál"));
    obraz->nastavOsy(-1, 1, -1.2, 1.2, 8, 12);
    an->nastavNadpisy(QStringLiteral("Spektrum signálu - |F|"), QStringLiteral("Harmonické"),
                      QStringLiteral("Amplituda |F|"));
    an->nastavOsy(-12.566, 12.566, -1, 11, 32, 12);
    bn->nastavNadpisy(QStringLiteral("Spektrum signálu - arg(F)"), QStringLiteral("Harmonické"),
                      QStringLiteral("Amplituda arg(F)[°]"));
    bn->nastavOsy(-12.566, 12.566, -225, 225, 32, 10);

    pridejOmegu(QStringLiteral("Rozsah harmonických použitých při rekonstrukci"));
    harmonickych->setText(QStringLiteral("=000") + vorta::desetinnyOddelovac() + QStringLiteral("1"));
    stupen->setToolTip(QStringLiteral("Volba rozsahu harmonických pro rekonstrukci"));
    const QSignalBlocker ticho(stupen), ticho2(vzorku);
    stupen->setRange(0, dtft::MaxStupen);
    stupen->setValue(dtft::MaxStupen);
    vzorku->setRange(2, 20);
    vzorku->setValue(10);
}

void TDTFT::zmenadat()
{
    const analyza::Interval interval = ctiInterval();
    m_vzorky.assign(interval.y.begin(), interval.y.end());
    m_M = interval.M;
    vzorkuChange();
}

void TDTFT::vzorkuChange()
{
    m_N = vzorku->value();
    vzorecku->setText(dtft::popisVzorku(m_N));
    m_x = dtft::vzorkuj(m_vzorky, m_M, m_N);
    vykresli(origin, dtft::vstup(m_vzorky, m_M, m_x));
    m_X = dtft::koeficienty(m_x);
    stupenChange();
}

void TDTFT::stupenChange()
{
    const int P = stupen->value();
    harmonickych->setText(dtft::popisStupne(P));
    vykresli(obraz, dtft::rekonstrukce(m_X, P, m_N));
    vykresli(an, dtft::modul(m_X, P));
    vykresli(bn, dtft::faze(m_X, P));
}
