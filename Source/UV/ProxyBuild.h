#pragma once
// Building a UV proxy from its owner's faces: one proxy face per owner face
// (outer contour only; holes keep their stored coordinates), and one proxy
// vertex per group of corners that stay joined around an owner vertex.
#include <functional>

#include "Mesh/List.h"

class Edge;
class Face;
class Shape;
class TextureProxy;

// Whether corner `cornerA` of face `a` and corner `cornerB` of face `b`,
// which stand at one owner vertex on either side of `edge`, share a proxy
// vertex. Corners are joined only across edges two faces share, so open
// borders always split.
using CornerJoin = std::function<bool(const Edge& edge, const Face& a, int cornerA, const Face& b, int cornerB)>;

// Corners with equal stored texture coordinates stay joined: the proxy of
// the owner's current UVs.
bool sameTextureCoordinates(const Edge& edge, const Face& a, int cornerA, const Face& b, int cornerB);
// Corners stay joined unless the edge is a UV seam.
bool notAcrossSeam(const Edge& edge, const Face& a, int cornerA, const Face& b, int cornerB);

// A new proxy of `owner` over `faces` (faces of the owner, edges built),
// each proxy vertex at the stored coordinates of the first corner of its
// group. Null when the pools are exhausted.
TextureProxy* buildProxy(Shape& owner, const List<Face*>& faces, const CornerJoin& join);

// Gives each proxy edge the UV seam mark of the owner edge it stands for
// (through the proxy faces' source faces, corner by corner), so that seams
// can be found and shown on the proxy itself. Faces whose source face is no
// longer the owner's, or has another corner count, are skipped. buildProxy
// does this for every proxy it makes.
void copySeamsFromOwner(TextureProxy& proxy);

// Copies each proxy face's vertex positions into the texture coordinates
// (u, v) of the owner face it stands for, when the owner still has that
// face with as many corners. Nothing without an owner.
void writeBackTextureCoordinates(const TextureProxy& proxy);

// The scene object list's proxy of `owner`, or null.
TextureProxy* findProxy(const List<Shape*>& objects, const Shape* owner);
