#pragma once
// An environment variable set for one test, the old value put back at its end.
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>

namespace vt::test {

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    // Unset for the test.
    ScopedEnv(const char* name, std::nullptr_t) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::unsetenv(name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace vt::test
