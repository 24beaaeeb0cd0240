#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qtui {

// The model's UTF-8 text as Qt shows it: CR LF and lone CR line breaks become LF.
QString DisplayText(std::string_view text);
// A caption without its mnemonic marks: "&Save" is "Save", "&&" is "&".
QString WithoutMnemonics(std::string_view caption);
// Qt's text back to the model's UTF-8.
std::string ModelText(const QString& text);

}  // namespace qtui
