#pragma once
// The popup menu of one graph and its commands: pictures with and without
// background, loading and saving graph files, each with its own dialog that
// remembers its folder and file name.
#include "graf/TDialogyGrafu.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class TGraf;

class TMenuGrafu : public QObject {
    Q_OBJECT
public:
    explicit TMenuGrafu(TGraf* graf);

    QMenu* menu() const { return m_menu; }
    QAction* akceNacist() const { return m_nacist; }
    QAction* akceUlozit() const { return m_ulozit; }
    void setDialogy(std::shared_ptr<TDialogyGrafu> dialogy);

    void ulozObrazek(bool bezPozadi);
    void nactiGraf();
    void ulozGraf();

    const StavDialogu& dialogObrazku() const { return m_obrazky; }
    const StavDialogu& dialogUlozeni() const { return m_ulozeni; }
    const StavDialogu& dialogOtevreni() const { return m_otevreni; }

private:
    // The save dialog, asked again after "no" to the overwrite question;
    // `uprava` turns the chosen name into the file really written.
    std::optional<QString> vyberCil(StavDialogu& stav, const std::function<QString(const QString&)>& uprava);

    TGraf* m_graf;
    QMenu* m_menu;
    QAction* m_nacist;
    QAction* m_ulozit;
    StavDialogu m_obrazky, m_ulozeni, m_otevreni;
    std::shared_ptr<TDialogyGrafu> m_dialogy;
};
