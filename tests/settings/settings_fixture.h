#pragma once
#include "platform/text.h"
#include "support/station_fixture.h"

namespace vt::test {

inline std::string SettingsPath(const StationFixture& f) {
    return f.layout.SetupPath("Labelset");
}
inline std::string GeometryPath(const StationFixture& f) {
    return f.layout.SetupPath("Labeltyp");
}

// Record n (100 bytes) of the settings file as it is on disk.
inline std::string SettingsRecord(const StationFixture& f, std::size_t n) {
    return f.Bytes(SettingsPath(f)).substr((n - 1) * 100, 100);
}

// Column range [from, to] (1-based) of a record.
inline std::string Cols(const std::string& record, std::size_t from, std::size_t to) {
    return Mid(record, from, to - from + 1);
}

// Write a settings file of two records whose fields are put in by the test.
inline void WriteSettings(StationFixture& f, const std::string& record1,
                          const std::string& record2) {
    WriteHostFile(f.Host(SettingsPath(f)), PadTo(record1, 100) + PadTo(record2, 100));
}

}  // namespace vt::test
