#pragma once

#include "platform/host.h"

namespace quorvane {

/// The host as the program hands it to the model: everything passes through, except that
/// sounds are dropped while the Sounds option is off.
class SoundSwitch : public Host {
public:
    SoundSwitch(Host& inner, const bool& soundsOn) : Inner(inner), SoundsOn(soundsOn) {}

    void Message(const std::string& text, const std::string& title) override { Inner.Message(text, title); }
    using Host::Message;
    bool Ask(const std::string& text, const std::string& title, Answer preset) override {
        return Inner.Ask(text, title, preset);
    }
    using Host::Ask;
    Answer AskYesNoCancel(const std::string& text, const std::string& title) override {
        return Inner.AskYesNoCancel(text, title);
    }
    void Info(const std::string& text) override { Inner.Info(text); }
    void PlaySound(Sound sound) override {
        if (SoundsOn) Inner.PlaySound(sound);
    }
    CalendarDate Today() override { return Inner.Today(); }
    double SecondsSinceMidnight() override { return Inner.SecondsSinceMidnight(); }
    double ElapsedSeconds() override { return Inner.ElapsedSeconds(); }

private:
    Host& Inner;
    const bool& SoundsOn;
};

}  // namespace quorvane
