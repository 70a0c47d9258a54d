#include "platform/chosen_pages_surface.h"

#include <utility>

#include "platform/recording_surface.h"
#include "platform/text.h"
#include "platform/units.h"

namespace vt {

void ChosenPagesSurface::Retarget(Surface& target, PageList chosen) {
    target_ = &target;
    chosen_ = std::move(chosen);
    page_ = 1;
    nothing_ = Nothing{};
    nothing_.twipsPerDevice = target.TwipsPerDeviceUnit();
}

double ChosenPagesSurface::Print(const std::string& text, CodePage cp) {
    return c().Print(text, cp);
}

void ChosenPagesSurface::EndDoc() {
    if (chosen_.Has(page_)) target_->EndDoc();
    ++page_;
}

double ChosenPagesSurface::Nothing::TextWidth(const std::string& text, CodePage) {
    return double(RTrim(text).size()) * kRecordedCharacterEms * fontSize_ * kTwipsPerPoint;
}

double ChosenPagesSurface::Nothing::Print(const std::string& text, CodePage cp) {
    const double width = TextWidth(text, cp);
    x_ = 0;
    y_ += fontSize_ * kTwipsPerPoint;
    return width;
}

}  // namespace vt
