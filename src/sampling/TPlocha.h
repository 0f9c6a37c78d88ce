#pragma once
// A drawing surface with a back buffer: a frame is drawn into the back buffer
// while the window keeps showing the last presented one, and `prevrat`
// presents it (the two buffers swap, nothing is copied).
#include <QImage>
#include <QWidget>

class TPlocha : public QWidget {
    Q_OBJECT
public:
    TPlocha(QSize rozmer, QColor pozadi, QWidget* parent = nullptr);

    // Whether a frame can be shown now: not while the window is hidden or
    // minimised.
    bool muzeKreslit() const;
    QImage& zadni() { return m_zadni; }
    const QImage& predni() const { return m_predni; }
    void prevrat();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage m_predni, m_zadni;
};
