#include "MirrorPlane.h"

MirrorPlane::MirrorPlane()
{
    set(Point3D(0, 0, 0), Point3D(1, 0, 0));
}

MirrorPlane::MirrorPlane(const MirrorPlane& other)
{
    set(other.point, other.normal);
}

MirrorPlane& MirrorPlane::operator=(const MirrorPlane& other)
{
    set(other.point, other.normal);
    return *this;
}

void MirrorPlane::set(const Point3D& p, const Point3D& n)
{
    point.setPosition(p.x, p.y, p.z);
    normal.setPosition(n.x, n.y, n.z);
    // Householder reflection about the plane n·x = d: x' = x - 2 (n·x - d) n.
    double nx = n.x, ny = n.y, nz = n.z;
    double len2 = nx * nx + ny * ny + nz * nz;
    if (len2 > 0) {
        double inv = 1.0 / std::sqrt(len2);
        nx *= inv;
        ny *= inv;
        nz *= inv;
    }
    double d = nx * p.x + ny * p.y + nz * p.z;
    const double nn[3] = {nx, ny, nz};
    for (int col = 0; col < 3; ++col)
        for (int row = 0; row < 3; ++row)
            matrix[col * 4 + row] = (row == col ? 1.0 : 0.0) - 2.0 * nn[row] * nn[col];
    for (int row = 0; row < 3; ++row) {
        matrix[row * 4 + 3] = 0.0;
        matrix[12 + row] = 2.0 * d * nn[row];
    }
    matrix[15] = 1.0;
}

Point3D MirrorPlane::reflect(const Point3D& p) const
{
    const double* m = matrix;
    return Point3D(static_cast<float>(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12]),
                   static_cast<float>(m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13]),
                   static_cast<float>(m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]));
}
