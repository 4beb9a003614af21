// Options of the exchange and renderer formats, and of rendering through an
// external program.
#include "Settings/OptionTable.h"
#include "Settings/RegistryParts.h"

void registerFormatGroups(SettingsRegistry& registry)
{
    using enum OptionType;
    const OptionLimits scale = {.minimum = 0, .dragStep = 0.05};
    const OptionLimits pixels = {.minimum = 0, .dragStep = 10};
    const GroupRow groups[] = {
        {"Obj Options", 100000, NoOptionsCommand, {
            {"Import Scale Factor", Float, num(1), scale},
            {"Export Scale Factor", Float, num(1), scale},
            {"Import UVs", Bool, num(1)},
            {"Export UVs", Bool, num(1)},
            {"Import Groups As Objects", Bool, num(1)},
            {"Export Objects As Groups", Bool, num(1)},
            {"Export Subdivision Mesh", Bool, num(0)},
        }},
        {"Dxf Options", 100002, NoOptionsCommand, {
            {"Import Scale Factor", Float, num(1), scale},
            {"Export Scale Factor", Float, num(1), scale},
            {"Face Export", Choice, choice(0, "Polygon Mesh|Face")},
            {"Export Subdivision Mesh", Bool, num(1)},
        }},
        {"3ds Options", 100001, NoOptionsCommand, {
            {"Import Scale Factor", Float, num(1), scale},
            {"Export Scale Factor", Float, num(1), scale},
            {"Convert To Y Up", Bool, num(1)},
            {"De-Triangulate On Import", Bool, num(1)},
            {"Export Subdivision Mesh", Bool, num(0)},
        }},
        {"Fact Options", 100003, NoOptionsCommand, {
            {"Import Scale Factor", Float, num(1), scale},
            {"Export Scale Factor", Float, num(1), scale},
            {"Export Subdivision Mesh", Bool, num(0)},
        }},
        {"Rib Options", 100005, NoOptionsCommand, {
            {"Export Scale Factor", Float, num(1), scale},
            {"Render Width", Int, num(800), pixels},
            {"Render Height", Int, num(600), pixels},
            {"Header File", FilePath, text("")},
            {"Footer File", FilePath, text("")},
            {"Include Camera", Bool, num(1)},
            {"Include Lights", Bool, num(1)},
            {"Export Subdivision Mesh", Bool, num(0)},
        }},
        {"Stl Options", 100004, NoOptionsCommand, {
            {"Export Scale Factor", Float, num(1), scale},
            {"Export Subdivision Mesh", Bool, num(1)},
        }},
        {"Pov Options", 100006, NoOptionsCommand, {
            {"Export Scale Factor", Float, num(1), scale},
            {"Header File", FilePath, text("")},
            {"Footer File", FilePath, text("")},
            {"Include Camera", Bool, num(1)},
            {"Include Lights", Bool, num(1)},
            {"Include Materials", Bool, num(1)},
            {"Export Subdivision Mesh", Bool, num(1)},
        }},
        {"File Format Settings", 197, NoOptionsCommand, {}},
        // "File Format" lists the renderer export formats; whoever knows them
        // fills its choices at start-up (OptionItem::setChoices).
        {"Render External Options", 191, NoOptionsCommand, {
            {"File Format", Choice, choice(0, "")},
            {"Render Command", FilePath, text("")},
            {"Command Line Options", String, text("")},
            {"Render", Command, runs(190)},
        }},
    };
    addGroups(registry, groups);
}
