#pragma once
// The main window: the menu of every demonstration and a clickable topic
// index with help links. It owns no other window; it shows them through the
// window registry.
#include <QMainWindow>
#include <QPoint>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QScrollArea;
class QStatusBar;
class QTimer;

class THlavniOkno : public QMainWindow {
    Q_OBJECT
public:
    explicit THlavniOkno(QWidget* parent = nullptr);

    // Menu items and index links work only for windows that exist or wait
    // to be made; start-up calls this once every window is registered.
    void obnovDostupnost();

    // Centres the main window and every other existing window on the work
    // area; the start-up timer runs it once.
    void TimerTimer();

    QString textStavu() const;
    // The window class of every menu item that shows a window.
    QStringList tridyMenu() const;
    QScrollArea* schranka() const { return box; }
    QLabel* nazev(int i) const { return nazvy.at(i); }
    QLabel* navod(int i) const { return navody.at(i); }
    QLabel* teorie(int i) const { return teorieIkony.at(i); }
    QLabel* popisOdkazu(int i) const { return popisy.at(i); }
    QFrame* bevel(int i) const { return bevely.at(i); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void vytvorMenu();
    void FormCreate();
    void FormResize();
    void rozloz();
    void boxMouseWheel(QPoint delta);
    void nastavStav(const QString& text);
    void nastavBarvu(QLabel* nazev, const QColor& barva);
    QLabel* vytvorIkonu(QLabel* vzor, const QString& napoveda, int tag);

    QScrollArea* box = nullptr;
    QWidget* obsah = nullptr;
    QLabel* nadpis = nullptr;
    QLabel* popis = nullptr;
    QLabel* nic = nullptr;
    QLabel* info = nullptr;
    QLabel* otaznik = nullptr;
    QStatusBar* status = nullptr;
    QLabel* panel = nullptr;
    QTimer* Timer = nullptr;

    std::array<QLabel*, 26> nazvy{};
    std::array<QLabel*, 26> popisy{};
    std::array<QLabel*, 26> navody{};
    std::array<QLabel*, 26> teorieIkony{};
    std::array<QFrame*, 26> bevely{};

    // Menu items that show a window, with the class of that window.
    std::vector<std::pair<QAction*, QString>> m_polozky;
    // Wheel units not yet scrolled, vertical and horizontal.
    int m_zbytekSvisle = 0, m_zbytekVodorovne = 0;
    int m_sirkaStranky = -1; // the box width the labels are placed for
    bool m_rozkladam = false;
    bool m_znovu = false;
};
