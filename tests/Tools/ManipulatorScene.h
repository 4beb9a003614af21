#pragma once
// A real scene without a display for the manipulator tests: the camera
// looks straight down -Z at the origin from 10 units (X right, Y up), so
// that pixel offsets turn into world offsets that are easy to state.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Validate.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"
#include "Scene/SceneToolManager.h"
#include "Scene/Selection/SceneSelectionManager.h"
#include "Scene/View/SceneDisplayManager.h"
#include "Settings/SettingsVariables.h"
#include "Tools/Manipulator.h"
#include "support/Fixtures.h"
#include "support/RecordingWindow.h"

class ManipulatorScene : public ::testing::Test {
protected:
    ManipulatorScene() : scene(&window, "")
    {
        window.scene = &scene;
        scene.resize(800, 600);
        // The pixel sizes of the drag rows assume a 40-degree view.
        settingsVariables().cameraFieldOfView = 40;
        lookDownZ(10);
    }
    ~ManipulatorScene() override { settingsVariables().cameraFieldOfView = savedFieldOfView; }

    const float savedFieldOfView = settingsVariables().cameraFieldOfView;

    // The active camera looks down -Z at the origin from `distance` units.
    void lookDownZ(float distance)
    {
        Camera& c = scene.displayManager->activeCamera();
        c.eye = Point3D(0, 0, distance);
        c.target = Point3D(0, 0, 0);
        c.up = Point3D(0, 1, 0);
    }

    Shape* add(const MeshPtr& mesh)
    {
        Shape* s = take<Shape>(*mesh);
        s->set(Geometry::Selected, true);
        scene.objectManager->addObject(s);
        return s;
    }
    void run(int commandId, int mode = 0) { scene.executeCommand(commandId, "", mode, 0, 0); }
    // Vertex mode with the listed vertices of `object` selected.
    void selectVertices(Shape* object, std::initializer_list<int> positions)
    {
        run(CommandId::VertexSelectionMode);
        for (int i : positions)
            object->vertices[i]->set(Geometry::Selected);
        scene.selectionManager->refreshDisplay();
    }
    SceneToolManager& tools() { return *scene.toolManager; }
    ViewProjection view() { return scene.displayManager->activeView(); }
    // World length of one pixel at the manipulator centre.
    float pixel() { return view().worldLength(1, tools().frame.centre); }

    // The window position of `p`, rounded to whole pixels.
    void screenOf(const Point3D& p, int& x, int& y)
    {
        double px, py, depth;
        view().project(p, px, py, depth);
        x = static_cast<int>(std::lround(px));
        y = static_cast<int>(std::lround(py));
    }
    // The window position `units` manipulator units along frame axis `axis`.
    void handleAt(int axis, float units, int& x, int& y)
    {
        const float unit = view().worldLength(static_cast<float>(settingsVariables().manipulatorSize),
                                              tools().frame.centre);
        screenOf(tools().frame.centre + tools().frame.axes[axis] * (units * unit), x, y);
    }
    // Hover and press at (x, y), then drag in one-pixel steps' worth of
    // events: first one pixel along (dx, dy), then all the way; release.
    void drag(int x, int y, int dx, int dy)
    {
        scene.mouseHover(x, y);
        scene.mousePress(x, y, 0, 0);
        scene.mouseDrag(x + (dx > 0) - (dx < 0), y + (dy > 0) - (dy < 0));
        scene.mouseDrag(x + dx, y + dy);
        scene.mouseRelease(x + dx, y + dy);
    }

    static std::vector<Point3D> positions(const Shape& s)
    {
        std::vector<Point3D> out;
        for (const Vertex* v : s.vertices)
            out.emplace_back(*v);
        return out;
    }
    static void expectNear(const Point3D& a, const Point3D& b, float tolerance = 1e-4f)
    {
        EXPECT_NEAR(a.x, b.x, tolerance);
        EXPECT_NEAR(a.y, b.y, tolerance);
        EXPECT_NEAR(a.z, b.z, tolerance);
    }

    RecordingWindow window;
    Scene scene;
};
