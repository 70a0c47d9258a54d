#pragma once
// Another surface with everything drawn on it moved right and down: a printer's alignment,
// which moves the whole page to meet the label sheet in that printer.
#include "platform/surface.h"

namespace vt {

class ShiftedSurface : public Surface {
  public:
    ShiftedSurface() = default;
    // Draw on `target`, moved by whole twips (negative: left or up).
    void Retarget(Surface& target, double rightTwips, double downTwips);

    void SetFontName(const std::string& name) override { t().SetFontName(name); }
    std::string FontName() const override { return t().FontName(); }
    void SetFontSize(double points) override { t().SetFontSize(points); }
    double FontSize() const override { return t().FontSize(); }
    void SetFontBold(bool bold) override { t().SetFontBold(bold); }
    bool FontBold() const override { return t().FontBold(); }
    void SetFontTransparent(bool transparent) override { t().SetFontTransparent(transparent); }
    void SetDrawWidth(int deviceUnits) override { t().SetDrawWidth(deviceUnits); }
    int DrawWidth() const override { return t().DrawWidth(); }
    void SetCurrentX(double twips) override { t().SetCurrentX(twips + right_); }
    void SetCurrentY(double twips) override { t().SetCurrentY(twips + down_); }
    double CurrentX() const override { return t().CurrentX() - right_; }
    double CurrentY() const override { return t().CurrentY() - down_; }
    double Print(const std::string& text, CodePage cp = CodePage::Cp1252) override;
    double TextWidth(const std::string& text, CodePage cp = CodePage::Cp1252) override {
        return t().TextWidth(text, cp);
    }
    void Line(double x1, double y1, double x2, double y2, bool box = false) override;
    void PaintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;
    void SetClip(double x, double y, double width, double height) override;
    void NoClip() override { t().NoClip(); }
    void FillRect(double x, double y, double width, double height, unsigned rgb) override;
    void Cls() override { t().Cls(); }
    void EndDoc() override { t().EndDoc(); }
    void SetPaperSize(int code) override { t().SetPaperSize(code); }
    void SetOrientation(int code) override { t().SetOrientation(code); }
    void SetHeight(double twips) override { t().SetHeight(twips); }
    void SetWidth(double twips) override { t().SetWidth(twips); }
    double Height() const override { return t().Height(); }
    double Width() const override { return t().Width(); }
    double TwipsPerDeviceUnit() const override { return t().TwipsPerDeviceUnit(); }
    void FillDeviceRect(double x, double y, double width, double height) override;

  private:
    Surface& t() const { return *target_; }

    Surface* target_ = nullptr;
    double right_ = 0, down_ = 0;
};

}  // namespace vt
