#pragma once
// How a surface lays out one line of text: the site's font at a size in twips, box-drawing
// characters as wide as digits. Drawing and measuring share it, so a text measured before it is
// drawn takes the width it is drawn in.
#include <QFont>
#include <QPaintDevice>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <string>

#include "platform/codepage.h"

namespace vt {

bool HasBoxDrawing(const QString& text);

// The site font `siteName` as its installed font, `points` high in twips (a surface's painter
// works in twips), bold or not.
QFont SurfaceFont(const std::string& siteName, double points, bool bold);

// One line of text shaped in `font` for `device` (nullptr: no device of its own).
std::unique_ptr<QTextLayout> LaidOut(const QString& line, const QFont& font, QPaintDevice* device);

// The width of `line` up to its last character that is not a blank.
double InkedWidth(const QString& line, const QTextLine& laidOut);
double InkedWidth(const std::string& text, CodePage cp, const QFont& font, QPaintDevice* device);

}  // namespace vt
