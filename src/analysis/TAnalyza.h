#pragma once
// The frame shared by the five analysis windows (Fourier series, Fourier
// transform, discrete Fourier series, DTFT, DFT). A window derives from it,
// lays out nothing of the common part itself and writes only its own
// computation and graphs:
//
//   class TDFT : public TAnalyza {
//   public:
//       TDFT() : TAnalyza({5, "DFT", "DFT - ...", "/odft.html", {985, 681}, true}) {
//           // axes and titles of origin, obraz, an, bn; ranges of stupen/vzorku
//       }
//       void zmenadat() override;      // ctiInterval(), compute, then stupenChange()
//   protected:
//       void stupenChange() override;  // redraw obraz, an, bn from stored values
//       void vzorkuChange() override;  // discrete windows only
//   };
//
// What the frame does for every window:
// - the controls and their arrangement: origin and obraz (393 x 193) in the
//   top row right of the "Zdroje dat" group with its three buttons, the scroll
//   bar stupen with its read-out harmonickych above origin and, in the
//   discrete windows, vzorecku with vzorku above obraz, an and bn across the
//   whole width below; common graph settings; the F1 help item;
// - delivery from the entry tools: it registers with zadatel under its code
//   and puts a delivered period into origin (three periods in the periodic
//   windows 1, 3, 5; the pulse between zeros in the pulse windows 2, 4), then
//   calls zmenadat();
// - a graph dropped on origin: copied record by record (the pulse windows set
//   y = 0 where |x| > 0.5), then zmenadat();
// - drag-over: over origin it closes the two-signal window and accepts a
//   graph; over the controls of the window's row of the drag-over table
//   (odmitajiciOvladace) it closes the two-signal window and refuses; over
//   anything else it only refuses;
// - the data-source buttons: "Nakreslit signál" and "Zadat z obrázku" set
//   zadatel and run the drawing editor (Tkreslic) or the picture analyser
//   (Tobrazek) modally; "Zadat z editoru" shows the two-signal window
//   (Tsoucet) and returns when it closes (it closes itself at the first
//   drag-over of an analysis window);
// - ctiInterval(): the analysis interval read out of origin, always with
//   M >= 1 and finite samples (see analysis/interval.h for the rules of odd
//   input);
// - kresliSpektrum(): the line spectrum plot of the discrete periodic windows
//   (see analysis/spektrum.h).
#include "analysis/interval.h"
#include "analysis/spektrum.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class TGraf;

class TAnalyza : public QWidget {
    Q_OBJECT
public:
    struct Popis {
        int kod;          // zadatel code: 1 Tfrada, 2 Ttransformace, 3 TDFR, 4 TDTFT, 5 TDFT
        QString jmeno;    // instance name ("frada")
        QString titulek;  // caption
        QString tema;     // help topic path ("/oanalyza.html")
        QSize klient;     // client size
        bool diskretni;   // has vzorku and vzorecku
    };

    explicit TAnalyza(const Popis& popis, QWidget* parent = nullptr);
    ~TAnalyza() override;

    // The input graph has changed: read it, recompute, redraw everything.
    virtual void zmenadat() = 0;

    // Puts 600 amplitudes of one period or pulse (v[i] at t = i/600) into
    // origin as the entry tools deliver them, repaints it and recomputes.
    void predejSignal(const std::vector<double>& perioda);
    // A dragged graph arrives on origin.
    void originDragDrop(const TGraf* zdroj);

    int kod() const { return m_kod; }
    // Pulse windows (codes 2 and 4) analyse -0.5 <= t < 0.5, the periodic
    // ones 0 <= t < 1.
    bool pulzni() const { return m_kod == 2 || m_kod == 4; }
    double t0() const { return pulzni() ? -0.5 : 0.0; }
    double t1() const { return pulzni() ? 0.5 : 1.0; }

    // Object names of the controls over which a drag closes the two-signal
    // window and is refused; the window's own name stands for the form.
    static QStringList odmitajiciOvladace(int kod);

    // Runs a window modally and returns when it is hidden again. The
    // two-signal window runs without modality (beside this loop) so that its
    // graphs can be dropped on the analysis windows.
    static void spustModalne(QWidget* okno, bool modalni = true);

protected:
    // Scroll bar handlers; the frame connects them.
    virtual void stupenChange() = 0;
    virtual void vzorkuChange() {}

    analyza::Interval ctiInterval() const;
    // Fills a graph with a point list as if each point were appended in turn
    // (the first is a move, points beyond the capacity are dropped) and
    // repaints it.
    static void vykresli(TGraf* g, const std::vector<TBod>& body);
    // The windows whose scroll bar chooses a frequency limit read it out as
    // "ω=…": Label1 with the letter stands between stupen and harmonickych.
    void pridejOmegu(const QString& napoveda);
    static void kresliSpektrum(TGraf* rec, TGraf* mag, TGraf* ph, int P, int N, const spektrum::PoleM& Re,
                               const spektrum::PoleM& Im, double scale);

    bool eventFilter(QObject* o, QEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void showEvent(QShowEvent* e) override;

    TGraf* origin = nullptr;
    TGraf* obraz = nullptr;
    TGraf* an = nullptr;
    TGraf* bn = nullptr;
    QScrollBar* stupen = nullptr;
    QLabel* harmonickych = nullptr;
    QLabel* Label1 = nullptr;       // "ω" before harmonickych (pridejOmegu)
    QScrollBar* vzorku = nullptr;   // discrete windows only
    QLabel* vzorecku = nullptr;     // discrete windows only
    QGroupBox* GroupBox1 = nullptr;
    QPushButton* Button3 = nullptr; // "Zadat z editoru"
    QPushButton* Button1 = nullptr; // "Nakreslit signál"
    QPushButton* Button4 = nullptr; // "Zadat z obrázku"

private:
    void Button1Click();
    void Button3Click();
    void Button4Click();
    void tazeniNad(QDropEvent* e);
    static void zavriSoucet();

    int m_kod;
    QStringList m_odmitajici;
};
