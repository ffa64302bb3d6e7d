#pragma once
// A fresh empty directory for one test, removed with all it holds when the
// test ends.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace orvane::test {

class ScratchDirectory {
 public:
  ScratchDirectory() : path_(std::filesystem::temp_directory_path() / uniqueName()) {
    std::filesystem::create_directories(path_);
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  static std::string uniqueName() {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    return std::string("orvane-") + test->test_suite_name() + "-" + test->name() + "-" +
           std::to_string(std::random_device{}());
  }

  std::filesystem::path path_;
};

}  // namespace orvane::test
