#pragma once

#include <string>

namespace quorvane {

class EditHistory;
struct Settings;

/// The Print Format dialog (Pformat): for the data and the time columns, "General Format" or
/// "Use Format Below" and the two digit boxes as typed.
struct PrintFormatDialog {
    bool DataUseFormat = false;   ///< Option2 ("Use Format Below"), else Option1
    bool TimeUseFormat = false;   ///< Option4, else Option3
    std::string Text1;            ///< data digits before the decimal point
    std::string Text2;            ///< data digits after it
    std::string Text3;            ///< time digits before
    std::string Text4;            ///< time digits after
};

/// The dialog showing the current print formats.
PrintFormatDialog LoadPrintFormat(const Settings& settings);

/// "Done": the modes from the options and the digit counts from the boxes, each clamped to
/// 0..7 (0 or less gives 0, more than 6 gives 7). A format that changed counts as a change of
/// the model in `history`.
void ApplyPrintFormat(Settings& settings, EditHistory& history, const PrintFormatDialog& dialog);

/// The sample beside a column kind's boxes: the sign and as many digits as typed before the
/// point, the point, and as many after it ("+12.3" for 2 and 1). Data samples use up to seven
/// digits, time samples up to six.
std::string DataFormatSample(const std::string& before, const std::string& after);
std::string TimeFormatSample(const std::string& before, const std::string& after);

}  // namespace quorvane
