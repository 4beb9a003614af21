#pragma once
// The normals of a mesh as plain values, to compare an update against another.
#include <gtest/gtest.h>

#include <vector>

#include "Mesh/InnerShape.h"

struct MeshNormals {
    std::vector<Point3D> faces, vertices;

    explicit MeshNormals(const InnerShape& m)
    {
        for (const Face* f : m.faces)
            faces.push_back(f->normal);
        for (const Vertex* v : m.vertices)
            vertices.emplace_back(v->normal[0], v->normal[1], v->normal[2]);
    }
};

// Equal to within 1e-6, element by element.
inline void expectSameNormals(const std::vector<Point3D>& a, const std::vector<Point3D>& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        EXPECT_LT(a[i].distance(b[i]), 1e-6f) << i;
}
