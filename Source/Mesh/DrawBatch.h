#pragma once
// GL helpers shared by the mesh drawing files: colour keeping, face batches
// and the highlight state. Only the *Draw.cpp files of the mesh model include
// it; everything needs a current context.
#include <GL/gl.h>

#include "Face.h"
#include "FaceTessellator.h"
#include "Vertex.h"

namespace meshdraw {

// Highlighted edges are blended at this alpha so the surface shows through.
constexpr float HighlightEdgeAlpha = 0.6f;

// Puts the current colour back on leaving a scope. Some drivers lose it
// when glPopAttrib(GL_CURRENT_BIT) unwinds nested attribute pushes, so it
// is saved by value instead.
class ColourKeeper {
public:
    ColourKeeper() { glGetFloatv(GL_CURRENT_COLOR, saved_); }
    ~ColourKeeper() { glColor4fv(saved_); }
    ColourKeeper(const ColourKeeper&) = delete;
    ColourKeeper& operator=(const ColourKeeper&) = delete;

private:
    float saved_[4];
};

// One tessellator for all drawing: drawing is single-threaded.
inline FaceTessellator& drawTessellator()
{
    static FaceTessellator tessellator;
    return tessellator;
}

inline void vertexPoint(const Vertex& v)
{
    glVertex3f(v.x, v.y, v.z);
}

// Sends faces to GL, keeping one glBegin open while consecutive faces share
// a primitive type: triangles and tessellated faces as GL_TRIANGLES, quads
// as GL_QUADS.
class FaceBatch {
public:
    explicit FaceBatch(bool vertexNormals) : vertexNormals_(vertexNormals) {}
    ~FaceBatch() { flush(); }
    FaceBatch(const FaceBatch&) = delete;
    FaceBatch& operator=(const FaceBatch&) = delete;

    void face(const Face& f)
    {
        int n = f.cornerCount();
        if (n < 3)
            return;
        if (needsTessellation(f)) {
            tessellated(f);
            return;
        }
        begin(n == 3 ? GL_TRIANGLES : GL_QUADS);
        if (!vertexNormals_)
            glNormal3f(f.normal.x, f.normal.y, f.normal.z);
        for (const Corner& c : f.corners) {
            glTexCoord2f(c.u, c.v);
            if (vertexNormals_)
                glNormal3fv(c.vertex->normal);
            glVertex3f(c.vertex->x, c.vertex->y, c.vertex->z);
        }
    }

    // Ends the open primitive, as GL requires before state changes such as
    // binding a texture.
    void flush()
    {
        if (open_)
            glEnd();
        open_ = 0;
    }

private:
    void begin(GLenum mode)
    {
        if (open_ == mode)
            return;
        flush();
        glBegin(mode);
        open_ = mode;
    }

    void tessellated(const Face& f)
    {
        FaceTessellator& tess = drawTessellator();
        if (!tess.tessellate(f))
            return;
        begin(GL_TRIANGLES);
        if (!vertexNormals_)
            glNormal3f(f.normal.x, f.normal.y, f.normal.z);
        for (int i : tess.triangles()) {
            const TessellatedPoint& p = tess.points()[i];
            glTexCoord2f(p.u, p.v);
            if (vertexNormals_)
                glNormal3fv(p.normal);
            glVertex3fv(p.position);
        }
    }

    bool vertexNormals_;
    GLenum open_ = 0;
};

// The GL state of highlight drawing for one scope: unlit, untextured, and
// drawing over the very surface it marks without losing the depth test.
class HighlightState {
public:
    HighlightState()
    {
        glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_POINT_BIT | GL_LINE_BIT);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        // The highlight colour must not become the material of later faces.
        glDisable(GL_COLOR_MATERIAL);
        glDepthFunc(GL_LEQUAL);
    }
    ~HighlightState() { glPopAttrib(); }
    HighlightState(const HighlightState&) = delete;
    HighlightState& operator=(const HighlightState&) = delete;

private:
    ColourKeeper colour_;
};

} // namespace meshdraw
