// The one window of the program and its 56 controls, by name. Everything the
// user sees and every piece of state that outlives an event lives here.
#pragma once

#include "app/controls.h"

#include <string>
#include <vector>

namespace kulbo {

enum WindowState { kNormal = 0, kMinimized = 1, kMaximized = 2 };

class Form : public CaptionedControl {
public:
    Form() : CaptionedControl("Form1", Kind::Form) {}
    Prop<int> WindowState{*this, Property::WindowState, kNormal};
    int ClientWidth = 0;   // twips
    int ClientHeight = 0;  // twips
    bool KeyPreview = true;
};

// The window's client area, and its outer size at the design: the client
// area plus frame and caption, in twips.
inline constexpr int kDesignClientWidth = 6615;
inline constexpr int kDesignClientHeight = 6390;
inline constexpr int kDesignOuterWidth = 6705;
inline constexpr int kDesignOuterHeight = 6810;

// Disabled text stays readable, at 4.5:1 or more on every ground of the window.
inline constexpr Rgb kDisabledText{88, 88, 88};

class WindowModel : public Form {
public:
    WindowModel();

    // Main face
    CommandButton Command12{"Command12"};
    PictureBox Picture3{"Picture3"};
    PictureBox Picture1{"Picture1"};
    PictureBox Picture2{"Picture2"};
    Timer Timer1{"Timer1"};
    CommandButton Command3{"Command3"};
    TextBox Text2{"Text2"};
    TextBox Text1{"Text1"};
    Frame Frame1{"Frame1"};
    CommandButton Command1{"Command1"};
    CommandButton Command2{"Command2"};
    CommandButton Command11{"Command11"};
    Label Label11{"Label11"};
    Label Label5{"Label5"};
    Label Label3{"Label3"};
    Label Label2{"Label2"};
    Label Label1{"Label1"};
    Label Label4{"Label4"};

    // History panel
    Timer Timer5{"Timer5"};
    CommandButton Command10{"Command10"};
    CommandButton Command9{"Command9"};
    CommandButton Command8{"Command8"};
    TextBox Text6{"Text6"};
    Label Label14{"Label14"};
    Label Label13{"Label13"};
    Label Label12{"Label12"};

    // Administrator lock panel
    Timer Timer3{"Timer3"};
    Timer Timer2{"Timer2"};
    CommandButton Command5{"Command5"};
    CommandButton Command4{"Command4"};
    TextBox Text3{"Text3"};
    Label Label15{"Label15"};
    Label Label7{"Label7"};
    Label Label6{"Label6"};

    // Settings panel
    CommandButton Command13{"Command13"};
    Timer Timer4{"Timer4"};
    Frame Frame5{"Frame5"};
    CommandButton Command7{"Command7"};
    Frame Frame4{"Frame4"};
    Frame Frame3{"Frame3"};
    Frame Frame2{"Frame2"};
    CommandButton Command6{"Command6"};
    Label Label9{"Label9"};
    TextBox Text5{"Text5"};
    Label Label10{"Label10"};
    OptionButton Option5{"Option5"};
    OptionButton Option4{"Option4"};
    OptionButton Option3{"Option3"};
    CheckBox Check4{"Check4"};
    CheckBox Check3{"Check3"};
    CheckBox Check2{"Check2"};
    CheckBox Check1{"Check1"};
    OptionButton Option2{"Option2"};
    OptionButton Option1{"Option1"};
    TextBox Text4{"Text4"};
    Label Label8{"Label8"};

    // Where the last report went that the program's own folder could not
    // take: later reports of the run go straight there. Empty until then.
    std::string ReportFolder;

    // Every control, the form first, then each container's children in
    // stacking order, depth first.
    const std::vector<Control*>& controls() const { return all_; }
    std::vector<Timer*> timers() const;

    // Routes every property change of every control to one listener.
    void setListener(ChangeListener* listener);

    // Choosing an option button clears the others of its container.
    // Returns false when it was already chosen.
    bool choose(OptionButton& option);

private:
    std::vector<Control*> all_;
};

}  // namespace kulbo
