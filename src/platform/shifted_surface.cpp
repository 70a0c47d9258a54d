#include "platform/shifted_surface.h"

#include <cmath>

namespace vt {

void ShiftedSurface::Retarget(Surface& target, double rightTwips, double downTwips, double across,
                              double down) {
    target_ = &target;
    right_ = std::round(rightTwips);
    down_ = std::round(downTwips);
    across_ = across > 0 ? across : 1;
    downScale_ = down > 0 ? down : 1;
}

double ShiftedSurface::Print(const std::string& text, CodePage cp) {
    const double width = t().Print(text, cp);
    // The printer goes back to the page's left edge, which is moved too.
    t().SetCurrentX(t().CurrentX() + right_);
    return width / across_;
}

void ShiftedSurface::Line(double x1, double y1, double x2, double y2, bool box) {
    t().Line(X(x1), Y(y1), X(x2), Y(y2), box);
}

void ShiftedSurface::PaintPicture(const Picture& picture, double x, double y, double width,
                                  double height) {
    t().PaintPicture(picture, X(x), Y(y), width * across_, height * downScale_);
}

void ShiftedSurface::SetClip(double x, double y, double width, double height) {
    t().SetClip(X(x), Y(y), width * across_, height * downScale_);
}

void ShiftedSurface::FillRect(double x, double y, double width, double height, unsigned rgb) {
    t().FillRect(X(x), Y(y), width * across_, height * downScale_, rgb);
}

void ShiftedSurface::FillDeviceRect(double x, double y, double width, double height) {
    const double perUnit = t().TwipsPerDeviceUnit();
    t().FillDeviceRect(x * across_ + right_ / perUnit, y * downScale_ + down_ / perUnit,
                       width * across_, height * downScale_);
}

}  // namespace vt
