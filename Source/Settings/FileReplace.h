#pragma once
// Writing a settings file without risking the old one: the contents go to a
// temporary file of a unique name in the target's folder, which takes the
// target's place by a rename only once it is complete. A full disk or any
// other failure leaves the old file as it was and no temporary behind.
#include <filesystem>
#include <string_view>

// Writes `contents` byte for byte (binary mode; the settings files end their
// lines with '\n' on every system). False when any step fails.
bool replaceFileContents(const std::filesystem::path& target, std::string_view contents);
