#pragma once
// The scroll bar of every window that sets a number by sliding: it takes the
// keyboard focus (Tab reaches it), shows that it has it, and its arrow keys
// move the handle the way they point.
#include <QScrollBar>

class TPosuvnik : public QScrollBar {
    Q_OBJECT
public:
    explicit TPosuvnik(QWidget* parent = nullptr, Qt::Orientation smer = Qt::Horizontal);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};
