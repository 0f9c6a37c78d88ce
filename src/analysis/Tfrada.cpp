#include "analysis/Tfrada.h"

#include "core/cisla.h"
#include "graf/TGraf.h"

#include <QLabel>
#include <QScrollBar>
#include <cstdlib>

Tfrada::Tfrada(QWidget* parent)
    : TAnalyza({1, QStringLiteral("frada"), QStringLiteral("Fourierova řada analýza"), QStringLiteral("/oanalyza.html"),
                QSize(985, 681), false},
               parent)
{
    origin->nastavOsy(-0.5, 1.5, -1.2, 1.2, 8, 12);
    obraz->nastavOsy(-0.5, 1.5, -1.2, 1.2, 8, 12);
    an->nastavNadpisy(QStringLiteral("Spektrum signálu - |cm|"), QStringLiteral("Harmonická m"),
                      QStringLiteral("Amplituda |cm|"));
    an->nastavOsy(-40, 40, -0.05, 0.55, 40, 12);
    bn->nastavNadpisy(QStringLiteral("Spektrum signálu - arg(cm)"), QStringLiteral("Harmonická m"),
                      QStringLiteral("Amplituda arg(cm)[°]"));
    bn->nastavOsy(-40, 40, -225, 225, 40, 10);

    stupen->setToolTip(QStringLiteral("Volba počtu harmonických pro rekonstrukci"));
    harmonickych->setToolTip(QStringLiteral("Počet harmonických použitých při rekonstrukci"));
    {
        const QSignalBlocker ticho(stupen);
        stupen->setRange(0, frada::MaxHarmonicka);
        stupen->setValue(frada::MaxHarmonicka);
    }
}

void Tfrada::zmenadat()
{
    const analyza::Interval interval = ctiInterval();
    origin->Smaz();
    for (const QPointF& b : frada::triPeriody(interval.y, interval.M))
        origin->PridejBod(2, b.x(), b.y());
    origin->update();
    m_koef = frada::koeficienty(interval.y, interval.M);
    stupenChange();
}

void Tfrada::stupenChange()
{
    const int P = stupen->value();
    harmonickych->setText(QStringLiteral("n=") + vorta::fixniFormat(P, 0));

    obraz->Smaz();
    for (const QPointF& b : frada::rekonstrukce(m_koef, P))
        obraz->PridejBod(2, b.x(), b.y());
    obraz->update();

    an->Smaz();
    bn->Smaz();
    for (int m = -frada::MaxHarmonicka; m <= frada::MaxHarmonicka; ++m) {
        const int styl = std::abs(m) <= P ? 2 : 6;
        an->PridejStonek(styl, m, frada::velikost(m_koef, m));
        bn->PridejStonek(styl, m, frada::faze(m_koef, m));
    }
    an->update();
    bn->update();
}
