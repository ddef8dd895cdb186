#pragma once

#include <string>

namespace quorvane {

struct CalendarDate {
    int Year = 2000;   ///< four digits
    int Month = 1;     ///< 1..12
    int Day = 1;       ///< 1..31
};

/// The sounds of the sound table by their numbers: "drag.wav", "redo.wav", "clear.wav",
/// "bestfit.wav" and "wib.wav".
enum class Sound { Drag = 1, Redo = 2, Clear = 3, BestFit = 4, Wib = 5 };

/// The buttons of a question.
enum class Answer { No = 0, Yes = 1, Cancel = 2 };

/// The services a desktop gives the simulator: message boxes, questions, the self-closing
/// information window, sounds and the clock. The desktop program shows real windows, the
/// headless runner prints, tests record.
class Host {
public:
    virtual ~Host() = default;

    /// A message box with an OK button; the caption defaults to the application's title.
    virtual void Message(const std::string& text, const std::string& title) = 0;
    void Message(const std::string& text) { Message(text, "Quorvane"); }

    /// A Yes/No question; true for Yes. `preset` is the button Return presses: No for questions
    /// whose Yes loses something (replacing a file, deleting blocks).
    virtual bool Ask(const std::string& text, const std::string& title, Answer preset) = 0;
    bool Ask(const std::string& text, const std::string& title) { return Ask(text, title, Answer::Yes); }

    /// A Yes/No/Cancel question, Yes preset. Without anyone to answer, Cancel: nothing goes ahead.
    virtual Answer AskYesNoCancel(const std::string& text, const std::string& title) = 0;

    /// The information window that closes itself after six seconds.
    virtual void Info(const std::string& text) = 0;

    virtual void PlaySound(Sound sound) = 0;

    virtual CalendarDate Today() = 0;

    /// Time of day in seconds since midnight, with fractions: for showing the time only, as it
    /// steps back at midnight and whenever the system clock is corrected.
    virtual double SecondsSinceMidnight() = 0;

    /// Seconds from an arbitrary origin on a clock that never steps back: for measuring how
    /// long something takes.
    virtual double ElapsedSeconds() = 0;
};

}  // namespace quorvane
