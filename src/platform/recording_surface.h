#pragma once
// A surface that keeps every drawing operation with its exact coordinates and the drawing
// state in force, so that layout tests compare twips, not pixels.
#include <string>
#include <vector>

#include "platform/surface_state.h"

namespace vt {

// Text widths on a recording surface: half an em (a font size of 9 points: 90 twips) for every
// character, so that layout tests know exactly when a line is too long.
inline constexpr double kRecordedCharacterEms = 0.5;

struct RecordedOp {
    enum class Kind { Text, Line, Box, Picture, FillDeviceRect, FillRect, Cls, EndDoc };
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
    unsigned rgb = 0;                        // FillRect: its colour
    std::optional<SurfaceState::Rect> clip;  // the clip in force
};

class RecordingSurface : public SurfaceState {
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

    double Print(const std::string& text, CodePage cp = CodePage::Cp1252) override;
    double TextWidth(const std::string& text, CodePage cp = CodePage::Cp1252) override;
    void Line(double x1, double y1, double x2, double y2, bool box = false) override;
    void PaintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;
    void FillRect(double x, double y, double width, double height, unsigned rgb) override;
    void Cls() override;
    void EndDoc() override;

    void SetPaperSize(int code) override { paperSize = code; }
    void SetOrientation(int code) override { orientation = code; }

    double TwipsPerDeviceUnit() const override { return twipsPerDevice_; }
    void FillDeviceRect(double x, double y, double width, double height) override;

  private:
    RecordedOp Op(RecordedOp::Kind kind) const;

    double twipsPerDevice_;
};

}  // namespace vt
