#pragma once
// A drawing surface with a back buffer: a frame is drawn into the back buffer
// while the window keeps showing the last presented one, and `prevrat`
// presents it (the two buffers swap, nothing is copied). The buffers hold
// the screen's own pixels: at a pixel ratio of 2 a 200 x 200 surface is
// drawn 400 x 400, not enlarged.
#include <QImage>
#include <QWidget>

class TPlocha : public QWidget {
    Q_OBJECT
public:
    TPlocha(QSize rozmer, QColor pozadi, QWidget* parent = nullptr);

    // Whether a frame can be shown now: not while the window is hidden or
    // minimised.
    bool muzeKreslit() const;
    // The back buffer at the widget's present pixel ratio (both buffers are
    // made anew, cleared, when the window has moved to a screen of another).
    QImage& zadni();
    const QImage& predni() const { return m_predni; }
    void prevrat();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void nastavBuffery(qreal dpr);

    QSize m_rozmer;
    QColor m_pozadi;
    QImage m_predni, m_zadni;
};
