#pragma once
// Where a painter surface's drawing goes: the preview image, a print job, or a page of a PDF
// file. A page opens at the first drawing after the device was made or after its last EndPage,
// so a document in which nothing was drawn never reaches paper or a file.
#include <QPainter>
#include <QSizeF>
#include <vector>

namespace vt {

struct PageSetup {
    int paperSize = 1;    // 1 = letter, 5 = legal, 9 = A4
    int orientation = 1;  // 1 = portrait, 2 = landscape
};

class PageDevice {
  public:
    virtual ~PageDevice() = default;
    // Device units (pixels, printer dots) per inch.
    virtual double DotsPerInch() const = 0;
    // The page size in twips before the caller sets one (the surface's Width and Height).
    virtual QSizeF PageTwips() const = 0;
    // The painter of the open page; opens a page with this set-up when none is open. Throws
    // when the printer or file cannot be opened.
    virtual QPainter& OpenPage(const PageSetup& setup) = 0;
    virtual bool PageOpen() const = 0;
    // The page drawn since OpenPage is complete (a print job ends, a PDF page is done).
    virtual void EndPage() = 0;
    // The open page is abandoned: a print job is aborted. A device that cannot take a page
    // back ends it.
    virtual void Abandon() { EndPage(); }
    // The print jobs the pages so far went out as, where the printer tells them.
    virtual std::vector<int> Jobs() const { return {}; }
    // Paint the whole page white, opening it only where a blank page means something (the
    // preview image).
    virtual void Clear() = 0;
};

}  // namespace vt
