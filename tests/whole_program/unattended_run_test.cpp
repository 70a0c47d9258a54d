// Runs nobody watches: an automatic run, or any start-up without a display, always ends by
// itself, with a status that tells a scheduled job what happened and one line that says why.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include "batch_site.h"
#include "program_process.h"
#include "site/demo_site.h"
#include "site/site_files.h"
#include "support/test_support.h"

namespace vt::test {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct UnattendedRun {
    TempDir dir;
    fs::path drives = dir.path() / "drives";
    fs::path pdf = dir.path() / "pdf";
    site::SiteLayout layout;

    // A station with the automatic-print marker whose labels start tomorrow.
    explicit UnattendedRun(Date start = Today().AddDays(1)) {
        WriteBatchSite(drives, 3, kPdfPrinterName, start.AddDays(-1));
    }
    fs::path Host(const std::string& winPath) const { return site::HostPath(drives, winPath); }
    fs::path Marker() const { return Host(layout.SetupPath("autop")); }
    void RewriteSetupFile(const std::function<void(site::SetupFile&)>& change) {
        site::SetupFile setup = site::SetupFileFor(layout);
        setup.units = {{60, "EAST WING"}};
        change(setup);
        site::WriteSetupFile(drives, layout.SetupFilePath(), setup);
    }
    // The station's files become the unprivileged user's, as they would be a clerk's.
    void GiveToNobody() {
        fs::create_directories(pdf);
        for (const fs::path& top : {dir.path(), drives, pdf}) {
            ASSERT_EQ(::chown(top.c_str(), 65534, 65534), 0) << top;
        }
        for (const auto& entry : fs::recursive_directory_iterator(drives)) {
            ASSERT_EQ(::lchown(entry.path().c_str(), 65534, 65534), 0) << entry.path();
        }
    }
    bool PrintedAnything() const { return fs::exists(pdf) && !fs::is_empty(pdf); }
};

struct Outcome {
    std::optional<int> status;
    std::string errorOutput;
    std::string output;
};

Outcome RunProgram(const UnattendedRun& s, bool unprivileged = false) {
    Program program(s.drives, s.pdf, {}, unprivileged);
    EXPECT_TRUE(program.started());
    Outcome outcome{program.WaitFor(60s), "", ""};
    outcome.errorOutput = program.ErrorOutput();
    outcome.output = program.Output();
    return outcome;
}

// The last line of the error output: the reason the program gives as it ends.
std::string LastLine(const std::string& text) {
    std::string t = text;
    while (!t.empty() && t.back() == '\n') t.pop_back();
    return t.substr(t.rfind('\n') == std::string::npos ? 0 : t.rfind('\n') + 1);
}

TEST(UnattendedRun, ACompletedRunEndsWithStatusZero) {
    UnattendedRun s;
    const Outcome o = RunProgram(s);
    EXPECT_EQ(o.status, 0) << o.errorOutput;
    EXPECT_TRUE(s.PrintedAnything());
    EXPECT_FALSE(fs::exists(s.Marker()));
    // The run's report, on the standard output and kept as a file.
    EXPECT_EQ(o.output.rfind("Vittlon run report\nRun: completed\nPrinted ", 0), 0u) << o.output;
    const fs::path reports = s.pdf.string() + "-state/vittlon/reports";
    ASSERT_TRUE(fs::is_directory(reports));
    EXPECT_FALSE(fs::is_empty(reports));
}

TEST(UnattendedRun, ALabelDateOfTodayIsNotConfirmedAndEndsWithStatusThree) {
    // Without a settings file the start date is today too.
    for (const bool settingsMissing : {false, true}) {
        UnattendedRun s(Today());
        if (settingsMissing) fs::remove(s.Host(s.layout.SetupPath("Labelset")));
        const Outcome o = RunProgram(s);
        EXPECT_EQ(o.status, 3) << o.errorOutput;
        EXPECT_NE(LastLine(o.errorOutput).find("nothing printed"), std::string::npos)
            << o.errorOutput;
        EXPECT_FALSE(s.PrintedAnything());
        EXPECT_FALSE(fs::exists(s.Marker())) << "the marker is taken: the next start previews";
    }
}

TEST(UnattendedRun, AStartUpThatCannotGoOnEndsWithStatusOneAndSaysWhy) {
    struct Case {
        const char* what;
        std::function<void(UnattendedRun&)> damage;
        bool unprivileged;
        const char* reasonHas;
    };
    const Case cases[] = {
        {"no setup file", [](UnattendedRun& s) { fs::remove(s.Host(s.layout.SetupFilePath())); },
         false, "Cannot Find Setup File"},
        {"no resident list for the default unit",
         [](UnattendedRun& s) { fs::remove(s.Host(s.layout.UnitPath(1))); }, false, "sfl1.D1"},
        {"a label template path that leaves its drive",
         [](UnattendedRun& s) {
             // SetupTable(39), the template's folder
             s.RewriteSetupFile([](site::SetupFile& f) { f.paths[38] = "c:\\zel\\..\\..\\x"; });
         },
         false, "templ.D1"},
        {"a marker that cannot be deleted",
         [](UnattendedRun& s) { fs::permissions(s.Marker().parent_path(), fs::perms(0555)); }, true,
         "autop.D1"},
        {"a label type name list that cannot be read",
         [](UnattendedRun& s) {
             fs::permissions(s.Host(s.layout.SetupPath("LabList")), fs::perms::none);
         },
         true, "LabList.D1"},
        {"a settings file that cannot be read",
         [](UnattendedRun& s) {
             fs::permissions(s.Host(s.layout.SetupPath("Labelset")), fs::perms::none);
         },
         true, "Labelset.D1"},
        {"a folder in place of the settings file",
         [](UnattendedRun& s) {
             const fs::path settings = s.Host(s.layout.SetupPath("Labelset"));
             fs::remove(settings);
             fs::create_directory(settings);
         },
         false, "Labelset.D1"},
    };
    for (const Case& c : cases) {
        UnattendedRun s;
        if (c.unprivileged) s.GiveToNobody();
        c.damage(s);
        const Outcome o = RunProgram(s, c.unprivileged);
        EXPECT_EQ(o.status, 1) << c.what << "\n" << o.errorOutput;
        EXPECT_NE(LastLine(o.errorOutput).find(c.reasonHas), std::string::npos) << c.what << "\n"
                                                                                << o.errorOutput;
        EXPECT_FALSE(s.PrintedAnything()) << c.what;
        fs::permissions(s.Marker().parent_path(), fs::perms(0755));
    }
}

}  // namespace
}  // namespace vt::test
