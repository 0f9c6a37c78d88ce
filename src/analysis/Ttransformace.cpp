#include "analysis/Ttransformace.h"

#include "core/cisla.h"
#include "graf/TGraf.h"

#include <QLabel>
#include <QScrollBar>

Ttransformace::Ttransformace(QWidget* parent)
    : TAnalyza({2, QStringLiteral("transformace"), QStringLiteral("Fourierova transformace"),
                QStringLiteral("/oanalyza.html"), QSize(985, 661), false},
               parent)
{
    origin->nastavOsy(-1, 1, -1.2, 1.2, 8, 12);
    obraz->nastavOsy(-1, 1, -1.2, 1.2, 8, 12);
    an->nastavNadpisy(QStringLiteral("Spektrum signálu - |F|"), QStringLiteral("Harmonické"),
                      QStringLiteral("Amplituda |F|"));
    an->nastavOsy(-125, 125, -0.05, 0.55, 30, 12);
    bn->nastavNadpisy(QStringLiteral("Spektrum signálu - arg(F)"), QStringLiteral("Harmonické"),
                      QStringLiteral("Amplituda arg(F)[°]"));
    bn->nastavOsy(-125, 125, -225, 225, 30, 10);

    pridejOmegu(QStringLiteral("Rozsah harmonických použitých při rekonstrukci"));
    harmonickych->setText(QStringLiteral("=000") + vorta::desetinnyOddelovac() + QStringLiteral("1"));
    stupen->setToolTip(QStringLiteral("Volba rozsahu harmonických pro rekonstrukci"));
    const QSignalBlocker ticho(stupen);
    stupen->setRange(0, transformace::MaxStupen);
    stupen->setValue(transformace::MaxStupen);
}

void Ttransformace::zmenadat()
{
    // origin is not redrawn: the delivery or the drop has drawn it
    const analyza::Interval interval = ctiInterval();
    const std::vector<float> vzorky(interval.y.begin(), interval.y.end());
    m_spektrum = transformace::koeficienty(vzorky, interval.M);
    stupenChange();
}

void Ttransformace::stupenChange()
{
    const int P = stupen->value();
    harmonickych->setText(transformace::popisStupne(P));
    vykresli(obraz, transformace::rekonstrukce(m_spektrum, P));
    vykresli(an, transformace::modul(m_spektrum, P));
    vykresli(bn, transformace::faze(m_spektrum, P));
}
