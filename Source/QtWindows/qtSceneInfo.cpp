#include "Mesh/Shape.h"
#include "Scene/Scene.h"
#include "Scene/SceneObjectManager.h"

#include "QtWindows/qtSceneInfo.h"

QString sceneInfoText(Scene& scene)
{
    long long vertices = 0, edges = 0, faces = 0, drawnFaces = 0;
    int selected = 0;
    const auto& objects = scene.objectManager->objects;
    for (Shape* s : objects) {
        vertices += s->vertices.count();
        edges += s->edges.count();
        faces += s->faces.count();
        InnerShape* level = s->currentLevelMesh();
        drawnFaces += level ? level->faces.count() : s->faces.count();
        selected += s->isSelected();
    }
    return QString("Objects: %1 (%2 selected)\nVertices: %3\nEdges: %4\nFaces: %5\nFaces at the current levels: %6")
        .arg(objects.count())
        .arg(selected)
        .arg(vertices)
        .arg(edges)
        .arg(faces)
        .arg(drawnFaces);
}
