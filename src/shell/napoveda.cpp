#include "shell/napoveda.h"

#include "shell/TNapoveda.h"
#include "shell/okna.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QRegularExpression>
#include <QWindow>
#include <QWidget>

namespace napoveda {

namespace {

const QString predpona = QStringLiteral("mk:@MSITStore:VORTA.chm::");

QPointer<TNapoveda>& okno()
{
    static QPointer<TNapoveda> o;
    return o;
}

} // namespace

QString tema(const QString& cesta) { return predpona + cesta; }

std::optional<QString> soubor(const QString& tema)
{
    // The help file name is compared as the file system it was made for
    // would: without regard to case.
    if (!tema.startsWith(predpona, Qt::CaseInsensitive))
        return std::nullopt;
    // One plain file name: no folders, no way out of the help collection.
    static const QRegularExpression jmeno(
        QRegularExpression::anchoredPattern(QStringLiteral("/?([A-Za-z0-9_-]+\\.html?)")),
        QRegularExpression::CaseInsensitiveOption);
    const auto shoda = jmeno.match(QStringView(tema).mid(predpona.size()));
    if (!shoda.hasMatch())
        return std::nullopt;
    return shoda.captured(1);
}

QString zdroj(const QString& tema)
{
    const auto jmeno = soubor(tema);
    if (!jmeno)
        return QString::fromLatin1(nenapsano);
    // Topic paths were written for a case-insensitive help file; the
    // resources are not.
    const QDir slozka(QStringLiteral(":/help"));
    const QStringList soubory = slozka.entryList(QDir::Files);
    for (const QString& s : soubory)
        if (s.compare(*jmeno, Qt::CaseInsensitive) == 0)
            return slozka.filePath(s);
    return QString::fromLatin1(nenapsano);
}

void otevri(const QString& tema)
{
    QPointer<TNapoveda>& o = okno();
    if (!o) {
        o = new TNapoveda;
        okna::vycentruj(o);
        // The viewer belongs to no window of the program; it goes when the
        // program ends.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, o, [] { delete okno().data(); });
    }
    o->ukaz(zdroj(tema));
    // An entry tool runs modally, and the help asked for from it must still
    // be readable: a window that belongs to the modal one is not blocked.
    if (QWidget* modalni = QApplication::activeModalWidget(); modalni && modalni != o) {
        o->winId();
        QWindow* okno = o->windowHandle();
        if (okno && okno->transientParent() != modalni->windowHandle()) {
            // Blocking is decided as a window is shown.
            o->hide();
            okno->setTransientParent(modalni->windowHandle());
        }
    }
    okna::zobraz(o.data());
}

TNapoveda* prohlizec() { return okno(); }

void pridejNapovedu(QWidget* okno, const QString& cesta)
{
    auto* a = new QAction(QStringLiteral("Help"), okno);
    a->setObjectName(QStringLiteral("Help1"));
    a->setShortcut(Qt::Key_F1);
    a->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a, &QAction::triggered, okno, [cesta] { otevri(tema(cesta)); });
    okno->addAction(a);
}

} // namespace napoveda
