// Extruding faces one by one: each face gets its own ring of side faces.
#include <gtest/gtest.h>

#include <vector>

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"
#include "Mesh/Symmetry.h"
#include "Mesh/Topology/ExtrudeFacesSeparately.h"
#include "Mesh/Validate.h"
#include "support/ShapeFixtures.h"

using namespace fixtures;

namespace {

struct RecordingFrame : PointDirections {
    void addPoint(Vertex* v, const Point3D& direction, const Point3D&, float) override
    {
        points.push_back({v, direction});
    }
    void finishObject(InnerShape& object) override { finished.push_back(&object); }
    std::vector<std::pair<Vertex*, Point3D>> points;
    std::vector<InnerShape*> finished;
};

TEST(ExtrudeFacesSeparately, GridFacesComeApartWithTheListedSideFaces)
{
    MeshPtr m = twoQuads();
    Face* f = m->faces[0];
    std::vector<Vertex*> oldV;
    std::vector<Edge*> oldE;
    for (const Corner& c : f->corners) {
        oldV.push_back(c.vertex);
        oldE.push_back(c.edge);
    }
    RecordingFrame frame;
    EXPECT_EQ(extrudeFacesSeparately(*m, allFaces(*m), &frame), 2);
    EXPECT_EQ(m->vertices.count(), 6 + 8);
    EXPECT_EQ(m->edges.count(), 7 + 16);
    EXPECT_EQ(m->faces.count(), 2 + 8);
    EXPECT_EQ(m->faces[0], f);
    ASSERT_EQ(frame.points.size(), 8u);
    EXPECT_EQ(frame.points[0].first, m->vertices[6]);
    EXPECT_FLOAT_EQ(frame.points[0].second.z, 1.0f);
    ASSERT_EQ(frame.finished.size(), 1u);
    // Side face S[k] = oldV[k], oldV[k+1], newV[k+1], newV[k], on oldE[k].
    for (int k = 0; k < 4; ++k) {
        const Face* s = m->faces[2 + k];
        Vertex* newK = m->vertices[6 + k];
        Vertex* newNext = m->vertices[6 + (k + 1) % 4];
        EXPECT_EQ(s->corners[0].vertex, oldV[k]);
        EXPECT_EQ(s->corners[0].edge, oldE[k]);
        EXPECT_EQ(s->corners[1].vertex, oldV[(k + 1) % 4]);
        EXPECT_EQ(s->corners[2].vertex, newNext);
        EXPECT_EQ(s->corners[3].vertex, newK);
        EXPECT_EQ(f->corners[k].vertex, newK);
    }
    // Neighbouring tops share no vertex any more.
    for (const Corner& a : m->faces[0]->corners)
        for (const Corner& b : m->faces[1]->corners)
            EXPECT_NE(a.vertex, b.vertex);
    EXPECT_EQ(validateTopology(*m), "");
}

TEST(ExtrudeFacesSeparately, CubeFaceStaysClosedAndMovesOut)
{
    ShapePtr s(take<Shape>(*cube()));
    List<Face*> top = facesAt(*s, {1, 1});
    RecordingFrame frame;
    EXPECT_EQ(extrudeFacesSeparately(*s, top, &frame), 1);
    EXPECT_EQ(s->faces.count(), 10);
    for (const Edge* e : s->edges)
        EXPECT_EQ(e->faces.count(), 2);
    for (auto& [v, direction] : frame.points)
        v->z += direction.z;
    s->update(true, false, -1);
    EXPECT_NEAR(s->faces[1]->centre().z, 2.0f, 1e-6f);
    for (int i = 6; i < 10; ++i)
        EXPECT_GT(s->faces[i]->normal.dot(s->faces[i]->centre() - Point3D(0, 0, 1.5f)), 0.0f);
    EXPECT_EQ(validateTopology(*s), "");
}

TEST(ExtrudeFacesSeparately, HoleContourIsExtrudedWithItsFace)
{
    MeshPtr m = quadWithHole();
    EXPECT_EQ(extrudeFacesSeparately(*m, allFaces(*m), nullptr), 1);
    EXPECT_EQ(m->faces.count(), 1 + 8);
    EXPECT_EQ(m->vertices.count(), 16);
    EXPECT_EQ(validateTopology(*m), "");
}

TEST(ExtrudeFacesSeparately, WithSymmetryTheMirrorPartnerGoesToo)
{
    MeshPtr m = meshFrom({{1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {-1, 0, 0}, {-2, 0, 0}, {-2, 1, 0}, {-1, 1, 0}},
                         {{0, 1, 2, 3}, {4, 7, 6, 5}});
    m->setSymmetry(true);
    calculateSymmetry(*m, m->mirrorPlane, MinSymmetryTolerance);
    EXPECT_EQ(extrudeFacesSeparately(*m, facesAt(*m, {0}), nullptr), 2);
    EXPECT_EQ(m->faces.count(), 10);
    // New points sit on old ones; partners still pair new with new.
    EXPECT_EQ(m->vertices[8]->mirror, m->vertices[12]);
    EXPECT_EQ(m->vertices[12]->mirror, m->vertices[8]);
    EXPECT_EQ(m->vertices[0]->mirror, m->vertices[4]);
    EXPECT_EQ(m->faces[0]->mirror, m->faces[1]);
    for (int i = 2; i < 10; ++i) {
        ASSERT_NE(m->faces[i]->mirror, nullptr);
        EXPECT_EQ(m->faces[i]->mirror->mirror, m->faces[i]);
        EXPECT_NEAR(m->faces[i]->mirror->centre().x, -m->faces[i]->centre().x, 1e-6f);
    }
    EXPECT_EQ(validateTopology(*m), "");
}

} // namespace
