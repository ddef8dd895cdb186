#pragma once

#include <cassert>
#include <cstddef>
#include <string>
#include <vector>

#include "model/table.h"

namespace quorvane {

inline constexpr int DisplayColumnLast = 18;   ///< 0 time, 1..10 series, 11..18 analysis results
inline constexpr int MaxDisplaySeries = 10;
inline constexpr int DisplayRowLast = 32768;   ///< rows 1..32768 hold samples

/// The recorded results of the last run: single-precision values by column and row, allocated
/// once; each column keeps its contiguous rows 0..32768.
struct DisplayBuffer {
    float& At(int column, int row) {
        assert(column >= 0 && column <= DisplayColumnLast && row >= 0 && row <= DisplayRowLast);
        return Values[static_cast<std::size_t>(column) * (DisplayRowLast + 1) + static_cast<std::size_t>(row)];
    }
    const float& At(int column, int row) const {
        assert(column >= 0 && column <= DisplayColumnLast && row >= 0 && row <= DisplayRowLast);
        return Values[static_cast<std::size_t>(column) * (DisplayRowLast + 1) + static_cast<std::size_t>(row)];
    }
    /// Rows 0..32768 of one column.
    float* Column(int column) { return &At(column, 0); }
    const float* Column(int column) const { return &At(column, 0); }

    std::vector<float> Values =
        std::vector<float>(static_cast<std::size_t>(DisplayColumnLast + 1) * (DisplayRowLast + 1), 0.0f);
    Table<int, DisplayColumnLast> ColumnSource{};
    Table<std::string, DisplayColumnLast> ColumnTitle;
    Table<std::string, DisplayColumnLast> ColumnUnits;
    int ColumnCount = 0;     ///< display series 0..10
    int RecordedCount = 0;   ///< rows written by the last run
};

}  // namespace quorvane
