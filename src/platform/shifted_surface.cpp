#include "platform/shifted_surface.h"

#include <cmath>

namespace vt {

void ShiftedSurface::Retarget(Surface& target, double rightTwips, double downTwips) {
    target_ = &target;
    right_ = std::round(rightTwips);
    down_ = std::round(downTwips);
}

double ShiftedSurface::Print(const std::string& text, CodePage cp) {
    const double width = t().Print(text, cp);
    // The printer goes back to the page's left edge, which is moved too.
    t().SetCurrentX(t().CurrentX() + right_);
    return width;
}

void ShiftedSurface::Line(double x1, double y1, double x2, double y2, bool box) {
    t().Line(x1 + right_, y1 + down_, x2 + right_, y2 + down_, box);
}

void ShiftedSurface::PaintPicture(const Picture& picture, double x, double y, double width,
                                  double height) {
    t().PaintPicture(picture, x + right_, y + down_, width, height);
}

void ShiftedSurface::SetClip(double x, double y, double width, double height) {
    t().SetClip(x + right_, y + down_, width, height);
}

void ShiftedSurface::FillRect(double x, double y, double width, double height, unsigned rgb) {
    t().FillRect(x + right_, y + down_, width, height, rgb);
}

void ShiftedSurface::FillDeviceRect(double x, double y, double width, double height) {
    const double perUnit = t().TwipsPerDeviceUnit();
    t().FillDeviceRect(x + right_ / perUnit, y + down_ / perUnit, width, height);
}

}  // namespace vt
