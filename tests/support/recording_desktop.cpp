#include "support/recording_desktop.h"

#include <algorithm>

namespace quorvane {

void RecordingDesktop::Note(std::string_view name, std::initializer_list<int> numbers, const std::string& text) {
    std::string call(name);
    for (int number : numbers) call += " " + std::to_string(number);
    if (!text.empty()) call += " " + text;
    Calls.push_back(call);
}

void RecordingDesktop::ShowSheet(int form, const std::string& caption) { Note("ShowSheet", {form}, caption); }
void RecordingDesktop::CloseSheet(int form) { Note("CloseSheet", {form}); }
void RecordingDesktop::ClearSheetImages(int form) { Note("ClearSheetImages", {form}); }
void RecordingDesktop::PlaceBlockImage(int form, int block) { Note("PlaceBlockImage", {form, block}); }
void RecordingDesktop::MoveBlockImage(int form, int from, int to) { Note("MoveBlockImage", {form, from, to}); }
void RecordingDesktop::HideBlockImage(int form, int block) { Note("HideBlockImage", {form, block}); }

void RecordingDesktop::ShowMarker(int form, int marker, int block) {
    Note("ShowMarker", {form, marker, block});
    Markers.push_back({form, marker, block});
}

void RecordingDesktop::HideMarkers(int form) {
    Note("HideMarkers", {form});
    Markers.clear();
    ++MarkersHidden;
}

void RecordingDesktop::RequestRedraw(int form) {
    Note("RequestRedraw", {form});
    ++Redraws;
}

void RecordingDesktop::SetMainCaption(const std::string& caption) { Note("SetMainCaption", {}, caption); }
void RecordingDesktop::RefreshOptions() { Note("RefreshOptions", {}); }
void RecordingDesktop::PlaceSheet(int form) { Note("PlaceSheet", {form}); }
void RecordingDesktop::ActivateSheet(int form) { Note("ActivateSheet", {form}); }
void RecordingDesktop::PlaceGraphWindow() { Note("PlaceGraphWindow", {}); }
void RecordingDesktop::PlaceTabulationWindow() { Note("PlaceTabulationWindow", {}); }
void RecordingDesktop::ShowToolWindows() { Note("ShowToolWindows", {}); }
void RecordingDesktop::HideResultWindows() { Note("HideResultWindows", {}); }
void RecordingDesktop::RefreshGraphSwitches() { Note("RefreshGraphSwitches", {}); }
void RecordingDesktop::RefreshFrequencySwitches() { Note("RefreshFrequencySwitches", {}); }
void RecordingDesktop::RefreshPrbsSwitches() { Note("RefreshPrbsSwitches", {}); }
void RecordingDesktop::HidePrbsWindow() { Note("HidePrbsWindow", {}); }
void RecordingDesktop::CloseFrequencyWindow() { Note("CloseFrequencyWindow", {}); }
void RecordingDesktop::HidePrintFormatDialog() { Note("HidePrintFormatDialog", {}); }
void RecordingDesktop::ClearRunFigures() { Note("ClearRunFigures", {}); }

std::vector<std::string> RecordingDesktop::Of(std::initializer_list<std::string_view> names) const {
    std::vector<std::string> chosen;
    for (const std::string& call : Calls) {
        const std::string_view name = std::string_view(call).substr(0, call.find(' '));
        if (std::find(names.begin(), names.end(), name) != names.end()) chosen.push_back(call);
    }
    return chosen;
}

bool RecordingDesktop::Called(const std::string& call) const {
    return std::find(Calls.begin(), Calls.end(), call) != Calls.end();
}

}  // namespace quorvane
