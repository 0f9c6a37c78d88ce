#pragma once
// The about window: name, version, purpose and dates of the program. Shown
// modally from the main window's help menu; when created it gives the main
// window its version title.
#include <QDialog>
#include <vector>

class QLabel;

class Toprog : public QDialog {
    Q_OBJECT
public:
    explicit Toprog(QWidget* parent = nullptr);

    static QString adresa(); // the page the logo opens

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QLabel* text(const char* jmeno, const QString& text, int x, int y, int pixelu, bool tucne);

    QLabel* verze = nullptr;
    QLabel* logo = nullptr;
    std::vector<QLabel*> m_texty;
    bool m_pripraveno = false;
};
