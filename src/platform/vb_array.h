#pragma once
// An array with a chosen lower index bound, as the tables are documented: SetupTable(1..N),
// PeriodNourish1(0..4). An index outside the bounds throws SubscriptError, which the current
// operation's error trap handles like any other failure.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace vt {

class SubscriptError : public std::out_of_range {
  public:
    using std::out_of_range::out_of_range;
};

template <typename T>
class VbArray {
  public:
    VbArray() = default;
    VbArray(long lower, long upper) { ReDim(lower, upper); }

    // Re-create with elements lower..upper, all default values. upper < lower makes it empty.
    void ReDim(long lower, long upper) {
        lower_ = lower;
        items_.assign(upper >= lower ? static_cast<std::size_t>(upper - lower + 1) : 0, T{});
    }
    long LBound() const { return lower_; }
    long UBound() const { return lower_ + static_cast<long>(items_.size()) - 1; }
    std::size_t size() const { return items_.size(); }

    T& operator()(long i) { return items_.at(Offset(i)); }
    const T& operator()(long i) const { return items_.at(Offset(i)); }

  private:
    std::size_t Offset(long i) const {
        if (i < lower_ || i > UBound()) {
            throw SubscriptError("subscript " + std::to_string(i) + " out of range " +
                                 std::to_string(lower_) + ".." + std::to_string(UBound()));
        }
        return static_cast<std::size_t>(i - lower_);
    }

    long lower_ = 0;
    std::vector<T> items_;
};

// A two-dimensional table with lower bounds, as SnackItems(0..14, 0..3).
template <typename T>
class VbTable {
  public:
    VbTable() = default;
    void ReDim(long lo1, long hi1, long lo2, long hi2) {
        lo1_ = lo1;
        lo2_ = lo2;
        n1_ = hi1 >= lo1 ? hi1 - lo1 + 1 : 0;
        n2_ = hi2 >= lo2 ? hi2 - lo2 + 1 : 0;
        items_.assign(static_cast<std::size_t>(n1_ * n2_), T{});
    }
    T& operator()(long i, long j) { return items_.at(Offset(i, j)); }
    const T& operator()(long i, long j) const { return items_.at(Offset(i, j)); }

  private:
    std::size_t Offset(long i, long j) const {
        if (i < lo1_ || i >= lo1_ + n1_ || j < lo2_ || j >= lo2_ + n2_) {
            throw SubscriptError("subscript (" + std::to_string(i) + ", " + std::to_string(j) +
                                 ") out of range");
        }
        return static_cast<std::size_t>((i - lo1_) * n2_ + (j - lo2_));
    }
    long lo1_ = 0, lo2_ = 0, n1_ = 0, n2_ = 0;
    std::vector<T> items_;
};

}  // namespace vt
