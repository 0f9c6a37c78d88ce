#include "entry/Tobrazek.h"
#include "shell/prvky.h"

#include "entry/TPlatno.h"
#include "shell/TPosuvnik.h"
#include "entry/nacteni.h"
#include "graf/TGraf.h"
#include "shell/napoveda.h"
#include "shell/okna.h"
#include "shell/zadatel.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <vector>

namespace {

QPushButton* tlacitko(QWidget* rodic, const QString& jmeno, const QString& text, QRect kde)
{
    auto* b = new QPushButton(text, rodic);
    b->setObjectName(jmeno);
    b->setGeometry(kde);
    // Enter must not confirm the window behind the user's back.
    b->setAutoDefault(false);
    return b;
}

} // namespace

Tobrazek::Tobrazek(QWidget* parent) : QDialog(parent)
{
    okna::nastavOkno(this, QStringLiteral("obrazek"), QStringLiteral("Analyzátor obrázků"), QSize(796, 681));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    // Before the first picture the holder has a small white bitmap.
    m_obr = QImage(2, 2, QImage::Format_RGB32);
    m_obr.fill(Qt::white);

    zhora = posuvnik(QStringLiteral("zhora"), Qt::Horizontal, QStringLiteral("Horní okraj"), QRect(25, 8, 600, 17));
    zleva = posuvnik(QStringLiteral("zleva"), Qt::Vertical, QStringLiteral("Levý okraj"), QRect(8, 25, 17, 400));
    zprava = posuvnik(QStringLiteral("zprava"), Qt::Vertical, QStringLiteral("Pravý okraj"), QRect(625, 25, 17, 400));
    zdola = posuvnik(QStringLiteral("zdola"), Qt::Horizontal, QStringLiteral("Dolní okraj"), QRect(25, 425, 600, 17));

    platnoNaObrazovce = new TPlatno(m_platno, this);
    platnoNaObrazovce->setObjectName(QStringLiteral("platno"));
    platnoNaObrazovce->setGeometry(25, 25, obrazek::Sirka, obrazek::Vyska);
    connect(platnoNaObrazovce, &TPlatno::stisk, this, [this](QPoint b) {
        m_vybira = true;
        vezmiBarvu(b);
    });
    connect(platnoNaObrazovce, &TPlatno::tah, this, [this](QPoint b) {
        if (m_vybira)
            vezmiBarvu(b);
    });
    connect(platnoNaObrazovce, &TPlatno::pusteni, this, [this] {
        m_vybira = false;
        analyzovat();
    });

    vysledek = new TGraf(this);
    vysledek->setObjectName(QStringLiteral("vysledek"));
    vysledek->setGeometry(8, 450, 634, 223);
    vysledek->nastavOsy(0, 1, -1.2, 1.2, 10, 12);
    vysledek->nastavVypocetni();

    auto* Button1 = tlacitko(this, QStringLiteral("Button1"), QStringLiteral("Otevřít obrázek"), QRect(652, 25, 136, 27));
    Button1->setToolTip(QStringLiteral("Otevře nový obrázek"));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    barvaPanel = new QLabel(QStringLiteral("Hledaná barva"), this);
    barvaPanel->setObjectName(QStringLiteral("barva"));
    barvaPanel->setAlignment(Qt::AlignCenter);
    barvaPanel->setFrameShape(QFrame::Panel);
    barvaPanel->setFrameShadow(QFrame::Raised);
    barvaPanel->setAutoFillBackground(true);
    barvaPanel->setToolTip(QStringLiteral("Barva se vybere kliknutím do obrázku"));
    barvaPanel->setGeometry(652, 62, 136, 56);
    nastavBarvu(Qt::white);

    auto* skupina = new QGroupBox(QStringLiteral("Metoda hledani"), this);
    skupina->setObjectName(QStringLiteral("metoda"));
    skupina->setToolTip(QStringLiteral("Zvolí jak se bude hledat signál"));
    skupina->setGeometry(652, 128, 136, 96);
    const QString polozky[3] = {QStringLiteral("První zhora"), QStringLiteral("První zdola"), QStringLiteral("Průmer")};
    for (int i = 0; i < 3; ++i) {
        metody[i] = new QRadioButton(polozky[i], skupina);
        metody[i]->setObjectName(QStringLiteral("metoda%1").arg(i));
        metody[i]->setGeometry(8, 20 + 24 * i, 124, 22);
        connect(metody[i], &QRadioButton::clicked, this, [this] { analyzovat(); });
    }
    metody[0]->setChecked(true);

    preklen = prvky::zaskrtavatko(this, QStringLiteral("preklen"), QStringLiteral("Tvarovat mezery"),
                           QStringLiteral("Nebude li se barva ve sloupci vyskotovat tak vezme předchozí hodnotu"), true,
                           QRect(652, 234, 136, 22));
    connect(preklen, &QCheckBox::clicked, this, [this] { analyzovat(); });
    neres = prvky::zaskrtavatko(this, QStringLiteral("neres"), QStringLiteral("Neresetovat zoom"),
                         QStringLiteral("Při otevření nového souboru se nevynulují okraje"), false,
                         QRect(652, 260, 136, 22));

    auto* Button3 = tlacitko(this, QStringLiteral("Button3"), QStringLiteral("OK"), QRect(652, 600, 136, 30));
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    auto* Button4 = tlacitko(this, QStringLiteral("Button4"), QStringLiteral("Storno"), QRect(652, 640, 136, 30));
    connect(Button4, &QPushButton::clicked, this, [this] { reject(); });

    napoveda::pridejNapovedu(this, QStringLiteral("/zobrazek.html"));

    vyberSoubor = [this] {
        return QFileDialog::getOpenFileName(this, QString(), QString(), obrazek::filtrSouboru());
    };

    cas = new QTimer(this);
    cas->setObjectName(QStringLiteral("cas"));
    cas->setInterval(300);
    connect(cas, &QTimer::timeout, this, [this] { casTimer(); });
    cas->start();
}

QScrollBar* Tobrazek::posuvnik(const QString& jmeno, Qt::Orientation smer, const QString& napoveda, QRect kde)
{
    auto* s = new TPosuvnik(this, smer);
    s->setObjectName(jmeno);
    s->setRange(0, 400);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setToolTip(napoveda);
    s->setGeometry(kde);
    connect(s, &QScrollBar::valueChanged, this, [this] { zhoraChange(); });
    return s;
}

obrazek::Metoda Tobrazek::metoda() const
{
    for (int i = 0; i < 3; ++i)
        if (metody[i]->isChecked())
            return static_cast<obrazek::Metoda>(i);
    return obrazek::Metoda::PrvniZhora;
}

obrazek::Orez Tobrazek::orez() const { return {zleva->value(), zprava->value(), zhora->value(), zdola->value()}; }

void Tobrazek::prekresli()
{
    // Never shown yet: there is no painted canvas to read.
    if (m_platno.isNull() && !isVisible())
        return;
    obrazek::vykresli(m_obr, orez(), palette().color(QPalette::Window).rgb(), m_platno);
    platnoNaObrazovce->update();
}

void Tobrazek::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    prekresli();
}

void Tobrazek::hideEvent(QHideEvent* e)
{
    m_vybira = false;
    QDialog::hideEvent(e);
}

bool Tobrazek::otevri(const QString& soubor)
{
    // Everything is loaded before anything changes, so a bad file leaves the
    // window as it was.
    QImage novy = obrazek::nactiSoubor(soubor);
    if (novy.isNull())
        return false;
    m_obr = std::move(novy);
    {
        const QSignalBlocker b1(zleva), b2(zprava), b3(zhora), b4(zdola);
        if (!neres->isChecked())
            for (QScrollBar* s : {zleva, zprava, zhora, zdola})
                s->setValue(0);
        // A position above the new maximum comes down to it.
        zleva->setMaximum(obrazek::maxOrezu(m_obr.width()));
        zprava->setMaximum(obrazek::maxOrezu(m_obr.width()));
        zhora->setMaximum(obrazek::maxOrezu(m_obr.height()));
        zdola->setMaximum(obrazek::maxOrezu(m_obr.height()));
    }
    prekresli();
    analyzovat();
    return true;
}

void Tobrazek::Button1Click()
{
    const QString soubor = vyberSoubor ? vyberSoubor() : QString();
    if (!soubor.isEmpty())
        otevri(soubor);
}

void Tobrazek::Button3Click()
{
    zadatel::predejSignal(std::vector<double>(m_v.begin(), m_v.end()));
    accept();
}

void Tobrazek::zhoraChange()
{
    prekresli();
    // A running timer keeps its period; only the countdown starts again.
    if (!cas->isActive())
        cas->start();
    m_odpocet = 3;
}

void Tobrazek::casTimer()
{
    if (m_odpocet > 0)
        --m_odpocet;
    if (m_odpocet == 0) {
        cas->stop();
        analyzovat();
    }
}

void Tobrazek::vezmiBarvu(QPoint bod)
{
    if (m_platno.isNull())
        return;
    const int x = std::clamp(bod.x(), 0, obrazek::Sirka - 1);
    const int y = std::clamp(bod.y(), 0, obrazek::Vyska - 1);
    nastavBarvu(QColor::fromRgb(m_platno.pixel(x, y)));
}

void Tobrazek::nastavBarvu(QColor c)
{
    m_barva = c;
    QPalette p = barvaPanel->palette();
    p.setColor(QPalette::Window, c);
    // The caption stays readable on a dark colour.
    p.setColor(QPalette::WindowText, c.lightness() < 128 ? Qt::white : Qt::black);
    barvaPanel->setPalette(p);
}

void Tobrazek::analyzovat()
{
    ++m_pocetAnalyz;
    m_v = obrazek::analyzuj(m_platno, m_barva.rgb(), metoda(), preklen->isChecked(),
                           obrazek::jeZtratovy(m_obr) ? obrazek::OdchylkaZtratova : 0);
    vysledek->Smaz();
    for (int c = 0; c < obrazek::Sirka; ++c)
        vysledek->PridejBod(2, static_cast<double>(c) / obrazek::Sirka, m_v[c]);
    vysledek->update();
}
