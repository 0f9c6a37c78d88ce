#include "graf/TGraf.h"

#include <QMenu>
#include <QPainter>
#include <cmath>
#include <cstdlib>

TGraf::TGraf(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    vytvorMenu();
}

TGraf::~TGraf() = default;

void TGraf::zmeneno() { update(); }

// ---- point store -------------------------------------------------------

void TGraf::PridejZaznam(const TBod& bod)
{
    TBod b = bod;
    if (m_prvniBod) {
        b.Styl = 0;
        m_prvniBod = false;
    }
    m_body[m_pocet] = b;
    if (++m_pocet > MaxBodu)
        m_pocet = MaxBodu;
}

void TGraf::PridejBod(std::int32_t styl, double x, double y)
{
    PridejZaznam(TBod{static_cast<float>(x), static_cast<float>(y), styl});
}

TBod TGraf::CtiBod(int index) const
{
    if (index < 0 || index >= PocetSlotu)
        return TBod{};
    return m_body[index];
}

void TGraf::Smaz()
{
    m_pocet = 0;
    m_prvniBod = true;
    for (TBod& b : m_body)
        b.Styl = 0;
}

void TGraf::nastavZaznamy(int pocet, const TBod* sloty, int pocetSlotu)
{
    Smaz();
    if (pocet < 0 || pocet > MaxBodu)
        return;
    m_pocet = pocet;
    for (int k = 0; k < pocetSlotu && k < PocetSlotu; ++k)
        m_body[k] = sloty[k];
}

// ---- properties --------------------------------------------------------

void TGraf::setBarvaPozadi(const QColor& c) { m_barvaPozadi = c; zmeneno(); }
void TGraf::setRamecek(TTypRamecku r) { m_ramecek = r; zmeneno(); }
void TGraf::setTvarovac(TTvarovac t) { m_tvarovac = t; zmeneno(); }
void TGraf::setNadpis(const QString& s) { m_nadpis = s; zmeneno(); }
void TGraf::setXNadpis(const QString& s) { m_xNadpis = s; zmeneno(); }
void TGraf::setYNadpis(const QString& s) { m_yNadpis = s; zmeneno(); }
void TGraf::setXJednotka(const QString& s) { m_xJednotka = s; zmeneno(); }
void TGraf::setYJednotka(const QString& s) { m_yJednotka = s; zmeneno(); }
void TGraf::setXMin(double v) { m_xMin = v; zmeneno(); }
void TGraf::setXMax(double v) { m_xMax = v; zmeneno(); }
void TGraf::setYMin(double v) { m_yMin = v; zmeneno(); }
void TGraf::setYMax(double v) { m_yMax = v; zmeneno(); }
void TGraf::setXTyp(int v) { m_xTyp = v; zmeneno(); }
void TGraf::setYTyp(int v) { m_yTyp = v; zmeneno(); }
void TGraf::setNuly(bool b) { m_nuly = b; zmeneno(); }
void TGraf::setCary(bool b) { m_cary = b; zmeneno(); }
void TGraf::setSirkaCary(int v) { m_sirkaCary = v; zmeneno(); }
void TGraf::setXCislic(double v) { m_xCislic = std::fabs(v); zmeneno(); }
void TGraf::setYCislic(double v) { m_yCislic = std::fabs(v); zmeneno(); }

void TGraf::setMenuUlozit(bool b)
{
    m_menuUlozit = b;
    if (m_akceUlozit)
        m_akceUlozit->setEnabled(b);
}

void TGraf::setMenuOtevrit(bool b)
{
    m_menuOtevrit = b;
    if (m_akceNacist)
        m_akceNacist->setEnabled(b);
}

void TGraf::nastavOsy(double xMin, double xMax, double yMin, double yMax, double xCislic, double yCislic)
{
    m_xMin = xMin;
    m_xMax = xMax;
    m_yMin = yMin;
    m_yMax = yMax;
    m_xCislic = std::fabs(xCislic);
    m_yCislic = std::fabs(yCislic);
    zmeneno();
}

void TGraf::setPrijimaGrafy(bool b)
{
    m_prijimaGrafy = b;
    setAcceptDrops(b);
}

// ---- painting, menu and drag: placeholders until the painter lands -----

void TGraf::vykresli(QPainter& p) { p.fillRect(rect(), m_barvaPozadi); }

QImage TGraf::obrazek(bool) { return QImage(); }

void TGraf::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    vykresli(p);
}

void TGraf::vytvorMenu() { m_menu = new QMenu(this); }
void TGraf::contextMenuEvent(QContextMenuEvent*) {}
void TGraf::mousePressEvent(QMouseEvent*) {}
void TGraf::mouseMoveEvent(QMouseEvent*) {}
void TGraf::dragEnterEvent(QDragEnterEvent*) {}
void TGraf::dragMoveEvent(QDragMoveEvent*) {}
void TGraf::dropEvent(QDropEvent*) {}
