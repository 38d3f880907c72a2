// The number boxes take only digits, backspace and one decimal point.
#include "app/form1.h"

namespace kulbo {

namespace {

constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kPoint = 46;

void numericKeyFilter(const TextBox& box, std::int16_t& KeyAscii) {
    bool hasPoint = box.Text.get().find('.') != std::string::npos;
    if (!hasPoint && KeyAscii == kPoint) return;
    if (KeyAscii == kBackspace || (KeyAscii >= '0' && KeyAscii <= '9')) return;
    KeyAscii = 0;
}

}  // namespace

void Form1::Text1_KeyPress(std::int16_t& KeyAscii) { numericKeyFilter(Text1, KeyAscii); }
void Form1::Text2_KeyPress(std::int16_t& KeyAscii) { numericKeyFilter(Text2, KeyAscii); }
void Form1::Text4_KeyPress(std::int16_t& KeyAscii) { numericKeyFilter(Text4, KeyAscii); }
void Form1::Text6_KeyPress(std::int16_t& KeyAscii) { numericKeyFilter(Text6, KeyAscii); }

}  // namespace kulbo
