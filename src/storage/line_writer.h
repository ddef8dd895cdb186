#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

/// Builds data file text one value per line, CRLF line ends, in the value forms the readers
/// accept: quoted text, decimal integer, shortest float text, #TRUE#/#FALSE#, an empty line for a
/// number never set, and marker lines ("text",integer).
class LineWriter {
public:
    /// Line breaks inside the text become spaces: a break would split the record and shift every
    /// value after it. A text longer than the reader takes is cut to LongestText characters.
    void Text(std::string_view text);
    void Integer(long long value);
    void Float(float value);
    void Boolean(bool value);
    /// Written as a float; a value beyond the float range as the largest float of its sign.
    void Number(const std::optional<double>& value);
    void Marker(std::string_view text, int value);

    const std::string& Result() const { return Out; }

private:
    void AppendQuoted(std::string_view text);
    void EndLine() { Out += "\r\n"; }

    std::string Out;
};

}  // namespace quorvane
