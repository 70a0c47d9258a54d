#include "settings/label_type_catalogue.h"

#include <optional>
#include <utility>

#include "platform/numbers.h"
#include "platform/record_file.h"
#include "platform/record_image.h"
#include "platform/text.h"
#include "settings/number_field.h"
#include "settings/settings_as_saved.h"
#include "settings/station_files.h"

namespace vt {
namespace {

constexpr std::size_t kNameRecordLength = 52;
constexpr std::size_t kShownNameWidth = 25;
constexpr int kNameCount = 50;
constexpr std::size_t kGeometryRecordLength = 200;
constexpr std::size_t kNumberWidth = 5;

// The eight sheet fields in the order of their columns: 11-15, 16-20, ..., 46-50.
constexpr TextBox Form1::*kSheetBoxes[] = {&Form1::Text5,  &Form1::Text6,  &Form1::Text7,
                                           &Form1::Text8,  &Form1::Text10, &Form1::Text11,
                                           &Form1::Text12, &Form1::Text13};
// Top margin, label height, label width and rows per page, with the value a stored 0 stands
// for; the other four fields are the columns' x places, where 0 means "not used".
constexpr Int32 AppState::*kSizes[] = {&AppState::TopMargin, &AppState::LabelHeight,
                                       &AppState::LabelWidth, &AppState::RowsPerPage};
constexpr Int32 kSizeWhenZero[] = {400, 1430, 3600, 10};

std::size_t FieldStart(int index) {
    return 11 + kNumberWidth * static_cast<std::size_t>(index);
}

// Geometry numbers are stored and shown as digits without a sign.
std::string Unsigned(Int32 value) {
    return *WholeNumberText(value, 11, false);
}

// The label type whose record is read next; until it is, no sheet counts as loaded.
std::size_t TypeToRead(AppState& st) {
    if (st.LabelTypeNo < 1) st.LabelTypeNo = 1;
    st.SheetTypeLoaded = 0;
    return static_cast<std::size_t>(st.LabelTypeNo);
}

// The sheet geometry of label type LabelTypeNo from its record.
void TakeGeometry(App& app, const std::string& record) {
    AppState& st = app.st;

    for (int i = 0; i < 8; ++i) {
        const Int32 stored = CLng(Val(Mid(record, FieldStart(i), kNumberWidth)));
        Int32& value = i < 4 ? st.*kSizes[i] : st.ColumnX(i - 3);
        value = (i < 4 && stored == 0) ? kSizeWhenZero[i] : stored;
        (app.form1.*kSheetBoxes[i]).Text = Unsigned(value);
    }
    st.SheetTypeLoaded = st.LabelTypeNo;
}

}  // namespace

void GetTyp(App& app) {
    const std::size_t type = TypeToRead(app.st);
    RecordFile file(app.os.drives, LabelGeometryPath(app.st), kGeometryRecordLength);
    TakeGeometry(app, file.Read(type));
}

void GetTypFrom(App& app, const RecordImage& catalogue) {
    TakeGeometry(app, catalogue.Read(TypeToRead(app.st)));
}

void FillLabelTypeList(App& app) {
    AppState& st = app.st;
    if (!app.os.drives.FileExists(st.LabListFile)) return;
    RecordFile names(app.os.drives, st.LabListFile, kNameRecordLength, RecordFile::Mode::Read);
    ComboBox& list = app.form1.Combo2;
    list.Clear();
    for (int n = 1; n <= kNameCount; ++n) {
        list.AddItem(RTrim(Left(names.Read(static_cast<std::uint64_t>(n)), kShownNameWidth)));
    }
    SelectLabelType(app);
}

void SelectLabelType(App& app) {
    ComboBox& list = app.form1.Combo2;
    const long index = app.st.LabelTypeNo - 1;
    if (index >= 0 && index < static_cast<long>(list.List.size())) {
        list.ListIndex = static_cast<int>(index);
        list.Text = list.List[static_cast<std::size_t>(index)];
    } else {
        list.ListIndex = -1;
    }
}

namespace {

std::optional<RecordImage> GeometryAsSaved(App& app) {
    AppState& st = app.st;
    const Int32 type = st.LabelTypeNo < 1 ? 1 : st.LabelTypeNo;
    // Sheet fields that were not read from this type's record (the read failed, or the settings
    // load stopped before it) would put zeros or another type's sheet over the one measured.
    if (st.SheetTypeLoaded != type) return std::nullopt;
    RecordImage file =
        RecordImage::Load(app.os.drives, LabelGeometryPath(st), kGeometryRecordLength);
    std::string record = file.Read(static_cast<std::size_t>(type));
    PutField(record, 1, 10, app.form1.wwDateTimeEdit1.Text());
    for (int i = 0; i < 8; ++i) {
        // A number wider than its five columns is not stored; the next read shows what the
        // record still holds.
        const auto digits =
            WholeNumberText(Val((app.form1.*kSheetBoxes[i]).Text), kNumberWidth, false);
        if (digits) PutField(record, FieldStart(i), kNumberWidth, *digits);
    }
    file.Write(static_cast<std::size_t>(type), record);
    return file;
}

}  // namespace

void SaveLabelGeometry(App& app) {
    if (const std::optional<RecordImage> file = GeometryAsSaved(app)) {
        file->Save(app.os.drives, LabelGeometryPath(app.st));
    }
}

RecordImage CatalogueAsSaved(App& app) {
    if (std::optional<RecordImage> file = GeometryAsSaved(app)) return std::move(*file);
    return RecordImage::Load(app.os.drives, LabelGeometryPath(app.st), kGeometryRecordLength);
}

void SaveLn(App& app) {
    AppState& st = app.st;
    const std::string path = st.SetupTable(23) + "\\setup\\LabList." + st.StationCode;
    RecordImage names = RecordImage::Load(app.os.drives, path, kNameRecordLength);
    const auto type = static_cast<std::size_t>(st.LabelTypeNo < 1 ? 1 : st.LabelTypeNo);
    std::string record = names.Read(type);
    PutField(record, 1, kLabelTypeNameWidth, app.form1.Combo2.Text);
    names.Write(type, record);
    names.Save(app.os.drives, path);
}

}  // namespace vt
