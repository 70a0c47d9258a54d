#pragma once
// The two records of the label settings file, one table each: every field's columns, what kind
// of field it is, the window's control that shows it and the state field that holds it. The
// reader and the writer both walk these tables, so a field is described once.
#include <cstddef>
#include <string>

#include "app/app.h"

namespace vt {

// Each record of the label settings file holds this many characters.
inline constexpr std::size_t kSettingsRecordLength = 100;

struct SettingsField {
    enum class Kind {
        LabelType,      // the label type number (1 when below)
        StartDate,      // "mm-dd-yyyy"; a date that is no real day reads as today
        Whole,          // a whole number into the state, shown in a text box
        Check,          // a check box state 0, 1 or 2 (grey); other values read as 0
        OneOrZero,      // a check box that is 1 only when 1 is stored
        Week,           // one of the five snack week options: "1" when it is the chosen one
        PrinterName,    // the printer's name, cut to its columns
        BarcodeWhole,   // a barcode size: the stored text in a text box, within a range
        BarcodeFactor,  // the barcode's XY factor, a fraction, within a range
        BarcodeType,    // the barcode's symbology number, within a range
        PeriodName,     // a period's name as its check box's caption
        Privacy,        // the privacy level 0 to 5
        DaysToExpire,   // 0 to 99; 0 shows as an empty box
    };
    std::size_t column;
    std::size_t width;
    Kind kind;
    TextBox Form1::*text = nullptr;
    CheckBox Form1::*check = nullptr;
    OptionButton Form1::*option = nullptr;
    Int16 AppState::*int16 = nullptr;
    Int32 AppState::*int32 = nullptr;
    float AppState::*single = nullptr;
    VbArray<Int16> AppState::*flags = nullptr;  // with `index`: the element that holds it
    int index = 0;                              // the period or week (from 1)
    // A barcode field's range, and what stands for a value outside it.
    double low = 0, high = 0, fallback = 0;
    const char* fallbackText = "";
    // Saving also takes the check box's state into the state field.
    bool savedIntoState = false;
};

// Read a record's fields from `record` into the controls and the state, or put the controls'
// (and the state's) values into `record`.
void ReadSettingsRecord(App& app, int number, const std::string& record);
void PutSettingsRecord(App& app, int number, std::string& record);

}  // namespace vt
