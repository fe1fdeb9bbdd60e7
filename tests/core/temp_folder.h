// A fresh folder of its own for each test of a fixture, removed afterwards, write-protected or
// not.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace korvant::testing {

class TempFolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path()
            / ("korvant-" + std::string(info->test_suite_name()) + "-" + std::to_string(::getpid())
                + "-" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code error;
        std::filesystem::permissions(
            dir_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path in(const std::string& name) const { return dir_ / name; }

    std::filesystem::path dir_;
};

} // namespace korvant::testing
