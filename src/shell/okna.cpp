#include "shell/okna.h"

#include "core/cisla.h"

#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QScreen>
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

void vycentruj(QWidget* okno, QSize ramecek)
{
    const QScreen* obrazovka = QGuiApplication::primaryScreen();
    if (!okno || !obrazovka)
        return;
    const QSize rozmer = okno->isVisible() ? okno->frameGeometry().size() : okno->size() + ramecek;
    okno->move(stred(obrazovka->availableGeometry(), rozmer));
}

} // namespace okna
