// The application manager's file commands that move the settings.
#include <vector>

#include "Scene/Commands/CommandTable.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/TavoApplicationWindow.h"
#include "Settings/KeyBindingOptions.h"
#include "Settings/PreferencesFile.h"

namespace {
const char* const SettingsTypeName = "Tavo Preferences";
const char* const SettingsExtension = "tvp";
} // namespace

void SceneApplicationManager::settingsFileCommand(int commandId, const std::string& argument)
{
    const bool saving = commandId == CommandId::SaveAllSettings;
    std::string path = chosenFile(argument, saving, std::string(commandName(commandId)),
                                  {{SettingsExtension, SettingsTypeName}});
    if (path.empty())
        return;
    if (saving) {
        if (!saveAllSettings(path))
            report("Could not write the settings file " + path, StatusReport);
    } else {
        loadAllSettings(path);
    }
}

bool SceneApplicationManager::saveAllSettings(const std::filesystem::path& path)
{
    for (SceneManager* m : peers)
        m->saveSettings();
    if (OptionGroup* keys = registry.findGroup(KeyboardSettingsGroupId)) {
        std::vector<KeyBindingTriple> bindings;
        for (const KeyBindings::Entry& e : keyBindings)
            bindings.push_back({e.key, e.modifiers, e.command});
        storeKeyBindings(bindings, *keys, commandName);
    }
    return savePreferences(registry, path, commandName);
}

void SceneApplicationManager::loadAllSettings(const std::filesystem::path& path)
{
    loadPreferences(path, registry);
    rebuildKeyBindings();
    for (SceneManager* m : peers)
        m->applySettings();
    redrawRequested = true;
}
