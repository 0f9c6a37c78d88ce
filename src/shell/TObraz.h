#pragma once
// A label that shows a picture drawn for it: not before the label is first
// shown, and at the device pixel ratio of the screen it is shown on, so that
// a scaled screen gets a sharp picture rather than an enlarged one. The
// picture is drawn again when that ratio changes.
#include <QLabel>
#include <functional>

class TObraz : public QLabel {
public:
    // Draws the picture at a device pixel ratio.
    using Kresba = std::function<QImage(qreal pomer)>;

    explicit TObraz(QWidget* rodic = nullptr);

    // The picture to show from now on: drawn at once if the label is
    // visible, otherwise when it is shown.
    void nastav(Kresba kresba);

    // The ratio the shown picture was drawn at; 0 while none is drawn.
    qreal pomer() const { return m_pomer; }

protected:
    bool event(QEvent* e) override;

private:
    void nakresli();

    Kresba m_kresba;
    qreal m_pomer = 0;
};
