#include "app/window_model.h"

#include "app/messages.h"

#include <optional>

namespace kulbo {

bool Control::shown() const {
    for (const Control* c = this; c; c = c->container)
        if (!c->Visible) return false;
    return true;
}

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kPanelGrey{224, 224, 224};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kPink{255, 192, 255};
constexpr Rgb kPaleYellow{255, 255, 192};
constexpr Rgb kPaleRed{255, 192, 192};

constexpr bool kHidden = false;
constexpr bool kDisabled = false;

struct DesignRow {
    const char* name;
    const char* container;
    const char* caption;  // caption, or text of a text box
    int left, top, width, height;
    int tabIndex;
    double fontSize;
    bool visible = true;
    bool enabled = true;
    std::optional<Rgb> fore = {};
    std::optional<Rgb> back = {};
};

// The window as designed. Rows of one container are in stacking order: an
// earlier row lies above a later one. Positions and sizes are in twips,
// relative to the container; font sizes in points.
// clang-format off
const DesignRow kDesign[] = {
    // name         container   caption / text              left   top    width  height  tab  pt
    {"Command12",  "Form1",    "a",                         120,  8400,   255,   255,  47,  9},
    {"Picture3",   "Form1",    "",                            0,     0,  6615,  6375,  36,  9, kHidden},
    {"Picture1",   "Form1",    "",                            0,     0,  6615,  6375,  11,  9, kHidden, true, {}, kPanelGrey},
    {"Picture2",   "Form1",    "",                            0,     0,  6615,  6375,  17,  9, kHidden, true, {}, kPanelGrey},
    {"Timer1",     "Form1",    "",                            0,     0,     0,     0,  -1,  9},
    {"Command3",   "Form1",    "设置",                        0,     0,   615,   255,  10,  9},
    {"Text2",      "Form1",    "50",                       2400,  1920,  3855,   510,   4, 21.75, true, kDisabled},
    {"Text1",      "Form1",    "1",                        2400,  1185,  3855,   510,   2, 21.75, true, kDisabled},
    {"Frame1",     "Form1",    "幸运数",                    360,  2760,  5895,  2775,   5, 12},
    {"Command1",   "Form1",    "开始",                      480,  5760,  1695,   495,   7, 18},
    {"Command2",   "Form1",    "修改",                     4440,  5760,  1695,   495,   8, 18},
    {"Command11",  "Form1",    "历史记录",                 5640,     0,   975,   255,  42,  9},
    {"Label11",    "Form1",    "锁定",                     6360,  1200,   255,   495,  35, 10.5, true, true, kRed},
    {"Label5",     "Form1",    "1",                         720,     0,   495,   495,   9, 14.25, kHidden},
    {"Label3",     "Form1",    "输入最大值：",              360,  2040,  2175,   375,   3, 18},
    {"Label2",     "Form1",    "输入最小值：",              360,  1320,  2175,   375,   1, 18},
    {"Label1",     "Form1",    kAppTitle,                  2040,   120,  2535,   855,   0, 42},

    {"Label4",     "Frame1",   "",                          240,  -120,  5415,  2775,   6, 150, true, true, kRed},

    {"Timer5",     "Picture3", "",                            0,     0,     0,     0,  -1,  9},
    {"Command10",  "Picture3", "生成txt报告",              1560,  5760,  1575,   375,  41, 12, true, true, {}, kPink},
    {"Command9",   "Picture3", "关闭",                     4920,  5760,  1335,   375,  40, 12, true, true, {}, kPaleYellow},
    {"Command8",   "Picture3", "清除历史",                 3360,  5760,  1335,   375,  39, 12, true, true, {}, kPaleRed},
    {"Text6",      "Picture3", "",                          240,   600,  6135,  4935,  38, 12},
    {"Label14",    "Picture3", "#2",                        240,  5880,   180,   180,  46,  9, kHidden},
    {"Label13",    "Picture3", "#1",                        240,  5640,   180,   180,  45,  9, kHidden},
    {"Label12",    "Picture3", "抽到的历史幸运号",         1860,   120,  2880,   360,  37, 18},

    {"Timer3",     "Picture1", "",                            0,     0,     0,     0,  -1,  9},
    {"Timer2",     "Picture1", "",                            0,     0,     0,     0,  -1,  9},
    {"Command5",   "Picture1", "取消（&E）",               3960,  2640,  1455,   855,  16, 12},
    {"Command4",   "Picture1", "解锁（&O）",                960,  2640,  1455,   855,  15, 12},
    {"Text3",      "Picture1", "",                         2880,  1920,  2655,   375,  14, 15.75, true, true, {}, kWhite},
    {"Label15",    "Picture1", "当前密码为空_不用输入密码", 2880,  1680,  2625,   210,  48, 10.5, true, true, kRed},
    {"Label7",     "Picture1", "请输入密码：",              840,  1920,  2295,   495,  13, 18},
    {"Label6",     "Picture1", "管理员模式",               2040,   120,  2415,   495,  12, 24},

    {"Command13",  "Picture2", "进入官网",                 2520,  5760,  1095,   375,  49, 10.5, true, true, {}, kPaleRed},
    {"Timer4",     "Picture2", "",                            0,     0,     0,     0,  -1,  9},
    {"Frame5",     "Picture2", "更改标题",                  240,  4680,  6015,   855,  32, 10.5, true, true, {}, kPanelGrey},
    {"Command7",   "Picture2", "关于",                     3840,  5760,  1095,   375,  31, 12},
    {"Frame4",     "Picture2", "抽号方式",                 4200,  2640,  2055,  1815,  27, 10.5, true, true, {}, kPanelGrey},
    {"Frame3",     "Picture2", "提示选择",                  240,  2640,  6015,  1815,  24, 10.5, true, true, {}, kPanelGrey},
    {"Frame2",     "Picture2", "避开幸运数",                240,   720,  6015,  1695,  19, 10.5, true, true, {}, kPanelGrey},
    {"Command6",   "Picture2", "确定",                     5160,  5760,  1095,   375,  18, 12},
    {"Label9",     "Picture2", "设置",                     2760,   120,  1095,   615,  30, 26.25},

    {"Text5",      "Frame5",   "",                         2400,   360,  3255,   300,  34, 12},
    {"Label10",    "Frame5",   "输入班级或公司名：",        240,   360,  2295,   255,  33, 12},

    {"Option5",    "Frame4",   "不重复方式",                 240,  1440,  1695,   330,  50, 12, true, true, {}, kPanelGrey},
    {"Option4",    "Frame4",   "随机方式",                  240,   960,  1455,   375,  29, 12, true, true, {}, kPanelGrey},
    {"Option3",    "Frame4",   "顺序方式",                  240,   480,  1455,   375,  28, 12, true, true, {}, kPanelGrey},

    {"Check4",     "Frame3",   "允许历史记录生成txt报告",   240,  1320,  2895,   375,  44, 10.5, true, true, {}, kPanelGrey},
    {"Check3",     "Frame3",   "允许清除历史记录",          240,   960,  2175,   375,  43, 10.5, true, true, {}, kPanelGrey},
    {"Check2",     "Frame3",   "允许查看历史记录",          240,   600,  2175,   375,  26, 10.5, true, true, {}, kPanelGrey},
    {"Check1",     "Frame3",   "抽到号数时弹窗提示",        240,   240,  2295,   375,  25, 10.5, true, true, {}, kPanelGrey},

    {"Option2",    "Frame2",   "禁用避开",                 3600,  1200,  1455,   255,  23, 12, true, true, {}, kPanelGrey},
    {"Option1",    "Frame2",   "启用避开",                  840,  1200,  1455,   255,  22, 12, true, true, {}, kPanelGrey},
    {"Text4",      "Frame2",   "",                         2760,   570,  2535,   300,  21, 12, true, kDisabled},
    {"Label8",     "Frame2",   "输入避开的幸运数：",        600,   600,  2295,   255,  20, 12},
};
// clang-format on

}  // namespace

WindowModel::WindowModel() {
    Caption = std::string(kAppTitle);
    ClientWidth = kDesignClientWidth;
    ClientHeight = kDesignClientHeight;
    Width = kDesignOuterWidth;
    Height = kDesignOuterHeight;

    Control* const members[] = {
        &Command12, &Picture3, &Picture1, &Picture2, &Timer1, &Command3, &Text2, &Text1, &Frame1,
        &Command1, &Command2, &Command11, &Label11, &Label5, &Label3, &Label2, &Label1, &Label4,
        &Timer5, &Command10, &Command9, &Command8, &Text6, &Label14, &Label13, &Label12,
        &Timer3, &Timer2, &Command5, &Command4, &Text3, &Label15, &Label7, &Label6,
        &Command13, &Timer4, &Frame5, &Command7, &Frame4, &Frame3, &Frame2, &Command6, &Label9,
        &Text5, &Label10, &Option5, &Option4, &Option3, &Check4, &Check3, &Check2, &Check1,
        &Option2, &Option1, &Text4, &Label8,
    };
    auto member = [&](std::string_view name) -> Control* {
        if (name == this->name) return this;
        for (Control* c : members)
            if (c->name == name) return c;
        return nullptr;
    };

    for (const DesignRow& row : kDesign) {
        Control& c = *member(row.name);
        c.container = member(row.container);
        c.container->children.push_back(&c);
        c.Left = row.left;
        c.Top = row.top;
        c.Width = row.width;
        c.Height = row.height;
        c.TabIndex = row.tabIndex;
        c.FontSize = row.fontSize;
        c.Visible = row.visible;
        c.Enabled = row.enabled;
        c.ForeColor = row.fore;
        c.BackColor = row.back;
        if (auto* captioned = dynamic_cast<CaptionedControl*>(&c)) captioned->Caption = std::string(row.caption);
        if (auto* box = dynamic_cast<TextBox*>(&c)) box->Text = std::string(row.caption);
    }

    // What the table's columns do not hold.
    for (TextBox* box : {&Text1, &Text2, &Text4}) box->MaxLength = 3;
    Text3.MaxLength = 20;
    Text3.PasswordChar = '*';
    Text5.MaxLength = 16;
    Text6.MultiLine = true;
    Text6.VerticalScrollBar = true;
    Text6.Locked = true;
    Label4.Centered = true;
    Label4.BigDisplay = true;
    Label12.Centered = true;
    for (Label* label : {&Label12, &Label13, &Label14, &Label15}) label->AutoSize = true;
    Text1.LabelledBy = &Label2;
    Text2.LabelledBy = &Label3;
    Text3.LabelledBy = &Label7;
    Text4.LabelledBy = &Label8;
    Text5.LabelledBy = &Label10;
    Text6.LabelledBy = &Label12;
    Label4.LabelledBy = &Frame1;
    Picture1.LabelledBy = &Label6;  // the panels by their headings
    Picture2.LabelledBy = &Label9;
    Picture3.LabelledBy = &Label12;
    Command4.IconName = "unlock";
    Command5.IconName = "cancel";
    for (CommandButton* button : {&Command4, &Command5}) button->IconSize = 32;
    Option4.Value = true;
    Option2.Value = true;
    for (CheckBox* box : {&Check2, &Check3, &Check4}) box->Value = 1;

    // Depth-first list: the form, then each container's children in order.
    auto collect = [this](auto& self, Control& c) -> void {
        all_.push_back(&c);
        for (Control* child : c.children) self(self, *child);
    };
    collect(collect, *this);
}

std::vector<Timer*> WindowModel::timers() const {
    std::vector<Timer*> result;
    for (Control* c : all_)
        if (c->kind == Kind::Timer) result.push_back(static_cast<Timer*>(c));
    return result;
}

void WindowModel::setListener(ChangeListener* listener) {
    for (Control* c : all_) c->setListener(listener);
}

bool WindowModel::choose(OptionButton& option) {
    if (option.Value) return false;
    for (Control* sibling : option.container->children)
        if (sibling != &option && sibling->kind == Kind::OptionButton)
            static_cast<OptionButton*>(sibling)->Value = false;
    option.Value = true;
    return true;
}

}  // namespace kulbo
