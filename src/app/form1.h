// The window with its event handlers. Each handler is named after its control
// and event and lives in the folder of its subsystem:
//   app/       Form_Load, Form_QueryUnload, Form_Unload, Timer2/Timer3 (size guard)
//   draw/      Command1 (pick), Timer1 (rolling), Command2 (range), Text*_KeyPress,
//              the rounds of 不重复方式
//   history/   Command11, Command9, Command8, Timer5 (stamps), Command10 (report)
//   settings/  Command3..5 and Form_KeyDown (lock), Command6, Option*, Check2,
//              Timer4 (settings), Command7, Command13 (about, website)
#pragma once

#include "app/dialog_port.h"
#include "app/system_port.h"
#include "app/window_model.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kulbo {

class Round;

class Form1 : public WindowModel {
public:
    Form1(SystemPort& system, DialogPort& dialogs);

    // Events as the front end delivers them. They run one at a time: an event
    // that arrives while a handler is still running (a timer tick behind a
    // modal box, say) is dropped, never nested, but for a request to close,
    // which is asked once that handler is done. After the program has ended
    // nothing runs.
    void load();
    void requestClose();
    void unload();
    // The session is ending: asks the closing question when the session lets
    // the program ask. Returns whether the end is to be cancelled (the user
    // kept the window, or a handler was busy).
    bool cancelSessionEnd(bool mayAsk);
    void click(Control& control);                      // only on a shown, enabled control
    std::int16_t keyPress(TextBox& box, std::int16_t keyAscii);  // returns 0 when swallowed
    // The box's KeyPress handler, if it has one: the number boxes and the
    // history box filter every typed key.
    using KeyPressHandler = void (Form1::*)(std::int16_t&);
    KeyPressHandler keyPressHandler(const TextBox& box) const;
    void keyDown(int keyCode, int shift);
    void tick(Timer& timer);                           // only while the timer is enabled
    // Many periods of a timer at once, leaving the window as that many ticks
    // would, at a cost that does not grow with their number.
    void advance(Timer& timer, std::uint64_t periods);
    bool ended() const { return ended_; }
    bool busy() const { return handling_; }  // a handler runs (behind a modal box, say)

    // Selecting an option button by program, as a click would: its Click
    // handler runs when the selection changes.
    void select(OptionButton& option);

    // Handlers.
    void Form_Load();
    void Form_QueryUnload(std::int16_t& Cancel, std::int16_t UnloadMode);
    void Form_Unload(std::int16_t& Cancel);
    void Form_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command13_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Check2_Click();

    void Text1_KeyPress(std::int16_t& KeyAscii);
    void Text2_KeyPress(std::int16_t& KeyAscii);
    void Text4_KeyPress(std::int16_t& KeyAscii);
    void Text6_KeyPress(std::int16_t& KeyAscii);

    void Timer1_Timer();
    void Timer1_Advance(std::uint64_t periods);
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();

private:
    template <class Handler>
    void dispatch(Handler&& handler);
    void runClickHandler(Control& control);
    void endProgram();

    // Pieces of the handlers that more than one step uses.
    void applyEditingGroup();
    void reject(const std::string& message);
    void startDraw();
    void unlockCheck();

    // 不重复方式: the round as the history stands, the rolling among the
    // numbers left, and the check before a pick.
    const Round& roundSoFar();
    void forgetRound();
    void rollAmongTheLeft();
    bool readyToPickWithoutRepeat();

    SystemPort& system_;
    DialogPort& dialogs_;
    struct RoundDeleter {
        void operator()(Round* round) const;
    };
    std::unique_ptr<Round, RoundDeleter> round_;  // what was read of the history, to read on from there
    bool handling_ = false;
    bool closePending_ = false;
    bool ended_ = false;
};

}  // namespace kulbo
