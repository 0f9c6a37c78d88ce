#include "continuous/TKonvoluce.h"
#include "shell/prvky.h"

#include "shell/napoveda.h"
#include "shell/okna.h"
#include "shell/TPosuvnik.h"
#include "shell/TObraz.h"
#include "continuous/obrazky.h"
#include "core/cisla.h"
#include "graf/TGraf.h"
#include "graf/pisma.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>

namespace {

// Every curve starts with a move far left of the visible range, so that it
// comes in along zero.
void vykresliKrivku(TGraf* graf, const std::vector<QPointF>& body, int styl)
{
    graf->PridejBod(0, -10, 0);
    for (const QPointF& b : body)
        graf->PridejBod(styl, b.x(), b.y());
}

} // namespace

TKonvoluce::TKonvoluce(QWidget* parent) : QWidget(parent)
{
    okna::nastavOkno(this, QStringLiteral("Konvoluce"), QStringLiteral("Konvoluce"), QSize(905, 537));

    prvky::popisek(this, QStringLiteral("Vstupní signál u(tau)"), QPoint(8, 8));
    sigu = prvky::volba(this, QStringLiteral("sigu"), konvoluce::nazvyU(), QStringLiteral("Volba vstupního signálu u(tau)"),
                 QRect(8, 24, 160, 22));
    prvky::popisek(this, QStringLiteral("Vstupní signál g(tau)"), QPoint(8, 54));
    sigg = prvky::volba(this, QStringLiteral("sigg"), konvoluce::nazvyG(), QStringLiteral("Volba vstupního signálu g(tau)"),
                 QRect(8, 70, 160, 22));

    auto* rovnice = prvky::skupina(this, QStringLiteral("Obecná rovnice pro výpočet konvoluce"), QRect(176, 4, 268, 96), QStringLiteral("GroupBox1"));
    auto* obraz = new TObraz(rovnice);
    obraz->setObjectName(QStringLiteral("Image1"));
    obraz->setGeometry(QRect(QPoint(3, 21), obrazky::VelikostKonvoluce));
    obraz->nastav([](qreal pomer) { return obrazky::vzorecKonvoluce(pomer); });

    auto* vypocet = prvky::skupina(this, QStringLiteral("Výpočet konvoluce pro konkrétního čas t "), QRect(8, 104, 436, 78), QStringLiteral("GroupBox2"));
    pos = new TPosuvnik(vypocet);
    pos->setObjectName(QStringLiteral("pos"));
    pos->setRange(0, konvoluce::PosMax);
    pos->setPageStep(1);
    pos->setToolTip(QStringLiteral("Nastavení konkrétního času t, pro který se vypočítá jeden bod konvoluce y(t)"));
    pos->setGeometry(8, 22, 420, 18);
    const QFont pismoHodnot = vorta::pismo(QStringLiteral("Arial"), 14, true);
    ttt = new QLabel(vypocet);
    ttt->setObjectName(QStringLiteral("ttt"));
    ttt->setFont(pismoHodnot);
    ttt->setGeometry(8, 48, 140, 22);
    yttt = new QLabel(vypocet);
    yttt->setObjectName(QStringLiteral("yttt"));
    yttt->setFont(pismoHodnot);
    yttt->setGeometry(160, 48, 268, 22);

    auto* vstup = prvky::skupina(this, QStringLiteral("Vstupní signály"), QRect(8, 186, 436, 343), QStringLiteral("vstup"));
    sigx = novyGraf(vstup, QStringLiteral("sigx"), QStringLiteral("u(tau)"), QStringLiteral("tau"));
    sigx->setGeometry(6, 18, 424, 158);
    sigy = novyGraf(vstup, QStringLiteral("sigy"), QStringLiteral("g(tau)"), QStringLiteral("tau"));
    sigy->setGeometry(6, 180, 424, 157);

    auto* vystup = prvky::skupina(this, QStringLiteral("Postup výpočtu"), QRect(452, 4, 445, 525), QStringLiteral("vystup"));
    sigyrp = novyGraf(vystup, QStringLiteral("sigyrp"), QStringLiteral("g(t-tau)"), QStringLiteral("tau"));
    sigyrp->setGeometry(6, 18, 433, 165);
    soucin = novyGraf(vystup, QStringLiteral("soucin"), QStringLiteral("u(tau)*g(t-tau)"), QStringLiteral("tau"));
    soucin->setGeometry(6, 186, 433, 165);
    sigout = novyGraf(vystup, QStringLiteral("sigout"), QStringLiteral("Konvoluce y(t)"), QStringLiteral("t"));
    sigout->setGeometry(6, 354, 433, 165);
    sigout->setBarvaPozadi(QColor(166, 202, 240));

    napoveda::pridejNapovedu(this, QStringLiteral("/okonvoluce.html"));

    sigu->setCurrentIndex(0);
    sigg->setCurrentIndex(0);
    connect(sigu, &QComboBox::currentIndexChanged, this, [this] { zmena(); });
    connect(sigg, &QComboBox::currentIndexChanged, this, [this] { zmena(); });
    connect(pos, &QScrollBar::valueChanged, this, [this] { zmena(); });
    zmena();
}

TGraf* TKonvoluce::novyGraf(QWidget* rodic, const QString& jmeno, const QString& yNadpis, const QString& xNadpis)
{
    auto* g = new TGraf(rodic);
    g->setObjectName(jmeno);
    g->nastavOsy(-1.25, 2.25, -0.25, 1.25, 14, 6);
    g->setXNadpis(xNadpis);
    g->setYNadpis(yNadpis);
    g->setSirkaCary(2);
    return g;
}

void TKonvoluce::zmena()
{
    const int P = pos->value();
    u = konvoluce::tabulkaU(sigu->currentIndex());
    g = konvoluce::tabulkaG(sigg->currentIndex());

    sigx->Smaz();
    vykresliKrivku(sigx, konvoluce::prubeh(u), 2);
    sigx->update();
    sigy->Smaz();
    vykresliKrivku(sigy, konvoluce::prubeh(g), 2);
    sigy->update();

    // u stays behind g(t - tau) as a wide grey trace to show the overlap.
    sigyrp->Smaz();
    vykresliKrivku(sigyrp, konvoluce::prubeh(u), 406);
    vykresliKrivku(sigyrp, konvoluce::otocene(g, P), 2);
    sigyrp->update();

    soucin->Smaz();
    vykresliKrivku(soucin, konvoluce::soucin(u, g, P), 2);
    soucin->update();

    const std::vector<QPointF> y = konvoluce::vysledek(u, g);
    const double yP = konvoluce::hodnota(u, g, P);
    sigout->Smaz();
    vykresliKrivku(sigout, y, 2);
    sigout->PridejBod(-2, P / 100.0, yP);
    ttt->setText(konvoluce::popisCasu(P));
    yttt->setText(konvoluce::popisHodnoty(P, yP, vorta::desetinnyOddelovac()));
    sigout->update();
}
