#pragma once
// The station's label types: a name list that fills Combo2 and a geometry file with each
// type's sheet layout in twips.
#include <cstddef>

#include "app/app.h"

namespace vt {

// The characters of a label type's name in the name list.
inline constexpr std::size_t kLabelTypeNameWidth = 50;

// Load the geometry of label type LabelTypeNo into the state and the sheet fields (Text5 to
// Text8, Text10 to Text13).
void GetTyp(App& app);
// Fill Combo2 with the 50 names of the name list (when it exists) and select LabelTypeNo.
void FillLabelTypeList(App& app);
// Select entry LabelTypeNo - 1 of Combo2; nothing is selected when the list has no such entry.
void SelectLabelType(App& app);
// Store the start date and the eight sheet fields into the chosen type's geometry record. A
// record the sheet fields were not read from by GetTyp stays as it is. Throws FileError.
void SaveLabelGeometry(App& app);
// Store the name typed into Combo2 as the name of label type LabelTypeNo. Throws FileError.
void SaveLn(App& app);

}  // namespace vt
