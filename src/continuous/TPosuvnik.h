#pragma once
// The horizontal scroll bar of the windows that set one number by sliding:
// it takes the keyboard focus (Tab reaches it), shows that it has it, and
// its arrow keys move the handle the way they point.
#include <QScrollBar>

class TPosuvnik : public QScrollBar {
    Q_OBJECT
public:
    explicit TPosuvnik(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};
