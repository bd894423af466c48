#include "qt/gbk_text.h"

#include "encoding/gbk_conversion.h"

namespace qtfront {

QString fromGbk(std::string_view gbk) {
  return QString::fromStdU16String(encoding::gbkToUtf16(gbk));
}

std::string toGbk(const QString& text) {
  return encoding::utf16ToGbk(text.toStdU16String());
}

QString fromGbkLines(std::string_view gbk) {
  QString text = fromGbk(gbk);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

}  // namespace qtfront
