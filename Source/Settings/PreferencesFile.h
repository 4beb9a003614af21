#pragma once
// The preferences file: option groups written as a small XML-like text, one
// line per saveable option, and read back by group identifier and option
// name. The same format serves "tavodata.tvp", the "All Settings" files, the
// binding files and per-group presets.
#include "Settings/SettingsRegistry.h"

#include "Settings/CommandIds.h"
#include <filesystem>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

// The name written into a group's start line for a group identifier: the
// command table's name of that id. An empty result, or no lookup at all,
// writes the group's own title instead.
using GroupNameLookup = std::function<std::string_view(int groupId)>;

// Writes `groups` in the order given, each with its saveable options in
// option order (command options and unknown types are skipped; bound options
// are written with their variable's current value). Groups without options
// are left out. The file is replaced whole (FileReplace.h): false when it
// cannot be written, and an old file is then left as it was.
bool savePreferences(std::span<const OptionGroup* const> groups, const std::filesystem::path& path,
                     const GroupNameLookup& groupName = {});
// Every group of the registry, in registry order.
bool savePreferences(const SettingsRegistry& registry, const std::filesystem::path& path,
                     const GroupNameLookup& groupName = {});
// One group, as a preset.
bool savePreferences(const OptionGroup& group, const std::filesystem::path& path,
                     const GroupNameLookup& groupName = {});

// Reads `path` and applies its values to those of `groups` whose identifiers
// its groups carry; groups of the file that are not among them are skipped.
// An option the group lacks is appended with the file's type, name and value;
// the Keyboard Settings group (116) is emptied first and rebuilt from the
// file. An item whose type or value cannot be read, or whose type differs
// from the existing option's, changes nothing. A missing or unreadable file
// changes nothing; a file cut short keeps what was applied before the cut.
void loadPreferences(const std::filesystem::path& path, std::span<OptionGroup* const> groups);
// Into every group of the registry.
void loadPreferences(const std::filesystem::path& path, SettingsRegistry& registry);
// Into one group only, as a preset: other groups of the file are skipped.
void loadPreferences(const std::filesystem::path& path, OptionGroup& group);

// The group whose options the file rebuilds instead of updating.
constexpr int KeyboardSettingsGroupId = CommandId::KeyboardSettings;
