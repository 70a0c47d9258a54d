#pragma once
// A surface that keeps every drawing operation with its exact coordinates and the drawing
// state in force, so that layout tests compare twips, not pixels.
#include <string>
#include <vector>

#include "platform/surface.h"

namespace vt {

struct RecordedOp {
    enum class Kind { Text, Line, Box, Picture, FillDeviceRect, Cls, EndDoc };
    Kind kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // Text: x1, y1 = CurrentX, CurrentY;
                                            // Picture/FillDeviceRect: x1, y1, width, height
    std::string text;                       // Text: the text as given; Picture: its source
    CodePage codePage = CodePage::Cp1252;
    std::string fontName;
    double fontSize = 0;
    bool fontBold = false;
    bool fontTransparent = true;
    int drawWidth = 1;
};

class RecordingSurface : public Surface {
public:
    // twipsPerDeviceUnit: 15 for a preview box, 4.8 for a 300 dpi printer.
    explicit RecordingSurface(double twipsPerDeviceUnit = 15.0);

    std::vector<RecordedOp> ops;
    int paperSize = 0;
    int orientation = 0;

    // The recorded texts, in order; handy for assertions.
    std::vector<std::string> Texts() const;
    // Number of EndDoc calls.
    int Documents() const;

    void SetFontName(const std::string& name) override { fontName_ = name; }
    std::string FontName() const override { return fontName_; }
    void SetFontSize(double points) override { fontSize_ = points; }
    double FontSize() const override { return fontSize_; }
    void SetFontBold(bool bold) override { fontBold_ = bold; }
    bool FontBold() const override { return fontBold_; }
    void SetFontTransparent(bool transparent) override { fontTransparent_ = transparent; }
    void SetDrawWidth(int deviceUnits) override { drawWidth_ = deviceUnits; }
    int DrawWidth() const override { return drawWidth_; }
    void SetCurrentX(double twips) override { x_ = twips; }
    void SetCurrentY(double twips) override { y_ = twips; }
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }

    void Print(const std::string& text, CodePage cp = CodePage::Cp1252) override;
    void Line(double x1, double y1, double x2, double y2, bool box = false) override;
    void PaintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;
    void Cls() override;
    void EndDoc() override;

    void SetPaperSize(int code) override { paperSize = code; }
    void SetOrientation(int code) override { orientation = code; }
    void SetHeight(double twips) override { height_ = twips; }
    void SetWidth(double twips) override { width_ = twips; }
    double Height() const override { return height_; }
    double Width() const override { return width_; }

    double TwipsPerDeviceUnit() const override { return twipsPerDevice_; }
    void FillDeviceRect(double x, double y, double width, double height) override;

private:
    RecordedOp Op(RecordedOp::Kind kind) const;

    double twipsPerDevice_;
    std::string fontName_ = "Liberation Sans Narrow";
    double fontSize_ = 9;
    bool fontBold_ = false;
    bool fontTransparent_ = true;
    int drawWidth_ = 1;
    double x_ = 0, y_ = 0;
    double height_ = 15840, width_ = 12240;
};

}  // namespace vt
