#pragma once
// The picture analyser's canvas on screen. It shows the off-screen painted
// canvas image that the analysis reads, and reports the mouse: pressing and
// moving with the button held pick the colour under it.
#include <QWidget>

class QImage;

class TPlatno : public QWidget {
    Q_OBJECT
public:
    TPlatno(const QImage& obraz, QWidget* parent);

signals:
    void stisk(QPoint bod);
    void tah(QPoint bod);
    void pusteni();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const QImage& m_obraz;
};
