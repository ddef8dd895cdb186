#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace quorvane {

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

    std::string Text();
    int Integer();
    /// A 16-bit integer, as the recent-file store keeps its count.
    int ShortInteger();
    /// A finite value that fits a 32-bit float.
    float Float();
    bool Boolean();
    /// A number that may never have been set: an empty line gives no value.
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
    /// A finite number within the range of a 32-bit float.
    double FloatIn(std::string_view text) const;

    std::string_view Rest;
    int Current = 0;
};

}  // namespace quorvane
