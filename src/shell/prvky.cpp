#include "prvky.h"

#include "TPosuvnik.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace prvky {

QLabel* popisek(QWidget* rodic, const QString& text, QPoint kde)
{
    auto* l = new QLabel(text, rodic);
    l->move(kde);
    l->adjustSize();
    return l;
}

QGroupBox* skupina(QWidget* rodic, const QString& titulek, QRect kde, const QString& jmeno)
{
    auto* g = new QGroupBox(titulek, rodic);
    if (!jmeno.isEmpty())
        g->setObjectName(jmeno);
    g->setGeometry(kde);
    return g;
}

QComboBox* volba(QWidget* rodic, const QString& jmeno, const QStringList& polozky, const QString& napoveda,
                 QRect kde)
{
    auto* c = new QComboBox(rodic);
    c->setObjectName(jmeno);
    c->addItems(polozky);
    c->setToolTip(napoveda);
    c->setGeometry(kde);
    return c;
}

QCheckBox* zaskrtavatko(QWidget* rodic, const QString& jmeno, const QString& text, const QString& napoveda,
                        bool zaskrtnuto, QRect kde)
{
    auto* c = new QCheckBox(text, rodic);
    c->setObjectName(jmeno);
    c->setToolTip(napoveda);
    c->setChecked(zaskrtnuto);
    c->setGeometry(kde);
    return c;
}

TPosuvnik* posuvnik(QWidget* rodic, const QString& jmeno, int min, int max, const QString& napoveda, QRect kde)
{
    auto* s = new TPosuvnik(rodic);
    s->setObjectName(jmeno);
    s->setRange(min, max);
    s->setToolTip(napoveda);
    s->setGeometry(kde);
    return s;
}

} // namespace prvky
