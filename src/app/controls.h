// The kinds of control a window is made of, as plain data with change
// notification: every property write that changes a value is announced to the
// window's one listener, so a view can follow the model at once.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kulbo {

enum class Kind { Form, CommandButton, TextBox, Label, Frame, PictureBox, OptionButton, CheckBox, Timer };

enum class Property { Caption, Text, Value, Enabled, Visible, Left, Top, Width, Height, WindowState };

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

class Control;
class CaptionedControl;

class ChangeListener {
public:
    virtual void propertyChanged(Control& control, Property property) = 0;
    // Text was added at the end of a text box's text, from the given byte on.
    virtual void textAppended(Control& control, std::size_t /*from*/) { propertyChanged(control, Property::Text); }

protected:
    ~ChangeListener() = default;
};

// A property value that tells its control when it really changes. Writing the
// value it already holds is silent, so a timer that rewrites the same caption
// a thousand times a second costs the view nothing.
template <class T>
class Prop {
public:
    Prop(Control& owner, Property id, T initial = T{}) : owner_(owner), id_(id), value_(std::move(initial)) {}
    Prop(const Prop&) = delete;  // a copy would still announce to the original's control

    const T& get() const { return value_; }
    operator const T&() const { return value_; }

    Prop& operator=(const T& value);
    Prop& operator=(const Prop& other) { return *this = other.value_; }

    // Adds to the end of a text without copying what it holds.
    void append(const std::string& more)
        requires std::same_as<T, std::string>;

    // How often the value was replaced (appends are not counted): while this
    // stays the same, what was read of a text is still the start of it.
    std::uint64_t replacements() const { return replacements_; }

    friend bool operator==(const Prop& a, const Prop& b) { return a.value_ == b.value_; }
    friend bool operator==(const Prop& a, const T& b) { return a.value_ == b; }

private:
    Control& owner_;
    Property id_;
    T value_;
    std::uint64_t replacements_ = 0;
};

class Control {
public:
    Control(std::string name, Kind kind) : name(std::move(name)), kind(kind) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string name;
    const Kind kind;
    Control* container = nullptr;
    std::vector<Control*> children;  // stacking order: earlier lies above later

    Prop<bool> Enabled{*this, Property::Enabled, true};
    Prop<bool> Visible{*this, Property::Visible, true};
    Prop<int> Left{*this, Property::Left};
    Prop<int> Top{*this, Property::Top};
    Prop<int> Width{*this, Property::Width};
    Prop<int> Height{*this, Property::Height};

    int TabIndex = -1;
    double FontSize = 9;  // points; every font is the same Song face
    std::optional<Rgb> ForeColor;
    std::optional<Rgb> BackColor;
    const CaptionedControl* LabelledBy = nullptr;  // the caption that names it for a screen reader

    // Shown on screen: this control and every container above it are visible.
    bool shown() const;

    void setListener(ChangeListener* listener) { listener_ = listener; }
    void notify(Property property) {
        if (listener_) listener_->propertyChanged(*this, property);
    }
    void notifyAppended(std::size_t from) {
        if (listener_) listener_->textAppended(*this, from);
    }

private:
    ChangeListener* listener_ = nullptr;
};

template <class T>
Prop<T>& Prop<T>::operator=(const T& value) {
    if (!(value_ == value)) {
        value_ = value;
        ++replacements_;
        owner_.notify(id_);
    }
    return *this;
}

template <class T>
void Prop<T>::append(const std::string& more)
    requires std::same_as<T, std::string>
{
    if (more.empty()) return;
    std::size_t from = value_.size();
    value_ += more;
    owner_.notifyAppended(from);
}

class CaptionedControl : public Control {
public:
    using Control::Control;
    Prop<std::string> Caption{*this, Property::Caption};
};

class CommandButton : public CaptionedControl {
public:
    explicit CommandButton(std::string name) : CaptionedControl(std::move(name), Kind::CommandButton) {}
    bool Graphical = true;
    std::string IconName;  // a picture shown above the caption, if any
    int IconSize = 0;      // its side, in pixels at 96 dots per inch
};

class Label : public CaptionedControl {
public:
    explicit Label(std::string name) : CaptionedControl(std::move(name), Kind::Label) {}
    bool Centered = false;
    bool AutoSize = false;
    bool BigDisplay = false;  // the drawn number's display, as large as its frame allows
};

class Frame : public CaptionedControl {
public:
    explicit Frame(std::string name) : CaptionedControl(std::move(name), Kind::Frame) {}
};

class OptionButton : public CaptionedControl {
public:
    explicit OptionButton(std::string name) : CaptionedControl(std::move(name), Kind::OptionButton) {}
    Prop<bool> Value{*this, Property::Value, false};
};

class CheckBox : public CaptionedControl {
public:
    explicit CheckBox(std::string name) : CaptionedControl(std::move(name), Kind::CheckBox) {}
    Prop<int> Value{*this, Property::Value, 0};  // 0 unchecked, 1 checked
};

// Whether an option button or a check box shows its mark; false for any other control.
inline bool isChecked(const Control& c) {
    if (c.kind == Kind::OptionButton) return static_cast<const OptionButton&>(c).Value;
    return c.kind == Kind::CheckBox && static_cast<const CheckBox&>(c).Value != 0;
}

class TextBox : public Control {
public:
    explicit TextBox(std::string name) : Control(std::move(name), Kind::TextBox) {}
    Prop<std::string> Text{*this, Property::Text};
    int MaxLength = 0;  // characters; 0 means no limit
    bool MultiLine = false;
    bool VerticalScrollBar = false;
    bool Locked = false;  // read-only for the user
    char PasswordChar = '\0';
};

class PictureBox : public Control {
public:
    explicit PictureBox(std::string name) : Control(std::move(name), Kind::PictureBox) {}
};

class Timer : public Control {
public:
    explicit Timer(std::string name) : Control(std::move(name), Kind::Timer) {}
    int Interval = 1;  // milliseconds
};

}  // namespace kulbo
