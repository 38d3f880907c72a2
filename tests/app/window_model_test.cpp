#include "app/fonts.h"
#include "app/geometry.h"
#include "app/window_model.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kulbo;

namespace {

enum Field { kLeft, kTop, kWidth, kHeight, kRight, kFont };

double field(const Control& c, Field f) {
    const double values[] = {double(c.Left), double(c.Top), double(c.Width), double(c.Height),
                             double(c.Left + c.Width), c.FontSize};
    return values[f];
}

}  // namespace

// The layout's own rules, so that a mistyped number in the design shows:
// the controls of a row or a column line up, the headings are centred, the
// panels cover the window, and the tab indices run 0, 1, 2, ... once each.
TEST(WindowModel, TheDesignKeepsItsRowsColumnsTabIndicesAndStacking) {
    WindowModel m;
    const std::pair<std::vector<const Control*>, std::vector<Field>> lines[] = {
        {{&m.Command1, &m.Command2, &m.Command6, &m.Command7, &m.Command8, &m.Command9, &m.Command10, &m.Command13}, {kTop}},
        {{&m.Command6, &m.Command7, &m.Command8, &m.Command9, &m.Command10, &m.Command13}, {kHeight}},
        {{&m.Command6, &m.Command7, &m.Command8, &m.Command9, &m.Command10}, {kFont}},
        {{&m.Command1, &m.Command2}, {kWidth, kHeight, kFont}}, {{&m.Command3, &m.Command11}, {kTop, kHeight, kFont}},
        {{&m.Command4, &m.Command5}, {kTop, kWidth, kHeight, kFont}}, {{&m.Text1, &m.Text2}, {kLeft, kWidth, kHeight, kFont}},
        {{&m.Label2, &m.Label3}, {kLeft, kWidth, kHeight, kFont}}, {{&m.Label1, &m.Label6, &m.Label9, &m.Label12}, {kTop}},
        {{&m.Text1, &m.Text2, &m.Frame1, &m.Frame2, &m.Frame3, &m.Frame4, &m.Frame5, &m.Command6, &m.Command9}, {kRight}},
        {{&m.Frame2, &m.Frame3, &m.Frame5}, {kLeft, kWidth}}, {{&m.Frame2, &m.Frame3, &m.Frame4, &m.Frame5}, {kFont}},
        {{&m.Frame3, &m.Frame4}, {kTop, kHeight}}, {{&m.Check1, &m.Check2, &m.Check3, &m.Check4}, {kLeft, kHeight, kFont}},
        {{&m.Option3, &m.Option4, &m.Option5}, {kLeft, kFont}}, {{&m.Option3, &m.Option4}, {kWidth, kHeight}},
        {{&m.Option1, &m.Option2}, {kTop, kWidth, kHeight, kFont}}, {{&m.Label7, &m.Text3}, {kTop}},
        {{&m.Label15, &m.Text3}, {kLeft}}, {{&m.Label10, &m.Text5}, {kTop, kFont}},
        {{&m.Label13, &m.Label14}, {kLeft, kWidth, kHeight, kFont}},
        {{&m.Picture1, &m.Picture2, &m.Picture3}, {kLeft, kTop, kWidth, kHeight, kFont}},
        {{&m.Timer1, &m.Timer2, &m.Timer3, &m.Timer4, &m.Timer5}, {kLeft, kTop, kWidth, kHeight, kFont}}};
    for (const auto& [controls, fields] : lines)
        for (Field f : fields)
            for (const Control* c : controls)
                EXPECT_EQ(field(*c, f), field(*controls[0], f)) << c->name << " and " << controls[0]->name << ", field " << f;
    // The check boxes and the mode options are evenly spaced.
    for (const auto& c : {std::vector<const Control*>{&m.Check1, &m.Check2, &m.Check3, &m.Check4}, {&m.Option3, &m.Option4, &m.Option5}})
        for (std::size_t i = 2; i < c.size(); ++i) EXPECT_EQ(c[i]->Top - c[i - 1]->Top, c[1]->Top - c[0]->Top) << c[i]->name;
    const std::pair<const Control*, int> centred[] = {
        {&m.Label1, m.ClientWidth}, {&m.Label9, m.ClientWidth}, {&m.Label4, m.Frame1.Width}, {&m.Text6, m.Picture3.Width}};
    for (auto [c, within] : centred) EXPECT_EQ(2 * c->Left + c->Width, within) << c->name << " is centred";
    EXPECT_EQ(std::tuple(field(m.Command11, kRight), field(m.Label11, kRight), double(m.Picture1.Width), m.Label4.Height.get()),
              std::tuple(m.ClientWidth, m.ClientWidth, m.ClientWidth, m.Frame1.Height.get()));

    // The big display's font fits three Song digits (1.5 em wide, 0.7 em of
    // ink) within nine tenths of its width and two thirds of its height, at any scale.
    EXPECT_EQ(std::tuple(fontOf(m.Label4, 96).pixels, fontOf(m.Label4, 192).pixels), std::tuple(171, 343));

    // The panels lie above the main face, the history panel topmost; what a
    // hidden panel holds is not shown.
    auto at = [&](Control& c) { return std::find(m.children.begin(), m.children.end(), &c); };
    EXPECT_TRUE(at(m.Picture3) < at(m.Picture1) && at(m.Picture1) < at(m.Picture2) && at(m.Picture2) < at(m.Command1));
    EXPECT_FALSE(m.Check1.shown());  // on the hidden settings panel
    m.Picture2.Visible = true;
    EXPECT_TRUE(m.Check1.shown());

    std::vector<int> tabIndices;
    for (const Control* c : m.controls())
        if (c != &m && c->kind != Kind::Timer) tabIndices.push_back(c->TabIndex);
    std::sort(tabIndices.begin(), tabIndices.end());
    for (int i = 0; i < int(tabIndices.size()); ++i) ASSERT_EQ(tabIndices[i], i);
}

// Only real changes are announced; choosing an option clears its group only.
TEST(WindowModel, AnnouncesOnlyRealChangesAndOptionsClearTheirGroup) {
    struct ChangeLog : ChangeListener {
        std::vector<std::string> changes;
        void propertyChanged(Control& control, Property) override { changes.push_back(control.name); }
    } log;
    WindowModel m;
    m.setListener(&log);
    m.Label4.Caption = "7";
    m.Label4.Caption = "7";
    m.Height = kDesignOuterHeight;  // already so
    EXPECT_EQ(log.changes, std::vector<std::string>{"Label4"});

    // Chosen, Option4 of its group cleared, Option2 of the other kept; chosen again, no change.
    EXPECT_EQ((std::vector{m.choose(m.Option3), m.Option4.Value.get(), m.Option2.Value.get(), m.choose(m.Option3)}),
              (std::vector{true, false, true, false}));
}

// The design window is 441x426 in a frame 6 wider and 28 higher: the largest
// step that fits, never above the request. The page's window beside a
// control 88 pixels square: with room below it; with none, it gives up the
// side; without the control, whole.
TEST(ScaleFit, LargestStepThatFitsAndNoneAboveTheRequest) {
    const std::tuple<double, int, int, double> cases[] = {  // requested, screen width and height, factor
        {2, 1920, 1080, 2},   {2, 1024, 768, 1.5} /* 852 + 28 > 768 */, {1.75, 1024, 768, 1.5}, {1.25, 1024, 768, 1.25},
        {3, 1024, 768, 1.5},  {2, 880, 1080, 1.5} /* 882 + 6 > 880 */,  {1.5, 640, 480, 1},      {2, 447, 454, 1}};
    for (auto [requested, width, height, factor] : cases)
        EXPECT_EQ(fittingScaleFactor(requested, {width, height}), factor) << requested << " on " << width << 'x' << height;
    EXPECT_EQ(std::tuple(pageScale(882, 1000, 88), pageScale(882, 852, 88), pageScale(882, 852, 0)), std::tuple(2, 794.0 / 441, 2));
}
