// The program's own GBK, where no system converter writes the report.
#include "history/gbk.h"

#include <gtest/gtest.h>

using namespace kulbo;

// A character from each part of the chart: ASCII, the one-byte euro, the
// GB2312 rows, the cells filled by rule (first and last), the stretches
// after them, and the tags, which are written as nothing.
TEST(Gbk, WritesEachPartOfTheChart) {
    std::string bytes;
    ASSERT_TRUE(encodeGbk("2022年01月 €·啊ā〇\u4E02\u9FA5\uF92C\uFA29\U000E0001!\r\n", bytes).ok());
    EXPECT_EQ(bytes, "2022\xC4\xEA" "01\xD4\xC2 \x80\xA1\xA4\xB0\xA1\xA8\xA1\xA9\x96\x81\x40\xFD\x9B\xFD\x9C\xFE\x4F!\r\n");
}

TEST(Gbk, FailsAtTheFirstByteItCannotWrite) {
    for (auto [text, at] : {std::pair{"ab😀", 3}, {"a\x80z", 2}, {"ab\xE4\xB8", 3}, {"a\xC0\xAF", 2},
                            {"\xED\xA0\x80", 1}, {"\xF4\x90\x80\x80", 1}, {"\xE4\xB8z", 1}, {"\xFF", 1}}) {
        std::string bytes;
        Outcome written = encodeGbk(text, bytes);
        EXPECT_FALSE(written.ok()) << text;
        EXPECT_EQ(written.reason(), "文本中有GBK无法表示的字符 (第 " + std::to_string(at) + " 字节)");
    }
}
