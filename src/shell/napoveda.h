#pragma once
// Help topics. Every window hands the topic text it was given
// ("mk:@MSITStore:VORTA.chm::/ojede.html") to otevri(), which shows the topic
// in the program's help viewer, a top-level window of its own.
#include <QString>
#include <optional>

class QWidget;
class TNapoveda;

namespace napoveda {

// "mk:@MSITStore:VORTA.chm::" followed by the topic path.
QString tema(const QString& cesta);

// The file name a topic text names ("ojede.html"), with or without the slash
// after "::"; none for a text of any other form.
std::optional<QString> soubor(const QString& tema);

// The resource that shows a topic: ":/help/ojede.html", or the "not written
// yet" page when the text is malformed or the topic has no file.
QString zdroj(const QString& tema);
inline constexpr const char* nenapsano = ":/help/nenapsano.html";

// Shows a topic; a text of unexpected form shows the "not written yet" page.
void otevri(const QString& tema);

// The viewer once a topic has been opened, otherwise null.
TNapoveda* prohlizec();

// Gives a window its invisible "Help" item with shortcut F1 (object name
// Help1) that opens the topic path.
void pridejNapovedu(QWidget* okno, const QString& cesta);

} // namespace napoveda
