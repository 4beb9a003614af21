#pragma once
// A fresh folder per test for files written and read back, removed after.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

class PreferencesTempFolder {
public:
    PreferencesTempFolder()
    {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("tavo-") + test->test_suite_name() + "-" + test->name() + "-"
            + std::to_string(getpid());
        for (char& c : name)
            if (c == '/')
                c = '_';
        folder_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    ~PreferencesTempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    const std::filesystem::path& path() const { return folder_; }
    std::filesystem::path file(const std::string& name) const { return folder_ / name; }

    std::filesystem::path write(const std::string& name, const std::string& text) const
    {
        std::ofstream(file(name), std::ios::binary) << text;
        return file(name);
    }

    static std::string read(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::filesystem::path folder_;
};
