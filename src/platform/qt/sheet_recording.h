#pragma once
// A print run's sheets kept for showing them: each sheet's drawing, in order and with the
// drawing state each stroke was made in, packed and compressed, and the resident pictures as
// small JPEG copies (one per picture file), so that a whole facility's run stays a few
// megabytes. Any sheet is drawn again on request, on any surface or on an image of any size.
// The surface answers as a 300 dpi printer does, so the sheets come out as they print.
#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/surface_state.h"

namespace vt {

class SheetRecording : public SurfaceState {
  public:
    SheetRecording() = default;

    // Runs after each finished sheet.
    void SetSheetDone(std::function<void()> sheetDone) { sheetDone_ = std::move(sheetDone); }
    int Sheets() const { return static_cast<int>(sheets_.size()); }
    // What the finished sheets and their pictures take, in bytes.
    std::size_t Bytes() const;
    // Sheet `index` (from 0): its size in twips, as it was set up.
    QSizeF SheetTwips(int index) const;
    // Sheet `index` drawn again on `target`, set up as it was.
    void Replay(int index, Surface& target) const;
    // Sheet `index` on a white image of `pixels`, the whole sheet scaled to it.
    QImage Render(int index, QSize pixels) const;

    // Text is not measured: Print returns 0, so a run drawn here reports no cut lines. Label
    // drawing places every text itself; the position after a text is only an estimate.
    double Print(const std::string& text, CodePage cp = CodePage::Cp1252) override;
    // Measured as a printer measures it, for the texts label drawing must place whole.
    double TextWidth(const std::string& text, CodePage cp = CodePage::Cp1252) override;
    void Line(double x1, double y1, double x2, double y2, bool box = false) override;
    void PaintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;
    void FillRect(double x, double y, double width, double height, unsigned rgb) override;
    void FillDeviceRect(double x, double y, double width, double height) override;
    void Cls() override;
    void EndDoc() override;
    void SetPaperSize(int code) override { paperSize_ = code; }
    void SetOrientation(int code) override;
    double TwipsPerDeviceUnit() const override;

  private:
    struct Sheet {
        QByteArray drawing;  // compressed
        QSizeF twips;
        int paperSize, orientation;
    };
    // The drawing state a stroke is made in.
    struct Pen {
        std::string fontName;
        double fontSize;
        bool fontBold, fontTransparent;
        int drawWidth;
        std::optional<Rect> clip;
        bool operator==(const Pen& other) const;
    };

    // The entry of a stroke about to be written, after the drawing state when it changed.
    std::string& Stroke(unsigned char kind);
    int PictureIndex(const Picture& picture);

    std::vector<Sheet> sheets_;
    std::string drawing_;     // the sheet being drawn, uncompressed
    bool inked_ = false;      // something was drawn on it: it goes to paper
    std::optional<Pen> pen_;  // the state last written on this sheet
    int paperSize_ = 1;
    int orientation_ = 1;
    struct KeptPicture {
        QByteArray jpeg;
        std::string source;
    };
    std::vector<KeptPicture> pictures_;
    std::unordered_map<std::string, int> pictureBySource_;
    std::function<void()> sheetDone_;
};

}  // namespace vt
