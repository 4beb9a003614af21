#include "Mesh/Selection/WalkFixtures.h"

#include <gtest/gtest.h>

#include "Mesh/Pool.h"

using fixtures::Point;

namespace walkfixtures {

MeshPtr gridWithTriangle(int columns, int rows, int ti, int tj)
{
    std::vector<Point> points;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i <= columns; ++i)
            points.push_back({float(i), float(j), 0});
    const int stride = columns + 1;
    std::vector<std::vector<int>> faces;
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i) {
            const int a = j * stride + i, b = a + 1, c = a + stride + 1, d = a + stride;
            if (i == ti && j == tj) {
                faces.push_back({a, b, c});
                faces.push_back({a, c, d});
            } else {
                faces.push_back({a, b, c, d});
            }
        }
    return fixtures::meshFrom(points, faces);
}

MeshPtr strip(const std::vector<Point>& path)
{
    std::vector<Point> points;
    for (const Point& p : path) {
        points.push_back({p.x, p.y, 0});
        points.push_back({p.x, p.y, 1});
    }
    std::vector<std::vector<int>> faces;
    for (int k = 0; k + 1 < int(path.size()); ++k)
        faces.push_back({2 * k, 2 * k + 2, 2 * k + 3, 2 * k + 1});
    return fixtures::meshFrom(points, faces);
}

std::vector<int> selectedVertices(const InnerShape& mesh) { return fixtures::selectedOf(mesh.vertices); }
std::vector<int> selectedEdges(const InnerShape& mesh) { return fixtures::selectedOf(mesh.edges); }
std::vector<int> selectedFaces(const InnerShape& mesh) { return fixtures::selectedOf(mesh.faces); }

Edge* selectEdge(InnerShape& mesh, int a, int b)
{
    Edge* e = mesh.findEdge(mesh.vertices[a], mesh.vertices[b]);
    EXPECT_NE(e, nullptr) << "no edge " << a << "-" << b;
    if (e)
        e->set(Geometry::Selected);
    return e;
}

} // namespace walkfixtures
