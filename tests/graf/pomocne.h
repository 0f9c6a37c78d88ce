#pragma once
// Shared by the graph tests: a graph drawn as the screen shows it, and
// dialogs that answer from a script instead of the user.
#include "graf/TDialogyGrafu.h"
#include "graf/TGraf.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <deque>

inline QImage vykreslene(TGraf& g)
{
    QImage obraz(g.size(), QImage::Format_RGB32);
    QPainter p(&obraz);
    g.vykresli(p);
    return obraz;
}

// Counts the paints a widget receives.
struct Malby : QObject {
    int pocet = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        pocet += e->type() == QEvent::Paint;
        return false;
    }
};

struct SkriptDialogu : TDialogyGrafu {
    std::deque<QString> soubory;   // what the file dialog returns, in turn ("" = cancel)
    std::deque<Odpoved> odpovedi; // answers to the overwrite question
    int dialogu = 0;
    QStringList otazky, chyby, upozorneni;

    QString ulozit(QWidget*, StavDialogu&) override { return dalsi(); }
    QString otevrit(QWidget*, StavDialogu&) override { return dalsi(); }
    Odpoved otazka(QWidget*, const QString& t) override
    {
        otazky << t;
        const Odpoved o = odpovedi.empty() ? Odpoved::Zrusit : odpovedi.front();
        if (!odpovedi.empty())
            odpovedi.pop_front();
        return o;
    }
    void chyba(QWidget*, const QString& t) override { chyby << t; }
    void varovani(QWidget*, const QString& t) override { upozorneni << t; }

private:
    QString dalsi()
    {
        ++dialogu;
        if (soubory.empty())
            return {};
        const QString s = soubory.front();
        soubory.pop_front();
        return s;
    }
};
