#include "fft/TFFT.h"
#include "shell/prvky.h"

#include "core/cisla.h"
#include "fft/TFFTv.h"
#include "fft/TPlatnoFFT.h"
#include "fft/tok.h"
#include "shell/napoveda.h"
#include "shell/okna.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

TFFT::TFFT(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FFT"));
    setWindowTitle(QStringLiteral("FFT - rychlá Fourierova transformace ( fast Fourier transform )"));
    setWindowFlags(Qt::Window);

    auto* gN = prvky::skupina(this, QStringLiteral("Počet vzorků"), QRect(5, 2, 110, 66));
    velikost = new QComboBox(gN);
    velikost->setObjectName(QStringLiteral("velikost"));
    for (int n = 4; n <= MaxN; n *= 2)
        velikost->addItem(fft::desitkove(n));
    velikost->setToolTip(QStringLiteral("Volí počet vstupních vzorků za periodu"));
    velikost->setGeometry(10, 26, 90, 24);

    auto* gZ = prvky::skupina(this, QStringLiteral("Možnosti zobrazení"), QRect(120, 2, 290, 66));
    binar = prvky::zaskrtavatko(gZ, QStringLiteral("binar"), QStringLiteral("Zobrazit pořadí vzorků binárně"),
                  QStringLiteral("Osvětluje operace prvního křížení, kde je pořadí vyjádřeno binárně pozpátku"), false,
                  QRect(10, 20, 275, 20));
    exponencialni = prvky::zaskrtavatko(gZ, QStringLiteral("exponencialni"), QStringLiteral("Zobrazit čísla v exponenciálním tvaru"),
                          QStringLiteral("Přepíná mezi normálním a exponenciálním tvarem komplexního čísla při zobrazení"),
                          false, QRect(10, 42, 275, 20));

    auto* gK = prvky::skupina(this, QStringLiteral("Zobrazení konstant"), QRect(415, 2, 440, 66));
    zavislost = prvky::zaskrtavatko(gK, QStringLiteral("zavislost"), QStringLiteral("Zobrazit závislost"),
                      QStringLiteral("Zobrazí závislosti pro výpočet konstant"), true, QRect(10, 20, 200, 20));
    expo = prvky::zaskrtavatko(gK, QStringLiteral("expo"), QStringLiteral("Zobrazit exponeciální rovnici"),
                 QStringLiteral("Zobrazí postup výpočtu konstant v exponenciálním tvaru"), false, QRect(10, 42, 200, 20));
    rovnici = prvky::zaskrtavatko(gK, QStringLiteral("rovnici"), QStringLiteral("Zobrazit rovnici"),
                    QStringLiteral("Zobrazí postup výpočtu konstant v normálním tvaru"), false, QRect(225, 20, 210, 20));
    vysledek = prvky::zaskrtavatko(gK, QStringLiteral("vysledek"), QStringLiteral("Zobrazit výsledek"),
                     QStringLiteral("Zobrazí konstanty numericky"), false, QRect(225, 42, 210, 20));

    Button1 = new QPushButton(QStringLiteral("Zobrazit spektrum"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setToolTip(QStringLiteral("Zobrazí vypočítané spektrum"));
    Button1->setGeometry(865, 22, 140, 30);

    box = new QScrollArea(this);
    box->setObjectName(QStringLiteral("box"));
    box->setWidgetResizable(false);
    platno = new TPlatnoFFT;
    box->setWidget(platno);
    box->viewport()->installEventFilter(this);

    napoveda::pridejNapovedu(this, QStringLiteral("/offt.html"));

    for (QCheckBox* c : {binar, exponencialni, zavislost, expo, rovnici, vysledek})
        connect(c, &QCheckBox::toggled, this, &TFFT::platnoPaint);
    connect(velikost, &QComboBox::currentIndexChanged, this, &TFFT::velikostChange);
    connect(Button1, &QPushButton::clicked, this, &TFFT::zobrazitspektrum);
    connect(platno, &TPlatnoFFT::klepnuto, this, &TFFT::platnoPaint);

    velikostChange();

    // Opened maximised; the normal size is centred for when it is restored,
    // and no larger than the work area (a small screen at a large scale).
    QSize normalni(1024, 700);
    if (const QScreen* obrazovka = QGuiApplication::primaryScreen())
        normalni = okna::umisteni(obrazovka->availableGeometry(), normalni, {}, 0).klient;
    resize(normalni);
    okna::vycentruj(this);
    setWindowState(Qt::WindowMaximized);
}

void TFFT::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    // Beside the option groups while it fits there (a work area of 960
    // pixels at scale 2 is narrower), otherwise on its own row under them.
    constexpr int VedleSkupin = 865, Mezera = 5, Horni = 72;
    const bool vedle = width() >= VedleSkupin + Button1->width() + Mezera;
    Button1->move(vedle ? VedleSkupin : std::max(Mezera, width() - Mezera - Button1->width()), vedle ? 22 : Horni);
    const int y = vedle ? Horni : Horni + Button1->height() + 4;
    box->setGeometry(Mezera, y, width() - 2 * Mezera, height() - y - Mezera);
}

bool TFFT::eventFilter(QObject* o, QEvent* e)
{
    if (o == box->viewport() && e->type() == QEvent::Wheel) {
        QScrollBar* v = box->verticalScrollBar();
        v->setValue(v->value() - vorta::zaokrouhliNaInt(static_cast<QWheelEvent*>(e)->angleDelta().y() / 6.0L));
        return true;
    }
    return QWidget::eventFilter(o, e);
}

fft::Zobrazeni TFFT::zobrazeni() const
{
    return {zavislost->isChecked(), expo->isChecked(), rovnici->isChecked(), vysledek->isChecked(),
            exponencialni->isChecked()};
}

void TFFT::velikostChange()
{
    m_N = 4 << std::max(velikost->currentIndex(), 0);
    const QChar oddelovac = vorta::desetinnyOddelovac();
    platno->setUpdatesEnabled(false);
    for (int i = 0; i < MaxN; ++i)
        if (vstupy[i]) {
            hodnoty[i] = fft::jednoducha(vorta::naCislo(vstupy[i]->text(), oddelovac).value_or(0));
            delete vstupy[i];
            vstupy[i] = nullptr;
        }
    for (int i = 0; i < m_N; ++i) {
        auto* e = new QLineEdit(vorta::plnyFormat(hodnoty[i], oddelovac), platno);
        e->setObjectName(QStringLiteral("vstupy") + fft::desitkove(i));
        e->setGeometry(10, 10 + 25 * i, 50, 21);
        connect(e, &QLineEdit::textChanged, this, &TFFT::platnoPaint);
        e->show();
        vstupy[i] = e;
    }
    platnoPaint();
    platno->setUpdatesEnabled(true);
}

void TFFT::platnoPaint()
{
    std::vector<QString> texty(m_N);
    for (int i = 0; i < m_N; ++i)
        texty[i] = vstupy[i] ? vstupy[i]->text() : QString();
    const QChar oddelovac = vorta::desetinnyOddelovac();
    fft::Tok tok = fft::spocitej(fft::hodnotyTextu(texty, oddelovac));
    m_vysledky = tok.etapy.back().A;
    const fft::Zobrazeni z = zobrazeni();
    fft::TextyToku t = fft::texty(tok, texty, binar->isChecked(), z, oddelovac,
                                  {&platno->tok(), &platno->texty(), m_zobrazeni, m_oddelovac});
    m_zobrazeni = z;
    m_oddelovac = oddelovac;
    platno->nastav(std::move(tok), std::move(t));
}

void TFFT::zobrazitspektrum()
{
    TFFTv* v = okna::najdi<TFFTv>(QStringLiteral("TFFTv"));
    if (!v) {
        if (!spektrum)
            spektrum = new TFFTv(this);
        v = spektrum;
    }
    v->zobrazitspektrum(m_vysledky);
}
