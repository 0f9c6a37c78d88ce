#include "app/program.h"

#include "app/THlavniOkno.h"
#include "app/start.h"
#include "graf/pisma.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <thread>

namespace {

class TPrvniVykresleni : public QObject {
public:
    TPrvniVykresleni(QWidget* okno, std::function<void()> akce)
        : QObject(okno)
        , m_akce(std::move(akce))
    {
        okno->installEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            o->removeEventFilter(this);
            // The window paints first; the action sees it painted.
            o->event(e);
            m_akce();
            deleteLater();
            return true;
        }
        return false;
    }

private:
    std::function<void()> m_akce;
};

// What the main window's first paint does not need: its icon from the theme
// (set on the shown window, the desktop updates it) and the Czech texts of
// Qt's own dialogs and standard buttons, which the user meets only later.
void doplnPoVykresleni()
{
    // Installed, the icon theme gives every window the program's icon; run
    // from the build tree it simply has none.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("cz.vorta.Vorta")));
    // The file dialogs and the standard buttons speak Czech like the rest of
    // the program, whatever the user's locale.
    auto* qtCesky = new QTranslator(qApp);
    if (qtCesky->load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtCesky);
    else
        delete qtCesky;
}

} // namespace

void poPrvnimVykresleni(QWidget* okno, std::function<void()> akce) { new TPrvniVykresleni(okno, std::move(akce)); }

int program(int& argc, char** argv, std::function<void()> poVykresleni)
{
    QApplication app(argc, argv);
    vorta::nastavPisma();
    // Before any window exists: a Wayland desktop reads it when a window is
    // created, to match the window with the desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.vorta.Vorta"));
    // Reading the system's font configuration is the longest single step
    // before the first paint and needs nothing of the windows: another core
    // does it while they are made (the font database serves any thread).
    std::thread pisma([] { QFontDatabase::families(); });
    THlavniOkno* hlavni = vytvorOkna();
    pisma.join();
    poPrvnimVykresleni(hlavni, [poVykresleni = std::move(poVykresleni)] {
        if (poVykresleni)
            poVykresleni();
        doplnPoVykresleni();
        vytvorPriNecinnosti();
    });
    hlavni->show();
    const int vysledek = app.exec();
    zrusOkna();
    return vysledek;
}
