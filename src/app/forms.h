#pragma once
// The control models of the two windows, under their documented names, with their design
// values: what a station without a settings file starts with.
#include <string>

#include "platform/controls.h"
#include "platform/surface.h"

namespace vt {

inline constexpr const char* kForm1DesignCaption =
    "Vittlon - Use Keyword \"Follow\"= Follow Snack List   @=Print Two Copies of a  Labels    "
    "#=Print Three Copies of a Label";

// The main window.
struct Form1 {
    Window Form{.Caption = kForm1DesignCaption, .Width = 17910, .Height = 10620};

    // Selection area.
    Label Label1{.Caption = "Nursng &Unit"};
    TextBox Text1{.Text = "1"};
    TextBox Text2{.Text = "2"};
    Label Label3{.Caption = "&Residents"};
    TextBox Text3{.Text = "1"};
    TextBox Text4{.Text = "18"};
    Label Label2{.Caption = "Expire"};
    TextBox Text9{.Text = "2",
                  .ToolTipText = " Number of Days to Expire  ( Blank Means No Expiration Date ) "};
    Label Label7{.Caption = "&Start Date ",
                 .ToolTipText = " Start Date to print.  Use mm-dd-yyyy Date Format  "};
    DateEdit wwDateTimeEdit1;
    Label Label10{.Caption = ""};
    Label Label5{.Caption = "  # of Days:",
                 .ToolTipText = " Number of consecutive days of labels to print "};
    TextBox Text14{.Text = "1"};
    Image Image1;

    // Periods, label type and week.
    CheckBox Check11{.Caption = "Bold"};
    TextBox Text21{.Text = "1",
                   .ToolTipText =
                       " HIPAA Compliance Setting 0=Full Name, Picture  1=Abrv Name, Picture  "
                       "2=Full Name, No Picture  3=Abreviated Name, No Picture, 4=Abrv.Name and "
                       "Filtered Pic, 5=Full Name and Filtered Pic  "};
    Label Label6{.Caption = "Select Label Type/Press Enter"};
    ComboBox Combo2;
    CheckBox Check1{
        .Caption = "&10am",
        .ToolTipText = " Click to Print 10am Nourishments (Right Click to Change Name) "};
    CheckBox Check2{
        .Caption = "&2pm",
        .ToolTipText = " Click to Print 2pm Nourishments (Right Click to Change Name) "};
    CheckBox Check3{
        .Caption = "&3pm",
        .ToolTipText = " Click to Print 3pm Nourishments (Right Click to Change Name) "};
    CheckBox Check4{.Caption = "HS",
                    .ToolTipText = " Click to Print HS Nourishments (Right Click to Change Name) "};
    CheckBox Check13{
        .Caption = "&TrayLabels",
        .ToolTipText = " Click to Print HS Nourishments (Right Click to Change Name) "};
    Label Label14{.Caption = "&Week", .ToolTipText = " Week Number to use for the Snack List "};
    OptionButton Option1{.Caption = "1"};
    OptionButton Option2{.Caption = "2"};
    OptionButton Option3{.Caption = "3"};
    OptionButton Option4{.Caption = "4"};
    OptionButton Option5{.Caption = "5"};
    CommandButton Command6{
        .Caption = "&Duplicate Above Snacks",
        .ToolTipText =
            " Duplicate Above Diet in the Snack List where the Cursor is currently "
            "located "};
    CommandButton Command5{.Caption = "Print &Snack Menu"};
    CheckBox Check5{
        .Caption = "No Ph&oto",
        .ToolTipText = " Check if you do NOT want the resident pictures on the labels "};
    CheckBox Check6{.Caption = "No &Frame",
                    .ToolTipText = " Check if you do NOT want a frame printed around each label "};
    CheckBox Check9{.Caption = "BarCode"};
    CheckBox Check10{.Caption = "Snack Menu"};
    CommandButton Command1{.Caption = "&PRINT"};

    // Printer, sheet geometry and barcode.
    Label Label15{.Caption = "Pr&inter"};
    ComboBox Combo1;
    CommandButton Command3{.Caption = ""};
    CommandButton Command2{.Caption = "&x"};
    Label Label8{.Caption = "Top", .ToolTipText = " Usually 470 "};
    Label Label9{.Caption = "Hgt", .ToolTipText = " Usually 1430"};
    Label Label11{.Caption = "Wdth", .ToolTipText = " Usually 3830"};
    Label Label12{.Caption = "Rows", .ToolTipText = " Usually 10 "};
    Label Label13{.Caption = "Across"};
    TextBox Text5{
        .Text = "",
        .ToolTipText = " Top Margin to Start Printing at the Top of the Page (in Twips) "};
    TextBox Text6{.Text = "", .ToolTipText = " The Height of the Label in Twips "};
    TextBox Text7{.Text = "", .ToolTipText = " The Width of the Label in Twips "};
    TextBox Text8{.Text = "", .ToolTipText = " Number of Rows of Labels to Print Per Page "};
    TextBox Text10{.Text = "",
                   .ToolTipText = " Placement of First Column of Labels (in Twips-Usually 100) "};
    TextBox Text11{
        .Text = "",
        .ToolTipText = " Placement of Second Column of Labels (in Twips - Usually 4000) "};
    TextBox Text12{
        .Text = "",
        .ToolTipText = " Placement of third column of Labels (in Twips - Usually 7970) "};
    TextBox Text13{.Text = "",
                   .ToolTipText =
                       " Placement of fourth column of Labels (in Twips - Usually 0 for No Fourth "
                       "Column) "};
    CheckBox Check7{
        .Caption = "&Routine HS  Snacks Using Snack List",
        .ToolTipText =
            " Print HS Snacks for ALL Residents.  Use Snack List if NO Nourishment is in "
            "F9 HS Snack for a resident "};
    CommandButton Command4{
        .Caption = "Set for &ALL",
        .ToolTipText = " Put Settings for Printing ALL Vittlon for ALL Residents  "};
    CheckBox Check8{.Caption = "This Font",
                    .ToolTipText =
                        " Click to Check and Use This Font to Print By - Designed for Some Inkjet "
                        "Printers (Compaq)"};
    CheckBox Check12{.Caption = "Inkjet",
                     .ToolTipText =
                         " Click to Check and Print on an Inkjet Printer (Left Margin is Cropped "
                         "slightly )"};
    Label Label16{.Caption = "BarCode"};
    TextBox Text20{.Text = "3", .ToolTipText = " Type of Barcode 3=39  6=128"};
    TextBox Text19{.Text = "4.8", .ToolTipText = " XY Factor of Barcode. Usually 4.8 "};
    TextBox Text16{.Text = "290", .ToolTipText = "Left Shift of Barcode. Usually 290 "};
    TextBox Text17{.Text = "170", .ToolTipText = " Down Shift of the Barcode. Usually 170"};
    TextBox Text18{.Text = "80", .ToolTipText = " Height of the Barcode. Usually 80"};
    TextBox Text15{
        .Text = "460",
        .ToolTipText =
            " Width of the Barcode. Usually 460.  Lower Value is more difficult to scan "};

    // Lower part. Picture2 is the preview surface the view draws from; the program wires it.
    Surface* Picture2 = nullptr;
    // The snack list editor is shown only while the Snack Menu setting is on.
    RichTextBox RichTextBox1{.Text = "", .Visible = false, .Width = 12135, .Height = 3255};
    Barcod Barcod1;
};

// The simple window.
struct Form2 {
    Window Form{.Caption = "[Easy] Vittlon"};
    CheckBox Check1{.Caption = "10am"};
    CheckBox Check2;
    CheckBox Check3;
    CheckBox Check4;
    CheckBox Check5{.Caption = "User", .ToolTipText = " Check to Create User Defined Labels"};
    TextBox Text1{.Text = "", .Visible = false};
    CheckBox Check6{.Caption = "Tray Labels",
                    .ToolTipText = " Check to Create User Defined Labels"};
    DateEdit wwDateTimeEdit1;
    Label Label7{.Caption = "&Start Date",
                 .ToolTipText = " Start Date to print.  Use mm-dd-yyyy Date Format"};
    CommandButton Command1{.Caption = "&PRINT Labels"};
    CommandButton Command2{.Caption = "E&xit"};
    CommandButton Command3{.Caption = "&Advanced"};
};

}  // namespace vt
