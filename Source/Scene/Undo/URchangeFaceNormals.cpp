#include "Scene/Undo/URchangeFaceNormals.h"

#include "Mesh/InnerShape.h"

namespace {

List<Corner, 4>& contour(Face& f, size_t i)
{
    return i == 0 ? f.corners : f.holes[static_cast<int>(i) - 1]->corners;
}

} // namespace

URchangeFaceNormals::URchangeFaceNormals(InnerShape& object, const List<Face*>& faces) : object_(object)
{
    for (int i = 0; i < object.faces.count(); ++i)
        object.faces[i]->index = i;
    for (const Face* f : faces) {
        const int i = f ? f->index : -1;
        if (i < 0 || i >= object.faces.count() || object.faces[i] != f)
            continue;
        Winding w{i, {}};
        capture(*f, w.contours);
        faces_.push_back(std::move(w));
    }
}

void URchangeFaceNormals::capture(const Face& f, std::vector<std::vector<Corner>>& out)
{
    out.clear();
    out.emplace_back(f.corners.begin(), f.corners.end());
    for (const Face* h : f.holes)
        out.emplace_back(h->corners.begin(), h->corners.end());
}

bool URchangeFaceNormals::apply()
{
    std::vector<Winding> changed;
    std::vector<std::vector<Corner>> now;
    for (Winding& w : faces_) {
        if (w.position >= object_.faces.count())
            continue;
        capture(*object_.faces[w.position], now);
        if (now != w.contours)
            changed.push_back(std::move(w));
    }
    faces_ = std::move(changed);
    return true;
}

bool URchangeFaceNormals::revert()
{
    for (const Winding& w : faces_) {
        if (w.position >= object_.faces.count())
            return false;
        Face& f = *object_.faces[w.position];
        if (w.contours.size() != static_cast<size_t>(f.holes.count()) + 1)
            return false;
        for (size_t i = 0; i < w.contours.size(); ++i)
            if (static_cast<int>(w.contours[i].size()) != contour(f, i).count())
                return false;
    }
    for (Winding& w : faces_) {
        Face& f = *object_.faces[w.position];
        for (size_t i = 0; i < w.contours.size(); ++i) {
            List<Corner, 4>& corners = contour(f, i);
            for (int k = 0; k < corners.count(); ++k)
                std::swap(corners[k], w.contours[i][static_cast<size_t>(k)]);
        }
        f.computeNormal();
    }
    object_.touch();
    object_.topologyChanged();
    object_.update(true, !object_.isPlainMesh(), -1);
    return true;
}
