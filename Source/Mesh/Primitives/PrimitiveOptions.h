#pragma once
// Builds each primitive from its option group in the settings registry, so
// that a command handler only has to call one function and record undo.
// Every function returns a new object from the Shape pool (release it when
// it is not kept), reading the default of an option that is missing from
// the registry; the default projection's margin is "Layout Spacing".
class InnerShape;
class Shape;
class SettingsRegistry;

Shape* makeCubeFromOptions(const SettingsRegistry& registry);
Shape* makeCylinderFromOptions(const SettingsRegistry& registry);
Shape* makeConeFromOptions(const SettingsRegistry& registry);
Shape* makeSphereFromOptions(const SettingsRegistry& registry);
Shape* makeTorusFromOptions(const SettingsRegistry& registry);
Shape* makeGridFromOptions(const SettingsRegistry& registry);
Shape* makeCircleFromOptions(const SettingsRegistry& registry);
Shape* makeArcFromOptions(const SettingsRegistry& registry);
// Turns `profile` (its first face's outline, or its chain of wire edges)
// about the "Axis" of the "Lathe" group: a world axis through the origin,
// an axis of the profile object's own frame through its pivot, or the line
// through the profile's two end points.
Shape* makeLatheFromOptions(const SettingsRegistry& registry, const InnerShape& profile);
// Extrudes `profile` along the "Axis" of the "Extrusion" group: a world
// axis, or the normal of the profile's best-fit plane.
Shape* makeExtrusionFromOptions(const SettingsRegistry& registry, const InnerShape& profile);
// Sweeps `profile` along the chain of points of `path`.
Shape* makePathExtrusionFromOptions(const SettingsRegistry& registry, const InnerShape& profile,
                                    const InnerShape& path);
