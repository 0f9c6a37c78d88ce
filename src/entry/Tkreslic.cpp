#include "entry/Tkreslic.h"

#include "core/cisla.h"
#include "graf/pisma.h"
#include "shell/napoveda.h"
#include "shell/okna.h"
#include "shell/zadatel.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

using namespace kreslic;

Tkreslic::Tkreslic(QWidget* parent) : QDialog(parent)
{
    okna::nastavOkno(this, QStringLiteral("kreslic"), QStringLiteral("Kreslení signálu"), QSize(773, 440));

    platno = new QWidget(this);
    platno->setObjectName(QStringLiteral("platno"));
    platno->setGeometry(0, 0, 640, 440);
    platno->setCursor(Qt::CrossCursor);
    platno->setMouseTracking(true);
    platno->setAttribute(Qt::WA_OpaquePaintEvent);
    platno->installEventFilter(this);

    constexpr int vpravo = 648, sirka = 117;
    auto* skupina = new QGroupBox(QStringLiteral("Souřadnice"), this);
    skupina->setObjectName(QStringLiteral("GroupBox1"));
    skupina->setGeometry(vpravo - 2, 4, sirka + 4, 66);
    const QFont pismoSouradnic = vorta::pismo(QStringLiteral("Courier New"), 19, true);
    const auto popisek = [&](const char* jmeno, int y) {
        auto* l = new QLabel(QStringLiteral("X = 0.00"), skupina);
        l->setObjectName(QString::fromLatin1(jmeno));
        l->setFont(pismoSouradnic);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setGeometry(4, y, sirka - 4, 22);
        return l;
    };
    souradx = popisek("souradx", 18);
    sourady = popisek("sourady", 40);

    int y = 78;
    const auto tlacitko = [&](const char* jmeno, const QString& text, int mezera = 0) {
        y += mezera;
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(jmeno));
        b->setGeometry(vpravo, y, sirka, 27);
        b->setAutoDefault(false);
        y += 31;
        return b;
    };
    QPushButton* ok = tlacitko("Button1", QStringLiteral("OK"));
    QPushButton* storno = tlacitko("Button3", QStringLiteral("Storno"));
    const struct {
        const char* jmeno;
        const char* text;
        Predloha p;
    } predlohy[] = {{"Button8", "Nic", Predloha::Nic},
                    {"Button4", "Sin", Predloha::Sin},
                    {"Button6", "Cos", Predloha::Cos},
                    {"Button2", "Obdelnik", Predloha::Obdelnik},
                    {"Button5", "Pila", Predloha::Pila},
                    {"Button7", "Trojúhelník", Predloha::Trojuhelnik},
                    {"Button9", "Sinc", Predloha::Sinc}};
    bool prvni = true;
    for (const auto& d : predlohy) {
        QPushButton* b = tlacitko(d.jmeno, QString::fromUtf8(d.text), prvni ? 12 : 0);
        prvni = false;
        const Predloha p = d.p;
        connect(b, &QPushButton::clicked, this, [this, p] { predloha(p); });
    }
    connect(ok, &QPushButton::clicked, this, &Tkreslic::Button1Click);
    connect(storno, &QPushButton::clicked, this, &QDialog::reject);

    napoveda::pridejNapovedu(this, QStringLiteral("/zkresleni.html"));

    // Every analysis window starts with a zero period; the requester code is
    // left at the last of them.
    for (int kod = 1; kod <= zadatel::pocetOken; ++kod) {
        zadatel::nastav(kod);
        Button1Click();
    }
}

void Tkreslic::Button1Click()
{
    zadatel::predejSignal(perioda(m_stav.krivka));
    accept();
}

void Tkreslic::predloha(Predloha p)
{
    m_stav.krivka = kreslic::predloha(p);
    platno->update();
}

bool Tkreslic::eventFilter(QObject* o, QEvent* e)
{
    if (o != platno)
        return QDialog::eventFilter(o, e);
    switch (e->type()) {
    case QEvent::Paint:
        platnoPaint();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* m = static_cast<QMouseEvent*>(e);
        const Tlacitko t = m->button() == Qt::RightButton   ? Tlacitko::Prave
                           : m->button() == Qt::LeftButton ? Tlacitko::Leve
                                                           : Tlacitko::Prostredni;
        const QPoint p = m->position().toPoint();
        m_stav.stisk(p.x(), p.y(), platno->height(), t);
        platno->update();
        return true;
    }
    case QEvent::MouseMove: {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        const QChar sep = vorta::desetinnyOddelovac();
        souradx->setText(popisX(sloupec(p.x()), sep));
        sourady->setText(popisY(radek(p.y(), platno->height()), sep));
        if (m_stav.pohyb(p.x(), p.y(), platno->height()))
            platno->update();
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_stav.uvolneni();
        return true;
    default:
        return QDialog::eventFilter(o, e);
    }
}

void Tkreslic::platnoPaint()
{
    QPainter p(platno);
    p.fillRect(platno->rect(), palette().window());
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(Okraj, Okraj, 600, 400);
    const int h = vorta::zaokrouhliNaInt(platno->height() / 2.0L);
    p.drawLine(Okraj, h, Okraj + 600, h);
    p.drawLine(320, h - 7, 320, h + 7);
    p.drawLine(170, h - 4, 170, h + 4);
    p.drawLine(470, h - 4, 470, h + 4);

    // Where the period before ends and where the next one starts.
    p.setBrush(Qt::NoBrush);
    const int r = m_stav.krivka[Sloupcu - 1], q = m_stav.krivka[0];
    const QPoint vlevo[] = {{20, r + 20}, {14, r + 17}, {14, r + 23}, {20, r + 20}};
    const QPoint vpravo[] = {{620, q + 20}, {626, q + 17}, {626, q + 23}, {620, q + 20}};
    p.drawPolyline(vlevo, 4);
    p.drawPolyline(vpravo, 4);

    QPolygon krivka(Sloupcu);
    for (int c = 0; c < Sloupcu; ++c)
        krivka[c] = QPoint(c + Okraj, m_stav.krivka[c] + Okraj);
    p.setPen(QPen(Qt::red, 2));
    p.drawPolyline(krivka);
}
