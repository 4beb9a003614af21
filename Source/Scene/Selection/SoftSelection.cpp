// Soft selection: the switch and the values of "Soft Selection", their step
// commands, and the per-object weights a move reads.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "Mesh/Selection/MeshWalks.h"
#include "Mesh/Shape.h"
#include "Settings/CommandIds.h"
#include "Scene/SceneApplicationManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Settings/OptionKeys.h"

namespace {

constexpr float falloffStep = 0.05f;
constexpr float radiusStepFactor = 0.05f; // of the world length of 20 pixels
constexpr int surfaceType = 1; // "Type": 0 Spherical, 1 Surface

float distance(const Vertex& a, const Vertex& b)
{
    const float dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

} // namespace

void SceneSelectionManager::setSoftSelection(bool enabled)
{
    if (!managers)
        return;
    managers->applicationManager->registry.set(Options::SoftSelectionEnabled, enabled);
    applySoftSelectionSetting();
}

void SceneSelectionManager::applySoftSelectionSetting()
{
    softSelectionOn = managers->applicationManager->registry.get(Options::SoftSelectionEnabled);
    refreshDisplay();
}

const std::vector<float>* SceneSelectionManager::softWeightsOf(const Shape* object) const
{
    for (const ObjectWeights& w : softWeights_)
        if (w.object == object)
            return &w.weights;
    return nullptr;
}

void SceneSelectionManager::recomputeSoftWeights()
{
    softWeights_.clear();
    if (!softSelectionOn || mode == ObjectMode)
        return;
    const SettingsRegistry& registry = managers->applicationManager->registry;
    const float r = registry.get(Options::SoftSelectionRadius);
    const float shape = registry.get(Options::SoftSelectionFalloff);
    const bool surface = registry.get(Options::SoftSelectionType) == surfaceType;

    const Kinds kinds = kindsOf(mode);
    const bool use[] = {kinds.vertices, kinds.edges, kinds.faces};
    std::vector<float> kindWeights;
    for (const Shape* o : activeObjects) {
        ObjectWeights w{o, std::vector<float>(static_cast<size_t>(o->vertices.count()), 0.0f)};
        // In the multi mode every kind pulls; a vertex follows the strongest.
        for (int k = 0; k < 3; ++k) {
            if (!use[k])
                continue;
            softSelectionWeights(*o, static_cast<ElementKind>(k), r, shape, surface, kindWeights);
            for (size_t i = 0; i < w.weights.size() && i < kindWeights.size(); ++i)
                w.weights[i] = std::max(w.weights[i], kindWeights[i]);
        }
        softWeights_.push_back(std::move(w));
    }
}

// Radius and falloff go straight into the option group, so that the options
// window and the preferences file see the new values.
void SceneSelectionManager::softSelectionFalloffUp()
{
    stepSoftSetting("Falloff", falloffStep);
}

void SceneSelectionManager::softSelectionFalloffDown()
{
    stepSoftSetting("Falloff", -falloffStep);
}

void SceneSelectionManager::softSelectionRadiusUp()
{
    stepSoftSetting("Radius", radiusStepFactor * twentyPixelLength());
}

void SceneSelectionManager::softSelectionRadiusDown()
{
    stepSoftSetting("Radius", -radiusStepFactor * twentyPixelLength());
}

void SceneSelectionManager::stepSoftSetting(const char* name, float step)
{
    if (!softSelectionOn)
        return;
    SettingsRegistry& registry = managers->applicationManager->registry;
    const bool radius = std::string_view(name) == "Radius";
    const FloatOption& key = radius ? Options::SoftSelectionRadius : Options::SoftSelectionFalloff;
    float next = registry.get(key) + step;
    // The radius is a distance; the falloff has no bounds.
    if (radius)
        next = std::max(0.0f, next);
    registry.set(key, next);
    refreshDisplay();
}

void SceneSelectionManager::assignSoftSelectionRadius()
{
    if (!softSelectionOn)
        return;
    rebuildSelection();
    float measured = 0;
    if (selectedVertices.count() >= 2)
        measured = distance(*selectedVertices[0], *selectedVertices[1]);
    else if (!selectedEdges.empty())
        measured = distance(*selectedEdges[0]->startVertex, *selectedEdges[0]->endVertex);
    if (measured <= 0)
        return;
    managers->applicationManager->registry.set(Options::SoftSelectionRadius, measured);
    refreshDisplay();
}
