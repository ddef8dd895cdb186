#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace quorvane {

/// The longest text a data file line may hold, in characters. Titles and units are short
/// labels; a longer text is refused when reading and cut when writing, so what is written
/// always reads back.
inline constexpr std::size_t LongestText = 4096;

/// The file holds something the model cannot take; the text says what and where.
class DataFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The file ended before the reader was done.
class DataFileEnd : public std::runtime_error {
public:
    explicit DataFileEnd(int lastLine)
        : std::runtime_error("Unexpected end of file after line " + std::to_string(lastLine)),
          LastLine(lastLine) {}
    int LastLine;
};

/// Reads data file text one value per line in the forms LineWriter writes. A line ends at CR LF,
/// LF or CR. Every read either returns a value that fits its type or throws DataFileError
/// (wrong kind: "Type mismatch in line N") or DataFileEnd. The text must outlive the reader.
class LineReader {
public:
    explicit LineReader(std::string_view text) : Rest(text) {}

    /// A quoted text of at most LongestText characters.
    std::string Text();
    int Integer();
    /// A 16-bit integer, as the recent-file store keeps its count.
    int ShortInteger();
    /// Any number that rounds to a finite 32-bit float.
    float Float();
    bool Boolean();
    /// A number that may never have been set: an empty line gives no value. It is kept as
    /// written, within the range of a 32-bit float.
    std::optional<double> Number();
    /// A marker line: quoted text, comma, integer.
    std::pair<std::string, int> Marker();
    /// A whole line, whatever it holds.
    std::string Line();

    /// The number of the line read last (1-based; 0 before the first read).
    int LineNumber() const { return Current; }
    bool AtEnd() const { return Rest.empty(); }

    /// "<what> in line N" for the line read last.
    [[noreturn]] void Fail(const std::string& what) const;

private:
    std::string_view NextLine();
    [[noreturn]] void Mismatch() const;
    long long IntegerIn(std::string_view text, long long low, long long high) const;
    std::string_view QuotedIn(std::string_view text) const;
    float FloatIn(std::string_view text) const;

    std::string_view Rest;
    int Current = 0;
};

}  // namespace quorvane
