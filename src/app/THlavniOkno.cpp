#include "app/THlavniOkno.h"

#include "shell/DobaNapovedy.h"

#include "app/ikony.h"
#include "shell/napoveda.h"
#include "app/odkazy.h"
#include "shell/okna.h"
#include "app/rozlozeni.h"
#include "app/tabulkaOken.h"
#include "core/cisla.h"
#include "graf/pisma.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

namespace {

const QColor modra(0, 0, 255);
const QColor cervena(255, 0, 0);
const QColor nebeska(166, 202, 240);
const char* const tagVlastnost = "Tag";

QFont times(int pixelu, bool tucne = true) { return vorta::pismo(QStringLiteral("Times New Roman"), pixelu, tucne); }

int tagOf(const QObject* o)
{
    const QVariant v = o->property(tagVlastnost);
    return v.isValid() ? v.toInt() : -1;
}

} // namespace

THlavniOkno::THlavniOkno(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("HlavniOkno"));
    setWindowTitle(QStringLiteral("VORTA"));
    resize(597, 557);
    okna::hlidejVelikost(this);

    box = new QScrollArea(this);
    box->setObjectName(QStringLiteral("box"));
    box->setFrameShape(QFrame::NoFrame);
    box->setWidgetResizable(false);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette pb = box->palette();
    pb.setColor(QPalette::Window, nebeska);
    box->setPalette(pb);
    box->setBackgroundRole(QPalette::Window);
    box->viewport()->setAutoFillBackground(true);
    obsah = new QWidget;
    obsah->setObjectName(QStringLiteral("obsah"));
    obsah->setPalette(pb);
    obsah->setAutoFillBackground(true);
    box->setWidget(obsah);
    setCentralWidget(box);

    nadpis = new QLabel(QStringLiteral("VORTA ?.??"), obsah);
    nadpis->setObjectName(QStringLiteral("nadpis"));
    QFont fn = times(40);
    fn.setUnderline(true);
    nadpis->setFont(fn);
    nadpis->setAlignment(Qt::AlignCenter);

    popis = new QLabel(QStringLiteral("VORTA je program který slouží k demonstraci operací se spojitými a diskrétními "
                                      "signály. Program vznikl jako pomůcka k předmětu Signály a systému, kde jsou "
                                      "tyto operace probírány teoreticky."),
                       obsah);
    popis->setObjectName(QStringLiteral("popis"));
    popis->setFont(times(16));
    popis->setWordWrap(true);

    nic = new QLabel(QStringLiteral("Nikde nic"), obsah);
    nic->setObjectName(QStringLiteral("nic"));

    otaznik = new QLabel(this);
    otaznik->setObjectName(QStringLiteral("otaznik"));
    otaznik->setPixmap(QPixmap::fromImage(ikony::otaznik(devicePixelRatioF())));
    otaznik->hide();
    info = new QLabel(this);
    info->setObjectName(QStringLiteral("info"));
    info->setPixmap(QPixmap::fromImage(ikony::info(devicePixelRatioF())));
    info->hide();

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setSingleShot(true);
    Timer->setInterval(1);
    connect(Timer, &QTimer::timeout, this, &THlavniOkno::TimerTimer);
    Timer->start();

    vytvorMenu();
    FormCreate();

    // Last: the status bar is the first to measure a text, and the fonts
    // may still be loading meanwhile.
    status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("status"));
    status->setSizeGripEnabled(false);
    panel = new QLabel(QStringLiteral("Nic"), status);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setMinimumWidth(100);
    status->addWidget(panel, 1);
    setStatusBar(status);
}

void THlavniOkno::vytvorMenu()
{
    QMenuBar* mb = menuBar();
    mb->setObjectName(QStringLiteral("MainMenu1"));
    auto polozka = [this](QMenu* menu, const QString& text, const char* jmeno, const char* trida) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(jmeno));
        const QString t = QString::fromLatin1(trida);
        connect(a, &QAction::triggered, this, [t] { okna::zobraz(t); });
        m_polozky.emplace_back(a, t);
        return a;
    };

    QMenu* okno = mb->addMenu(QStringLiteral("Okno"));
    QAction* konec = okno->addAction(QStringLiteral("Ukončit program"));
    konec->setObjectName(QStringLiteral("Konec1"));
    connect(konec, &QAction::triggered, this, &QWidget::close);

    QMenu* spojite = mb->addMenu(QStringLiteral("Spojité signály"));
    QMenu* operace = spojite->addMenu(QStringLiteral("Operace se signály"));
    polozka(operace, QStringLiteral("Posuv a násobení signálu"), "PosuvaNasobeni", "Tposuv");
    polozka(operace, QStringLiteral("Matematické operace se dvěma signály"), "MeziDvemaSignaly", "Tsoucet");
    polozka(operace, QStringLiteral("Konvoluce"), "KonvoluceStart", "TKonvoluce");
    QMenu* synteza = spojite->addMenu(QStringLiteral("Syntéza signálů"));
    polozka(synteza, QStringLiteral("Fourierova řada (Po složkách)"), "FRslozkove", "Tharmonicke2");
    polozka(synteza, QStringLiteral("Fourierova řada (Komplexně)"), "FRkomplexne", "Tharmonicke");
    QMenu* analyza = spojite->addMenu(QStringLiteral("Analýza signálů"));
    polozka(analyza, QStringLiteral("Fourierova řada analýza"), "FRanalyza", "Tfrada");
    polozka(analyza, QStringLiteral("Fourirova transformace"), "FTanalyza", "Ttransformace");

    QMenu* diskretni = mb->addMenu(QStringLiteral("Diskrétní signály"));
    QMenu* aliasing = diskretni->addMenu(QStringLiteral("Aliasing efekt"));
    polozka(aliasing, QStringLiteral("Aliasing efekt - kolo"), "AliasingKolo", "Taliasing");
    polozka(aliasing, QStringLiteral("Aliasing efekt - změne frekvence vstupního signálu"), "AliasingZmenaVstupu",
            "TaliasingVS");
    polozka(aliasing, QStringLiteral("Aliasing efekt - změna vzorkovací frekvence"), "AliasingZmenaVzorkovani",
            "TaliasingVZ");
    QMenu* as = diskretni->addMenu(QStringLiteral("Analýza a syntéza"));
    polozka(as, QStringLiteral("DFR - Diskrétní Fourierova řada"), "DFRstart", "TDFR");
    polozka(as, QStringLiteral("DTFT - Fourierova transformace diskrétního signálu"), "DTFTstart", "TDTFT");
    polozka(as, QStringLiteral("DFT - Diskrétní Fourierova transfomace"), "DFTstart", "TDFT");
    QMenu* rychle = diskretni->addMenu(QStringLiteral("Rychlé výpočty"));
    polozka(rychle, QStringLiteral("FFT - Rychlá Fourierova transformace"), "FFTstart", "TFFT");
    polozka(rychle, QStringLiteral("Porovnání rychlosti výpočtu DFT a FFT"), "FFTporovnaniStart", "TFFTporovnani");

    QMenu* pomoc = mb->addMenu(QStringLiteral("Nápověda"));
    QAction* tema = pomoc->addAction(QStringLiteral("Téma"));
    tema->setObjectName(QStringLiteral("ma1"));
    tema->setShortcut(Qt::Key_F1);
    connect(tema, &QAction::triggered, this, [] { napoveda::otevri(napoveda::tema(QStringLiteral("/index.html"))); });
    pomoc->addSeparator();
    QAction* oprogramu = pomoc->addAction(QStringLiteral("O programu"));
    oprogramu->setObjectName(QStringLiteral("Oprgramu1"));
    oprogramu->setShortcut(Qt::Key_F2);
    connect(oprogramu, &QAction::triggered, this, [] {
        if (auto* d = okna::najdi<QDialog>(QStringLiteral("Toprog")))
            d->exec();
    });
    m_polozky.emplace_back(oprogramu, QStringLiteral("Toprog"));
}

void THlavniOkno::FormCreate()
{
    const auto& tabulka = odkazy::tabulka();
    okna::vycentruj(this);
    // The hint hide pause of the whole program.
    qApp->installEventFilter(new DobaNapovedy(5000, this));

    for (int i = 0; i < odkazy::pocet(); ++i) {
        const TOdkaz& o = tabulka[i];
        auto* n = new QLabel(o.Nazev, obsah);
        n->setProperty(tagVlastnost, i);
        nazvy[i] = n;
        switch (o.Druh) {
        case TDruh::Odkaz: {
            QFont f = times(16);
            f.setUnderline(true);
            n->setFont(f);
            nastavBarvu(n, modra);
            n->setCursor(Qt::PointingHandCursor);
            navody[i] = vytvorIkonu(otaznik, QStringLiteral("Návod k obsluze okna"), i);
            navody[i]->setVisible(!o.Navod.isEmpty());
            teorieIkony[i] = vytvorIkonu(info, QStringLiteral("Související teorie"), i);
            teorieIkony[i]->setVisible(!o.Teorie.isEmpty());
            auto* p = new QLabel(o.Popis, obsah);
            p->setFont(times(16, false));
            p->setWordWrap(true);
            p->setProperty(tagVlastnost, i);
            p->setMouseTracking(true);
            p->installEventFilter(this);
            popisy[i] = p;
            break;
        }
        case TDruh::Podnadpis:
            n->setFont(times(21));
            n->setMouseTracking(true);
            break;
        case TDruh::Nadpis: {
            auto* b = new QFrame(obsah);
            b->setFrameShape(QFrame::HLine);
            b->setFrameShadow(QFrame::Sunken);
            b->setProperty(tagVlastnost, i);
            bevely[i] = b;
            n->setFont(times(32));
            n->setMouseTracking(true);
            break;
        }
        }
        n->installEventFilter(this);
    }
    nic->setText(QStringLiteral(" "));

    for (QWidget* w : {static_cast<QWidget*>(obsah), box->viewport(), static_cast<QWidget*>(nadpis),
                       static_cast<QWidget*>(popis)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    box->verticalScrollBar()->installEventFilter(this);
    box->horizontalScrollBar()->installEventFilter(this);
    // The labels are placed when the box gets its size, as the window is
    // shown; placed now, for the box's provisional size, they would only be
    // measured in vain.
}

QLabel* THlavniOkno::vytvorIkonu(QLabel* vzor, const QString& napoveda, int tag)
{
    auto* ik = new QLabel(obsah);
    ik->setPixmap(vzor->pixmap());
    ik->resize(rozlozeni::ikona, rozlozeni::ikona);
    ik->setCursor(Qt::PointingHandCursor);
    ik->setToolTip(napoveda);
    ik->setProperty(tagVlastnost, tag);
    ik->setMouseTracking(true);
    ik->installEventFilter(this);
    return ik;
}

void THlavniOkno::nastavBarvu(QLabel* nazev, const QColor& barva)
{
    // Only the enabled look changes: a link whose window does not exist is
    // grey, dark enough to stay readable on the sky blue.
    QPalette p = nazev->palette();
    p.setColor(QPalette::Active, QPalette::WindowText, barva);
    p.setColor(QPalette::Inactive, QPalette::WindowText, barva);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(105, 105, 105));
    nazev->setPalette(p);
}

void THlavniOkno::obnovDostupnost()
{
    for (auto& [akce, trida] : m_polozky)
        akce->setEnabled(okna::zname(trida));
    const auto& tabulka = odkazy::tabulka();
    for (int i = 0; i < odkazy::pocet(); ++i)
        if (tabulka[i].Druh == TDruh::Odkaz)
            nazvy[i]->setEnabled(okna::zname(tabulka[i].Akce));
}

void THlavniOkno::FormResize()
{
    // Placing the labels can show or hide a scroll bar, which resizes the
    // box again; settle that here rather than recursing.
    if (m_rozkladam) {
        m_znovu = true;
        return;
    }
    m_rozkladam = true;
    for (int pokus = 0; pokus < 3; ++pokus) {
        m_znovu = false;
        rozloz();
        if (!m_znovu)
            break;
    }
    m_rozkladam = false;
}

void THlavniOkno::rozloz()
{
    const auto& tabulka = odkazy::tabulka();
    std::vector<rozlozeni::TVstup> vstup;
    for (int i = 0; i < odkazy::pocet(); ++i)
        vstup.push_back({tabulka[i].Druh, nazvy[i]->sizeHint().width(), nazvy[i]->font().pixelSize()});
    int w = box->viewport()->width();
    // A page that cannot fit into the box will get the vertical scroll bar,
    // which narrows the box: laid out for the narrower box at once, the
    // descriptions are measured once rather than twice. The page without any
    // description already tells.
    QScrollBar* svisly = box->verticalScrollBar();
    if (!svisly->isVisibleTo(box) && box->verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded
        && rozlozeni::rozloz(w, vstup, [](int, int) { return 0; }).nic + 1 > box->viewport()->height())
        w -= svisly->sizeHint().width();
    // The page depends on the width only.
    if (w == m_sirkaStranky)
        return;
    m_sirkaStranky = w;
    const auto v = rozlozeni::rozloz(w, vstup, [this](int i, int sirka) {
        return (i < 0 ? popis : popisy[i])->heightForWidth(sirka);
    });

    nadpis->setGeometry(rozlozeni::okraj, rozlozeni::okraj, v.sirkaNadpisu, 45);
    popis->setGeometry(v.popis);
    for (int i = 0; i < odkazy::pocet(); ++i) {
        const rozlozeni::TMisto& m = v.mista[i];
        nazvy[i]->setGeometry(QRect(m.nazev, nazvy[i]->sizeHint()));
        if (tabulka[i].Druh == TDruh::Odkaz) {
            navody[i]->move(m.navod);
            teorieIkony[i]->move(m.teorie);
            popisy[i]->setGeometry(m.popis);
        } else if (tabulka[i].Druh == TDruh::Nadpis) {
            bevely[i]->setGeometry(m.bevel);
        }
    }
    nic->setGeometry(rozlozeni::okraj, v.nic, v.sirkaNadpisu, 1);
    // A title with its icons wider than a narrowed box is reached by the
    // horizontal scroll bar rather than cut off.
    obsah->resize(std::max(w, obsah->childrenRect().right() + 1), v.nic + 1);
}

void THlavniOkno::nastavStav(const QString& text) { panel->setText(text); }

QString THlavniOkno::textStavu() const { return panel->text(); }

QStringList THlavniOkno::tridyMenu() const
{
    QStringList v;
    for (const auto& polozka : m_polozky)
        v << polozka.second;
    return v;
}

void THlavniOkno::boxMouseWheel(QPoint delta)
{
    // A pixel per three units of the wheel's angle, a notch of 120 being 40
    // pixels. A fine wheel or a touchpad sends parts of a notch: what does
    // not make a whole pixel yet is kept for the next event, so that the
    // same turn scrolls the same distance however it is split.
    const auto posun = [](QScrollBar* sb, int& zbytek, int d) {
        if (d == 0)
            return;
        zbytek -= d;
        const int pixelu = vorta::zaokrouhliNaInt(static_cast<long double>(zbytek) / 3);
        zbytek -= 3 * pixelu;
        sb->setValue(sb->value() + pixelu);
    };
    posun(box->verticalScrollBar(), m_zbytekSvisle, delta.y());
    posun(box->horizontalScrollBar(), m_zbytekVodorovne, delta.x());
}

void THlavniOkno::wheelEvent(QWheelEvent* e)
{
    boxMouseWheel(e->angleDelta());
    e->accept();
}

bool THlavniOkno::eventFilter(QObject* o, QEvent* e)
{
    const auto typ = e->type();
    if (typ == QEvent::Wheel) {
        boxMouseWheel(static_cast<QWheelEvent*>(e)->angleDelta());
        return true;
    }
    // The scroll bars are watched for the wheel only: taking their mouse
    // moves would stop the handle from being dragged.
    if (o == box->verticalScrollBar() || o == box->horizontalScrollBar())
        return false;
    if (o == box->viewport() && typ == QEvent::Resize) {
        FormResize();
        return false;
    }
    const int tag = tagOf(o);
    const auto& tabulka = odkazy::tabulka();
    const bool jeNazevOdkazu = tag >= 0 && o == nazvy[tag] && tabulka[tag].Druh == TDruh::Odkaz;
    const bool jeNavod = tag >= 0 && o == navody[tag];
    const bool jeTeorie = tag >= 0 && o == teorieIkony[tag];

    switch (typ) {
    case QEvent::Enter:
        if (jeNazevOdkazu) {
            nastavBarvu(nazvy[tag], cervena);
            nastavStav(QString());
        }
        break;
    case QEvent::Leave:
        if (jeNazevOdkazu) {
            nastavBarvu(nazvy[tag], modra);
            nastavStav(QString());
        }
        break;
    case QEvent::MouseMove:
        if (jeNavod)
            nastavStav(QStringLiteral("vorta.chm::") + tabulka[tag].Navod);
        else if (jeTeorie)
            nastavStav(QStringLiteral("vorta.chm::") + tabulka[tag].Teorie);
        else if (!jeNazevOdkazu)
            nastavStav(QString());
        // Handled here: passed on, the move would reach the background
        // and clear the panel again.
        return true;
    case QEvent::MouseButtonPress:
        // Taken here so that the release, which counts as the click, comes
        // back to the same label.
        if (jeNazevOdkazu || jeNavod || jeTeorie)
            return true;
        break;
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(e);
        auto* w = static_cast<QWidget*>(o);
        if (me->button() != Qt::LeftButton || !w->rect().contains(me->position().toPoint()))
            break;
        if (jeNazevOdkazu) {
            okna::zobraz(tabulka[tag].Akce);
            return true;
        }
        if (jeNavod || jeTeorie) {
            napoveda::otevri(napoveda::tema(jeNavod ? tabulka[tag].Navod : tabulka[tag].Teorie));
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(o, e);
}

void THlavniOkno::TimerTimer()
{
    Timer->stop();
    // Hidden windows have no frame yet: give them the one the main window has.
    const QSize ramecek = okna::ramecek(this);
    for (const QString& trida : tabulkaOken::kCentrovani())
        if (QWidget* w = okna::hotove(trida))
            okna::vycentruj(w, ramecek);
}

void THlavniOkno::closeEvent(QCloseEvent* e)
{
    e->accept();
    // The main window ends the program even while other windows are open.
    QCoreApplication::exit(0);
}
