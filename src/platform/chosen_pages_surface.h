#pragma once
// Another surface that gets only the chosen pages of what is drawn: a reprint of some sheets of
// a run, drawn whole so that those sheets come out as the run makes them. The other pages are
// drawn on nothing; the drawing state (font, pen, position, page set-up) always reaches the
// target, so a chosen page starts in the state the run left.
#include "platform/page_list.h"
#include "platform/surface_state.h"

namespace vt {

class ChosenPagesSurface : public Surface {
  public:
    ChosenPagesSurface() = default;
    // Draw the `chosen` pages on `target`, from page 1 (the next drawing) on.
    void Retarget(Surface& target, PageList chosen);

    void SetFontName(const std::string& name) override {
        Both([&](Surface& s) { s.SetFontName(name); });
    }
    std::string FontName() const override { return c().FontName(); }
    void SetFontSize(double points) override {
        Both([&](Surface& s) { s.SetFontSize(points); });
    }
    double FontSize() const override { return c().FontSize(); }
    void SetFontBold(bool bold) override {
        Both([&](Surface& s) { s.SetFontBold(bold); });
    }
    bool FontBold() const override { return c().FontBold(); }
    void SetFontTransparent(bool transparent) override {
        Both([&](Surface& s) { s.SetFontTransparent(transparent); });
    }
    void SetDrawWidth(int deviceUnits) override {
        Both([&](Surface& s) { s.SetDrawWidth(deviceUnits); });
    }
    int DrawWidth() const override { return c().DrawWidth(); }
    void SetCurrentX(double twips) override {
        Both([&](Surface& s) { s.SetCurrentX(twips); });
    }
    void SetCurrentY(double twips) override {
        Both([&](Surface& s) { s.SetCurrentY(twips); });
    }
    double CurrentX() const override { return c().CurrentX(); }
    double CurrentY() const override { return c().CurrentY(); }
    // On a page not chosen the text is measured (and the position moved) as a recording
    // surface does; nothing of such a page is delivered, so nothing depends on it.
    double Print(const std::string& text, CodePage cp = CodePage::Cp1252) override;
    double TextWidth(const std::string& text, CodePage cp = CodePage::Cp1252) override {
        return c().TextWidth(text, cp);
    }
    void Line(double x1, double y1, double x2, double y2, bool box = false) override {
        c().Line(x1, y1, x2, y2, box);
    }
    void PaintPicture(const Picture& picture, double x, double y, double width,
                      double height) override {
        c().PaintPicture(picture, x, y, width, height);
    }
    void SetClip(double x, double y, double width, double height) override {
        Both([&](Surface& s) { s.SetClip(x, y, width, height); });
    }
    void NoClip() override {
        Both([](Surface& s) { s.NoClip(); });
    }
    void FillRect(double x, double y, double width, double height, unsigned rgb) override {
        c().FillRect(x, y, width, height, rgb);
    }
    void Cls() override { c().Cls(); }
    // The page ends: a chosen one goes out; the next one begins.
    void EndDoc() override;
    void SetPaperSize(int code) override {
        Both([&](Surface& s) { s.SetPaperSize(code); });
    }
    void SetOrientation(int code) override {
        Both([&](Surface& s) { s.SetOrientation(code); });
    }
    void SetHeight(double twips) override {
        Both([&](Surface& s) { s.SetHeight(twips); });
    }
    void SetWidth(double twips) override {
        Both([&](Surface& s) { s.SetWidth(twips); });
    }
    double Height() const override { return c().Height(); }
    double Width() const override { return c().Width(); }
    double TwipsPerDeviceUnit() const override { return t().TwipsPerDeviceUnit(); }
    void FillDeviceRect(double x, double y, double width, double height) override {
        c().FillDeviceRect(x, y, width, height);
    }

  private:
    // Where a page not chosen is drawn: nowhere, with the state a surface keeps.
    class Nothing : public SurfaceState {
      public:
        double Print(const std::string& text, CodePage cp) override;
        double TextWidth(const std::string& text, CodePage cp) override;
        void Line(double, double, double, double, bool) override {}
        void PaintPicture(const Picture&, double, double, double, double) override {}
        void FillRect(double, double, double, double, unsigned) override {}
        void Cls() override {}
        void EndDoc() override {}
        void SetPaperSize(int) override {}
        void SetOrientation(int) override {}
        double TwipsPerDeviceUnit() const override { return twipsPerDevice; }
        void FillDeviceRect(double, double, double, double) override {}
        double twipsPerDevice = 15;
    };

    Surface& t() const { return *target_; }
    // The surface the current page is drawn on.
    Surface& c() const { return chosen_.Has(page_) ? *target_ : nothing_; }
    template <typename F>
    void Both(F set) {
        set(*target_);
        set(nothing_);
    }

    Surface* target_ = nullptr;
    PageList chosen_;
    long page_ = 1;
    mutable Nothing nothing_;
};

}  // namespace vt
