#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace quorvane {

/// A fixed-capacity table indexed 0..Last, as the model declares its tables: slot 0 exists and
/// holds no model data. An index outside 0..Last is a programming error; callers check the
/// usable limits themselves.
template <typename T, int Last>
class Table {
public:
    static constexpr int LastIndex = Last;

    T& operator[](int i) {
        assert(i >= 0 && i <= Last);
        return Items[static_cast<std::size_t>(i)];
    }
    const T& operator[](int i) const {
        assert(i >= 0 && i <= Last);
        return Items[static_cast<std::size_t>(i)];
    }
    void Fill(const T& value) { Items.fill(value); }
    bool operator==(const Table&) const = default;

    std::array<T, static_cast<std::size_t>(Last) + 1> Items{};
};

}  // namespace quorvane
