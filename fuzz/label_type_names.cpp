// The label type name list (LabList.<station>) that fills the main window's label type list.
#include "fuzz_station.h"
#include "settings/label_type_catalogue.h"

using namespace vt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto station = fuzz::StationWith(fuzz::Started().LabListFile, data, size);
    fuzz::Read([&] {
        FillLabelTypeList(station->app);
        const ComboBox& list = station->app.form1.Combo2;
        fuzz::Check(list.List.size() == 50, "the list holds no 50 names");
        for (const std::string& name : list.List) {
            fuzz::Check(name.size() <= 25, "a name longer than the list shows: " + name);
        }
    });
    return 0;
}
