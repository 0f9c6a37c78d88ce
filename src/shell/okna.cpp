#include "shell/okna.h"

#include "core/cisla.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>
#include <deque>

namespace okna {

namespace {
QHash<QString, QPointer<QWidget>>& tabulka()
{
    static QHash<QString, QPointer<QWidget>> t;
    return t;
}

struct TOdlozene {
    QString trida;
    std::function<QWidget*()> vytvor;
};

std::deque<TOdlozene>& odlozena()
{
    static std::deque<TOdlozene> o;
    return o;
}

// A window being made may look up others; it finds those made before it,
// as it did when start-up made them all.
bool g_vytvarim = false;

// The frame a hidden window will get: that of a shown window of the
// program, or none where no window has one yet (no window manager).
QSize odhadRamecku()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (const QSize r = ramecek(w); r.isValid() && !r.isNull() && !w->isMinimized())
            return r;
    return {};
}

// On every showing, so that a window shown on a screen smaller than the one
// it was made for (or at a larger scale) still fits its work area.
class Hlidac : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        // Show arrives before the window is mapped: no visible jump.
        // A maximised window is the window manager's to fit.
        if (e->type() != QEvent::Show)
            return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->isWindow() || !w->screen()
            || (w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            return false;
        QSize r = ramecek(w);
        if (!r.isValid() || r.isNull())
            r = odhadRamecku();
        const QRect prace = w->screen()->availableGeometry();
        if (vejdiSe(w, prace, r))
            w->move(umisteni(prace, w->size(), r, 0).poloha);
        return false;
    }
};

Hlidac* hlidac()
{
    static Hlidac* h = new Hlidac(QCoreApplication::instance());
    return h;
}

} // namespace

void registruj(const QString& trida, QWidget* okno) { tabulka().insert(trida, okno); }

QWidget* najdi(const QString& trida)
{
    if (!g_vytvarim)
        while (vytvorDalsi()) {
        }
    return tabulka().value(trida);
}

QWidget* hotove(const QString& trida) { return tabulka().value(trida); }

void odloz(const QString& trida, std::function<QWidget*()> vytvor)
{
    odlozena().push_back({trida, std::move(vytvor)});
}

bool zname(const QString& trida)
{
    return hotove(trida) || std::any_of(odlozena().begin(), odlozena().end(),
                                        [&](const TOdlozene& o) { return o.trida == trida; });
}

bool vytvorDalsi()
{
    if (odlozena().empty() || g_vytvarim)
        return false;
    TOdlozene o = std::move(odlozena().front());
    odlozena().pop_front();
    g_vytvarim = true;
    QWidget* w = o.vytvor();
    g_vytvarim = false;
    registruj(o.trida, w);
    return true;
}

void zapomenOdlozena() { odlozena().clear(); }

void zobraz(QWidget* w)
{
    w->show();
    // Back from the task bar in the state it had: a maximised window stays
    // maximised.
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->raise();
    w->activateWindow();
}

void zobraz(const QString& trida)
{
    if (QWidget* w = najdi(trida))
        zobraz(w);
}

void nastavOkno(QWidget* okno, const QString& jmeno, const QString& titulek, QSize klient)
{
    okno->setObjectName(jmeno);
    okno->setWindowTitle(titulek);
    okno->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    okno->setFixedSize(klient);
    hlidejVelikost(okno);
}

void hlidejVelikost(QWidget* okno)
{
    if (okno && QCoreApplication::instance())
        okno->installEventFilter(hlidac());
}

Umisteni umisteni(const QRect& pracovniPlocha, QSize klient, QSize ramecek, int pruh)
{
    ramecek = ramecek.expandedTo(QSize(0, 0));
    Umisteni u;
    const QSize volno = (pracovniPlocha.size() - ramecek).expandedTo(QSize(1, 1));
    u.klient = klient;
    bool sirka = klient.width() > volno.width(), vyska = klient.height() > volno.height();
    u.posouvat = sirka || vyska;
    if (u.posouvat) {
        // A bar across one direction may push the other one over the edge.
        for (int k = 0; k < 2; ++k) {
            vyska = vyska || klient.height() + (sirka ? pruh : 0) > volno.height();
            sirka = sirka || klient.width() + (vyska ? pruh : 0) > volno.width();
        }
        u.klient = QSize(std::min(klient.width() + (vyska ? pruh : 0), volno.width()),
                         std::min(klient.height() + (sirka ? pruh : 0), volno.height()));
    }
    u.poloha = stred(pracovniPlocha, u.klient + ramecek);
    return u;
}

bool vejdiSe(QWidget* okno, const QRect& pracovniPlocha, QSize ramecek)
{
    if (!okno || okno->findChild<QScrollArea*>(QStringLiteral("vejdiSe"), Qt::FindDirectChildrenOnly))
        return false;
    // A window that can be resized lays itself out (and scrolls what it
    // must): it only gets smaller.
    if (okno->minimumSize() != okno->maximumSize() || qobject_cast<QMainWindow*>(okno) || okno->layout()) {
        const Umisteni u = umisteni(pracovniPlocha, okno->size(), ramecek, 0);
        if (!u.posouvat)
            return false;
        okno->resize(u.klient.expandedTo(okno->minimumSize()));
        return true;
    }
    const int pruh = okno->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, okno);
    const Umisteni u = umisteni(pracovniPlocha, okno->size(), ramecek, pruh);
    if (!u.posouvat)
        return false;
    auto* obsah = new QWidget;
    obsah->setObjectName(QStringLiteral("vejdiSeObsah"));
    obsah->setFixedSize(okno->size());
    const QObjectList deti = okno->children();
    for (QObject* o : deti) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow())
            continue;
        // setParent hides a widget; keep what was to be shown shown.
        const bool skryty = w->isHidden();
        const QRect kde = w->geometry();
        w->setParent(obsah);
        w->setGeometry(kde);
        w->setVisible(!skryty);
    }
    auto* posuv = new QScrollArea(okno);
    posuv->setObjectName(QStringLiteral("vejdiSe"));
    posuv->setFrameShape(QFrame::NoFrame);
    posuv->setWidget(obsah);
    okno->setFixedSize(u.klient);
    posuv->setGeometry(0, 0, u.klient.width(), u.klient.height());
    posuv->show();
    return true;
}

QPoint stred(const QRect& pracovniPlocha, QSize okno)
{
    auto osa = [](int zacatek, int delka, int rozmer) {
        const int poloha = vorta::zaokrouhliNaInt(zacatek + (static_cast<long double>(delka) - rozmer) / 2);
        return std::max(poloha, zacatek);
    };
    return {osa(pracovniPlocha.left(), pracovniPlocha.width(), okno.width()),
            osa(pracovniPlocha.top(), pracovniPlocha.height(), okno.height())};
}

QSize ramecek(const QWidget* okno)
{
    return okno && okno->isVisible() ? okno->frameGeometry().size() - okno->size() : QSize();
}

void vycentruj(QWidget* okno, QSize ramecek)
{
    const QScreen* obrazovka = QGuiApplication::primaryScreen();
    if (!okno || !obrazovka)
        return;
    const QSize rozmer = okno->isVisible() ? okno->frameGeometry().size() : okno->size() + ramecek;
    okno->move(stred(obrazovka->availableGeometry(), rozmer));
}

} // namespace okna
