#pragma once
// Pairing of a mesh's vertices and faces across its symmetry plane.
#include "InnerShape.h"
#include "MirrorPlane.h"

// Positions closer than this on every axis count as the same point; smaller
// tolerances are raised to it.
constexpr float MinSymmetryTolerance = 0.0002f;

struct SymmetryCounts {
    int pairedVertices = 0;   // vertices with a partner other than themselves
    int onPlaneVertices = 0;  // vertices that are their own partner
    int unpairedVertices = 0; // vertices left without a partner
    int pairedFaces = 0;
    int selfFaces = 0;        // faces straddling the plane, their own partner
    int unpairedFaces = 0;
};

// Clears and then sets `mirror` on every vertex and face of `mesh`, and
// `OnPlane` on the vertices that are their own partner.
// A vertex whose reflection through `plane` lies within `tolerance` of it on
// every axis is its own partner; any other vertex is paired with the nearest
// unpaired vertex within `tolerance` of its reflection, both ways, so that
// partners are always mutual. Faces are paired the same way by their centres.
// A vertex or face without such a counterpart (or with a non-finite position)
// keeps a null `mirror`. Runs in expected linear time through a spatial hash.
SymmetryCounts calculateSymmetry(InnerShape& mesh, const MirrorPlane& plane, float tolerance);

// The symmetry plane through an edge that lies on it: the plane contains the
// edge and, with two faces, is the plane that reflects one face's normal onto
// the other's; where both normals agree (a flat stretch) or the edge has one
// face, the plane contains the face normal too. False, `outPlane` unchanged,
// for a zero-length edge or an edge without faces.
bool symmetryPlaneFromEdge(const Edge& edge, MirrorPlane& outPlane);

// Derives the plane from `edge`, stores it in `mesh.mirrorPlane` and runs
// `calculateSymmetry`. False, nothing changed, when the edge gives no plane.
bool calculateSymmetryFromEdge(InnerShape& mesh, const Edge& edge, float tolerance, SymmetryCounts& outCounts);
