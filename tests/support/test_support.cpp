#include "support/test_support.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/file_error.h"

namespace vt::test {
namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device rd;
    const fs::path base = fs::temp_directory_path();
    for (;;) {
        path_ = base / ("vittlon-test-" + std::to_string(rd()));
        if (fs::create_directory(path_)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void WriteHostFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadHostFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

MsgAnswer ScriptedDialogs::MsgBox(const std::string& text, const std::string& title,
                                  MsgButtons buttons, int defaultButton,
                                  const std::string& detail) {
    asked.push_back({text, title, buttons, defaultButton, detail});
    if (!answers.empty()) {
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    if (buttons == MsgButtons::OK) return MsgAnswer::OK;
    return defaultButton == 2 ? MsgAnswer::No : MsgAnswer::Yes;
}

std::optional<std::string> ScriptedDialogs::InputBox(const std::string& prompt, const std::string&,
                                                     const std::string&) {
    prompts.push_back(prompt);
    if (inputs.empty()) return std::nullopt;
    std::optional<std::string> s = inputs.front();
    inputs.pop_front();
    return s;
}

void FakeEvents::DoEvents() {
    ++doEventsCalls;
    if (onDoEvents) onDoEvents();
}

bool FakePrinters::SetCurrent(const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) return false;
    current = name;
    return true;
}

namespace {
struct FakePictureData : PictureData {
    int WidthPx() const override { return 100; }
    int HeightPx() const override { return 100; }
};
}  // namespace

void FakePrinterPage::EndDoc() {
    if (!refusal.empty()) throw std::runtime_error(refusal);
    RecordingSurface::EndDoc();
}

Picture FakePictures::Load(const std::string& hostPath) {
    std::error_code ec;
    if (!fs::is_regular_file(hostPath, ec) || fs::file_size(hostPath, ec) == 0) {
        throw FileError("not a picture: " + hostPath);
    }
    loaded.push_back(hostPath);
    return Picture{std::make_shared<FakePictureData>(), hostPath};
}

TestPlatform::TestPlatform(Date today)
    : drives(dir_.path()), clock(today), platform{drives, clock,    dialogs,
                                                  events, printers, pictures} {}

fs::path TestPlatform::Host(const std::string& winPath) const {
    // "x:\a\b" -> root/x/a/b, with the names as written.
    std::string rest = winPath.substr(2);
    fs::path p = dir_.path() / std::string(1, winPath[0]);
    std::string part;
    for (char c : rest + "\\") {
        if (c == '\\' || c == '/') {
            if (!part.empty()) p /= part;
            part.clear();
        } else {
            part += c;
        }
    }
    return p;
}

}  // namespace vt::test
