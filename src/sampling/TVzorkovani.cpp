#include "sampling/TVzorkovani.h"
#include "shell/prvky.h"

#include "core/cisla.h"
#include "shell/TPosuvnik.h"
#include "graf/TGraf.h"
#include "graf/pisma.h"
#include "shell/napoveda.h"
#include "shell/okna.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>

using namespace vzorkovani;

namespace {

constexpr int GrafX = 8, GrafY = 64, GrafSirka = 705, GrafVyska = 187, GrafMezera = 4;

void cara(QWidget* rodic, QFrame::Shape tvar, QRect kde)
{
    auto* f = new QFrame(rodic);
    f->setFrameShape(tvar);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(kde);
}

} // namespace

TVzorkovani::TVzorkovani(Druh druh, const QString& jmeno, const QString& titulek, QWidget* parent)
    : QWidget(parent), m_druh(druh)
{
    okna::nastavOkno(this, jmeno, titulek, QSize(721, 641));
    const bool vstup = druh == Druh::Vstup;

    frek = new TPosuvnik(this);
    frek->setObjectName(QStringLiteral("frek"));
    frek->setRange(minPoloha(druh), maxPoloha(druh));
    frek->setPageStep(0);
    frek->setValue(PocatecniPoloha);
    frek->setToolTip(vstup ? QStringLiteral("Nastavení frekvence vstupního signálu")
                           : QStringLiteral("Nastavení frekvence vzorkování"));
    frek->setGeometry(8, 8, 436, 17);
    sss = prvky::volba(this, QStringLiteral("sss"), nazvyTvaru(), QStringLiteral("Volba tvaru vstupního signálu"), QRect(8, 34, 214, 22));
    tvar = prvky::volba(this, QStringLiteral("tvar"), nazvyTvarovacu(druh),
                 QStringLiteral("Volba tvarovače při rekonstrukci výstupního signálu"), QRect(230, 34, 214, 22));

    // The label block: input signal on the left, sampler on the right.
    cara(this, QFrame::VLine, QRect(451, 4, 3, 56));
    cara(this, QFrame::HLine, QRect(453, 23, 260, 3));
    cara(this, QFrame::VLine, QRect(585, 4, 3, 56));
    const QFont tucne = vorta::pismo(QStringLiteral("MS Sans Serif"), 13, true);
    for (auto [t, x] : {std::pair{QStringLiteral("Vstupní signál"), 462}, std::pair{QStringLiteral("Vzorkovač"), 596}}) {
        auto* l = new QLabel(t, this);
        l->setFont(tucne);
        l->move(x, 6);
        l->adjustSize();
    }
    for (auto [t, x, y] : {std::tuple{QStringLiteral("f"), 462, 30}, std::tuple{QStringLiteral("T"), 462, 46},
                           std::tuple{QStringLiteral("fvz"), 596, 30}, std::tuple{QStringLiteral("Tvz"), 596, 46}}) {
        auto* l = new QLabel(t, this);
        l->setFont(tucne);
        l->move(x, y);
        l->adjustSize();
    }
    fr = hodnota("fr", {}, QPoint(486, 30));
    if (vstup) {
        tv = hodnota("tv", {}, QPoint(486, 46));
        hodnota(nullptr, QStringLiteral("= 1kHz"), QPoint(626, 30));
        hodnota(nullptr, QStringLiteral("= 1ms"), QPoint(626, 46));
    } else {
        hodnota(nullptr, QStringLiteral("= 10ms"), QPoint(486, 46));
        ff = hodnota("ff", {}, QPoint(626, 30));
        tt = hodnota("tt", {}, QPoint(626, 46));
    }

    spuv = novyGraf("spuv", QStringLiteral("Původní spojitý signál"), GrafY);
    svzk = novyGraf("svzk", QStringLiteral("Navzorkovaný signál"), GrafY + GrafVyska + GrafMezera);
    srek = novyGraf("srek", QStringLiteral("Rekonstruovaný signál"), GrafY + 2 * (GrafVyska + GrafMezera));

    napoveda::pridejNapovedu(this, QStringLiteral("/ofsig.html"));

    sss->setCurrentIndex(0);
    tvar->setCurrentIndex(0);
    connect(frek, &QScrollBar::valueChanged, this, &TVzorkovani::frekChange);
    connect(sss, &QComboBox::currentIndexChanged, this, &TVzorkovani::frekChange);
    connect(tvar, &QComboBox::currentIndexChanged, this, &TVzorkovani::frekChange);
    frekChange();
}

TGraf* TVzorkovani::novyGraf(const char* jmeno, const QString& nadpis, int y)
{
    auto* g = new TGraf(this);
    g->setObjectName(QString::fromLatin1(jmeno));
    g->setGeometry(GrafX, y, GrafSirka, GrafVyska);
    g->nastavNadpisy(nadpis, QStringLiteral("Čas [ms]"), QStringLiteral("Amplituda"));
    const bool vstup = m_druh == Druh::Vstup;
    g->nastavOsy(0, casoveOkno(m_druh), -1.25, 1.25, vstup ? 25 : 20, 10);
    g->nastavVypocetni();
    return g;
}

QLabel* TVzorkovani::hodnota(const char* jmeno, const QString& text, QPoint kde)
{
    auto* l = new QLabel(text, this);
    if (jmeno)
        l->setObjectName(QString::fromLatin1(jmeno));
    l->setFont(vorta::pismo(QStringLiteral("MS Sans Serif"), 13, true));
    l->setGeometry(QRect(kde, QSize(94, 16)));
    return l;
}

void TVzorkovani::frekChange()
{
    const int poloha = frek->value();
    const Popisky p = popisky(m_druh, poloha, vorta::desetinnyOddelovac());
    fr->setText(p.fr);
    if (tv)
        tv->setText(p.tv);
    if (ff)
        ff->setText(p.ff);
    if (tt)
        tt->setText(p.tt);

    const Grafy g = grafy(m_druh, poloha, sss->currentIndex(), tvar->currentIndex());
    for (auto [graf, body] : {std::pair{spuv, &g.spuv}, std::pair{svzk, &g.svzk}, std::pair{srek, &g.srek}}) {
        graf->Smaz();
        for (const Bod& b : *body)
            graf->PridejBod(b.styl, b.x, b.y);
        graf->update();
    }
}
