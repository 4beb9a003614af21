// The display's state in the settings registry, so that views and lights
// return at the next start. Each key is a hidden option: the camera keys in
// "Display Settings", the light keys in "Light Options". List values hold
// one entry per viewport (or per light) separated by ";".
//   CameraName   the camera of each viewport of the current layout
//   LeftSide, RightSide, TopSide, BottomSide   each viewport's sides in percent
//   Current      the current layout's id
//   Alternate    every camera's placement: "NAME:eye target up halfheight"
//   NewLight     one type per default light; Ambient, Diffuse, Specular,
//   Constant, Linear, Quadratic, SpotCutoff, SpotExponent, Position, Target
//   its values; LockDefaultLights whether they move with the camera
#include <functional>
#include <sstream>

#include "Scene/SceneApplicationManager.h"
#include "Scene/SceneManagers.h"
#include "Scene/View/CameraSet.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/CommandIds.h"

namespace {

constexpr int cameraGroup = CommandId::DisplaySettings;
constexpr int lightGroup = CommandId::LightOptions;
constexpr char separator = ';';

OptionItem* option(SettingsRegistry& registry, int group, const char* name, OptionType type)
{
    OptionItem* item = registry.findOption(group, name);
    if (item || !registry.findGroup(group))
        return item;
    OptionItem added(name, type);
    added.setShown(false);
    return &registry.findGroup(group)->addOption(std::move(added));
}

void store(SettingsRegistry& registry, int group, const char* name, const std::string& value)
{
    if (OptionItem* item = option(registry, group, name, OptionType::String))
        item->setString(value);
}

// The entries of a list option; empty when the option is missing.
std::vector<std::string> entries(const SettingsRegistry& registry, int group, const char* name)
{
    std::vector<std::string> out;
    const OptionItem* item = registry.findOption(group, name);
    const std::string* text = item ? item->stringValue() : nullptr;
    if (!text || text->empty())
        return out;
    std::istringstream in(*text);
    for (std::string entry; std::getline(in, entry, separator);)
        out.push_back(entry);
    return out;
}

// Joins `count` entries that `entry` writes.
std::string joined(size_t count, const std::function<void(std::ostream&, size_t)>& entry)
{
    std::ostringstream out;
    out.precision(7);
    for (size_t i = 0; i < count; ++i) {
        if (i)
            out << separator;
        entry(out, i);
    }
    return out.str();
}

std::ostream& operator<<(std::ostream& out, const Point3D& p) { return out << p.x << ' ' << p.y << ' ' << p.z; }

bool readPoint(std::istream& in, Point3D& out) { return static_cast<bool>(in >> out.x >> out.y >> out.z); }

// The numbers of entry `i` of `list` into `out`; false when missing or short.
bool readNumbers(const std::vector<std::string>& list, size_t i, float* out, int count)
{
    if (i >= list.size())
        return false;
    std::istringstream in(list[i]);
    for (int k = 0; k < count; ++k)
        if (!(in >> out[k]))
            return false;
    return true;
}

const char* const sideKeys[4] = {"LeftSide", "RightSide", "BottomSide", "TopSide"};

} // namespace

void SceneDisplayManager::saveSettings()
{
    if (!managers || !managers->applicationManager)
        return;
    SettingsRegistry& registry = managers->applicationManager->registry;
    const ViewLayout& l = layout();
    store(registry, cameraGroup, "CameraName",
          joined(l.viewports.size(), [&](std::ostream& o, size_t i) { o << cameras[l.viewports[i].camera].name; }));
    const std::vector<PercentRect> rects = l.percentRects();
    for (int side = 0; side < 4; ++side)
        store(registry, cameraGroup, sideKeys[side], joined(rects.size(), [&](std::ostream& o, size_t i) {
                  const PercentRect& r = rects[i];
                  o << (side == 0 ? r.left : side == 1 ? r.right : side == 2 ? r.bottom : r.top);
              }));
    if (OptionItem* current = option(registry, cameraGroup, "Current", OptionType::Int))
        current->setInt(layoutId);
    store(registry, cameraGroup, "Alternate", joined(cameras.size(), [&](std::ostream& o, size_t i) {
              const Camera& c = cameras[i];
              o << c.name << ':' << c.eye << ' ' << c.target << ' ' << c.up << ' ' << c.halfHeight;
          }));

    const std::vector<DefaultLight>& d = defaultLights;
    store(registry, lightGroup, "NewLight", joined(d.size(), [&](std::ostream& o, size_t i) { o << d[i].type; }));
    using Number = float DefaultLight::*;
    auto colour = [&](const char* key, float(DefaultLight::*field)[3]) {
        store(registry, lightGroup, key, joined(d.size(), [&](std::ostream& o, size_t i) {
                  const float* c = d[i].*field;
                  o << c[0] << ' ' << c[1] << ' ' << c[2];
              }));
    };
    colour("Ambient", &DefaultLight::ambient);
    colour("Diffuse", &DefaultLight::diffuse);
    colour("Specular", &DefaultLight::specular);
    const std::pair<const char*, Number> numbers[] = {
        {"Constant", &DefaultLight::constant},     {"Linear", &DefaultLight::linear},
        {"Quadratic", &DefaultLight::quadratic},   {"SpotCutoff", &DefaultLight::spotCutoff},
        {"SpotExponent", &DefaultLight::spotExponent}};
    for (const auto& number : numbers) {
        const Number field = number.second; // clang before 16 cannot capture a structured binding
        store(registry, lightGroup, number.first,
              joined(d.size(), [&](std::ostream& o, size_t i) { o << d[i].*field; }));
    }
    store(registry, lightGroup, "Position", joined(d.size(), [&](std::ostream& o, size_t i) { o << d[i].position; }));
    store(registry, lightGroup, "Target", joined(d.size(), [&](std::ostream& o, size_t i) { o << d[i].target; }));
    if (OptionItem* lock = option(registry, lightGroup, "LockDefaultLights", OptionType::Bool))
        lock->setBool(lockDefaultLights);
}

void SceneDisplayManager::applySettings()
{
    if (!managers || !managers->applicationManager)
        return;
    const SettingsRegistry& registry = managers->applicationManager->registry;

    for (const std::string& entry : entries(registry, cameraGroup, "Alternate")) {
        const size_t colon = entry.find(':');
        const int at = cameraByName(cameras, entry.substr(0, colon));
        if (at < 0 || colon == std::string::npos)
            continue;
        std::istringstream in(entry.substr(colon + 1));
        Camera placed = cameras[at];
        if (readPoint(in, placed.eye) && readPoint(in, placed.target) && readPoint(in, placed.up) &&
            in >> placed.halfHeight && placed.halfHeight > 0 && placed.eye.distance(placed.target) > 0)
            cameras[at] = placed;
    }

    const OptionItem* current = registry.findOption(cameraGroup, "Current");
    const int id = current && current->intValue() ? *current->intValue() : -1;
    const std::vector<std::string> names = entries(registry, cameraGroup, "CameraName");
    if (id >= 0 && id < ViewLayout::Count && names.size() == layouts[id].viewports.size()) {
        ViewLayout& l = layouts[id];
        for (size_t i = 0; i < names.size(); ++i)
            if (int c = cameraByName(cameras, names[i]); c >= 0)
                l.viewports[i].camera = c;
        // Divider positions are the sides that are not the area's edges.
        for (int side = 0; side < 4; ++side) {
            const std::vector<std::string> values = entries(registry, cameraGroup, sideKeys[side]);
            for (size_t i = 0; i < values.size(); ++i) {
                float percent = 0;
                if (readNumbers(values, i, &percent, 1) && percent > 0 && percent < 100)
                    (side < 2 ? l.splitX : l.splitY) = percent;
            }
        }
        layoutId = id;
        l.active = 0;
        layoutChanged();
    }

    const std::vector<std::string> types = entries(registry, lightGroup, "NewLight");
    std::vector<DefaultLight> lights(types.size());
    const std::vector<std::string> lists[] = {
        entries(registry, lightGroup, "Ambient"),   entries(registry, lightGroup, "Diffuse"),
        entries(registry, lightGroup, "Specular"),  entries(registry, lightGroup, "Constant"),
        entries(registry, lightGroup, "Linear"),    entries(registry, lightGroup, "Quadratic"),
        entries(registry, lightGroup, "SpotCutoff"), entries(registry, lightGroup, "SpotExponent"),
        entries(registry, lightGroup, "Position"),  entries(registry, lightGroup, "Target")};
    bool complete = !lights.empty();
    for (size_t i = 0; complete && i < lights.size(); ++i) {
        DefaultLight& d = lights[i];
        float type = 0;
        float position[3] = {}, target[3] = {};
        complete = readNumbers(types, i, &type, 1) && readNumbers(lists[0], i, d.ambient, 3) &&
                   readNumbers(lists[1], i, d.diffuse, 3) && readNumbers(lists[2], i, d.specular, 3) &&
                   readNumbers(lists[3], i, &d.constant, 1) && readNumbers(lists[4], i, &d.linear, 1) &&
                   readNumbers(lists[5], i, &d.quadratic, 1) && readNumbers(lists[6], i, &d.spotCutoff, 1) &&
                   readNumbers(lists[7], i, &d.spotExponent, 1) && readNumbers(lists[8], i, position, 3) &&
                   readNumbers(lists[9], i, target, 3) && type >= 0 && type <= 2;
        d.type = static_cast<int>(type);
        d.position = Point3D(position[0], position[1], position[2]);
        d.target = Point3D(target[0], target[1], target[2]);
    }
    if (complete)
        defaultLights = lights;
    const OptionItem* lock = registry.findOption(lightGroup, "LockDefaultLights");
    if (lock && lock->boolValue())
        lockDefaultLights = *lock->boolValue();
}
