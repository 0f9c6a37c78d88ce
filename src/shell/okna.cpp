#include "shell/okna.h"

#include "core/cisla.h"

#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QScreen>
#include <algorithm>

namespace okna {

namespace {
QHash<QString, QPointer<QWidget>>& tabulka()
{
    static QHash<QString, QPointer<QWidget>> t;
    return t;
}
} // namespace

void registruj(const QString& trida, QWidget* okno) { tabulka().insert(trida, okno); }

QWidget* najdi(const QString& trida) { return tabulka().value(trida); }

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
