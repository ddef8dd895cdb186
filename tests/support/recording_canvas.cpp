#include "support/recording_canvas.h"

namespace quorvane {

void RecordingCanvas::Add(Kind kind, double x1, double y1, double x2, double y2, const std::string& text) {
    Drawn.push_back({kind, x1, y1, x2, y2, text, Fore, Pen, PenWidth, Mode, FontSize});
}

void RecordingCanvas::Clear() { Add(Kind::Clear, 0, 0, 0, 0); }
void RecordingCanvas::SetScale(double left, double top, double right, double bottom) {
    Add(Kind::Scale, left, top, right, bottom);
}
void RecordingCanvas::SetClip(double x1, double y1, double x2, double y2) { Add(Kind::Clip, x1, y1, x2, y2); }
void RecordingCanvas::Line(double x1, double y1, double x2, double y2) { Add(Kind::Line, x1, y1, x2, y2); }
void RecordingCanvas::Box(double x1, double y1, double x2, double y2, bool filled) {
    Add(filled ? Kind::FilledBox : Kind::Box, x1, y1, x2, y2);
}
void RecordingCanvas::Circle(double x, double y, double radius) { Add(Kind::Circle, x, y, radius, 0); }
void RecordingCanvas::Point(double x, double y) { Add(Kind::Point, x, y, x, y); }
void RecordingCanvas::Text(double x, double y, const std::string& text) { Add(Kind::Text, x, y, x, y, text); }
double RecordingCanvas::TextWidth(const std::string& text) { return CharWidth * static_cast<double>(text.size()); }
double RecordingCanvas::TextHeight(const std::string&) { return LineHeight; }
void RecordingCanvas::NewPage() { Add(Kind::NewPage, 0, 0, 0, 0); }
void RecordingCanvas::EndDocument() { Add(Kind::EndDocument, 0, 0, 0, 0); }

std::vector<RecordingCanvas::Primitive> RecordingCanvas::OfKind(Kind kind) const {
    std::vector<Primitive> found;
    for (const Primitive& p : Drawn) {
        if (p.What == kind) found.push_back(p);
    }
    return found;
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> texts;
    for (const Primitive& p : Drawn) {
        if (p.What == Kind::Text) texts.push_back(p.Text);
    }
    return texts;
}

}  // namespace quorvane
