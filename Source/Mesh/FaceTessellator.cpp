#include "FaceTessellator.h"

#include <GL/glu.h>

#include <cstdint>

#include "DisplaySettings.h"
#include "Face.h"
#include "Vertex.h"

bool needsTessellation(const Face& f)
{
    int n = f.cornerCount();
    return !f.holes.empty() || n > 4 || (n == 4 && meshDisplaySettings().tessellateAllQuads);
}

namespace {
// GLU hands back an opaque pointer per point. Indices (plus one, so that no
// point is null) keep working while the point list grows for crossings.
void* pointTag(int index)
{
    return reinterpret_cast<void*>(static_cast<intptr_t>(index) + 1);
}

int pointIndex(void* tag)
{
    return static_cast<int>(reinterpret_cast<intptr_t>(tag) - 1);
}

GLUtesselator* gluTess(void* tess)
{
    return static_cast<GLUtesselator*>(tess);
}
}

// GLU's callbacks. Each receives the tessellator as polygon data. GLU emits
// only separate triangles while an edge-flag callback is installed, but fans
// and strips are expanded too, should a GLU send them.
struct FaceTessellator::Callbacks {
    static FaceTessellator& self(void* data) { return *static_cast<FaceTessellator*>(data); }

    static void begin(GLenum mode, void* data)
    {
        FaceTessellator& t = self(data);
        t.pendingCount_ = 0;
        t.beginMode_ = mode;
        t.primitiveVertex_ = 0;
    }

    static void vertex(void* tag, void* data)
    {
        FaceTessellator& t = self(data);
        int i = pointIndex(tag);
        int k = t.primitiveVertex_++;
        if (t.beginMode_ == GL_TRIANGLES) {
            t.pending_[t.pendingCount_++] = i;
            if (t.pendingCount_ == 3) {
                t.addTriangle(t.pending_[0], t.pending_[1], t.pending_[2]);
                t.pendingCount_ = 0;
            }
            return;
        }
        if (k < 2) {
            t.pending_[k] = i;
            return;
        }
        if (t.beginMode_ == GL_TRIANGLE_FAN) {
            t.addTriangle(t.pending_[0], t.pending_[1], i);
            t.pending_[1] = i;
        } else if (t.beginMode_ == GL_TRIANGLE_STRIP) {
            // Every other strip triangle runs the other way round.
            if (k % 2 == 0)
                t.addTriangle(t.pending_[0], t.pending_[1], i);
            else
                t.addTriangle(t.pending_[1], t.pending_[0], i);
            t.pending_[0] = t.pending_[1];
            t.pending_[1] = i;
        }
    }

    static void end(void*) {}
    static void edgeFlag(GLboolean, void*) {}

    static void combine(GLdouble coords[3], void* sources[4], GLfloat weights[4], void** outTag, void* data)
    {
        FaceTessellator& t = self(data);
        TessellatedPoint p;
        p.position[0] = static_cast<float>(coords[0]);
        p.position[1] = static_cast<float>(coords[1]);
        p.position[2] = static_cast<float>(coords[2]);
        for (int s = 0; s < 4; ++s) {
            if (!sources[s])
                continue;
            const TessellatedPoint& q = t.points_[pointIndex(sources[s])];
            float wt = weights[s];
            for (int a = 0; a < 3; ++a)
                p.normal[a] += wt * q.normal[a];
            p.u += wt * q.u;
            p.v += wt * q.v;
            p.w += wt * q.w;
        }
        t.points_.append(p);
        *outTag = pointTag(t.points_.count() - 1);
    }

    static void error(GLenum, void* data) { self(data).failed_ = true; }
};

FaceTessellator::FaceTessellator()
{
    GLUtesselator* tess = gluNewTess();
    tess_ = tess;
    if (!tess)
        return;
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_ODD);
    gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<_GLUfuncptr>(&Callbacks::begin));
    gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(&Callbacks::vertex));
    gluTessCallback(tess, GLU_TESS_END_DATA, reinterpret_cast<_GLUfuncptr>(&Callbacks::end));
    gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<_GLUfuncptr>(&Callbacks::edgeFlag));
    gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(&Callbacks::combine));
    gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<_GLUfuncptr>(&Callbacks::error));
}

FaceTessellator::~FaceTessellator()
{
    if (tess_)
        gluDeleteTess(gluTess(tess_));
}

void FaceTessellator::addTriangle(int a, int b, int c)
{
    triangles_.append(a);
    triangles_.append(b);
    triangles_.append(c);
}

bool FaceTessellator::addPoints(const Face& contour)
{
    for (const Corner& c : contour.corners) {
        if (!c.vertex)
            return false;
        TessellatedPoint p;
        p.vertex = c.vertex;
        p.position[0] = c.vertex->x;
        p.position[1] = c.vertex->y;
        p.position[2] = c.vertex->z;
        for (int a = 0; a < 3; ++a)
            p.normal[a] = c.vertex->normal[a];
        p.u = c.u;
        p.v = c.v;
        p.w = c.w;
        points_.append(p);
    }
    return true;
}

void FaceTessellator::addContour(int first, int count)
{
    GLUtesselator* tess = gluTess(tess_);
    gluTessBeginContour(tess);
    for (int i = first; i < first + count; ++i) {
        const TessellatedPoint& p = points_[i];
        GLdouble xyz[3] = {p.position[0], p.position[1], p.position[2]};
        gluTessVertex(tess, xyz, pointTag(i));
    }
    gluTessEndContour(tess);
}

bool FaceTessellator::tessellate(const Face& f)
{
    points_.clear();
    triangles_.clear();
    cornerPointCount_ = 0;
    failed_ = false;
    if (!tess_ || f.cornerCount() < 3)
        return false;

    bool ok = addPoints(f);
    for (const Face* h : f.holes)
        ok = ok && addPoints(*h);
    if (!ok) {
        points_.clear();
        return false;
    }
    cornerPointCount_ = points_.count();

    GLUtesselator* tess = gluTess(tess_);
    gluTessNormal(tess, f.normal.x, f.normal.y, f.normal.z);
    gluTessBeginPolygon(tess, this);
    addContour(0, f.cornerCount());
    int first = f.cornerCount();
    for (const Face* h : f.holes) {
        addContour(first, h->cornerCount());
        first += h->cornerCount();
    }
    gluTessEndPolygon(tess);

    if (failed_ || triangles_.empty()) {
        triangles_.clear();
        return false;
    }
    return true;
}
