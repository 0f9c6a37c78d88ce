#pragma once
// The canvas of the FFT window: the whole signal-flow graph of one transform,
// drawn from the values and texts of fft::Tok, so that what it shows is what
// was computed. Columns are exactly as wide as their widest text; the layout
// is worked out when the data change, and a paint draws only the rows it is
// asked to.
#include "fft/tok.h"

#include <QFont>
#include <QHash>
#include <QWidget>
#include <vector>

class TPlatnoFFT : public QWidget {
    Q_OBJECT
public:
    explicit TPlatnoFFT(QWidget* parent = nullptr);

    // New graph: lays out the columns and takes the size 25*N + 20 high and
    // the last column's right edge + 10 wide.
    void nastav(fft::Tok tok, fft::TextyToku texty);

    const fft::Tok& tok() const { return m_tok; }
    const fft::TextyToku& texty() const { return m_texty; }
    // Left edges of the text columns in drawing order, for tests and the help
    // page's checks of the layout.
    std::vector<int> sloupce() const;

signals:
    void klepnuto();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    struct Texty {
        int x;                            // where the texts start (column edge + 5)
        const std::vector<QString>* radky; // one text per row; empty = none
    };
    struct Ramecky {
        int x1, x2;
        int bit; // -1: red frames on every row; else black frames on rows with this bit
    };
    struct Cara {
        int x, d; // horizontal line on every row from x to x + d
    };
    struct Etapa {
        int xKonstanty;   // left edge of the twiddle column
        int sirka;        // widest twiddle label + 10
        int xMotylku;     // left edge of the butterflies
        int D;            // butterfly span
    };

    int sirkaNejsirsiho(const std::vector<QString>& t);
    int sirka(const QString& s);
    void rozvrhni();

    QFont m_pismo;
    // Widths of texts measured so far. When every digit of the font has the
    // same advance (and kerning is off), a text is as wide as the same text
    // with every digit written as 0, so the key is that form and the few
    // shapes of a column are measured once.
    QHash<QString, int> m_sirky;
    bool m_stejneCislice = false;
    fft::Tok m_tok;
    fft::TextyToku m_texty;
    std::vector<Texty> m_texty2;
    std::vector<Ramecky> m_ramecky;
    std::vector<Cara> m_pomlcky;
    int m_xPreskupeni = 0;
    std::vector<Etapa> m_etapy;
};
