#include "Scene/Undo/URchangeTextures.h"

#include <algorithm>
#include <cstring>

#include "Mesh/InnerShape.h"

namespace {

// Outer contour first, then each hole; FaceT is Face or const Face.
template <class FaceT, class F> void forEachCorner(FaceT& f, F&& visit)
{
    for (auto& c : f.corners)
        visit(c);
    for (auto* h : f.holes)
        for (auto& c : h->corners)
            visit(c);
}

} // namespace

int URchangeTextures::cornerCount(const Face& f)
{
    int n = f.corners.count();
    for (const Face* h : f.holes)
        n += h->corners.count();
    return n;
}

void URchangeTextures::read(const Face& f, float* out)
{
    forEachCorner(f, [&](const Corner& c) {
        *out++ = c.u;
        *out++ = c.v;
        *out++ = c.w;
    });
}

void URchangeTextures::write(Face& f, const float* in)
{
    forEachCorner(f, [&](Corner& c) {
        c.u = *in++;
        c.v = *in++;
        c.w = *in++;
    });
}

URchangeTextures::URchangeTextures(InnerShape& object) : object_(object)
{
    faces_.reserve(static_cast<size_t>(object.faces.count()));
    for (int i = 0; i < object.faces.count(); ++i) {
        const Face& f = *object.faces[i];
        const int n = cornerCount(f);
        faces_.push_back({i, static_cast<int32_t>(coordinates_.size()), n});
        coordinates_.resize(coordinates_.size() + 3 * static_cast<size_t>(n));
        read(f, coordinates_.data() + faces_.back().start);
    }
}

bool URchangeTextures::apply()
{
    std::vector<FaceCoordinates> kept;
    std::vector<float> keptCoordinates;
    std::vector<float> now;
    for (const FaceCoordinates& fc : faces_) {
        if (fc.position >= object_.faces.count())
            break;
        const Face& f = *object_.faces[fc.position];
        const float* before = coordinates_.data() + fc.start;
        bool same = cornerCount(f) == fc.count;
        if (same) {
            now.resize(3 * static_cast<size_t>(fc.count));
            read(f, now.data());
            // Bitwise, so that a NaN left alone does not count as a change.
            same = std::memcmp(now.data(), before, now.size() * sizeof(float)) == 0;
        }
        if (same)
            continue;
        kept.push_back({fc.position, static_cast<int32_t>(keptCoordinates.size()), fc.count});
        keptCoordinates.insert(keptCoordinates.end(), before, before + 3 * fc.count);
    }
    faces_ = std::move(kept);
    coordinates_ = std::move(keptCoordinates);
    return true;
}

bool URchangeTextures::revert()
{
    for (const FaceCoordinates& fc : faces_)
        if (fc.position >= object_.faces.count() || cornerCount(*object_.faces[fc.position]) != fc.count)
            return false;
    std::vector<float> now;
    for (const FaceCoordinates& fc : faces_) {
        Face& f = *object_.faces[fc.position];
        float* stored = coordinates_.data() + fc.start;
        now.resize(3 * static_cast<size_t>(fc.count));
        read(f, now.data());
        write(f, stored);
        std::copy(now.begin(), now.end(), stored);
    }
    // Levels interpolate the coordinates, so they are built again.
    object_.touch();
    object_.topologyChanged();
    return true;
}
