// Any text as a preferences file, read into the full registry (which is
// what the program does at start-up), the brushes taken from it, and
// written back.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "Settings/BuildRegistry.h"
#include "Settings/PreferencesFile.h"
#include "Settings/CommandIds.h"
#include "Settings/SettingsRegistry.h"
#include "Tools/Paint/BrushSettings.h"

namespace {

// The reader takes a path, so each input goes through a file of this process's own.
std::filesystem::path scratchFile(const char* name)
{
    return std::filesystem::temp_directory_path() / ("tavo-fuzz-" + std::to_string(::getpid()) + name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::filesystem::path input = scratchFile(".tvp");
    static const std::filesystem::path output = scratchFile("-out.tvp");
    std::ofstream(input, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                   static_cast<std::streamsize>(size));
    SettingsRegistry registry;
    buildRegistry(registry);
    loadPreferences(input, registry);
    BrushList brushes;
    if (const OptionGroup* group = registry.findGroup(CommandId::BrushEditor))
        loadBrushes(*group, brushes);
    savePreferences(registry, output);
    return 0;
}
