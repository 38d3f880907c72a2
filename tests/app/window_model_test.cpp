#include "app/window_model.h"

#include <gtest/gtest.h>

#include <set>

using namespace kulbo;

namespace {

struct ChangeLog : ChangeListener {
    std::vector<std::pair<std::string, Property>> changes;
    void propertyChanged(Control& control, Property property) override {
        changes.emplace_back(control.name, property);
    }
};

}  // namespace

TEST(WindowModel, HoldsFiftySixControlsUnderTheForm) {
    WindowModel model;
    ASSERT_EQ(model.controls().size(), 57u);  // the form and its 56 controls
    std::set<std::string> names;
    for (Control* c : model.controls()) names.insert(c->name);
    EXPECT_EQ(names.size(), 57u);
    for (Control* c : model.controls())
        if (c != &model) {
            EXPECT_NE(c->container, nullptr) << c->name;
        }
    EXPECT_EQ(model.timers().size(), 5u);
}

TEST(WindowModel, DesignValues) {
    WindowModel m;
    EXPECT_EQ(m.Caption, "Kulbo");
    EXPECT_EQ(m.ClientWidth, 6615);
    EXPECT_EQ(m.ClientHeight, 6390);
    EXPECT_EQ(m.Text1.Text, "1");
    EXPECT_EQ(m.Text2.Text, "50");
    EXPECT_FALSE(m.Text1.Enabled);
    EXPECT_FALSE(m.Text2.Enabled);
    EXPECT_FALSE(m.Text4.Enabled);
    EXPECT_TRUE(m.Label8.Enabled);
    EXPECT_EQ(m.Label5.Caption, "1");
    EXPECT_FALSE(m.Label5.Visible);
    EXPECT_EQ(m.Label4.Caption, "");
    EXPECT_EQ(m.Label13.Caption, "#1");
    EXPECT_EQ(m.Label14.Caption, "#2");
    EXPECT_TRUE(m.Option4.Value);
    EXPECT_FALSE(m.Option3.Value);
    EXPECT_FALSE(m.Option5.Value);
    EXPECT_TRUE(m.Option2.Value);
    EXPECT_FALSE(m.Option1.Value);
    EXPECT_EQ(m.Check1.Value, 0);
    EXPECT_EQ(m.Check2.Value, 1);
    EXPECT_EQ(m.Check3.Value, 1);
    EXPECT_EQ(m.Check4.Value, 1);
    for (PictureBox* panel : {&m.Picture1, &m.Picture2, &m.Picture3}) {
        EXPECT_FALSE(panel->Visible);
        EXPECT_EQ(panel->Width, 6615);
        EXPECT_EQ(panel->Height, 6375);
    }
    EXPECT_EQ(m.Text3.MaxLength, 20);
    EXPECT_EQ(m.Text3.PasswordChar, '*');
    EXPECT_EQ(m.Text5.MaxLength, 16);
    EXPECT_EQ(m.Text4.MaxLength, 3);
    EXPECT_TRUE(m.Text6.Locked);
    EXPECT_EQ(m.Label4.FontSize, 150);
    EXPECT_EQ(m.Label4.Top, -120);
    EXPECT_EQ(m.Label4.container, &m.Frame1);
    EXPECT_EQ(m.Command12.Top, 8400);
    EXPECT_TRUE(m.Label4.Centered);
    EXPECT_EQ(m.Label11.ForeColor, (Rgb{255, 0, 0}));
    EXPECT_EQ(m.Label15.Caption, "当前密码为空_不用输入密码");

    // The order of the keyboard's tab stops, as designed.
    std::vector<std::pair<int, std::string>> stops;
    for (Control* c : m.controls())
        if (c->kind == Kind::CommandButton || c->kind == Kind::TextBox || c->kind == Kind::OptionButton ||
            c->kind == Kind::CheckBox)
            stops.emplace_back(c->TabIndex, c->name);
    std::sort(stops.begin(), stops.end());
    std::string order;
    for (auto& stop : stops) order += stop.second + " ";
    EXPECT_EQ(order,
              "Text1 Text2 Command1 Command2 Command3 Text3 Command4 Command5 Command6 Text4 Option1 Option2 Check1 "
              "Check2 Option3 Option4 Command7 Text5 Text6 Command8 Command9 Command10 Command11 Check3 Check4 "
              "Command12 Command13 Option5 ");
    for (Timer* t : m.timers()) {
        EXPECT_TRUE(t->Enabled);
        EXPECT_EQ(t->Interval, 1);
    }
}

// A digest of every number in the design table, so that no position, size,
// tab index, font size or colour changes unnoticed; the other tests read
// their expectations from the model itself.
TEST(WindowModel, DesignTableIsAsDesigned) {
    WindowModel m;
    long digest = 0, weight = 0;
    for (const Control* c : m.controls()) {
        long colours = 0;
        for (const std::optional<Rgb>& rgb : {c->ForeColor, c->BackColor})
            colours = colours * 7 + (rgb ? rgb->red * 65536L + rgb->green * 256 + rgb->blue : 0);
        digest += ++weight * (c->Left + 3L * c->Top + 5L * c->Width + 7L * c->Height + 11L * c->TabIndex +
                              static_cast<long>(c->FontSize * 52) + colours % 1000003);
    }
    EXPECT_EQ(digest, 540968338);
}

TEST(WindowModel, StackingAndVisibilityFollowContainers) {
    WindowModel m;
    auto& face = m.children;
    auto position = [&](Control* c) { return std::find(face.begin(), face.end(), c) - face.begin(); };
    EXPECT_LT(position(&m.Picture3), position(&m.Picture1));
    EXPECT_LT(position(&m.Picture1), position(&m.Picture2));
    EXPECT_LT(position(&m.Picture2), position(&m.Command1));
    EXPECT_FALSE(m.Check1.shown());  // on the hidden settings panel
    m.Picture2.Visible = true;
    EXPECT_TRUE(m.Check1.shown());
    EXPECT_TRUE(m.Command1.shown());
}

TEST(WindowModel, AnnouncesOnlyRealChanges) {
    WindowModel m;
    ChangeLog log;
    m.setListener(&log);
    m.Label4.Caption = "7";
    m.Label4.Caption = "7";
    m.Height = kDesignOuterHeight;  // already so
    m.Text1.Enabled = true;
    ASSERT_EQ(log.changes.size(), 2u);
    EXPECT_EQ(log.changes[0], std::make_pair(std::string("Label4"), Property::Caption));
    EXPECT_EQ(log.changes[1], std::make_pair(std::string("Text1"), Property::Enabled));
}

TEST(WindowModel, ChoosingAnOptionClearsItsGroupOnly) {
    WindowModel m;
    EXPECT_TRUE(m.choose(m.Option3));
    EXPECT_TRUE(m.Option3.Value);
    EXPECT_FALSE(m.Option4.Value);
    EXPECT_TRUE(m.Option2.Value);  // the other group is untouched
    EXPECT_FALSE(m.choose(m.Option3));
}
