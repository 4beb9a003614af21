#include "Fixtures.h"

#include <cmath>

#include "Mesh/Pool.h"

namespace fixtures {

MeshPtr meshFrom(const std::vector<Point>& points, const std::vector<std::vector<int>>& faces, bool buildEdges,
                 const std::vector<std::pair<int, std::vector<int>>>& holes)
{
    MeshPtr mesh(take<InnerShape>());
    for (const Point& p : points)
        mesh->addVertex(take<Vertex>(p.x, p.y, p.z));
    for (const auto& loop : faces) {
        Face* f = take<Face>();
        for (int i : loop)
            f->appendCorner(mesh->vertices[i]);
        mesh->addFace(f);
    }
    for (const auto& [faceIndex, loop] : holes) {
        Face* h = take<Face>();
        for (int i : loop)
            h->appendCorner(mesh->vertices[i]);
        mesh->faces[faceIndex]->holes.append(h);
    }
    if (buildEdges)
        mesh->buildEdges();
    mesh->update(true, false, -1);
    return mesh;
}

MeshPtr openGrid(int columns, int rows, float size)
{
    std::vector<Point> points;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i <= columns; ++i)
            points.push_back({i * size, j * size, 0});
    std::vector<std::vector<int>> faces;
    const int stride = columns + 1;
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i)
            faces.push_back({j * stride + i, j * stride + i + 1, (j + 1) * stride + i + 1, (j + 1) * stride + i});
    return meshFrom(points, faces);
}

MeshPtr cube(float h)
{
    return meshFrom({{-h, -h, -h}, {h, -h, -h}, {h, h, -h}, {-h, h, -h}, {-h, -h, h}, {h, -h, h}, {h, h, h}, {-h, h, h}},
                    {{0, 3, 2, 1}, {4, 5, 6, 7}, {0, 1, 5, 4}, {1, 2, 6, 5}, {2, 3, 7, 6}, {3, 0, 4, 7}});
}

MeshPtr ngon(int corners, float radius)
{
    std::vector<Point> points;
    std::vector<int> loop;
    for (int i = 0; i < corners; ++i) {
        float a = 2.0f * static_cast<float>(M_PI) * i / corners;
        points.push_back({radius * std::cos(a), radius * std::sin(a), 0});
        loop.push_back(i);
    }
    return meshFrom(points, {loop});
}

MeshPtr twoQuads()
{
    return meshFrom({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {0, 1, 0}, {1, 1, 0}, {2, 1, 0}}, {{0, 1, 4, 3}, {1, 2, 5, 4}});
}

MeshPtr quadWithHole()
{
    // The hole runs clockwise, as inner contours do.
    return meshFrom({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}, {1, 1, 0}, {3, 1, 0}, {3, 3, 0}, {1, 3, 0}},
                    {{0, 1, 2, 3}}, true, {{0, {4, 7, 6, 5}}});
}

MeshPtr fold()
{
    // 0 → 1 → 2 → 1 → 3: the side 1-2 is walked out and back.
    return meshFrom({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {1, 1, 0}}, {{0, 1, 2, 1, 3}});
}

MeshPtr nonManifold()
{
    return meshFrom({{0, 0, 0}, {1, 0, 0}, {0.5f, 1, 0}, {0.5f, -1, 0}, {0.5f, 0, 1}}, {{0, 1, 2}, {1, 0, 3}, {0, 1, 4}});
}

MeshPtr withDegenerate()
{
    return meshFrom({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {{0, 1, 2}, {2, 3}, {0, 2, 3}});
}

MeshPtr mixedPolygons()
{
    // A hexagon ringed by a quad and two triangles.
    return meshFrom({{0, 0, 0}, {2, 0, 0}, {3, 1, 0}, {2, 2, 0}, {0, 2, 0}, {-1, 1, 0}, {2, -1, 0}, {0, -1, 0}, {4, 0, 0}, {-2, 2, 0}},
                    {{0, 1, 2, 3, 4, 5}, {0, 7, 6, 1}, {1, 8, 2}, {4, 9, 5}});
}

MeshPtr openTube(int segments, int rows)
{
    std::vector<Point> points;
    for (int r = 0; r <= rows; ++r)
        for (int k = 0; k < segments; ++k) {
            const float a = 2.0f * float(M_PI) * k / segments;
            points.push_back({std::cos(a), std::sin(a), float(r)});
        }
    std::vector<std::vector<int>> faces;
    for (int r = 0; r < rows; ++r)
        for (int k = 0; k < segments; ++k) {
            const int n = (k + 1) % segments;
            faces.push_back({r * segments + k, r * segments + n, (r + 1) * segments + n, (r + 1) * segments + k});
        }
    return meshFrom(points, faces);
}

List<Face*> facesAt(const InnerShape& mesh, std::initializer_list<int> positions)
{
    List<Face*> out;
    for (int i : positions)
        out.append(mesh.faces[i]);
    return out;
}

List<Vertex*> verticesAt(const InnerShape& mesh, std::initializer_list<int> positions)
{
    List<Vertex*> out;
    for (int i : positions)
        out.append(mesh.vertices[i]);
    return out;
}

List<Face*> allFaces(const InnerShape& mesh)
{
    List<Face*> out;
    for (Face* f : mesh.faces)
        out.append(f);
    return out;
}

void deleteFace(InnerShape& m, int index)
{
    Face* f = m.faces[index];
    m.touch();
    for (Corner& c : f->corners) {
        while (c.edge->faces.removeOne(f)) { }
        c.edge->set(Geometry::Boundary, c.edge->faces.count() == 1);
    }
    m.faces.removeAt(index);
    for (int i = m.edges.count() - 1; i >= 0; --i)
        if (m.edges[i]->faces.empty()) {
            m.edges[i]->release();
            m.edges.removeAt(i);
        }
    for (Vertex* v : m.vertices)
        v->tag = 0;
    for (const Edge* e : m.edges)
        e->startVertex->tag = e->endVertex->tag = 1;
    int kept = 0;
    for (Vertex* v : m.vertices) {
        if (v->tag)
            m.vertices[kept++] = v;
        else
            v->release();
    }
    m.vertices.truncate(kept);
    f->release();
}

} // namespace fixtures
