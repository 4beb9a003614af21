#pragma once
// Every option the program reads or writes by name, declared once. The list
// below is the single place a group and an option name are spelt outside the
// registry's tables; `missingOptionKeys` checks it against the built registry
// at start, so a misspelt name or a wrong type shows at once instead of
// silently reading a default.
#include "Settings/CommandIds.h"
#include "Settings/OptionKey.h"

// The window geometry group has no command of its own.
inline constexpr int WindowOptionsGroup = 100107;

// X(handle type, constant name, group, option name)
#define TAVO_OPTION_KEYS(X)                                                                  \
    X(IntOption, MinutesToAutosave, CommandId::GeneralSettings, "Minutes To Autosave")        \
    X(IntOption, UndoLevel, CommandId::GeneralSettings, "Undo Level")                         \
    X(ChoiceOption, Units, CommandId::GeneralSettings, "Units")                              \
    X(FloatOption, UnitScale, CommandId::GeneralSettings, "Unit Scale")                      \
    X(IntOption, IncrementalPadding, CommandId::SaveIncrementalOptions, "Number Padding")     \
    X(IntOption, IncrementalMaxIndex, CommandId::SaveIncrementalOptions, "Max Index (0 to disable)") \
    X(ChoiceOption, SelectSpecialType, CommandId::SelectSpecialOptions, "Type")               \
    X(IntOption, SelectSpecialCount, CommandId::SelectSpecialOptions, "")                     \
    X(IntOption, SelectionStyle, CommandId::SelectionStyle, "Selection Style")                \
    X(FloatOption, SymmetryTolerance, CommandId::SymmetryOptions, "Tolerance")                \
    X(ChoiceOption, SymmetryAxis, CommandId::SymmetryOptions, "Symmetry Axis")                \
    X(ChoiceOption, InstanceMirrorAxis, CommandId::InstanceMirrorOptions, "Mirror From Axis")  \
    X(FloatOption, InstanceMirrorTolerance, CommandId::InstanceMirrorOptions, "Tolerance")     \
    X(BoolOption, SoftSelectionEnabled, CommandId::SoftSelectionOptions, "Enabled")           \
    X(ChoiceOption, SoftSelectionType, CommandId::SoftSelectionOptions, "Type")               \
    X(FloatOption, SoftSelectionRadius, CommandId::SoftSelectionOptions, "Radius")            \
    X(FloatOption, SoftSelectionFalloff, CommandId::SoftSelectionOptions, "Falloff")          \
    X(FloatOption, LayoutSpacing, CommandId::RecreateUVsOptions, "Layout Spacing")            \
    X(FloatOption, DegreeTolerance, CommandId::RecreateUVsPlanarRegionsOptions, "Degree Tolerance") \
    X(FloatOption, NudgeUAmount, CommandId::NudgeUVsOptions, "Nudge U Amount")                \
    X(FloatOption, NudgeVAmount, CommandId::NudgeUVsOptions, "Nudge V Amount")                \
    X(FloatOption, NudgeRotationDegrees, CommandId::NudgeUVsOptions, "Nudge Rotation Degrees") \
    X(IntOption, UVImageWidth, CommandId::ExportUVsToImageOptions, "Image Width")            \
    X(IntOption, UVImageHeight, CommandId::ExportUVsToImageOptions, "Image Height")          \
    X(ColourOption, UVImageBackground, CommandId::ExportUVsToImageOptions, "Background Color") \
    X(ColourOption, UVImageLine, CommandId::ExportUVsToImageOptions, "Line Color")           \
    X(BoolOption, ShowManipulators, CommandId::Display, "Show Manipulators")                  \
    X(IntOption, WindowX, WindowOptionsGroup, "Window X")                                     \
    X(IntOption, WindowY, WindowOptionsGroup, "Window Y")                                     \
    X(IntOption, WindowWidth, WindowOptionsGroup, "Window Width")                             \
    X(IntOption, WindowHeight, WindowOptionsGroup, "Window Height")                           \
    X(BoolOption, WindowMaximized, WindowOptionsGroup, "Window Maximized")                    \
    X(IntOption, MaxSubdivisionLevel, CommandId::SubdivisionSettings, "Max Subdivision Level") \
    X(BoolOption, PropagateToBase, CommandId::SubdivisionSettings, "Propagate Displacement to Base") \
    X(BoolOption, PropagateToLower, CommandId::SubdivisionSettings, "Propagate Displacement to Lower Subdivisions") \
    X(IntOption, SmoothShadeAtLevel, CommandId::SubdivisionSettings, "Smooth Shade At SubD Level (0 to disable)") \
    X(FloatOption, NormalsLength, CommandId::DisplaySettings, "Normals Length")               \
    X(BoolOption, TriangulateQuads, CommandId::DisplaySettings, "Triangulate Quads")          \
    X(ColourOption, DefaultDiffuse, CommandId::ColorSettings, "Default Diffuse")              \
    X(ColourOption, DefaultAmbient, CommandId::ColorSettings, "Default Ambient")              \
    X(ColourOption, DefaultSpecular, CommandId::ColorSettings, "Default Specular")            \
    X(ColourOption, DefaultEmissive, CommandId::ColorSettings, "Default Emissive")            \
    X(FloatOption, CubeWidth, CommandId::CubeOptions, "Width")                                \
    X(FloatOption, CubeHeight, CommandId::CubeOptions, "Height")                              \
    X(FloatOption, CubeDepth, CommandId::CubeOptions, "Depth")                                \
    X(IntOption, CubeWidthSections, CommandId::CubeOptions, "Width Sections")                 \
    X(IntOption, CubeHeightSections, CommandId::CubeOptions, "Height Sections")               \
    X(IntOption, CubeDepthSections, CommandId::CubeOptions, "Depth Sections")                 \
    X(FloatOption, CylinderRadius, CommandId::CylinderOptions, "Radius")                      \
    X(FloatOption, CylinderHeight, CommandId::CylinderOptions, "Height")                      \
    X(IntOption, CylinderSections, CommandId::CylinderOptions, "Sections")                    \
    X(IntOption, CylinderHeightSections, CommandId::CylinderOptions, "Height Sections")       \
    X(BoolOption, CylinderSpokes, CommandId::CylinderOptions, "Spokes")                       \
    X(FloatOption, ConeTopRadius, CommandId::ConeOptions, "Top Radius")                       \
    X(FloatOption, ConeBottomRadius, CommandId::ConeOptions, "Bottom Radius")                 \
    X(FloatOption, ConeHeight, CommandId::ConeOptions, "Height")                              \
    X(IntOption, ConeSections, CommandId::ConeOptions, "Sections")                            \
    X(IntOption, ConeHeightSections, CommandId::ConeOptions, "Height Sections")               \
    X(BoolOption, ConeSpokes, CommandId::ConeOptions, "Spokes")                               \
    X(FloatOption, SphereRadius, CommandId::SphereOptions, "Radius")                          \
    X(IntOption, SphereSections, CommandId::SphereOptions, "Sections")                        \
    X(IntOption, SphereHeightSections, CommandId::SphereOptions, "Height Sections")           \
    X(FloatOption, TorusInnerRadius, CommandId::TorusOptions, "Inner Radius")                 \
    X(FloatOption, TorusOuterRadius, CommandId::TorusOptions, "Outer Radius")                 \
    X(IntOption, TorusRadialSections, CommandId::TorusOptions, "Radial Sections")             \
    X(IntOption, TorusCircumferenceSections, CommandId::TorusOptions, "Circumference Sections") \
    X(FloatOption, GridWidth, CommandId::GridOptions, "Width")                                \
    X(FloatOption, GridDepth, CommandId::GridOptions, "Depth")                                \
    X(FloatOption, GridHeight, CommandId::GridOptions, "Height")                              \
    X(IntOption, GridWidthSections, CommandId::GridOptions, "Width Sections")                 \
    X(IntOption, GridDepthSections, CommandId::GridOptions, "Depth Sections")                 \
    X(IntOption, GridHeightSections, CommandId::GridOptions, "Height Sections")               \
    X(FloatOption, CircleRadius, CommandId::CircleOptions, "Radius")                          \
    X(IntOption, CircleSections, CommandId::CircleOptions, "Sections")                        \
    X(BoolOption, CircleFill, CommandId::CircleOptions, "Fill")                               \
    X(BoolOption, CircleSpokes, CommandId::CircleOptions, "Spokes")                           \
    X(FloatOption, ArcRadius, CommandId::ArcOptions, "Radius")                                \
    X(FloatOption, ArcInnerRadius, CommandId::ArcOptions, "Inner Radius")                     \
    X(FloatOption, ArcHeight, CommandId::ArcOptions, "Height")                                \
    X(FloatOption, ArcDegrees, CommandId::ArcOptions, "Degrees")                              \
    X(IntOption, ArcSections, CommandId::ArcOptions, "Sections")                              \
    X(BoolOption, LatheCapEnds, CommandId::LatheOptions, "Cap Ends")                          \
    X(IntOption, LatheSections, CommandId::LatheOptions, "Sections")                          \
    X(FloatOption, LatheDegrees, CommandId::LatheOptions, "Degrees")                          \
    X(FloatOption, LatheMergeTolerance, CommandId::LatheOptions, "Merge Tolerance")           \
    X(ChoiceOption, LatheAxis, CommandId::LatheOptions, "Axis")                               \
    X(FloatOption, ExtrusionHeight, CommandId::ExtrusionObjectOptions, "Height")              \
    X(IntOption, ExtrusionSections, CommandId::ExtrusionObjectOptions, "Sections")            \
    X(ChoiceOption, ExtrusionAxis, CommandId::ExtrusionObjectOptions, "Axis")                 \
    X(BoolOption, PathExtrusionCapEnds, CommandId::PathExtrusionOptions, "Cap Ends")          \
    X(FloatOption, PathExtrusionScale, CommandId::PathExtrusionOptions, "Scale")              \
    X(FloatOption, PathExtrusionRotation, CommandId::PathExtrusionOptions, "Rotation")       \
    X(ChoiceOption, FlattenAxisChoice, CommandId::FlattenOptions, "Axis")                     \
    X(IntOption, SmoothIterations, CommandId::SmoothOptions, "Iterations")                    \
    X(FloatOption, SmoothVolumePreservation, CommandId::SmoothOptions, "Volume Preservation") \
    X(ChoiceOption, MirrorGeometryAxis, CommandId::MirrorGeometryOptions, "Mirror From Axis") \
    X(FloatOption, MirrorGeometryTolerance, CommandId::MirrorGeometryOptions, "Tolerance")    \
    X(BoolOption, MirrorGeometrySymmetry, CommandId::MirrorGeometryOptions, "Enable Symmetry") \
    X(FloatOption, MergeVertexTolerance, CommandId::MergeOptions, "Vertex Tolerance")         \
    X(IntOption, CutSections, CommandId::CutOptions, "Cut Sections")                          \
    X(BoolOption, BooleanDeleteOriginals, CommandId::BooleanOptions, "Delete Originals")

namespace Options {
#define TAVO_DECLARE_OPTION(Type, Name, Group, Text) inline constexpr Type Name{Group, Text};
TAVO_OPTION_KEYS(TAVO_DECLARE_OPTION)
#undef TAVO_DECLARE_OPTION

#define TAVO_LIST_OPTION(Type, Name, Group, Text) AnyOptionKey(Name),
inline constexpr AnyOptionKey all[] = {TAVO_OPTION_KEYS(TAVO_LIST_OPTION)};
#undef TAVO_LIST_OPTION
} // namespace Options
