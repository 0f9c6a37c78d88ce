#pragma once
// Every hint of the program leaves after the same time, however long its text:
// a widget that has not chosen its own time gets this one the first time its
// hint is asked for.
#include <QObject>

class DobaNapovedy : public QObject {
public:
    DobaNapovedy(int ms, QObject* parent);
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    int m_ms;
};
