#pragma once

#include <string>

#include <QString>

namespace tamo::gui {

QString qs(const std::string& utf8);
// The caption as shown without its access-key marker ("Ú&j" reads "Új").
QString plain_caption(const std::string& caption);

// Text the user typed or pasted, as the core takes it: UTF-8 with "?" for every character
// Windows-1250 cannot hold.
std::string typed_text(const QString& text);
// A memo's text between the core (CR LF) and the screen (line feeds).
QString memo_to_screen(const std::string& text);
std::string memo_to_core(const QString& text);
// Number of characters, as the core's length limits count them.
std::size_t char_count(const QString& text);

}  // namespace tamo::gui
