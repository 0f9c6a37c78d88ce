#pragma once
// The controls of the windows' fixed layouts, each placed where the layout
// says and named so that tests, help and drag tables can find it.
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;
class TPosuvnik;

namespace prvky {

// A label sized to its text.
QLabel* popisek(QWidget* rodic, const QString& text, QPoint kde);
QGroupBox* skupina(QWidget* rodic, const QString& titulek, QRect kde, const QString& jmeno = {});
QComboBox* volba(QWidget* rodic, const QString& jmeno, const QStringList& polozky, const QString& napoveda,
                 QRect kde);
QCheckBox* zaskrtavatko(QWidget* rodic, const QString& jmeno, const QString& text, const QString& napoveda,
                        bool zaskrtnuto, QRect kde);
TPosuvnik* posuvnik(QWidget* rodic, const QString& jmeno, int min, int max, const QString& napoveda, QRect kde);

} // namespace prvky
