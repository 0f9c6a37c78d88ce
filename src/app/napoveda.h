#pragma once
// Help topics. Every window hands the topic text it was given
// ("mk:@MSITStore:VORTA.chm::/ojede.html") to otevri(), which shows the topic
// in the program's help viewer, a top-level window of its own.
#include <QString>

class QWidget;

namespace napoveda {

// "mk:@MSITStore:VORTA.chm::" followed by the topic path.
QString tema(const QString& cesta);

// Shows a topic; a text of unexpected form shows the "not written yet" page.
void otevri(const QString& tema);

// Gives a window its invisible "Help" item with shortcut F1 (object name
// Help1) that opens the topic path.
void pridejNapovedu(QWidget* okno, const QString& cesta);

} // namespace napoveda
