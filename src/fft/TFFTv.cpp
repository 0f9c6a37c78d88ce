#include "fft/TFFTv.h"

#include "core/cisla.h"
#include "fft/spektrum.h"
#include "graf/TGraf.h"
#include "shell/okna.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int Okraj = 8;
constexpr int VyskaGrafu = 217;
} // namespace

TFFTv::TFFTv(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FFTv"));
    setWindowTitle(QStringLiteral("Spektrum vypočítané pomocí FFT"));
    resize(993, 499);
    okna::hlidejVelikost(this);

    box = new QScrollArea(this);
    box->setObjectName(QStringLiteral("box"));
    box->setFrameShape(QFrame::NoFrame);
    box->setWidgetResizable(false);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setGeometry(rect());
    obsah = new QWidget;
    cm = novyGraf("cm", QStringLiteral("Spektrum signálu - |cm|"), QStringLiteral("Amplituda |cm|"));
    cm->nastavOsy(-40, 40, -0.05, 0.55, 32, 10);
    arg = novyGraf("arg", QStringLiteral("Spektrum signálu - arg(cm)"), QStringLiteral("Amplituda arg(cm)[°]"));
    arg->nastavOsy(-40, 40, -225, 225, 32, 10);
    cm->setGeometry(Okraj, Okraj, 969, VyskaGrafu);
    arg->setGeometry(Okraj, Okraj + VyskaGrafu + Okraj, 969, VyskaGrafu);
    mezera = new QLabel(QStringLiteral(" "), obsah);
    mezera->setObjectName(QStringLiteral("mezera"));
    neKonecne = new QLabel(obsah);
    neKonecne->setObjectName(QStringLiteral("neKonecne"));
    neKonecne->setStyleSheet(QStringLiteral("color: #c00000"));
    neKonecne->hide();
    box->setWidget(obsah);
    napln({});

    for (QWidget* w : {static_cast<QWidget*>(cm), static_cast<QWidget*>(arg), obsah, box->viewport()})
        w->installEventFilter(this);
}

TGraf* TFFTv::novyGraf(const char* jmeno, const QString& nadpis, const QString& yNadpis)
{
    auto* g = new TGraf(obsah);
    g->setObjectName(QString::fromLatin1(jmeno));
    g->nastavNadpisy(nadpis, QStringLiteral("Harmonická m"), yNadpis);
    g->nastavVypocetni();
    return g;
}

void TFFTv::napln(const std::vector<fft::Komplex>& vysledky)
{
    const int N = int(vysledky.size());
    const fftspektrum::Spektrum s = fftspektrum::spocitej(vysledky, vorta::desetinnyOddelovac());
    cm->Smaz();
    arg->Smaz();
    for (const fftspektrum::Stonek& st : s.stonky) {
        cm->PridejStonek(2, st.k, st.velikost);
        arg->PridejStonek(2, st.k, st.faze);
    }
    cm->setYMax(s.yMax);
    cm->setYMin(s.yMin);
    const int w = fftspektrum::sirka(N);
    cm->resize(w, VyskaGrafu);
    arg->resize(w, VyskaGrafu);
    mezera->setGeometry(cm->geometry().right() + 1, Okraj, Okraj, 1);
    cm->setXMin(0);
    cm->setXMax(N);
    arg->setXMin(0);
    arg->setXMax(N);

    // Values that overflowed single precision have no place on an axis: they
    // are named under the graphs instead.
    int vyska = arg->geometry().bottom() + 1;
    if (s.neKonecne.isEmpty()) {
        neKonecne->hide();
    } else {
        QStringList prvni = s.neKonecne.mid(0, 6);
        if (s.neKonecne.size() > 6)
            prvni << QStringLiteral("…");
        neKonecne->setText(QStringLiteral("Nekonečné nebo neurčité hodnoty (bez čáry): ") + prvni.join(QStringLiteral("; ")));
        neKonecne->move(Okraj, vyska + 2);
        neKonecne->resize(std::max(neKonecne->sizeHint().width(), 400), neKonecne->sizeHint().height());
        neKonecne->show();
        vyska = neKonecne->geometry().bottom() + 1;
    }
    obsah->resize(mezera->geometry().right() + 1, vyska);
    cm->update();
    arg->update();
}

void TFFTv::zobrazitspektrum(const std::vector<fft::Komplex>& vysledky)
{
    napln(vysledky);
    box->horizontalScrollBar()->setValue(0);
    exec();
}

void TFFTv::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    box->setGeometry(rect());
}

bool TFFTv::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton
        && o != box->viewport()) {
        accept();
        return true;
    }
    if (e->type() == QEvent::Wheel) {
        QScrollBar* h = box->horizontalScrollBar();
        h->setValue(h->value() - static_cast<QWheelEvent*>(e)->angleDelta().y());
        return true;
    }
    return QDialog::eventFilter(o, e);
}
