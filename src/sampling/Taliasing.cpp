#include "sampling/Taliasing.h"
#include "shell/prvky.h"

#include "core/cisla.h"
#include "shell/TPosuvnik.h"
#include "graf/pisma.h"
#include "sampling/TCasovacSnimku.h"
#include "sampling/TPlocha.h"
#include "sampling/snimky.h"
#include "shell/napoveda.h"
#include "shell/okna.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

QLabel* velkyPopisek(QWidget* rodic, const char* jmeno, const QString& napoveda, QRect kde)
{
    auto* l = new QLabel(rodic);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->setFont(vorta::pismo(QStringLiteral("Arial"), 22, true));
    l->setToolTip(napoveda);
    l->setGeometry(kde);
    return l;
}

} // namespace

Taliasing::Taliasing(QWidget* parent) : QWidget(parent)
{
    okna::nastavOkno(this, QStringLiteral("aliasing"), QStringLiteral("Aliasing efekt"), QSize(617, 337));
    const QColor pozadi = palette().color(QPalette::Button);

    auto* gKolo = prvky::skupina(this, QStringLiteral("Rotující kolo"), QRect(8, 4, 218, 329));
    orig = new TPlocha(QSize(kolo::Strana, kolo::Strana), pozadi, gKolo);
    orig->setObjectName(QStringLiteral("orig"));
    orig->move(9, 18 + (329 - 18 - kolo::Strana) / 2);
    timer = new TCasovacSnimku(this);
    timer->setObjectName(QStringLiteral("timer"));

    prvky::popisek(this, QStringLiteral("Počet snímků za sekundu:"), QPoint(234, 6));
    cas = prvky::posuvnik(this, QStringLiteral("cas"), snimky::MinZaSekundu, snimky::MaxZaSekundu,
                   QStringLiteral("Nastaví zobrazovaný počet snímků za sekukndku"), QRect(234, 22, 375, 17));
    cas->setValue(25);
    prvky::popisek(this, QStringLiteral("Otočení mezi snímky:"), QPoint(234, 46));
    speed = prvky::posuvnik(this, QStringLiteral("speed"), 0, 720, QStringLiteral("Nastaví úhel o který se kolo otočí mezi zobrazením dvou snímků"),
                     QRect(234, 62, 375, 17));
    speed->setValue(1);
    // The scale under the bar: each label centred on its quarter of the
    // track between the two arrow buttons.
    const int sipka = 17;
    const int draha = speed->width() - 2 * sipka;
    for (int i = 0; i <= 4; ++i) {
        QLabel* l = prvky::popisek(this, snimky::popisStupnu(180 * i), QPoint(0, 80));
        const int stred = speed->x() + sipka + draha * i / 4;
        l->move(std::clamp(stred - l->width() / 2, speed->x(), speed->x() + speed->width() - l->width()), 80);
    }

    auto* gSn = prvky::skupina(this, QStringLiteral("Žádaný počet snímků za sekundu"), QRect(234, 98, 184, 70));
    sn = velkyPopisek(gSn, "sn", QStringLiteral("Počet snímku za sekundu nastavený pomocí posuvníku"), QRect(8, 24, 168, 36));
    auto* gSn2 = prvky::skupina(this, QStringLiteral("Skutečný počet snímků za sekundu"), QRect(425, 98, 184, 70));
    gSn2->setToolTip(QStringLiteral("Je odvozen od výkonu počítače"));
    sn2 = velkyPopisek(gSn2, "sn2", QStringLiteral("Skutečný počet snímku za sekundu ( závisí na výkonu počítače )"),
                       QRect(8, 24, 168, 36));

    auto* gUhel = prvky::skupina(this, QStringLiteral("Úhel otočení za snímek"), QRect(234, 172, 184, 80));
    Rychlost = velkyPopisek(gUhel, "Rychlost", QStringLiteral("Otočení kola mezi zobrazením dvou snímků ve stupních"),
                            QRect(8, 18, 168, 30));
    tlacitko(gUhel, "Button4", QStringLiteral("-10"), QStringLiteral("Snížení otáček o 10°"), -10, QRect(8, 50, 40, 24));
    tlacitko(gUhel, "Button3", QStringLiteral("-1"), QStringLiteral("Snížení otáček o 1°"), -1, QRect(50, 50, 40, 24));
    tlacitko(gUhel, "Button1", QStringLiteral("+1"), QStringLiteral("Zvýšení otáček o 1°"), 1, QRect(94, 50, 40, 24));
    tlacitko(gUhel, "Button2", QStringLiteral("+10"), QStringLiteral("Zvýšení otáček o 10°"), 10, QRect(136, 50, 40, 24));
    auto* gRad = prvky::skupina(this, QStringLiteral("Úhel otočení za snímek v rad"), QRect(425, 172, 184, 80));
    Rychlost2 = velkyPopisek(gRad, "Rychlost2", QStringLiteral("Otočení kola mezi zobrazením dvou snímků v rad"),
                             QRect(8, 28, 168, 36));

    auto* gDalsi = prvky::skupina(this, QStringLiteral("Nastavení dalších parametrů"), QRect(234, 256, 184, 77));
    cervenou = new QCheckBox(QStringLiteral("Označit první příčku červeně"), gDalsi);
    cervenou->setObjectName(QStringLiteral("cervenou"));
    cervenou->setToolTip(QStringLiteral("Obarví první příčku kola červeně"));
    cervenou->setGeometry(8, 22, 172, 20);
    all = new QCheckBox(QStringLiteral("Použít grafický antialiasing"), gDalsi);
    all->setObjectName(QStringLiteral("all"));
    all->setToolTip(QStringLiteral("Zapnutí grafického antialisingu ( vyhlazení hran kola )"));
    all->setGeometry(8, 46, 172, 20);
    all->setChecked(true);

    auto* gPricek = prvky::skupina(this, QStringLiteral("Počet příček kola"), QRect(425, 256, 184, 77));
    pricek = new QComboBox(gPricek);
    pricek->setObjectName(QStringLiteral("pricek"));
    pricek->setToolTip(QStringLiteral("Volba počtu příček na kole"));
    for (int i = 1; i <= kolo::MaxPricek; ++i)
        pricek->addItem(vorta::fixniFormat(i, 0, QLatin1Char('.')));
    pricek->setGeometry(8, 30, 168, 22);

    napoveda::pridejNapovedu(this, QStringLiteral("/okolo.html"));

    pricek->setCurrentIndex(0);
    m_theta = 0;
    connect(timer, &TCasovacSnimku::snimek, this, &Taliasing::timerTimer);
    connect(cas, &QScrollBar::valueChanged, this, &Taliasing::casChange);
    connect(speed, &QScrollBar::valueChanged, this, &Taliasing::speedChange);
    casChange();
    speedChange();
    sn2->setText(snimky::popisFps(0));
}

QPushButton* Taliasing::tlacitko(QWidget* rodic, const char* jmeno, const QString& t, const QString& napoveda, int krok,
                                 QRect kde)
{
    auto* b = new QPushButton(t, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    b->setToolTip(napoveda);
    b->setGeometry(kde);
    b->setFocusPolicy(Qt::NoFocus);
    // The scroll bar keeps the angle within its range and runs speedChange.
    connect(b, &QPushButton::clicked, this, [this, krok] { speed->setValue(speed->value() + krok); });
    return b;
}

void Taliasing::timerTimer()
{
    const QString fps = snimky::popisFps(timer->fps());
    if (sn2->text() != fps)
        sn2->setText(fps);
    if (!orig->muzeKreslit())
        return;
    // The spoke count and both options are read at every frame.
    kolo::Nastaveni n;
    n.pricek = std::max(pricek->currentIndex(), 0) + 1;
    n.cervena = cervenou->isChecked();
    n.theta = m_theta;
    const QColor pozadi = palette().color(QPalette::Button);
    if (all->isChecked())
        kolo::snimekVyhlazeny(orig->zadni(), m_velky, pozadi, n);
    else
        kolo::snimekPrimo(orig->zadni(), pozadi, n);
    m_theta = kolo::otoc(m_theta, speed->value());
    orig->prevrat();
}

void Taliasing::casChange()
{
    timer->setInterval(snimky::interval(cas->value()));
    sn->setText(snimky::popisFps(cas->value()));
}

void Taliasing::speedChange()
{
    Rychlost->setText(snimky::popisStupnu(speed->value()));
    Rychlost2->setText(snimky::popisRadianu(speed->value(), vorta::desetinnyOddelovac()));
}

void Taliasing::FormActivate() { timer->setZapnuto(true); }

void Taliasing::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QWidget::changeEvent(e);
}

void Taliasing::closeEvent(QCloseEvent* e)
{
    timer->setZapnuto(false);
    QWidget::closeEvent(e);
}

void Taliasing::hideEvent(QHideEvent* e)
{
    // Hidden by the program rather than minimised by the user: as closed.
    if (!e->spontaneous())
        timer->setZapnuto(false);
    QWidget::hideEvent(e);
}
