#include "continuous/TSynteza.h"

#include "shell/napoveda.h"
#include "shell/okna.h"
#include "continuous/harmonicke.h"
#include "shell/TPosuvnik.h"
#include "shell/TObraz.h"
#include "continuous/obrazky.h"
#include "graf/TGraf.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

TSynteza::TSynteza(const QString& jmeno, const QString& titulek, QSize klient, bool komplexne, QWidget* parent)
    : QWidget(parent), m_komplexne(komplexne)
{
    okna::nastavOkno(this, jmeno, titulek, klient);

    vyber = new QComboBox(this);
    vyber->setObjectName(QStringLiteral("vyber"));
    vyber->addItems(harmonicke::nazvy());
    vyber->setToolTip(QStringLiteral("Výběr signálu"));
    vyber->setGeometry(8, 8, 190, 22);

    harmonickych = new QLabel(QStringLiteral("n=00"), this);
    harmonickych->setObjectName(QStringLiteral("harmonickych"));
    harmonickych->setToolTip(QStringLiteral("Počet harmonických použitých při rekonstrukci"));
    harmonickych->setGeometry(208, 11, 44, 16);

    stupen = new TPosuvnik(this);
    stupen->setObjectName(QStringLiteral("stupen"));
    stupen->setRange(0, harmonicke::MaxHarmonickych);
    stupen->setPageStep(1);
    stupen->setToolTip(QStringLiteral("Volba počtu harmonických pro rekonstrukci"));
    stupen->setGeometry(256, 10, klient.width() - 264, 18);

    auto* signal = new QGroupBox(QStringLiteral("Teoretický signál"), this);
    signal->setObjectName(QStringLiteral("GroupBox1"));
    signal->setGeometry(8, 36, 392, 122);
    prubeh = new TObraz(signal);
    prubeh->setObjectName(QStringLiteral("prubeh"));
    prubeh->setToolTip(QStringLiteral("Výchozí vstupní signál"));
    prubeh->setGeometry(QRect(QPoint(8, 20), obrazky::VelikostPrubehu));

    auto* vzorce = new QGroupBox(QStringLiteral("Vzorce pro výpočty harmonických"), this);
    vzorce->setObjectName(QStringLiteral("GroupBox2"));
    vzorce->setGeometry(8, 162, 392, 166);
    Vzorec = new TObraz(vzorce);
    Vzorec->setObjectName(QStringLiteral("Vzorec"));
    Vzorec->setGeometry(QRect(QPoint(8, 18), obrazky::VelikostVzorce));
    // No stock icon: without an icon theme the style hands out a broken
    // placeholder picture.
    BitBtn1 = new QPushButton(QStringLiteral("Zobrazit postupy výpočtů"), vzorce);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setToolTip(QStringLiteral("Zobrazí nápovědu s postupem celého výpočtu"));
    BitBtn1->setGeometry(8, 134, 376, 26);

    obdel = novyGraf(QStringLiteral("obdel"), QStringLiteral("Součet prvních n harmonických"),
                     QStringLiteral("Čas t[s]"), QStringLiteral("Amplituda"));
    obdel->nastavOsy(-0.5, 1.5, -0.5, 1.5, 8, 8);
    obdel->setGeometry(408, 36, klient.width() - 416, 292);

    napoveda::pridejNapovedu(this, QStringLiteral("/osynteza.html"));
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        napoveda::otevri(napoveda::tema(harmonicke::tema(vyber->currentIndex(), m_komplexne)));
    });
}

TGraf* TSynteza::novyGraf(const QString& jmeno, const QString& nadpis, const QString& xNadpis,
                          const QString& yNadpis)
{
    auto* g = new TGraf(this);
    g->setObjectName(jmeno);
    g->nastavNadpisy(nadpis, xNadpis, yNadpis);
    g->setSirkaCary(2);
    return g;
}

void TSynteza::spust()
{
    vyber->setCurrentIndex(0);
    stupenChange();
    vyberChange();
    connect(vyber, &QComboBox::currentIndexChanged, this, [this] { vyberChange(); });
    connect(stupen, &QScrollBar::valueChanged, this, [this] { stupenChange(); });
}

double TSynteza::vyska0() const { return harmonicke::a0(vyber->currentIndex()); }
double TSynteza::vyskaA(int n) const { return harmonicke::a(vyber->currentIndex(), n); }
double TSynteza::vyskaB(int n) const { return harmonicke::b(vyber->currentIndex(), n); }

void TSynteza::vyberChange()
{
    const int s = vyber->currentIndex();
    prubeh->nastav([s](qreal pomer) { return obrazky::prubeh(s, pomer); });
    Vzorec->nastav([s, k = m_komplexne](qreal pomer) { return obrazky::vzorec(s, k, pomer); });
    stupenChange();
}

void TSynteza::stupenChange()
{
    const int N = stupen->value();
    harmonickych->setText(QStringLiteral("n=%1").arg(N));
    obdel->Smaz();
    for (const QPointF& b : harmonicke::castecnySoucet(vyber->currentIndex(), N))
        obdel->PridejBod(2, b.x(), b.y());
    obdel->update();
    vykresliSpektra(N);
}

void TSynteza::zacniSpektra()
{
    an->Smaz();
    bn->Smaz();
    an->PridejStonek(2, 0, vyska0());
    bn->PridejStonek(2, 0, 0);
}
