#include "Mesh/Topology/Flatten.h"

#include <cmath>
#include <unordered_set>
#include <vector>

#include "Mesh/Shape.h"

namespace {

std::vector<Vertex*> distinct(const List<Vertex*>& vertices)
{
    std::unordered_set<Vertex*> seen;
    std::vector<Vertex*> out;
    for (Vertex* v : vertices)
        if (v && seen.insert(v).second)
            out.push_back(v);
    return out;
}

void centroidOf(const std::vector<Vertex*>& vs, double out[3])
{
    out[0] = out[1] = out[2] = 0;
    for (const Vertex* v : vs) {
        out[0] += v->x;
        out[1] += v->y;
        out[2] += v->z;
    }
    for (int i = 0; i < 3; ++i)
        out[i] /= static_cast<double>(vs.size());
}

// Cyclic Jacobi rotations on a symmetric 3 × 3 matrix: `a` ends (nearly)
// diagonal holding the eigenvalues, the columns of `v` are the eigenvectors.
void jacobiEigen(double a[3][3], double v[3][3])
{
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            v[i][j] = i == j;
    for (int sweep = 0; sweep < 50; ++sweep) {
        const double off = a[0][1] * a[0][1] + a[0][2] * a[0][2] + a[1][2] * a[1][2];
        if (off < 1e-30)
            return;
        for (int p = 0; p < 2; ++p)
            for (int q = p + 1; q < 3; ++q) {
                if (std::abs(a[p][q]) < 1e-300)
                    continue;
                const double theta = (a[q][q] - a[p][p]) / (2 * a[p][q]);
                const double t = (theta >= 0 ? 1 : -1) / (std::abs(theta) + std::sqrt(theta * theta + 1));
                const double c = 1 / std::sqrt(t * t + 1), s = t * c;
                for (int k = 0; k < 3; ++k) {
                    const double akp = a[k][p], akq = a[k][q];
                    a[k][p] = c * akp - s * akq;
                    a[k][q] = s * akp + c * akq;
                }
                for (int k = 0; k < 3; ++k) {
                    const double apk = a[p][k], aqk = a[q][k];
                    a[p][k] = c * apk - s * aqk;
                    a[q][k] = s * apk + c * aqk;
                }
                for (int k = 0; k < 3; ++k) {
                    const double vkp = v[k][p], vkq = v[k][q];
                    v[k][p] = c * vkp - s * vkq;
                    v[k][q] = s * vkp + c * vkq;
                }
            }
    }
}

} // namespace

Point3D bestFitNormal(const List<Vertex*>& vertices)
{
    const std::vector<Vertex*> vs = distinct(vertices);
    if (vs.size() < 3)
        return {0, 0, 1};
    double c[3];
    centroidOf(vs, c);
    double cov[3][3] = {};
    for (const Vertex* v : vs) {
        const double d[3] = {v->x - c[0], v->y - c[1], v->z - c[2]};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                cov[i][j] += d[i] * d[j];
    }
    double vectors[3][3];
    jacobiEigen(cov, vectors);
    int smallest = 0;
    for (int i = 1; i < 3; ++i)
        if (cov[i][i] < cov[smallest][smallest])
            smallest = i;
    if (cov[0][0] == cov[1][1] && cov[1][1] == cov[2][2])
        return {0, 0, 1};
    return Point3D(float(vectors[0][smallest]), float(vectors[1][smallest]), float(vectors[2][smallest])).normalized();
}

Point3D flattenNormal(const InnerShape& mesh, const List<Vertex*>& vertices, FlattenAxis axis)
{
    switch (axis) {
    case FlattenAxis::LocalX:
        return Point3D(mesh.axisFrame[InnerShape::AxisX]).normalized();
    case FlattenAxis::LocalY:
        return Point3D(mesh.axisFrame[InnerShape::AxisY]).normalized();
    case FlattenAxis::LocalZ:
        return Point3D(mesh.axisFrame[InnerShape::AxisZ]).normalized();
    case FlattenAxis::WorldX:
        return {1, 0, 0};
    case FlattenAxis::WorldY:
        return {0, 1, 0};
    case FlattenAxis::WorldZ:
        return {0, 0, 1};
    case FlattenAxis::SelectionNormal:
        break;
    }
    return bestFitNormal(vertices);
}

int flattenVertices(const List<Vertex*>& vertices, const Point3D& normal)
{
    const std::vector<Vertex*> vs = distinct(vertices);
    const Point3D n = normal.normalized();
    if (vs.empty() || n.length() == 0)
        return 0;
    double c[3];
    centroidOf(vs, c);
    for (Vertex* v : vs) {
        const double d = (v->x - c[0]) * n.x + (v->y - c[1]) * n.y + (v->z - c[2]) * n.z;
        v->setPosition(float(v->x - d * n.x), float(v->y - d * n.y), float(v->z - d * n.z));
    }
    return static_cast<int>(vs.size());
}

int flattenVertices(Shape& object, const List<Vertex*>& vertices, FlattenAxis axis)
{
    const int moved = flattenVertices(vertices, flattenNormal(object, vertices, axis));
    object.update(true, true, -1);
    return moved;
}
