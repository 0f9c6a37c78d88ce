#include "graf/TDialogyGrafu.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

const QString titulek = QStringLiteral("VORTA");

// "png" from "PNG (*.png)"; the default for a filter of anything else.
QString priponaFiltru(const QString& filtr, const QString& vychozi)
{
    static const QRegularExpression jedna(QStringLiteral("\\(\\*\\.([A-Za-z0-9]+)\\)$"));
    const auto m = jedna.match(filtr);
    return m.hasMatch() ? m.captured(1) : vychozi;
}

QString vyber(QWidget* rodic, StavDialogu& stav, bool ukladani)
{
    QFileDialog d(rodic, ukladani ? QStringLiteral("Uložit jako") : QStringLiteral("Otevřít"));
    d.setAcceptMode(ukladani ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(ukladani ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The graph asks about overwriting itself, with its own words.
    d.setOption(QFileDialog::DontConfirmOverwrite);
    d.setNameFilters(stav.filtry);
    if (!stav.filtr.isEmpty())
        d.selectNameFilter(stav.filtr);
    if (!stav.pripona.isEmpty()) {
        const QString vychozi = stav.pripona;
        auto pripona = [&d, vychozi](const QString& filtr) { d.setDefaultSuffix(priponaFiltru(filtr, vychozi)); };
        pripona(d.selectedNameFilter());
        QObject::connect(&d, &QFileDialog::filterSelected, &d, pripona);
    }
    if (!stav.slozka.isEmpty())
        d.setDirectory(stav.slozka);
    if (!stav.soubor.isEmpty())
        d.selectFile(stav.soubor);
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    const QString soubor = d.selectedFiles().constFirst();
    const QFileInfo info(soubor);
    stav.slozka = info.absolutePath();
    stav.soubor = info.fileName();
    stav.filtr = d.selectedNameFilter();
    return soubor;
}

void zprava(QWidget* rodic, QMessageBox::Icon ikona, const QString& text)
{
    QMessageBox m(ikona, titulek, TDialogyGrafu::radky(text), QMessageBox::Ok, rodic);
    m.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    m.exec();
}

} // namespace

QString TDialogyGrafu::ulozit(QWidget* rodic, StavDialogu& stav) { return vyber(rodic, stav, true); }

QString TDialogyGrafu::otevrit(QWidget* rodic, StavDialogu& stav) { return vyber(rodic, stav, false); }

TDialogyGrafu::Odpoved TDialogyGrafu::otazka(QWidget* rodic, const QString& text)
{
    QMessageBox m(QMessageBox::Question, titulek, radky(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, rodic);
    m.button(QMessageBox::Yes)->setText(QStringLiteral("&Ano"));
    m.button(QMessageBox::No)->setText(QStringLiteral("&Ne"));
    m.button(QMessageBox::Cancel)->setText(QStringLiteral("Storno"));
    switch (m.exec()) {
    case QMessageBox::Yes: return Odpoved::Ano;
    case QMessageBox::No: return Odpoved::Ne;
    default: return Odpoved::Zrusit;
    }
}

void TDialogyGrafu::chyba(QWidget* rodic, const QString& text) { zprava(rodic, QMessageBox::Critical, text); }

void TDialogyGrafu::varovani(QWidget* rodic, const QString& text) { zprava(rodic, QMessageBox::Warning, text); }

QString TDialogyGrafu::radky(QString text) { return text.replace(u'\r', u'\n'); }
