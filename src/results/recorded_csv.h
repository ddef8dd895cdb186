#pragma once

#include <iosfwd>
#include <string>

namespace quorvane {

struct DisplayBuffer;

/// A value as a CSV field: 9 significant digits, enough to read back the same float.
std::string CsvNumber(float value);

/// A title as a CSV field: quoted, with quotes doubled, when it holds a comma or a quote.
std::string CsvField(const std::string& text);

/// Every recorded row as CSV: a header of column titles (time first), then time and the display
/// series.
void WriteRecordedCsv(const DisplayBuffer& display, std::ostream& out);

}  // namespace quorvane
