// The program's texts are narrow literals; the build must turn them into GBK bytes.
#include <gtest/gtest.h>

#include <string_view>

TEST(ExecutionCharacterSet, NarrowLiteralsAreGbkBytes) {
  EXPECT_EQ(std::string_view("数值："), "\xCA\xFD\xD6\xB5\xA3\xBA");
  EXPECT_EQ(std::string_view("计  算"), "\xBC\xC6  \xCB\xE3");
  EXPECT_EQ(std::string_view("编辑框3"),
            "\xB1\xE0\xBC\xAD\xBF\xF2"
            "3");
  EXPECT_EQ(std::string_view("装备外观计算"), "\xD7\xB0\xB1\xB8\xCD\xE2\xB9\xDB\xBC\xC6\xCB\xE3");
  EXPECT_EQ(std::string_view("－２４００　"), "\xA3\xAD\xA3\xB2\xA3\xB4\xA3\xB0\xA3\xB0\xA1\xA1");
}
