#include "graf/TGraf.h"

#include "core/cisla.h"
#include "graf/TMenuGrafu.h"
#include "graf/obrazky.h"
#include "graf/tazeni.h"
#include "graf/vykresleni.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <cmath>
#include <limits>
#include <unordered_map>

// Points are stored as singles; on an IEEE host a double beyond their range
// becomes an infinity, which the painter handles.
static_assert(std::numeric_limits<float>::is_iec559);

namespace {

// The live graphs of this process by number, so that a drag names its source
// by a number that can be checked rather than by a pointer that could dangle.
std::unordered_map<std::uint64_t, TGraf*>& zive()
{
    static std::unordered_map<std::uint64_t, TGraf*> z;
    return z;
}
std::uint64_t posledniCislo = 0;

} // namespace

TGraf::TGraf(QWidget* parent) : QWidget(parent), m_cislo(++posledniCislo)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    zive().emplace(m_cislo, this);
    m_menuGrafu = new TMenuGrafu(this);
}

TGraf::~TGraf() { zive().erase(m_cislo); }

TGraf* TGraf::podleCisla(std::uint64_t cislo)
{
    const auto it = zive().find(cislo);
    return it == zive().end() ? nullptr : it->second;
}

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

void TGraf::PridejStonek(std::int32_t styl, double x, double y)
{
    PridejBod(0, x, 0);
    PridejBod(styl, x, y);
    PridejBod(-styl, x, y);
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
    m_menuGrafu->akceUlozit()->setEnabled(b);
}

void TGraf::setMenuOtevrit(bool b)
{
    m_menuOtevrit = b;
    m_menuGrafu->akceNacist()->setEnabled(b);
}

void TGraf::nastavNadpisy(const QString& nadpis, const QString& xNadpis, const QString& yNadpis)
{
    m_nadpis = nadpis;
    m_xNadpis = xNadpis;
    m_yNadpis = yNadpis;
    zmeneno();
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

QMenu* TGraf::popupMenu() const { return m_menuGrafu->menu(); }

void TGraf::setDialogy(std::shared_ptr<TDialogyGrafu> dialogy) { m_menuGrafu->setDialogy(std::move(dialogy)); }

// ---- painting ----------------------------------------------------------

// An empty, reversed or NaN range is repaired through the setters before
// drawing, so the graph keeps the values it was drawn with.
void TGraf::opravRozsahy()
{
    const auto rx = vorta::graf::opravRozsah(m_xMin, m_xMax);
    const auto ry = vorta::graf::opravRozsah(m_yMin, m_yMax);
    if (rx.min != m_xMin || std::isnan(m_xMin))
        setXMin(rx.min);
    if (rx.max != m_xMax || std::isnan(m_xMax))
        setXMax(rx.max);
    if (ry.min != m_yMin || std::isnan(m_yMin))
        setYMin(ry.min);
    if (ry.max != m_yMax || std::isnan(m_yMax))
        setYMax(ry.max);
}

vorta::graf::PopisGrafu TGraf::popis() const
{
    vorta::graf::PopisGrafu g;
    g.velikost = size();
    g.barvaPozadi = m_barvaPozadi.rgb();
    g.ramecek = m_ramecek;
    g.tvarovac = m_tvarovac;
    g.nadpis = m_nadpis;
    g.xNadpis = m_xNadpis;
    g.yNadpis = m_yNadpis;
    g.xMin = m_xMin;
    g.xMax = m_xMax;
    g.yMin = m_yMin;
    g.yMax = m_yMax;
    g.nuly = m_nuly;
    g.cary = m_cary;
    g.sirkaCary = m_sirkaCary;
    g.xCislic = m_xCislic;
    g.yCislic = m_yCislic;
    g.sloty = m_body.data();
    g.oddelovac = vorta::desetinnyOddelovac();
    return g;
}

void TGraf::vykresli(QPainter& p)
{
    opravRozsahy();
    // At the ratio of the device painted on (the screen's for the control
    // itself), so that a HiDPI screen gets its own pixels, not enlarged ones.
    vorta::graf::PopisGrafu g = popis();
    if (p.device())
        g.dpr = p.device()->devicePixelRatio();
    m_kreslir.vykresli(m_platno, g);
    p.drawImage(0, 0, m_platno);
}

QImage TGraf::obrazek(bool bezPozadi)
{
    opravRozsahy();
    // The picture is frameless (and on white without background); the fields
    // change only for this drawing, so the control is not repainted.
    vorta::graf::PopisGrafu g = popis();
    g.ramecek = rZadny;
    if (bezPozadi)
        g.barvaPozadi = qRgb(255, 255, 255);
    QImage rgb;
    vorta::graf::vykresliGraf(rgb, g);
    return vorta::graf::naOsmibitovy(rgb);
}

void TGraf::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    vykresli(p);
}

// ---- popup menu and drag -----------------------------------------------

void TGraf::contextMenuEvent(QContextMenuEvent* e) { m_menuGrafu->menu()->exec(e->globalPos()); }

void TGraf::mousePressEvent(QMouseEvent* e)
{
    m_stisknuto = e->button() == Qt::LeftButton;
    m_stiskTazeni = e->position().toPoint();
    QWidget::mousePressEvent(e);
}

void TGraf::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_stisknuto = false;
    QWidget::mouseReleaseEvent(e);
}

void TGraf::mouseMoveEvent(QMouseEvent* e)
{
    if (!m_automatickeTazeni || !m_stisknuto || !(e->buttons() & Qt::LeftButton)
        || (e->position().toPoint() - m_stiskTazeni).manhattanLength() < QApplication::startDragDistance()) {
        QWidget::mouseMoveEvent(e);
        return;
    }
    m_stisknuto = false;
    auto* data = new QMimeData;
    data->setData(vorta::graf::mimeTazeni,
                  vorta::graf::zakodujTazeni(QCoreApplication::applicationPid(), m_cislo, m_pocet, m_body.data()));
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}

TGraf* TGraf::zdrojTazeni(const QMimeData* data) const
{
    if (!m_prijimaGrafy || !data || !data->hasFormat(vorta::graf::mimeTazeni))
        return nullptr;
    const auto obsah = vorta::graf::dekodujTazeni(data->data(vorta::graf::mimeTazeni));
    if (!obsah || obsah->proces != QCoreApplication::applicationPid())
        return nullptr;
    return podleCisla(obsah->graf);
}

void TGraf::dragEnterEvent(QDragEnterEvent* e)
{
    if (zdrojTazeni(e->mimeData()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void TGraf::dragMoveEvent(QDragMoveEvent* e)
{
    if (zdrojTazeni(e->mimeData()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void TGraf::dropEvent(QDropEvent* e)
{
    TGraf* zdroj = zdrojTazeni(e->mimeData());
    if (!zdroj) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    emit grafPretazen(zdroj, QCursor::pos());
}

void TGraf::nastavVypocetni()
{
    setXTyp(0);
    setYTyp(0);
    setNuly(true);
    setCary(true);
    setSirkaCary(2);
    setMenuUlozit(false);
    setMenuOtevrit(false);
}
