#pragma once
// The help viewer: a top-level window of its own, independent of the
// program's windows, that shows topics of the help collection with back and
// forward and follows links between topics.
#include <QWidget>

class QTextBrowser;
class QToolButton;
class QUrl;

class TNapoveda : public QWidget {
    Q_OBJECT
public:
    explicit TNapoveda(QWidget* parent = nullptr);

    // Shows a resource of the help collection (":/help/ojede.html").
    void ukaz(const QString& zdroj);
    QString zobrazeno() const; // the resource shown now
    QTextBrowser* prohlizec() const { return m_text; }

private:
    void odkaz(const QUrl& url);

    QTextBrowser* m_text;
    QToolButton* m_zpet;
    QToolButton* m_vpred;
};
