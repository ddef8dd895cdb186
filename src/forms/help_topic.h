#pragma once

namespace quorvane {

/// What a window's help button opens: a topic key searched for in the manuals (0 = none) and
/// the manual number (1 user guide, 2 function blocks, 3 examples).
struct HelpTopic {
    int Key = 0;
    int Manual = 1;

    bool operator==(const HelpTopic&) const = default;
};

/// The simulation form properties window's topic.
inline constexpr HelpTopic FormPropertiesHelp{2001, 1};

/// The result windows' topics.
inline constexpr HelpTopic TabulationHelp{1001, 1};
inline constexpr HelpTopic PrintFormatHelp{1001, 1};
inline constexpr HelpTopic GraphHelp{1002, 1};
inline constexpr HelpTopic FrequencyHelp{1003, 1};
inline constexpr HelpTopic PrbsHelp{1004, 1};

/// The block properties and terminal windows open the topic of the block's FunctionCode.
inline constexpr HelpTopic BlockHelp(int functionCode) { return HelpTopic{functionCode, 1}; }

}  // namespace quorvane
