#include "qt/display_text.h"

namespace qtui {

QString DisplayText(std::string_view text) {
  std::string converted;
  converted.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      converted += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      converted += text[i];
    }
  }
  return QString::fromUtf8(converted.data(), static_cast<qsizetype>(converted.size()));
}

QString WithoutMnemonics(std::string_view caption) {
  std::string plain;
  plain.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      plain += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      plain += '&';
      ++i;
    }
  }
  return DisplayText(plain);
}

std::string ModelText(const QString& text) {
  return text.toUtf8().toStdString();
}

}  // namespace qtui
