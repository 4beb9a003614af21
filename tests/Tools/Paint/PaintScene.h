#pragma once
// A started scene for painting tests: a torus (tube radius 1 around a circle
// of radius 2 in y = 0) at subdivision level 2, seen from 20 units above,
// with painting on and the active brush world-sized.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Primitives/Torus.h"
#include "Mesh/Validate.h"
#include "Scene/Files/SceneFileTestScene.h"
#include "Scene/SceneToolManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/CommandIds.h"
#include "Tools/Paint/DisplacementTool.h"

class PaintScene : public ::testing::Test, public SceneFileTestScene {
protected:
    PaintScene()
    {
        scene.resize(800, 600);
        Camera& c = scene.displayManager->activeCamera();
        c.eye = Point3D(0, 20, 0);
        c.target = Point3D(0, 0, 0);
        c.up = Point3D(0, 0, -1);
        torus = take<Torus>(1.0f, 3.0f, 8, 12);
        scene.objectManager->addObject(torus);
        torus->setLevel(2, true);
        run(CommandId::PaintDisplacement);
        brush().setWorldRadius(0.6f);
    }

    DisplacementTool& tool() { return scene.toolManager->displacementTool(); }
    Brush& brush() { return tool().brushes.current(); }
    InnerShape& level() { return *torus->currentLevelMesh(); }
    ViewProjection view() { return scene.displayManager->activeView(); }
    void use(BrushOperation operation) { brush().operation = operation; }

    // The pixel showing world point p.
    void pixelOf(const Point3D& p, int& x, int& y)
    {
        double px, py, depth;
        view().project(p, px, py, depth);
        x = static_cast<int>(std::lround(px));
        y = static_cast<int>(std::lround(py));
    }
    // A press and release at the pixel above the top of the tube at angle
    // `degrees` around Y: one dab.
    void dabAt(float degrees, int button = 0, int modifiers = 0)
    {
        int x, y;
        topOfTube(degrees, x, y);
        scene.mousePress(x, y, button, modifiers);
        scene.mouseRelease(x, y);
    }
    void topOfTube(float degrees, int& x, int& y)
    {
        const float a = degrees * 3.14159265f / 180;
        pixelOf(Point3D(2 * std::cos(a), 1, 2 * std::sin(a)), x, y);
    }

    struct State {
        std::vector<Point3D> positions;
        std::vector<std::vector<float>> displacements; // empty: none
        bool operator==(const State&) const = default;
    };
    static State stateOf(const InnerShape& mesh)
    {
        State s;
        for (const Vertex* v : mesh.vertices) {
            s.positions.emplace_back(v->x, v->y, v->z);
            s.displacements.push_back(v->displacement ? std::vector<float>(v->displacement, v->displacement + 3)
                                                      : std::vector<float>{});
        }
        return s;
    }

    Shape* torus = nullptr; // a Torus, or what a file gave back for it
};

inline bool operator==(const Point3D& a, const Point3D& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
