#include "shell/TNapoveda.h"

#include "shell/napoveda.h"
#include "shell/okna.h"
#include "graf/pisma.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

TNapoveda::TNapoveda(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("napoveda"));
    setWindowTitle(QStringLiteral("Nápověda VORTA"));
    resize(720, 600);
    okna::hlidejVelikost(this);

    auto* lista = new QHBoxLayout;
    auto tlacitko = [&](const QString& jmeno, const QString& text, QStyle::StandardPixmap ikona) {
        auto* b = new QToolButton(this);
        b->setObjectName(jmeno);
        b->setText(text);
        b->setIcon(style()->standardIcon(ikona));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        lista->addWidget(b);
        return b;
    };
    m_zpet = tlacitko(QStringLiteral("zpet"), QStringLiteral("Zpět"), QStyle::SP_ArrowBack);
    m_vpred = tlacitko(QStringLiteral("vpred"), QStringLiteral("Vpřed"), QStyle::SP_ArrowForward);
    QToolButton* obsah = tlacitko(QStringLiteral("obsah"), QStringLiteral("Obsah"), QStyle::SP_DirHomeIcon);
    lista->addStretch();

    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setFont(vorta::pismo(QStringLiteral("Times New Roman"), 16));
    // Links are routed here so that a topic without a file shows the "not
    // written yet" page instead of an empty one.
    m_text->setOpenLinks(false);

    auto* sloupec = new QVBoxLayout(this);
    sloupec->setContentsMargins(4, 4, 4, 4);
    sloupec->addLayout(lista);
    sloupec->addWidget(m_text);

    m_zpet->setEnabled(false);
    m_vpred->setEnabled(false);
    connect(m_zpet, &QToolButton::clicked, m_text, &QTextBrowser::backward);
    connect(m_vpred, &QToolButton::clicked, m_text, &QTextBrowser::forward);
    connect(obsah, &QToolButton::clicked, this,
            [this] { ukaz(napoveda::zdroj(napoveda::tema(QStringLiteral("/index.html")))); });
    connect(m_text, &QTextBrowser::backwardAvailable, m_zpet, &QToolButton::setEnabled);
    connect(m_text, &QTextBrowser::forwardAvailable, m_vpred, &QToolButton::setEnabled);
    connect(m_text, &QTextBrowser::anchorClicked, this, &TNapoveda::odkaz);
    // The caption names the topic, so that the task bar tells help windows
    // apart and a topic can be recognised from outside.
    connect(m_text, &QTextBrowser::sourceChanged, this, [this] {
        const QString t = m_text->documentTitle();
        setWindowTitle(t.isEmpty() ? QStringLiteral("Nápověda VORTA") : QStringLiteral("Nápověda VORTA – ") + t);
    });
}

void TNapoveda::ukaz(const QString& zdroj)
{
    QUrl url;
    url.setScheme(QStringLiteral("qrc"));
    url.setPath(zdroj.startsWith(QLatin1Char(':')) ? zdroj.mid(1) : zdroj);
    if (m_text->source() != url)
        m_text->setSource(url);
}

QString TNapoveda::zobrazeno() const
{
    const QUrl url = m_text->source();
    return url.isEmpty() ? QString() : QLatin1Char(':') + url.path();
}

void TNapoveda::odkaz(const QUrl& url)
{
    const QUrl cil = m_text->source().resolved(url);
    if (cil.scheme() != QLatin1String("qrc")) {
        QDesktopServices::openUrl(cil);
        return;
    }
    if (cil.path() == m_text->source().path()) {
        m_text->scrollToAnchor(cil.fragment());
        return;
    }
    ukaz(napoveda::zdroj(napoveda::tema(cil.fileName())));
}
