#pragma once
// The sweeps built from a selected profile object, each from a plain record
// of its options (the scene reads them from the settings, which hold the
// defaults). Every function
// returns a new object from the Shape pool (release it when it is not kept);
// layoutSpacing is the margin of the default texture projection.
class InnerShape;
class Shape;

struct LatheOptions {
    bool capEnds = {};
    int sections = {};
    float degrees = {};
    float mergeTolerance = {};
    // World X, Y, Z (0-2), the profile's local X, Y, Z through its pivot
    // (3-5), or the line through the profile's two end points (6).
    int axis = {};
};

struct ExtrusionOptions {
    float height = {};
    int sections = {};
    int axis = {}; // World X, Y, Z (0-2), or the profile's best-fit normal (3)
};

struct PathExtrusionOptions {
    bool capEnds = {};
    float scale = {};
    float rotation = {}; // degrees over the whole path
};

// Turns `profile` (its first face's outline, or its chain of wire edges)
// about the chosen axis.
Shape* makeLathe(const InnerShape& profile, const LatheOptions& options, float layoutSpacing);
// Extrudes `profile` along the chosen axis.
Shape* makeExtrusion(const InnerShape& profile, const ExtrusionOptions& options, float layoutSpacing);
// Sweeps `profile` along the chain of points of `path`.
Shape* makePathExtrusion(const InnerShape& profile, const InnerShape& path, const PathExtrusionOptions& options,
                         float layoutSpacing);
