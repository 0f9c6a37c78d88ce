#include "app/Toprog.h"

#include "app/ikony.h"
#include "shell/TObraz.h"
#include "shell/okna.h"
#include "graf/pisma.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

namespace {
constexpr int sloupecHodnot = 150;
} // namespace

Toprog::Toprog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("oprog"));
    setWindowTitle(QStringLiteral("O programu"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(482, 256);
    setModal(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 255, 168));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);

    verze = text("verze", QStringLiteral("VORTA 2.01"), 8, 4, 56, true);
    text("Label3", QStringLiteral("Program pro demostraci analýzy a syntézy"), 8, 84, 13, true);
    text("Label10", QStringLiteral("spojitých a diskrétních signálů."), 8, 100, 13, true);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(8, 122, 466, 2);

    const QString tym = QStringLiteral("Tým projektu VORTA");
    struct Radek {
        const char* popisek;
        QString nazev;
        const char* hodnotaJmeno;
        QString hodnota;
    };
    const Radek radky[] = {
        {"Label4", QStringLiteral("Autor programu:"), "Label2", tym},
        {"Label5", QStringLiteral("Datum dokončení:"), "Label8", QStringLiteral("19.5.2005")},
        {"Label1", QStringLiteral("Poslední úprava:"), "Label13", QStringLiteral("25.1.2007")},
        {"Label6", QStringLiteral("Zadáno jako:"), "Label9", QStringLiteral("Bakalářská práce")},
        {"Label11", QStringLiteral("Vedoucí práce:"), "Label12", tym},
    };
    int y = 136;
    for (const Radek& r : radky) {
        text(r.popisek, r.nazev, 8, y, 13, true);
        text(r.hodnotaJmeno, r.hodnota, sloupecHodnot, y, 13, false);
        y += 22;
    }

    auto* obraz = new TObraz(this);
    obraz->nastav(ikony::logo);
    logo = obraz;
    logo->setObjectName(QStringLiteral("logo"));
    logo->setGeometry(width() - 97 - 8, 8, 97, 98);
    logo->setCursor(Qt::PointingHandCursor);
    logo->setToolTip(adresa());
    logo->installEventFilter(this);

    // The main window's title shows the version of this window.
    if (QWidget* hlavni = okna::najdi(QStringLiteral("THlavniOkno")))
        if (auto* nadpis = hlavni->findChild<QLabel*>(QStringLiteral("nadpis")))
            nadpis->setText(verze->text());
}

QString Toprog::adresa() { return QStringLiteral("https://cs.wikipedia.org/wiki/Fourierova_řada"); }

QLabel* Toprog::text(const char* jmeno, const QString& text, int x, int y, int pixelu, bool tucne)
{
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(jmeno));
    l->setFont(vorta::pismo(QStringLiteral("Courier New"), pixelu, tucne));
    l->move(x, y);
    m_texty.push_back(l);
    return l;
}

void Toprog::showEvent(QShowEvent* e)
{
    // Made at start-up for the main window's title, but seldom shown: the
    // faces of its texts are loaded when it first is (the logo draws itself
    // when shown).
    if (!m_pripraveno) {
        m_pripraveno = true;
        for (QLabel* l : m_texty)
            l->adjustSize();
    }
    QDialog::showEvent(e);
}

bool Toprog::eventFilter(QObject* o, QEvent* e)
{
    if (o == logo) {
        if (e->type() == QEvent::MouseButtonPress)
            return true;
        if (e->type() == QEvent::MouseButtonRelease) {
            auto* me = static_cast<QMouseEvent*>(e);
            if (me->button() == Qt::LeftButton && logo->rect().contains(me->position().toPoint()))
                QDesktopServices::openUrl(QUrl(adresa()));
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

// A click on the window or on any of its texts closes it; the labels pass
// their mouse presses on to the window. Only the left button clicks.
void Toprog::mousePressEvent(QMouseEvent* e) { e->accept(); }

void Toprog::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        reject();
}
