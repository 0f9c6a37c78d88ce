#include "continuous/Tposuv.h"

#include "shell/napoveda.h"
#include "shell/okna.h"
#include "core/cisla.h"
#include "graf/TGraf.h"
#include "graf/pisma.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

namespace {

constexpr int radekY = 292; // top of the formula rows
constexpr int posunBez2Pi = 40;

TGraf* vytvorGraf(QWidget* rodic, const char* jmeno, const QString& nadpis)
{
    auto* g = new TGraf(rodic);
    g->setObjectName(QString::fromLatin1(jmeno));
    g->setGeometry(8, 20, 398, 268);
    g->nastavNadpisy(nadpis, QStringLiteral("Čas t"), QStringLiteral("Amplituda"));
    g->nastavOsy(-2, 2, -2, 2, 8, 8);
    g->setSirkaCary(2);
    return g;
}

QLabel* vytvorText(QWidget* rodic, const char* jmeno, const QString& text)
{
    auto* l = new QLabel(text, rodic);
    if (jmeno)
        l->setObjectName(QString::fromLatin1(jmeno));
    l->setFont(vorta::pismo(QStringLiteral("Times New Roman"), 32, true));
    l->adjustSize();
    return l;
}

QFont pismoOvladani() { return vorta::pismo(QStringLiteral("MS Sans Serif"), 14, true); }

QComboBox* vytvorVyber(QWidget* rodic, const char* jmeno)
{
    auto* c = new QComboBox(rodic);
    c->setObjectName(QString::fromLatin1(jmeno));
    c->addItems({QStringLiteral("Speciání"), QStringLiteral("Sin"), QStringLiteral("Cos"),
                 QStringLiteral("Obdelik"), QStringLiteral("Náhodný 1"), QStringLiteral("Náhodný 2")});
    c->setToolTip(QStringLiteral("Výběr signálu"));
    c->setFont(pismoOvladani());
    // wide enough for the longest entry, with the style's arrow and frame
    c->resize(c->sizeHint().width(), 28);
    return c;
}

QLineEdit* vytvorEdit(QWidget* rodic, const char* jmeno, const QString& napoveda, const QString& text)
{
    auto* e = new QLineEdit(text, rodic);
    e->setObjectName(QString::fromLatin1(jmeno));
    e->setToolTip(napoveda);
    e->setFont(pismoOvladani());
    // The style's own hint is for 17 letters; keep its frame and margins and
    // make room for the longest number the limits let through, "-10,1".
    const QFontMetrics fm(e->font());
    const int okraje = e->sizeHint().width() - 17 * fm.horizontalAdvance(u'x');
    const QString nejdelsi = QStringLiteral("-10") + vorta::desetinnyOddelovac() + u'1';
    e->resize(okraje + fm.horizontalAdvance(nejdelsi) + 2, 28);
    return e;
}

// Places the parts of one formula row left to right, controls a little
// lower so that their text sits on the formula's baseline.
class Radek {
public:
    explicit Radek(int x) : m_x(x) {}
    template <class W> W* dal(W* w, int mezera = 1)
    {
        m_x += mezera;
        const bool ovladani = !qobject_cast<QLabel*>(w);
        w->move(m_x, radekY + (ovladani ? 9 : 0));
        m_x += w->width();
        return w;
    }

private:
    int m_x;
};

// A combo box's choice runs its handler also when the user picks the entry
// already shown (a random shape chosen again draws new samples). A user's
// pick emits currentIndexChanged and then activated; the flag keeps such a
// pick from running the handler twice.
void pripojVolbu(QComboBox* c, QObject* kontext, const std::function<void()>& handler)
{
    auto prave = std::make_shared<bool>(false);
    QObject::connect(c, &QComboBox::currentIndexChanged, kontext, [=] {
        *prave = true;
        QTimer::singleShot(0, c, [prave] { *prave = false; });
        handler();
    });
    QObject::connect(c, &QComboBox::activated, kontext, [=] {
        if (*prave)
            *prave = false;
        else
            handler();
    });
}

} // namespace

Tposuv::Tposuv(QWidget* parent)
    : QWidget(parent),
      m_nahoda(static_cast<std::mt19937::result_type>(std::chrono::system_clock::now().time_since_epoch().count()))
{
    okna::nastavOkno(this, QStringLiteral("posuv"), QStringLiteral("Posuv a násobení signálu"), QSize(841, 353));

    GroupBox1 = new QGroupBox(QStringLiteral("Původní signál"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(4, 2, 414, 347);
    GroupBox2 = new QGroupBox(QStringLiteral("Posunutý signál"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(423, 2, 414, 347);

    origin = vytvorGraf(GroupBox1, "origin", QStringLiteral("Původní signál"));
    posuv = vytvorGraf(GroupBox2, "posuv", QStringLiteral("Posunutý signál"));

    // y(t) = s(2π t)
    Radek r1(8);
    r1.dal(vytvorText(GroupBox1, nullptr, QStringLiteral("y(t)=")), 0);
    signal = r1.dal(vytvorVyber(GroupBox1, "signal"), 3);
    r1.dal(vytvorText(GroupBox1, nullptr, QStringLiteral("(")), 2);
    // "2π" with its gaps is the 40 pixels the closing part moves left by
    // when it hides: 3 + 16 + 1 + 18 + 2 here, 4 + 16 + 18 + 2 below.
    ch1 = r1.dal(vytvorText(GroupBox1, "ch1", QStringLiteral("2")), 3);
    ch2 = r1.dal(vytvorText(GroupBox1, "ch2", QStringLiteral("π")), 1);
    p1 = r1.dal(vytvorText(GroupBox1, "p1", QStringLiteral("t)")), 2);

    // y(t) = A·s(B·2π t + C), with the user's decimal separator in the
    // initial texts so that they convert under every locale. The row is as
    // wide as the group box allows: the gaps are the few pixels left over.
    const QChar sep = vorta::desetinnyOddelovac();
    Radek r2(6);
    r2.dal(vytvorText(GroupBox2, nullptr, QStringLiteral("y(t)=")), 0);
    A = r2.dal(vytvorEdit(GroupBox2, "A", QStringLiteral("Násobení v amplitudě"), vorta::fixniFormat(1, 1, sep)), 2);
    signal2 = r2.dal(vytvorVyber(GroupBox2, "signal2"), 2);
    r2.dal(vytvorText(GroupBox2, nullptr, QStringLiteral("(")), 1);
    B = r2.dal(vytvorEdit(GroupBox2, "B", QStringLiteral("Násobení v čase"), vorta::fixniFormat(1, 1, sep)), 0);
    ch3 = r2.dal(vytvorText(GroupBox2, "ch3", QStringLiteral("2")), 4);
    ch4 = r2.dal(vytvorText(GroupBox2, "ch4", QStringLiteral("π")), 0);
    p2 = r2.dal(vytvorText(GroupBox2, "p2", QStringLiteral("t +")), 2);
    C = r2.dal(vytvorEdit(GroupBox2, "C", QStringLiteral("Posun v čase"), vorta::fixniFormat(0, 1, sep)), 3);
    p3 = r2.dal(vytvorText(GroupBox2, "p3", QStringLiteral(")")), 0);

    m_p1Left = p1->x();
    m_p2Left = p2->x();
    m_p3Left = p3->x();
    m_CLeft = C->x();

    napoveda::pridejNapovedu(this, QStringLiteral("/ojede.html"));

    m_aktualniTvar = tvary::Specialni;
    signal->setCurrentIndex(0);
    signal2->setCurrentIndex(0);
    pripojVolbu(signal, this, [this] { signalChange(); });
    pripojVolbu(signal2, this, [this] { signal2Change(); });
    for (QLineEdit* e : {A, B, C})
        connect(e, &QLineEdit::textChanged, this, &Tposuv::AChange);
    signalChange();
}

void Tposuv::ukazDvePi(bool ukaz)
{
    for (QLabel* l : {ch1, ch2, ch3, ch4})
        l->setVisible(ukaz);
    const int posun = ukaz ? 0 : posunBez2Pi;
    p1->move(m_p1Left - posun, p1->y());
    p2->move(m_p2Left - posun, p2->y());
    p3->move(m_p3Left - posun, p3->y());
    C->move(m_CLeft - posun, C->y());
}

void Tposuv::signalChange()
{
    {
        const QSignalBlocker blok(signal2);
        signal2->setCurrentIndex(signal->currentIndex());
    }
    ukazDvePi(false);
    const int index = signal->currentIndex();
    const tvary::Tvar tvar = tvary::tvarZIndexu(index);
    if (tvar == tvary::Nahodny1 || tvar == tvary::Nahodny2)
        tvary::naplnNahodne(m_nahodne, m_nahoda);
    generuj(tvar);
    if (tvar == tvary::Sinus || tvar == tvary::Kosinus)
        ukazDvePi(true);
}

void Tposuv::signal2Change()
{
    {
        const QSignalBlocker blok(signal);
        signal->setCurrentIndex(signal2->currentIndex());
    }
    signalChange();
}

void Tposuv::AChange() { generuj(m_aktualniTvar); }

void Tposuv::obarvi(QLineEdit* e, bool cervene)
{
    const QColor barva = cervene ? QColor(Qt::red) : QColor(Qt::black);
    if (e->palette().color(QPalette::Text) == barva)
        return; // a palette change restyles the box; skip it on most keystrokes
    QPalette pal = e->palette();
    pal.setColor(QPalette::Text, barva);
    e->setPalette(pal);
}

void Tposuv::generuj(std::uint8_t tvar)
{
    const tvary::Parametry p =
        tvary::ctiParametry(A->text(), B->text(), C->text(), vorta::desetinnyOddelovac());
    obarvi(A, p.cervene[0]);
    obarvi(B, p.cervene[1]);
    obarvi(C, p.cervene[2]);
    for (int k = 0; k < p.pipnuti; ++k)
        QApplication::beep();

    m_aktualniTvar = tvar;
    const tvary::Krivky k = tvary::generuj(static_cast<tvary::Tvar>(tvar), p, m_nahodne);
    origin->Smaz();
    posuv->Smaz();
    for (const QPointF& b : k.puvodni)
        origin->PridejBod(2, b.x(), b.y());
    for (const QPointF& b : k.posunuty)
        posuv->PridejBod(2, b.x(), b.y());
    origin->update();
    posuv->update();
}
