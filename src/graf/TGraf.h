#pragma once
// The graph control that nearly every window draws through. It keeps one list
// of up to 3072 points, each with its own style code, and paints them with a
// title, axis titles, number labels, ticks, grid and zero lines.
//
// Style code: 0 moves the pen, > 0 draws a line from the pen, < 0 draws a
// circle marker; |code| mod 100 picks the colour, |code| div 100 the pen
// width (0 = SirkaCary). The first point after Smaz is always a move.
#include "graf/KreslirGrafu.h"
#include "graf/bod.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QMenu;
class QAction;
class QPainter;
class QMimeData;
class TDialogyGrafu;
class TMenuGrafu;
class TGraf : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxBodu = vorta::graf::MaxBodu;
    static constexpr int PocetSlotu = vorta::graf::PocetSlotu;

    explicit TGraf(QWidget* parent = nullptr);
    ~TGraf() override;

    // --- point store (no operation repaints; the caller calls update()) ---
    void PridejBod(std::int32_t styl, double x, double y);
    void PridejZaznam(const TBod& bod);
    // Slots 0 ... 3072; an index outside gives a zero record.
    TBod CtiBod(int index) const;
    void Smaz();
    // A stem: a vertical line in style `styl` from the x axis to (x, y) with a
    // circle at its end, the mark of one line of a spectrum or one sample.
    void PridejStonek(std::int32_t styl, double x, double y);
    int PocetBodu() const { return m_pocet; }
    // Replaces the whole store as a graph file or a drag payload holds it:
    // count, then slots 0 ... count (the slot after the last point included).
    void nastavZaznamy(int pocet, const TBod* sloty, int pocetSlotu);
    const std::array<TBod, PocetSlotu>& sloty() const { return m_body; }

    // --- properties (setters repaint, except the two menu switches) ---
    QColor BarvaPozadi() const { return m_barvaPozadi; }
    void setBarvaPozadi(const QColor& c);
    TTypRamecku Ramecek() const { return m_ramecek; }
    void setRamecek(TTypRamecku r);
    TTvarovac Tvarovac() const { return m_tvarovac; }
    void setTvarovac(TTvarovac t);
    QString Nadpis() const { return m_nadpis; }
    void setNadpis(const QString& s);
    QString xNadpis() const { return m_xNadpis; }
    void setXNadpis(const QString& s);
    QString yNadpis() const { return m_yNadpis; }
    void setYNadpis(const QString& s);
    QString xJednotka() const { return m_xJednotka; }
    void setXJednotka(const QString& s);
    QString yJednotka() const { return m_yJednotka; }
    void setYJednotka(const QString& s);
    double xMin() const { return m_xMin; }
    void setXMin(double v);
    double xMax() const { return m_xMax; }
    void setXMax(double v);
    double yMin() const { return m_yMin; }
    void setYMin(double v);
    double yMax() const { return m_yMax; }
    void setYMax(double v);
    int xTyp() const { return m_xTyp; }
    void setXTyp(int v);
    int yTyp() const { return m_yTyp; }
    void setYTyp(int v);
    bool Nuly() const { return m_nuly; }
    void setNuly(bool b);
    bool Cary() const { return m_cary; }
    void setCary(bool b);
    int SirkaCary() const { return m_sirkaCary; }
    void setSirkaCary(int v);
    double xCislic() const { return m_xCislic; }
    void setXCislic(double v);
    double yCislic() const { return m_yCislic; }
    void setYCislic(double v);
    bool MenuUlozit() const { return m_menuUlozit; }
    void setMenuUlozit(bool b);
    bool MenuOtevrit() const { return m_menuOtevrit; }
    void setMenuOtevrit(bool b);

    // The look of a computed plot that offers no file items: linear axes,
    // zero lines, grid, lines two pixels wide, neither "save" nor "open" in
    // its popup menu.
    void nastavVypocetni();

    // Convenience for windows: the three titles, and both ranges with their
    // divisions, at once.
    void nastavNadpisy(const QString& nadpis, const QString& xNadpis, const QString& yNadpis);
    void nastavOsy(double xMin, double xMax, double yMin, double yMax, double xCislic, double yCislic);

    // Automatic drag mode (on unless a window turns it off): left press and
    // move starts a drag of this graph, so that any plot of the program can
    // be taken to a window that accepts signals.
    bool automatickeTazeni() const { return m_automatickeTazeni; }
    void setAutomatickeTazeni(bool b) { m_automatickeTazeni = b; }
    // Whether a graph dragged from anywhere in the program may be dropped here;
    // a drop emits grafPretazen.
    bool prijimaGrafy() const { return m_prijimaGrafy; }
    void setPrijimaGrafy(bool b);

    // The whole paint routine, onto any painter of the control's size, at
    // the pixel ratio of the painter's device.
    void vykresli(QPainter& p);
    // The fields as the painter reads them (at ratio 1), and the painter that keeps the
    // background between paints.
    vorta::graf::PopisGrafu popis() const;
    const vorta::graf::KreslirGrafu& kreslir() const { return m_kreslir; }
    // The picture as saved: frameless, on white when bezPozadi, 8 bits per
    // pixel; the control itself keeps its look and is not repainted.
    QImage obrazek(bool bezPozadi);

    // The popup menu's actions, in order: picture, picture without background,
    // separator, load, save.
    QMenu* popupMenu() const;
    // The menu's commands (dialogs, questions, files), and the dialogs they
    // ask through; tests put their own answers in.
    TMenuGrafu* menuGrafu() const { return m_menuGrafu; }
    void setDialogy(std::shared_ptr<TDialogyGrafu> dialogy);

    // The graph's number among the live graphs of this process, which a drag
    // payload carries; 0 is never used.
    std::uint64_t cisloGrafu() const { return m_cislo; }
    static TGraf* podleCisla(std::uint64_t cislo);

signals:
    // A graph of this program was dropped here; the receiver reads its points
    // with PocetBodu/CtiBod.
    void grafPretazen(TGraf* zdroj, QPoint globalniPozice);

protected:
    void paintEvent(QPaintEvent*) override;
    void contextMenuEvent(QContextMenuEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dragMoveEvent(QDragMoveEvent*) override;
    void dropEvent(QDropEvent*) override;

private:
    void zmeneno();
    void opravRozsahy();
    TGraf* zdrojTazeni(const QMimeData* data) const;

    QColor m_barvaPozadi{0, 255, 255};
    TTypRamecku m_ramecek = rDolu;
    TTvarovac m_tvarovac = tLinearne;
    std::array<TBod, PocetSlotu> m_body{};
    int m_pocet = 0;
    QString m_nadpis, m_xNadpis, m_yNadpis, m_xJednotka, m_yJednotka;
    double m_xMin = 0, m_xMax = 100, m_yMin = 0, m_yMax = 100;
    int m_xTyp = 0, m_yTyp = 0;
    bool m_nuly = true, m_cary = true;
    bool m_prvniBod = true;
    int m_sirkaCary = 1;
    double m_xCislic = 10, m_yCislic = 10;
    bool m_menuUlozit = false, m_menuOtevrit = false;
    bool m_automatickeTazeni = true, m_prijimaGrafy = false;
    QPoint m_stiskTazeni;
    bool m_stisknuto = false;
    std::uint64_t m_cislo = 0;
    QImage m_platno; // reused by every paint
    vorta::graf::KreslirGrafu m_kreslir;
    TMenuGrafu* m_menuGrafu = nullptr;
};
