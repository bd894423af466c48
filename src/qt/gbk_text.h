// The GBK <-> Qt text edge: the core's texts are GBK bytes, Qt's are UTF-16.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qtfront {

// A byte that starts no GBK character, or a character GBK lacks, becomes "?".
QString fromGbk(std::string_view gbk);
std::string toGbk(const QString& text);

// A GBK text as a person reads it on a Linux terminal or in a box: UTF-8 or Qt's text, with
// CR LF line ends turned into the toolkit's single line feed.
QString fromGbkLines(std::string_view gbk);

}  // namespace qtfront
