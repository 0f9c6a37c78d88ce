#include "graf/TMenuGrafu.h"

#include "graf/TGraf.h"
#include "graf/obrazky.h"
#include "graf/vgf.h"

#include <QFileInfo>
#include <QMenu>

namespace {

const QString otazkaPrepsat = QStringLiteral("Tento soubor již existuje!\rPřejete si jej nahradit?");
const QString chybaUlozeni =
    QStringLiteral("Došlo k chybě, soubor nelze uložit!\rPravděpodobně do vybrané oblasti nemáte povolený zápis.");
const QString chybaFormatu = QStringLiteral("Soubor nelze otevřít!\rFormát datového souboru je neplatný.");
const QString chybaOtevreni = QStringLiteral(
    "Došlo k chybě, soubor nelze otevřít!\rPravděpodobně jej používá jiná aplikace nebo je poškozen.");
const QString chybaObrazku = QStringLiteral("Došlo k chybě, obrázek nelze uložit!\r");

// "*" rather than "*.*": names without a dot are files too.
const QString filtrVse = QStringLiteral("Vše (*)");

} // namespace

TMenuGrafu::TMenuGrafu(TGraf* graf)
    : QObject(graf), m_graf(graf), m_menu(new QMenu(graf)), m_dialogy(std::make_shared<TDialogyGrafu>())
{
    m_menu->addAction(QStringLiteral("Uložit jako obrázek"), this, [this] { ulozObrazek(false); });
    m_menu->addAction(QStringLiteral("Uložit jako obrázek bez pozadí"), this, [this] { ulozObrazek(true); });
    m_menu->addSeparator();
    m_nacist = m_menu->addAction(QStringLiteral("Načíst graf ze souboru"), this, [this] { nactiGraf(); });
    m_ulozit = m_menu->addAction(QStringLiteral("Uložit graf do souboru"), this, [this] { ulozGraf(); });
    m_nacist->setEnabled(graf->MenuOtevrit());
    m_ulozit->setEnabled(graf->MenuUlozit());

    const QString filtrGrafu = QStringLiteral("Soubor s grafy (*.vgf)");
    m_obrazky.filtry = {QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("PNG (*.png)"), filtrVse};
    m_obrazky.pripona = QStringLiteral("bmp");
    m_ulozeni.filtry = {filtrGrafu, filtrVse};
    m_ulozeni.pripona = QStringLiteral("vgf");
    m_otevreni.filtry = {filtrGrafu, filtrVse};
}

void TMenuGrafu::setDialogy(std::shared_ptr<TDialogyGrafu> dialogy)
{
    if (dialogy)
        m_dialogy = std::move(dialogy);
}

std::optional<QString> TMenuGrafu::vyberCil(StavDialogu& stav, const std::function<QString(const QString&)>& uprava)
{
    for (;;) {
        QString soubor = m_dialogy->ulozit(m_graf, stav);
        if (soubor.isEmpty())
            return std::nullopt;
        // The question is about the file that would really be replaced.
        if (uprava)
            soubor = uprava(soubor);
        if (!QFileInfo::exists(soubor))
            return soubor;
        switch (m_dialogy->otazka(m_graf, otazkaPrepsat)) {
        case TDialogyGrafu::Odpoved::Ano: return soubor;
        case TDialogyGrafu::Odpoved::Ne: continue;
        case TDialogyGrafu::Odpoved::Zrusit: return std::nullopt;
        }
    }
}

void TMenuGrafu::ulozObrazek(bool bezPozadi)
{
    const auto soubor = vyberCil(m_obrazky, [this](const QString& s) {
        return vorta::graf::cilObrazku(s, m_obrazky.filtr).soubor;
    });
    if (!soubor)
        return;
    // The name is final: its extension now says the format.
    const auto cil = vorta::graf::cilObrazku(*soubor, m_obrazky.filtr);
    if (const auto chyba = vorta::graf::ulozObrazek(m_graf->obrazek(bezPozadi), cil))
        m_dialogy->chyba(m_graf, chybaObrazku + *chyba);
}

void TMenuGrafu::ulozGraf()
{
    const auto soubor = vyberCil(m_ulozeni, {});
    if (!soubor)
        return;
    if (!vorta::graf::ulozVgf(*soubor, m_graf->PocetBodu(), m_graf->sloty().data()))
        m_dialogy->chyba(m_graf, chybaUlozeni);
}

void TMenuGrafu::nactiGraf()
{
    const QString soubor = m_dialogy->otevrit(m_graf, m_otevreni);
    if (soubor.isEmpty())
        return;
    using vorta::graf::StavNacteni;
    const vorta::graf::NactenyGraf n = vorta::graf::nactiVgf(soubor);
    // Read whole and checked first: a damaged file leaves the graph as it was.
    if (n.stav == StavNacteni::Ok)
        m_graf->nastavZaznamy(n.pocet, n.zaznamy.data(), int(n.zaznamy.size()));
    m_graf->update();
    if (n.stav == StavNacteni::NeplatnyFormat)
        m_dialogy->varovani(m_graf, chybaFormatu);
    else if (n.stav != StavNacteni::Ok)
        m_dialogy->chyba(m_graf, chybaOtevreni);
}
