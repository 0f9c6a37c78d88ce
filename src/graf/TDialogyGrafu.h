#pragma once
// The file dialogs and message boxes of a graph's popup menu. The graph asks
// through this class only, so that tests can answer in place of the user.
#include <QString>
#include <QStringList>

class QWidget;

// One file dialog of a graph: what it offers, and the folder and file name
// it remembers for the life of the program.
struct StavDialogu {
    QStringList filtry;
    // Appended to a name without a suffix; empty = none. A filter with one
    // extension ("PNG (*.png)") appends that extension instead while chosen.
    QString pripona;
    QString slozka;
    QString soubor;
    QString filtr; // the filter chosen last; empty = the first
};

class TDialogyGrafu {
public:
    enum class Odpoved { Ano, Ne, Zrusit };

    virtual ~TDialogyGrafu() = default;

    // The chosen file, or an empty text when the user cancels. A confirmed
    // choice is remembered in `stav`.
    virtual QString ulozit(QWidget* rodic, StavDialogu& stav);
    virtual QString otevrit(QWidget* rodic, StavDialogu& stav);

    // Texts are passed as the program states them; each "\r" is a line break.
    virtual Odpoved otazka(QWidget* rodic, const QString& text); // yes, no, cancel
    virtual void chyba(QWidget* rodic, const QString& text);     // OK
    virtual void varovani(QWidget* rodic, const QString& text);  // OK

    static QString radky(QString text);
};
