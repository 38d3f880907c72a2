// The program's own GBK writes what the C library's converter writes, for
// every character, and stops where it stops.
#include "app/unicode.h"
#include "history/gbk.h"
#include "platform/report_file.h"

#include <gtest/gtest.h>

#include <iconv.h>

using namespace kulbo;

TEST(GbkAsTheConverter, WritesEveryCharacterAndStopsAtTheSameByte) {
    iconv_t converter = iconv_open("GBK", "UTF-8");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    int written = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::string text = utf8Of(std::u32string(1, c)), expected(8, '\0'), ours;
        char *in = text.data(), *out = expected.data();
        std::size_t inLeft = text.size(), outLeft = expected.size();
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        bool converted = iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
        expected.resize(expected.size() - outLeft);
        ASSERT_EQ(encodeGbk(text, ours).ok() ? ours : "fails", converted ? expected : "fails")
            << std::hex << "U+" << std::uint32_t(c);
        written += converted;
    }
    iconv_close(converter);
    EXPECT_GT(written, 20000);

    // What neither can write, both refuse at the same byte.
    for (auto [text, at] : {std::pair{"ab😀", 3}, {"a\x80z", 2}, {"ab\xE4\xB8", 3}, {"a\xC0\xAF", 2},
                            {"\xED\xA0\x80", 1}, {"\xF4\x90\x80\x80", 1}, {"\xE4\xB8z", 1}, {"\xFF", 1}}) {
        std::string ours, theirs;
        Outcome encoded = encodeGbk(text, ours), converted = toGbk(text, theirs);
        ASSERT_FALSE(converted.ok() || encoded.ok()) << text;
        EXPECT_EQ(encoded.reason(), "文本中有GBK无法表示的字符 (第 " + std::to_string(at) + " 字节)");
        EXPECT_EQ(converted.reason().substr(0, encoded.reason().size()), encoded.reason());
    }
}
