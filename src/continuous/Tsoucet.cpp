#include "continuous/Tsoucet.h"

#include "shell/napoveda.h"
#include "shell/okna.h"
#include "core/cisla.h"
#include "graf/TGraf.h"
#include "graf/TMenuGrafu.h"
#include "graf/pisma.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

namespace {

const QColor nebeska(166, 202, 240); // clSkyBlue

soucet::Signal cti(const TGraf* g)
{
    // Exactly 801 records whatever the count: slots past the last point are
    // read as they stand.
    soucet::Signal s;
    for (int k = 0; k < soucet::PocetZaznamu; ++k)
        s[k] = g->CtiBod(k);
    return s;
}

void zapis(TGraf* g, const soucet::Signal& s)
{
    g->Smaz();
    for (const TBod& z : s)
        g->PridejZaznam(z);
    g->update();
}

void nulovySignal(TGraf* g)
{
    g->Smaz();
    for (int i = -400; i <= 400; ++i)
        g->PridejBod(2, i / 200.0, 0);
    g->update();
}

constexpr int radekY = 18; // top of the generator's formula row

} // namespace

Tsoucet::Tsoucet(QWidget* parent) : QWidget(parent)
{
    okna::nastavOkno(this, QStringLiteral("soucet"), QStringLiteral("Matematické operace mezi dvěma signály"),
                     QSize(771, 616));

    // --- generator -------------------------------------------------------
    GroupBox1 = new QGroupBox(QStringLiteral("Generátor signálů"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(4, 4, 399, 251);

    const QFont vzorec = vorta::pismo(QStringLiteral("Times New Roman"), 32, true);
    const QFont ovladani = vorta::pismo(QStringLiteral("MS Sans Serif"), 13, true);
    const QChar sep = vorta::desetinnyOddelovac();
    int x = 6;
    const auto text = [&](const QString& t) {
        auto* l = new QLabel(t, GroupBox1);
        l->setFont(vzorec);
        l->adjustSize();
        l->move(x, radekY);
        x += l->width() + 1;
    };
    const auto edit = [&](const char* jmeno, const QString& napoveda, long double hodnota) {
        auto* e = new QLineEdit(vorta::fixniFormat(hodnota, 1, sep), GroupBox1);
        e->setObjectName(QString::fromLatin1(jmeno));
        e->setToolTip(napoveda);
        e->setFont(ovladani);
        e->setGeometry(x, radekY + 9, 32, 26);
        x += e->width() + 2;
        return e;
    };
    text(QStringLiteral("y(t)="));
    A1 = edit("A1", QStringLiteral("Násobení v amplitudě"), 1);
    signal = new QComboBox(GroupBox1);
    signal->setObjectName(QStringLiteral("signal"));
    signal->setToolTip(QStringLiteral("Výběr signálu"));
    signal->addItems({QStringLiteral("Sin (2pi)"), QStringLiteral("Cos (2pi)"), QStringLiteral("Skok"),
                      QStringLiteral("Rampa"), QStringLiteral("Obdelnik"), QStringLiteral("Pila"),
                      QStringLiteral("Trojúhelník")});
    signal->setFont(ovladani);
    signal->setGeometry(x, radekY + 9, 100, 26);
    x += signal->width() + 2;
    text(QStringLiteral("("));
    B1 = edit("B1", QStringLiteral("Násobení v čase"), 1);
    text(QStringLiteral("t +"));
    C1 = edit("C1", QStringLiteral("Posun v čase"), 0);
    text(QStringLiteral(")+"));
    d1 = edit("d1", QStringLiteral("Posun v amplitudě"), 0);

    gen1 = new TGraf(GroupBox1);
    gen1->setObjectName(QStringLiteral("gen1"));
    gen1->setGeometry(8, 66, 383, 177);
    nastavSignalovyGraf(gen1, QStringLiteral("Vygenerovaný signál"), true, false);
    gen1->setToolTip(QStringLiteral("Do jiného grafu lze signál přesunou pouhým přetažením"));

    // --- signals A, B and the result -------------------------------------
    GroupBox2 = new QGroupBox(QStringLiteral("Operace se signály"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(407, 4, 360, 608);
    const auto graf = [this](const char* jmeno, int top) {
        auto* g = new TGraf(GroupBox2);
        g->setObjectName(QString::fromLatin1(jmeno));
        g->setGeometry(8, top, 344, 172);
        return g;
    };
    const auto tlacitko = [this](const char* jmeno, const QString& t, int top) {
        auto* b = new QToolButton(GroupBox2);
        b->setObjectName(QString::fromLatin1(jmeno));
        b->setText(t);
        b->setFont(vorta::pismo(QStringLiteral("MS Sans Serif"), 20, true));
        b->setAutoRaise(true);
        b->setGeometry(8, top, 344, 26);
        return b;
    };
    s1 = graf("s1", 20);
    nastavSignalovyGraf(s1, QStringLiteral("Signál A"), false, true);
    zn1 = tlacitko("zn1", QStringLiteral("+"), 195);
    zn1->setCursor(Qt::PointingHandCursor);
    zn1->setToolTip(QStringLiteral("Změna typu matematické operace"));
    s2 = graf("s2", 224);
    nastavSignalovyGraf(s2, QStringLiteral("Signál B"), false, true);
    SpeedButton2 = tlacitko("SpeedButton2", QStringLiteral("="), 399);
    v1 = graf("v1", 428);
    nastavSignalovyGraf(v1, QStringLiteral("Výsledný signál"), true, false);

    // --- the stack ---------------------------------------------------------
    Okno = new QGroupBox(QStringLiteral("Zasobník signálů"), this);
    Okno->setObjectName(QStringLiteral("Okno"));
    Okno->setGeometry(4, 259, 399, 353);
    for (int k = 0; k < int(zasobnik.size()); ++k) {
        auto* g = new TGraf(Okno);
        g->setObjectName(QStringLiteral("zasobnik%1").arg(k));
        g->setGeometry((k % 3) * 129 + 8, (k / 3) * 83 + 18, 125, 78);
        g->nastavOsy(-2, 2, -2, 2, 4, 4);
        g->setSirkaCary(2);
        g->setAutomatickeTazeni(true);
        g->setMenuUlozit(true);
        g->setMenuOtevrit(true);
        prijimej(g);
        nulovySignal(g);
        zasobnik[k] = g;
    }
    prijimej(s1);
    prijimej(s2);
    nulovySignal(s1);
    nulovySignal(s2);
    // A graph file loaded through the popup replaces A or B as a drop does.
    // The menu's own handler was connected when the graph was made, so this
    // one runs after the load, whether it succeeded or not.
    for (TGraf* g : {s1, s2})
        connect(g->menuGrafu()->akceNacist(), &QAction::triggered, this, [this, g] { zmena(g); });

    // --- the drop menu -----------------------------------------------------
    znamenko = new QMenu(this);
    znamenko->setObjectName(QStringLiteral("znamenko"));
    const auto polozka = [this](const char* jmeno, const QString& t, int kod) {
        QAction* a = znamenko->addAction(t);
        a->setObjectName(QString::fromLatin1(jmeno));
        if (kod)
            connect(a, &QAction::triggered, this, [this, kod] { operace(kod); });
    };
    polozka("Pepsat1", QStringLiteral("Přepsat"), soucet::Prepsat);
    polozka("Vymnitza1", QStringLiteral("Vyměnit"), soucet::Vymenit);
    polozka("N1", QStringLiteral("Přičíst (+)"), soucet::Pricist);
    polozka("N2", QStringLiteral("Odečíst (-)"), soucet::Odecist);
    polozka("N3", QStringLiteral("Násobit (*)"), soucet::Nasobit);
    znamenko->addSeparator();
    polozka("Zruit1", QStringLiteral("Zrušit akci"), 0);
    ukazMenu = [this](QPoint pozice) { znamenko->popup(pozice); };

    napoveda::pridejNapovedu(this, QStringLiteral("/odva.html"));

    signal->setCurrentIndex(0);
    connect(signal, &QComboBox::currentIndexChanged, this, &Tsoucet::signalChange);
    for (QLineEdit* e : {A1, B1, C1, d1})
        connect(e, &QLineEdit::textChanged, this, &Tsoucet::signalChange);
    connect(zn1, &QToolButton::clicked, this, &Tsoucet::zn1Click);
    zmena(s1);

    // The generator is drawn once the event loop runs, shown or not.
    start = new QTimer(this);
    start->setObjectName(QStringLiteral("start"));
    start->setInterval(1);
    connect(start, &QTimer::timeout, this, [this] {
        signalChange();
        start->stop();
    });
    start->start();
}

void Tsoucet::nastavSignalovyGraf(TGraf* g, const QString& nadpis, bool pozadiNebeske, bool otevrit)
{
    if (pozadiNebeske)
        g->setBarvaPozadi(nebeska);
    g->nastavNadpisy(nadpis, QStringLiteral("Čas"), QStringLiteral("Amplituda"));
    g->nastavOsy(-2, 2, -2, 2, 8, 8);
    g->setSirkaCary(2);
    g->setMenuUlozit(true);
    g->setMenuOtevrit(otevrit);
    g->setAutomatickeTazeni(true);
}

void Tsoucet::prijimej(TGraf* g)
{
    g->setPrijimaGrafy(true);
    connect(g, &TGraf::grafPretazen, this, [this, g](TGraf* z, QPoint pozice) { upusteno(z, g, pozice); });
}

void Tsoucet::upusteno(TGraf* zdroj, TGraf* cil, QPoint pozice)
{
    m_zdroj = zdroj;
    m_cil = cil;
    if (ukazMenu)
        ukazMenu(pozice);
}

void Tsoucet::signalChange()
{
    const QChar sep = vorta::desetinnyOddelovac();
    const soucet::Generator g = soucet::ctiGenerator(A1->text(), B1->text(), C1->text(), d1->text(), sep);
    const int index = qBound(0, signal->currentIndex(), soucet::PocetTvaru - 1);
    zapis(gen1, soucet::generuj(static_cast<soucet::Tvar>(index), g));
}

void Tsoucet::zn1Click()
{
    zn1->setText(soucet::dalsiZnamenko(zn1->text()));
    zmena(s1);
}

void Tsoucet::zmena(TGraf* graf)
{
    if (graf != s1 && graf != s2)
        return;
    const QString t = zn1->text();
    zapis(v1, soucet::vysledek(cti(s1), cti(s2), t.isEmpty() ? QChar(u'+') : t.front()));
}

void Tsoucet::operace(int kod)
{
    TGraf* z = m_zdroj;
    TGraf* c = m_cil;
    if (!z || !c || kod < soucet::Pricist || kod > soucet::Vymenit)
        return;
    soucet::Signal S = cti(z);
    soucet::Signal T = cti(c);
    if (kod == soucet::Vymenit && z == c) {
        // A graph swapped with itself keeps its signal; writing both halves
        // of the swap into the one graph would interleave two copies.
        zapis(c, T);
    } else {
        soucet::proved(kod, S, T);
        zapis(c, T);
        if (kod == soucet::Vymenit) {
            zapis(z, S);
            zmena(z);
        }
    }
    zmena(c);
}
