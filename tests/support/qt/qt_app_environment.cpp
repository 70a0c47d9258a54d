// One QApplication for the whole test program, made before the first test and gone before
// static destruction begins.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace {

class QtAppEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // The user's own preferences (window positions...) go to a folder of the test program.
        configHome_.emplace();
        qputenv("XDG_CONFIG_HOME", configHome_->path().toLocal8Bit());
        app_.emplace(argc_, argv_);
    }
    void TearDown() override {
        app_.reset();
        configHome_.reset();
    }

  private:
    int argc_ = 1;
    char name_[8] = "test_qt";
    char* argv_[2] = {name_, nullptr};
    std::optional<QTemporaryDir> configHome_;
    std::optional<QApplication> app_;
};

// GoogleTest takes ownership of the environment.
[[maybe_unused]] testing::Environment* const kQtApp =
    testing::AddGlobalTestEnvironment(std::make_unique<QtAppEnvironment>().release());

}  // namespace
