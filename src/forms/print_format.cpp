#include "forms/print_format.h"

#include <string_view>

#include "model/edit_history.h"
#include "model/model.h"
#include "platform/text.h"
#include "results/tabulation.h"

namespace quorvane {

namespace {

/// Counts are clamped as Done clamps them, so a box holding "-1" or "12" still gives a sample.
std::string Sample(std::string_view integerDigits, std::string_view decimals, const std::string& before,
                   const std::string& after) {
    const auto take = [](std::string_view digits, int count) {
        return std::string(digits.substr(0, static_cast<std::size_t>(count)));
    };
    return take(integerDigits, DigitCount(Val(before)) + 1) + "." + take(decimals, DigitCount(Val(after)));
}

}  // namespace

PrintFormatDialog LoadPrintFormat(const Settings& settings) {
    return {settings.DataColumnFormatMode == 1, settings.TimeColumnFormatMode == 1,
            NumberText(settings.DataDigitsBefore), NumberText(settings.DataDigitsAfter),
            NumberText(settings.TimeDigitsBefore), NumberText(settings.TimeDigitsAfter)};
}

void ApplyPrintFormat(Settings& settings, EditHistory& history, const PrintFormatDialog& dialog) {
    const Settings before = settings;
    settings.DataDigitsBefore = DigitCount(Val(dialog.Text1));
    settings.DataDigitsAfter = DigitCount(Val(dialog.Text2));
    settings.TimeDigitsBefore = DigitCount(Val(dialog.Text3));
    settings.TimeDigitsAfter = DigitCount(Val(dialog.Text4));
    settings.DataColumnFormatMode = dialog.DataUseFormat ? 1 : 0;
    settings.TimeColumnFormatMode = dialog.TimeUseFormat ? 1 : 0;
    history.NoteSettings(before, settings);
}

std::string DataFormatSample(const std::string& before, const std::string& after) {
    return Sample("+1234567", "1234567", before, after);
}

std::string TimeFormatSample(const std::string& before, const std::string& after) {
    return Sample("+123456", "123456", before, after);
}

}  // namespace quorvane
