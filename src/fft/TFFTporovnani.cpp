#include "fft/TFFTporovnani.h"
#include "shell/prvky.h"

#include "core/cisla.h"
#include "fft/fft.h"
#include "graf/pisma.h"
#include "shell/napoveda.h"
#include "shell/okna.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

QLabel* popisek(QWidget* rodic, const QString& text, QPoint kde, bool tucne = false, const char* jmeno = nullptr)
{
    auto* l = new QLabel(text, rodic);
    if (jmeno)
        l->setObjectName(QString::fromLatin1(jmeno));
    if (tucne) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    l->move(kde);
    l->adjustSize();
    return l;
}

QProgressBar* prubeh(QWidget* rodic, const char* jmeno)
{
    auto* p = new QProgressBar(rodic);
    p->setObjectName(QString::fromLatin1(jmeno));
    p->setRange(0, 100);
    p->setValue(0);
    p->setTextVisible(false);
    p->setGeometry(10, 22, 246, 18);
    return p;
}

void nastavBunku(QTableWidget* t, int radek, int sloupec, const QString& text)
{
    auto* b = new QTableWidgetItem(text);
    b->setFlags(Qt::ItemIsEnabled);
    t->setItem(radek, sloupec, b);
}

} // namespace

TFFTporovnani::TFFTporovnani(QWidget* parent) : QWidget(parent)
{
    okna::nastavOkno(this, QStringLiteral("FFTporovnani"), QStringLiteral("Porovnání rychlosti DFT a FFT"),
                     QSize(809, 321));

    auto* gN = prvky::skupina(this, QStringLiteral("Nastavení"), QRect(8, 4, 250, 118));
    popisek(gN, QStringLiteral("Počet vstupních vzorků"), QPoint(10, 20));
    rad = new QComboBox(gN);
    rad->setObjectName(QStringLiteral("rad"));
    rad->addItems({"32", "64", "128", "256", "512", "1024", "2048"});
    rad->setToolTip(QStringLiteral("Volí počet vzorků z kterých se bude počítat FFT"));
    rad->setGeometry(10, 36, 230, 22);
    popisek(gN, QStringLiteral("Počet opakování výpočtu"), QPoint(10, 66));
    opakovani = new QComboBox(gN);
    opakovani->setObjectName(QStringLiteral("opakovani"));
    opakovani->addItems({"1", "10", "100", "1 000", "10 000", "100 000"});
    opakovani->setToolTip(
        QStringLiteral("Zvolí počet opakování výpočtu ( slouží k prodloužení doby výpočtu aby byl čas měřitelný )"));
    opakovani->setGeometry(10, 82, 230, 22);

    spustit = new QPushButton(QStringLiteral("START"), this);
    spustit->setObjectName(QStringLiteral("spustit"));
    spustit->setToolTip(QStringLiteral("Spustí výpočet"));
    spustit->setGeometry(8, 128, 120, 30);
    konec = new QPushButton(QStringLiteral("STOP"), this);
    konec->setObjectName(QStringLiteral("konec"));
    konec->setToolTip(QStringLiteral("Předčasne ukončí výpočet"));
    konec->setGeometry(138, 128, 120, 30);

    auto* gP = prvky::skupina(this, QStringLiteral("Přehled nastavení"), QRect(8, 164, 250, 149));
    popisek(gP, QStringLiteral("Vstupní signál:"), QPoint(10, 22));
    popisek(gP, QStringLiteral("Pole náhodných čísel"), QPoint(105, 22), true);
    popisek(gP, QStringLiteral("Vstupních vzorků:"), QPoint(10, 44));
    Lvzorku = popisek(gP, QString(), QPoint(150, 44), true, "Lvzorku");
    popisek(gP, QStringLiteral("Bitová délka vzorku:"), QPoint(10, 66));
    Ldelka = popisek(gP, QString(), QPoint(150, 66), true, "Ldelka");
    popisek(gP, QStringLiteral("Počet opakování výpočtu:"), QPoint(10, 88));
    Lcyklu = popisek(gP, QString(), QPoint(150, 88), true, "Lcyklu");
    auto* pozn = popisek(gP, QStringLiteral("( Výpočet se opakuje několikrát aby byl čas zmeřitelný )"), QPoint(10, 112));
    pozn->setWordWrap(true);
    pozn->setGeometry(10, 110, 232, 32);
    for (QLabel* l : {Lvzorku, Ldelka, Lcyklu})
        l->resize(95, l->height());

    auto* gD = prvky::skupina(this, QStringLiteral("Průběh výpočtu metodou DFT"), QRect(266, 4, 266, 50));
    pDFT = prubeh(gD, "pDFT");
    auto* gF = prvky::skupina(this, QStringLiteral("Průběh výpočtu metodou FFT"), QRect(266, 58, 266, 50));
    pFFT = prubeh(gF, "pFFT");

    auto* gC = prvky::skupina(this, QString(), QRect(266, 112, 266, 96));
    popisek(gC, QStringLiteral("Doba výpočtu\npomocí DFT"), QPoint(98, 8))->setAlignment(Qt::AlignCenter);
    popisek(gC, QStringLiteral("Doba výpočtu\npomocí FFT"), QPoint(184, 8))->setAlignment(Qt::AlignCenter);
    popisek(gC, QStringLiteral("N opakování:"), QPoint(8, 46));
    popisek(gC, QStringLiteral("Jeden výpočet:"), QPoint(8, 70));
    auto cas = [&](const char* jmeno, int x, int y) {
        QLabel* l = popisek(gC, QStringLiteral("???"), QPoint(x, y), true, jmeno);
        l->setGeometry(x, y, 84, l->height());
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    DFTcas = cas("DFTcas", 94, 46);
    FFTcas = cas("FFTcas", 178, 46);
    DFTcasP = cas("DFTcasP", 94, 70);
    FFTcasp = cas("FFTcasp", 178, 70);

    auto* gK = prvky::skupina(this, QString(), QRect(266, 212, 266, 101));
    popisek(gK, QStringLiteral("Zrychlení FFT proti DFT"), QPoint(8, 8));
    krat = new QLabel(QStringLiteral("???"), gK);
    krat->setObjectName(QStringLiteral("krat"));
    krat->setFont(vorta::pismo(QStringLiteral("Arial"), 32, true));
    krat->setAlignment(Qt::AlignCenter);
    krat->setGeometry(4, 34, 258, 56);
    krat->setToolTip(QStringLiteral("Zobrazuje kolikrát byl výpočet FFT rychlejší než výpočet DFT"));

    popisek(this, QStringLiteral("Numerické porovnání výsledků"), QPoint(540, 6));
    tabulka = new QTableWidget(2, 3, this);
    tabulka->setObjectName(QStringLiteral("tabulka"));
    tabulka->setGeometry(540, 24, 196, 249);
    tabulka->verticalHeader()->hide();
    tabulka->horizontalHeader()->hide();
    tabulka->verticalHeader()->setDefaultSectionSize(18);
    tabulka->verticalHeader()->setMinimumSectionSize(18);
    tabulka->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tabulka->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabulka->setColumnWidth(0, 45);
    tabulka->setColumnWidth(1, 64);
    tabulka->setColumnWidth(2, 64);
    tabulka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    nastavBunku(tabulka, 0, 0, QStringLiteral("Vzorek"));
    nastavBunku(tabulka, 0, 1, QStringLiteral("DFT"));
    nastavBunku(tabulka, 0, 2, QStringLiteral("FFT"));
    for (int c = 0; c < 3; ++c) {
        QFont f = tabulka->item(0, c)->font();
        f.setBold(true);
        tabulka->item(0, c)->setFont(f);
        tabulka->item(0, c)->setBackground(palette().color(QPalette::Button));
    }

    Button1 = new QPushButton(QStringLiteral("Ukázka programu použitého pro výpočet"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setToolTip(QStringLiteral("Zobrazí nápovědu s programem, který je použit pro výpočet"));
    Button1->setGeometry(540, 280, 261, 30);

    casovac = new QTimer(this);
    casovac->setObjectName(QStringLiteral("casovac"));
    casovac->setInterval(10);

    napoveda::pridejNapovedu(this, QStringLiteral("/oporovnani.html"));

    rad->setCurrentIndex(3);
    opakovani->setCurrentIndex(3);
    connect(rad, &QComboBox::currentIndexChanged, this, &TFFTporovnani::radChange);
    connect(opakovani, &QComboBox::currentIndexChanged, this, &TFFTporovnani::radChange);
    connect(spustit, &QPushButton::clicked, this, &TFFTporovnani::spustitClick);
    connect(konec, &QPushButton::clicked, this, &TFFTporovnani::konecClick);
    connect(casovac, &QTimer::timeout, this, &TFFTporovnani::casovacTimer);
    connect(Button1, &QPushButton::clicked, this,
            [] { napoveda::otevri(napoveda::tema(QStringLiteral("FFTporovnani.html"))); });
    radChange();
}

TFFTporovnani::~TFFTporovnani() { zastavBeh(); }

void TFFTporovnani::closeEvent(QCloseEvent* e)
{
    zastavBeh();
    QWidget::closeEvent(e);
}

void TFFTporovnani::zastavBeh()
{
    if (m_vlakno) {
        m_vlakno->zastavAPockej();
        m_vlakno.reset();
    }
}

void TFFTporovnani::radChange()
{
    Lvzorku->setText(rad->currentText());
    Ldelka->setText(fft::desitkove(rad->currentIndex() + 5));
    Lcyklu->setText(opakovani->currentText() + QStringLiteral(" krát"));
}

void TFFTporovnani::spustitClick()
{
    if (m_vlakno)
        return;
    spustit->setEnabled(false);
    casovac->start();
    m_vlakno = std::make_unique<Tvlakno>(
        m_sdilene, [this](Tvlakno& v) { nastaveni(v); }, [this](Tvlakno& v) { vypis(v); });
    m_vlakno->spust();
}

void TFFTporovnani::konecClick()
{
    if (m_vlakno)
        m_vlakno->zastav();
}

void TFFTporovnani::casovacTimer()
{
    const std::int32_t R = m_sdilene.R.load();
    pDFT->setValue(porovnani::procenta(m_sdilene.hotovoDFT.load(), R));
    pFFT->setValue(porovnani::procenta(m_sdilene.hotovoFFT.load(), R));
    if (spustit->isEnabled()) {
        casovac->stop();
        // `vypis` has run; the thread is returning and is collected here.
        if (m_vlakno) {
            m_vlakno->pockej();
            m_vlakno.reset();
        }
    }
}

void TFFTporovnani::nastaveni(Tvlakno& v)
{
    m_sdilene.hotovoDFT.store(0);
    m_sdilene.hotovoFFT.store(0);
    v.L = rad->currentIndex() + 5;
    v.N = 1 << v.L;
    m_sdilene.R.store(porovnani::opakovani(opakovani->currentIndex()));
}

void TFFTporovnani::vypis(Tvlakno& v)
{
    const QChar oddelovac = vorta::desetinnyOddelovac();
    if (v.zastaveno()) {
        v.DFTcas = 0;
        v.FFTcas = 0;
        m_sdilene.hotovoDFT.store(0);
        m_sdilene.hotovoFFT.store(0);
        tabulka->setRowCount(2);
        for (int c = 0; c < 3; ++c)
            nastavBunku(tabulka, 1, c, QString());
    } else {
        tabulka->setRowCount(v.N + 1);
        for (int i = 0; i < v.N; ++i) {
            nastavBunku(tabulka, i + 1, 0, fft::desitkove(i));
            nastavBunku(tabulka, i + 1, 1, vorta::fixniFormat(porovnani::velikostDFT(v.data, i), 3, oddelovac));
            nastavBunku(tabulka, i + 1, 2, vorta::fixniFormat(porovnani::velikostFFT(v.data, i), 3, oddelovac));
        }
    }
    const std::int32_t R = m_sdilene.R.load();
    DFTcas->setText(porovnani::celkem(v.DFTcas, oddelovac));
    FFTcas->setText(porovnani::celkem(v.FFTcas, oddelovac));
    DFTcasP->setText(porovnani::jednou(v.DFTcas, R, oddelovac));
    FFTcasp->setText(porovnani::jednou(v.FFTcas, R, oddelovac));
    krat->setText(porovnani::zrychleni(v.DFTcas, v.FFTcas, oddelovac));
    spustit->setEnabled(true);
}
