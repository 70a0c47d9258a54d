#pragma once
// The drawing surface that label drawing and the snack menu print go to: the printer, the
// preview box Picture2, a PDF, or a recording for tests. Positions and sizes are in twips
// (1,440 to the inch) from the page's top left corner; pages have no margins.
#include <string>

#include "platform/codepage.h"
#include "platform/picture.h"

namespace vt {

class Surface {
  public:
    virtual ~Surface() = default;

    virtual void SetFontName(const std::string& name) = 0;
    virtual std::string FontName() const = 0;
    virtual void SetFontSize(double points) = 0;
    virtual double FontSize() const = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual bool FontBold() const = 0;
    // false: text cells paint a white background.
    virtual void SetFontTransparent(bool transparent) = 0;
    // Pen width for lines, in device units (pixels on screen, dots on paper).
    virtual void SetDrawWidth(int deviceUnits) = 0;
    virtual int DrawWidth() const = 0;

    virtual void SetCurrentX(double twips) = 0;
    virtual void SetCurrentY(double twips) = 0;
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;

    // Print text with the top left of its cell at (CurrentX, CurrentY). Afterwards CurrentX
    // is 0 and CurrentY is one line lower, as a printer's Print leaves them. Returns the width
    // of the text up to its last character that is not a blank, in twips.
    virtual double Print(const std::string& text, CodePage cp = CodePage::Cp1252) = 0;
    // The width Print would return for `text` in the current font, without drawing it.
    virtual double TextWidth(const std::string& text, CodePage cp = CodePage::Cp1252) = 0;
    // A black line, or with box = true a rectangle outline, in the current DrawWidth.
    virtual void Line(double x1, double y1, double x2, double y2, bool box = false) = 0;
    // A picture scaled into the rectangle.
    virtual void PaintPicture(const Picture& picture, double x, double y, double width,
                              double height) = 0;
    // Draw only inside this rectangle (a label's own cell) until NoClip; a page started in
    // between keeps it.
    virtual void SetClip(double x, double y, double width, double height) = 0;
    virtual void NoClip() = 0;
    // A filled rectangle in a colour (0xRRGGBB), for marks on the screen only.
    virtual void FillRect(double x, double y, double width, double height, unsigned rgb) = 0;
    // Clear the surface (the preview box).
    virtual void Cls() = 0;
    // End the current printer document: the page so far goes out as one document.
    virtual void EndDoc() = 0;

    // Page set-up: paper size code (1 = letter) and orientation (1 = portrait, 2 = landscape),
    // page height and width in twips.
    virtual void SetPaperSize(int code) = 0;
    virtual void SetOrientation(int code) = 0;
    virtual void SetHeight(double twips) = 0;
    virtual void SetWidth(double twips) = 0;
    virtual double Height() const = 0;
    virtual double Width() const = 0;

    // The device units that the barcode component works in: twips per device unit (15 on
    // screen, 4.8 on a 300 dpi printer), and a filled black rectangle in device units.
    virtual double TwipsPerDeviceUnit() const = 0;
    virtual void FillDeviceRect(double x, double y, double width, double height) = 0;
};

}  // namespace vt
