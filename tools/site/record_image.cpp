#include "site/record_image.h"

#include <stdexcept>

#include "platform/text.h"

namespace vt::site {

void RecordImage::Reserve(std::size_t count) {
    if (bytes_.size() < count * length_) bytes_.resize(count * length_, ' ');
}

void RecordImage::Put(std::size_t n, std::size_t start, std::size_t width, std::string_view value) {
    // A field that ran over its record would silently land in the next one.
    if (n == 0 || start == 0 || start - 1 + width > length_) {
        throw std::out_of_range("field outside record: record " + std::to_string(n) + ", column " +
                                std::to_string(start) + ", width " + std::to_string(width));
    }
    Reserve(n);
    std::string record = bytes_.substr((n - 1) * length_, length_);
    PutField(record, start, width, value);
    bytes_.replace((n - 1) * length_, length_, record);
}

}  // namespace vt::site
