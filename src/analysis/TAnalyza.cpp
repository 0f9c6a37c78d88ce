#include "analysis/TAnalyza.h"

#include "graf/TGraf.h"
#include "shell/TPosuvnik.h"
#include "graf/pisma.h"
#include "shell/napoveda.h"
#include "shell/okna.h"
#include "shell/zadatel.h"

#include <QDialog>
#include <QDragEnterEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>

namespace {

// Ends a local event loop when the watched window is hidden or destroyed.
class HlidacSkryti : public QObject {
public:
    HlidacSkryti(QWidget* okno, QEventLoop* smycka) : m_okno(okno), m_smycka(smycka)
    {
        okno->installEventFilter(this);
        QObject::connect(okno, &QObject::destroyed, smycka, &QEventLoop::quit);
    }
    ~HlidacSkryti() override
    {
        if (m_okno)
            m_okno->removeEventFilter(this);
    }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (o == m_okno && e->type() == QEvent::Hide)
            m_smycka->quit();
        return false;
    }

private:
    QPointer<QWidget> m_okno;
    QEventLoop* m_smycka;
};

// Where the frame puts its controls (client coordinates).
constexpr int okraj = 8;
constexpr int sirkaSkupiny = 172;
constexpr int grafX = okraj + sirkaSkupiny + 8; // origin
constexpr int grafY = 38;
constexpr int grafW = 393, grafH = 193;
constexpr int mezera = 4;
constexpr int radekY = 6, radekH = 26; // scroll bars and read-outs
constexpr int popisekW = 90;

TGraf* novyGraf(QWidget* rodic, const char* jmeno, QRect kde)
{
    auto* g = new TGraf(rodic);
    g->setObjectName(QString::fromLatin1(jmeno));
    g->setGeometry(kde);
    g->nastavVypocetni();
    return g;
}

QPushButton* tlacitko(QWidget* rodic, const char* jmeno, const QString& text, int y)
{
    auto* b = new QPushButton(text, rodic);
    b->setObjectName(QString::fromLatin1(jmeno));
    b->setGeometry(12, y, sirkaSkupiny - 24, 27);
    return b;
}

} // namespace

TAnalyza::TAnalyza(const Popis& popis, QWidget* parent) : QWidget(parent), m_kod(popis.kod)
{
    okna::nastavOkno(this, popis.jmeno, popis.titulek, popis.klient);
    m_odmitajici = odmitajiciOvladace(m_kod);

    GroupBox1 = new QGroupBox(QStringLiteral("Zdroje dat"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(okraj, radekY, sirkaSkupiny, grafY + grafH - radekY);
    const int krok = (GroupBox1->height() - 24) / 3;
    Button3 = tlacitko(GroupBox1, "Button3", QStringLiteral("Zadat z editoru"), 24 + (krok - 27) / 2);
    Button1 = tlacitko(GroupBox1, "Button1", QStringLiteral("Nakreslit signál"), 24 + krok + (krok - 27) / 2);
    Button4 = tlacitko(GroupBox1, "Button4", QStringLiteral("Zadat z obrázku"), 24 + 2 * krok + (krok - 27) / 2);

    const int obrazX = grafX + grafW + mezera;
    origin = novyGraf(this, "origin", QRect(grafX, grafY, grafW, grafH));
    origin->nastavNadpisy(QStringLiteral("Původní signál"), QStringLiteral("Čas t[s]"), QStringLiteral("Amplituda"));
    obraz = novyGraf(this, "obraz", QRect(obrazX, grafY, grafW, grafH));
    obraz->nastavNadpisy(QStringLiteral("Rekonstruovaný signál"), QStringLiteral("Čas t[s]"),
                         QStringLiteral("Amplituda"));
    // an and bn share what is left below the top row.
    const int sirka = popis.klient.width() - 2 * okraj;
    const int spodek = grafY + grafH + mezera;
    const int vyska = (popis.klient.height() - spodek - okraj - mezera) / 2;
    an = novyGraf(this, "an", QRect(okraj, spodek, sirka, vyska));
    bn = novyGraf(this, "bn", QRect(okraj, spodek + vyska + mezera, sirka, vyska));
    bn->setYMin(-225);
    bn->setYMax(225);

    const QFont pismoPopisku = vorta::pismo(QStringLiteral("MS Sans Serif"), 20);
    stupen = new TPosuvnik(this);
    stupen->setObjectName(QStringLiteral("stupen"));
    stupen->setPageStep(1);
    stupen->setGeometry(grafX, radekY + 4, grafW - popisekW - mezera, radekH - 8);
    harmonickych = new QLabel(QStringLiteral("n=00"), this);
    harmonickych->setObjectName(QStringLiteral("harmonickych"));
    harmonickych->setFont(pismoPopisku);
    harmonickych->setGeometry(grafX + grafW - popisekW, radekY, popisekW, radekH);
    if (popis.diskretni) {
        vzorecku = new QLabel(QStringLiteral("vz=00"), this);
        vzorecku->setObjectName(QStringLiteral("vzorecku"));
        vzorecku->setFont(pismoPopisku);
        vzorecku->setToolTip(QStringLiteral("Počet vzorků za periodu"));
        vzorecku->setGeometry(obrazX, radekY, popisekW, radekH);
        vzorku = new TPosuvnik(this);
        vzorku->setObjectName(QStringLiteral("vzorku"));
        vzorku->setPageStep(1);
        vzorku->setToolTip(QStringLiteral("Zvolí počet vzorků za periodu"));
        vzorku->setGeometry(obrazX + popisekW + mezera, radekY + 4, grafW - popisekW - mezera, radekH - 8);
    }

    napoveda::pridejNapovedu(this, popis.tema);

    // Only origin and the form are drop targets: every other control sends
    // its drags to the form, which looks up the control under the cursor.
    origin->setPrijimaGrafy(true);
    origin->installEventFilter(this);
    setAcceptDrops(true);
    connect(origin, &TGraf::grafPretazen, this, [this](TGraf* zdroj) { originDragDrop(zdroj); });

    connect(Button1, &QPushButton::clicked, this, &TAnalyza::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TAnalyza::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TAnalyza::Button4Click);
    connect(stupen, &QScrollBar::valueChanged, this, [this] { stupenChange(); });
    if (vzorku)
        connect(vzorku, &QScrollBar::valueChanged, this, [this] { vzorkuChange(); });

    zadatel::registruj(m_kod, [this](const std::vector<double>& v) { predejSignal(v); });
}

TAnalyza::~TAnalyza() { zadatel::registruj(m_kod, {}); }

QStringList TAnalyza::odmitajiciOvladace(int kod)
{
    const QStringList skupina = {QStringLiteral("an"), QStringLiteral("bn"), QStringLiteral("obraz"),
                                 QStringLiteral("GroupBox1"), QStringLiteral("Button3"), QStringLiteral("Button1"),
                                 QStringLiteral("Button4")};
    switch (kod) {
    case 1:
        return {QStringLiteral("frada"), QStringLiteral("an"), QStringLiteral("bn"), QStringLiteral("obraz"),
                QStringLiteral("stupen")};
    case 2:
        return QStringList{QStringLiteral("transformace")} + skupina;
    case 3:
        return QStringList{QStringLiteral("DFR")} + skupina;
    case 4:
        return QStringList{QStringLiteral("DTFT")} + skupina;
    case 5:
        return {QStringLiteral("DFT")};
    default:
        return {};
    }
}

// ---- delivery ------------------------------------------------------------

void TAnalyza::predejSignal(const std::vector<double>& v)
{
    const int n = zadatel::vzorkuPeriody;
    if (int(v.size()) != n)
        return;
    origin->Smaz();
    if (pulzni()) {
        for (int i = 0; i < n; ++i)
            origin->PridejBod(2, (i - 900) / 600.0, 0);
        for (int i = 0; i < n; ++i)
            origin->PridejBod(2, (i - 300) / 600.0, v[i]);
        for (int i = 0; i < n; ++i)
            origin->PridejBod(2, (i + 300) / 600.0, 0);
    } else {
        for (int k = -1; k <= 1; ++k)
            for (int i = 0; i < n; ++i)
                origin->PridejBod(2, (i + 600.0 * k) / 600.0, v[i]);
    }
    origin->update();
    zmenadat();
}

void TAnalyza::originDragDrop(const TGraf* zdroj)
{
    if (!zdroj)
        return;
    // The records are copied first: the source may be this very graph.
    std::vector<TBod> zaznamy;
    zaznamy.reserve(zdroj->PocetBodu());
    for (int k = 0; k < zdroj->PocetBodu(); ++k)
        zaznamy.push_back(zdroj->CtiBod(k));
    origin->Smaz();
    for (TBod b : zaznamy) {
        // A value that is not a number (a loaded file may hold one) counts as
        // 0 here as it does when the interval is read, so that a window that
        // keeps the dropped records on screen shows what it computed from.
        if ((pulzni() && std::fabs(b.x) > 0.5f) || !std::isfinite(b.y))
            b.y = 0;
        origin->PridejZaznam(b);
    }
    if (pulzni())
        origin->update();
    zmenadat();
}

analyza::Interval TAnalyza::ctiInterval() const
{
    return analyza::ctiInterval(origin->sloty().data(), origin->PocetBodu(), t0(), t1());
}

void TAnalyza::kresliSpektrum(TGraf* rec, TGraf* mag, TGraf* ph, int P, int N, const spektrum::PoleM& Re,
                              const spektrum::PoleM& Im, double scale)
{
    const spektrum::Spektrum s = spektrum::kresliSpektrum(P, N, Re, Im, scale);
    rec->Smaz();
    for (const spektrum::Stonek& k : s.rekonstrukce)
        rec->PridejStonek(k.styl, k.x, k.y);
    rec->update();
    mag->Smaz();
    ph->Smaz();
    for (const spektrum::Cara& c : s.periody) {
        mag->PridejBod(0, c.x, spektrum::PeriodaVelikostOd);
        mag->PridejBod(spektrum::StylPeriody, c.x, spektrum::PeriodaVelikostDo);
        ph->PridejBod(0, c.x, spektrum::PeriodaFazeOd);
        ph->PridejBod(spektrum::StylPeriody, c.x, spektrum::PeriodaFazeDo);
    }
    for (const spektrum::Stonek& k : s.velikost)
        mag->PridejStonek(k.styl, k.x, k.y);
    for (const spektrum::Stonek& k : s.faze)
        ph->PridejStonek(k.styl, k.x, k.y);
    mag->update();
    ph->update();
}

void TAnalyza::vykresli(TGraf* g, const std::vector<TBod>& body)
{
    g->Smaz();
    for (const TBod& b : body)
        g->PridejZaznam(b);
    g->update();
}

void TAnalyza::pridejOmegu(const QString& napoveda)
{
    Label1 = new QLabel(QStringLiteral("ω"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(harmonickych->font());
    const int sirka = Label1->fontMetrics().horizontalAdvance(Label1->text()) + 2;
    const QRect h = harmonickych->geometry();
    Label1->setGeometry(h.x() - sirka, h.y(), sirka, h.height());
    stupen->resize(stupen->width() - sirka, stupen->height());
    Label1->setToolTip(napoveda);
    harmonickych->setToolTip(napoveda);
}

// ---- drag and drop -------------------------------------------------------

void TAnalyza::zavriSoucet()
{
    // Shown as an ordinary window or run by "Zadat z editoru": hiding it ends
    // that run too.
    QWidget* s = okna::najdi(QStringLiteral("Tsoucet"));
    if (s && s->isVisible())
        s->hide();
}

bool TAnalyza::eventFilter(QObject* o, QEvent* e)
{
    if (o == origin && (e->type() == QEvent::DragEnter || e->type() == QEvent::DragMove))
        zavriSoucet(); // origin itself then decides whether it takes the graph
    return QWidget::eventFilter(o, e);
}

void TAnalyza::tazeniNad(QDropEvent* e)
{
    QWidget* w = childAt(e->position().toPoint());
    while (w && w != this && w->objectName().isEmpty())
        w = w->parentWidget();
    const QString jmeno = (!w || w == this) ? objectName() : w->objectName();
    if (m_odmitajici.contains(jmeno))
        zavriSoucet();
    e->ignore();
}

void TAnalyza::dragEnterEvent(QDragEnterEvent* e)
{
    tazeniNad(e);
    // Only the target that took the enter hears the moves that follow, and
    // a drag may enter over a control that refuses without closing anything
    // and go on over one that closes. So the form takes the enter and
    // refuses at every move.
    e->accept();
}

void TAnalyza::dragMoveEvent(QDragMoveEvent* e) { tazeniNad(e); }

// Nothing but origin takes a graph.
void TAnalyza::dropEvent(QDropEvent* e) { e->ignore(); }

// ---- data sources --------------------------------------------------------

void TAnalyza::spustModalne(QWidget* okno, bool modalni)
{
    // A window already open cannot be made modal: the click is refused.
    if (!okno || okno->isVisible())
        return;
    if (auto* d = qobject_cast<QDialog*>(okno); d && modalni) {
        d->exec();
        return;
    }
    const Qt::WindowModality drive = okno->windowModality();
    if (modalni)
        okno->setWindowModality(Qt::ApplicationModal);
    QEventLoop smycka;
    QPointer<QWidget> hlidane(okno);
    {
        HlidacSkryti hlidac(okno, &smycka);
        okna::zobraz(okno);
        smycka.exec();
    }
    if (hlidane && modalni)
        hlidane->setWindowModality(drive);
}

void TAnalyza::Button1Click()
{
    zadatel::nastav(m_kod);
    spustModalne(okna::najdi(QStringLiteral("Tkreslic")));
}

void TAnalyza::Button4Click()
{
    QWidget* obrazek = okna::najdi(QStringLiteral("Tobrazek"));
    if (!obrazek)
        return;
    zadatel::nastav(m_kod);
    spustModalne(obrazek);
}

void TAnalyza::Button3Click() { spustModalne(okna::najdi(QStringLiteral("Tsoucet")), false); }

void TAnalyza::showEvent(QShowEvent* e)
{
    // The picture analyser may not be part of this build.
    Button4->setEnabled(okna::najdi(QStringLiteral("Tobrazek")) != nullptr);
    QWidget::showEvent(e);
}
