#pragma once
// What a viewport shows of the objects picked from, worked out on the CPU so
// that picking needs no display: every current-level vertex projected to the
// window, and a depth and face buffer of the viewport, rasterised from the
// level's faces (fans over each outer contour; holes are filled, back faces
// kept). Visible-only picking tests an element's projected depth against the
// buffer; a face is visible when it owns a pixel of it.
//
// Built once per camera, object list and geometry, then reused by every pick
// until one of them changes, so that a click on a 1,000,000-face level costs
// at most a pass over the vertices, not a rasterisation. The topology is
// copied into flat arrays once per topology change, so that picks run over
// contiguous memory instead of chasing element pointers.
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "Scene/Selection/PickLevelMap.h"
#include "Scene/View/Camera.h"

class InnerShape;
class Shape;

// One object as picking sees it.
struct PickObject {
    Shape* object = nullptr;            // a visible object of the scene
    int position = 0;                   // its position in the scene's object list
    const InnerShape* mesh = nullptr;   // its current level's mesh
    const LevelMapping* map = nullptr;  // from that level back to the control mesh
};

// A level vertex in the window: pixels (origin bottom-left) and depth 0
// (near) to 1 (far). Not `valid` behind the eye.
struct ScreenPoint {
    float x = 0, y = 0, depth = 0;
    bool valid = false;
};

// An object's level topology as flat arrays of level vertex positions.
struct PickMesh {
    std::vector<int32_t> edgeEnds;    // two per level edge; -1 for a missing end
    std::vector<int32_t> faceStart;   // per level face, into faceCorners; one more at the end
    std::vector<int32_t> faceCorners; // outer-contour corners, face by face
    std::vector<uint8_t> faceShown;   // per level face: neither it nor its control face is hidden
    std::span<const int32_t> corners(int f) const
    {
        return {faceCorners.data() + faceStart[f], static_cast<size_t>(faceStart[f + 1] - faceStart[f])};
    }
};

class PickView {
public:
    // Makes the view current for `view` and `objects`, rebuilding the
    // projection and buffer only when the camera, the objects, their levels
    // their vertex positions or hidden faces changed since. Positions are
    // compared by a sample of the level's vertices and, with `exact` (a
    // click), every control vertex, which the level follows; a hover may show
    // a stale highlight until the next click. Hidden control faces are always
    // compared.
    void prepare(const ViewProjection& view, std::span<const PickObject> objects, bool exact = true);
    // Forces the next prepare to rebuild everything.
    void invalidate()
    {
        valid_ = false;
        meshes_.clear();
    }

    const ViewProjection& view() const { return view_; }
    // Projected level vertices of objects[i], by list position.
    std::span<const ScreenPoint> points(int object) const { return points_[object]; }
    const ScreenPoint& point(int object, int vertex) const { return points_[object][vertex]; }
    const PickMesh& mesh(int object) const { return meshes_[object].arrays; }

    // The face owning the pixel under window position (x, y): outObject
    // indexes the prepared objects, outFace the level face list. False over
    // the background or outside the viewport.
    bool faceAt(double x, double y, int& outObject, int& outFace) const;
    // Whether a point at window position (x, y) and depth `depth` is not
    // behind what the buffer holds there, with a tolerance of about two
    // pixels of world length; a point where nothing is drawn is visible.
    bool visible(double x, double y, double depth) const;
    // Calls visit(object, levelFace) for every pixel of the buffer in
    // rows y0 … y1 - 1 and columns x0 … x1 - 1 (window pixels) for which
    // inside(x, y) holds and a face owns it; faces repeat.
    template <class Inside, class Visit>
    void facesIn(int x0, int y0, int x1, int y1, Inside&& inside, Visit&& visit) const
    {
        const ViewRect& r = view_.viewport;
        for (int y = std::max(y0, r.y); y < std::min(y1, r.y + r.height); ++y)
            for (int x = std::max(x0, r.x); x < std::min(x1, r.x + r.width); ++x) {
                const uint32_t item = items_[static_cast<size_t>(y - r.y) * r.width + (x - r.x)];
                if (item && inside(x, y))
                    visit(objectOf(item), faceOf(item));
            }
    }

private:
    struct Key {
        const Shape* object;
        const InnerShape* mesh;
        int32_t changeCount;
        int32_t vertices, edges, faces;
        uint64_t sampled; // hash of every few level positions
        uint64_t hidden;  // hash of every control face's Hidden flag
        uint64_t exact;   // hash of every control position; 0 until computed
        bool sameTopology(const Key& o) const
        {
            return object == o.object && mesh == o.mesh && changeCount == o.changeCount && vertices == o.vertices &&
                   edges == o.edges && faces == o.faces;
        }
    };
    struct CachedMesh {
        Key key;
        PickMesh arrays;
    };
    bool sameView(const ViewProjection& view) const;
    void flatten(const PickObject& object, PickMesh& out) const;
    void project(std::span<const PickObject> objects);
    void rasterise(std::span<const PickObject> objects);
    void fillTriangle(const ScreenPoint& a, const ScreenPoint& b, const ScreenPoint& c, uint32_t item);
    // Eye-space distance of window depth d.
    double eyeDistance(double d) const;
    int objectOf(uint32_t item) const;
    int faceOf(uint32_t item) const { return static_cast<int>(item - 1 - faceBase_[objectOf(item)]); }

    bool valid_ = false;
    ViewProjection view_;
    std::vector<Key> keys_;
    std::vector<CachedMesh> meshes_; // per prepared object
    std::vector<std::vector<ScreenPoint>> points_;
    std::vector<uint32_t> faceBase_; // first item number - 1 of each object's faces
    std::vector<float> depth_;       // per viewport pixel, row by row from the bottom
    std::vector<uint32_t> items_;    // per pixel: 0 background, else faceBase_ + level face + 1
};
