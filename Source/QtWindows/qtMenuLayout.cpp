#include "QtWindows/qtMenuLayout.h"

#include <algorithm>

namespace {
using namespace CommandId;
constexpr int sep = MenuSeparator;

constexpr int fileMenu[] = {
    NewScene, OpenScene, LoadIntoScene, sep, SaveScene, SaveSceneAs, SaveIncremental, SaveSelectedObjects,
    ExportScene, sep, RevertToAutosaved, SaveScreenshot, RenderExternal, sep, RecentFilesEntry, sep, Exit,
};
constexpr int editMenu[] = {
    Undo, Redo, UndoSelection, RedoSelection, Repeat, sep, Copy, Paste, Duplicate, Delete, sep, Instance,
    DeInstantiateInstance, Array, GroupSelection, sep, SaveAllSettings, LoadAllSettings,
};
constexpr int createMenu[] = {
    Cube, Sphere, Cylinder, Cone, Torus, Circle, Arc, Grid, sep, LatheObject, ExtrusionObject, PathExtrusionObject,
    sep, AddLight,
};
constexpr int modifyMenu[] = {
    Extrude, Bevel, Shell, InsetScale, LocalMove, LocalScale, LocalRotate, Slide, Orient, sep, SplitLoop, Cut,
    SpinEdge, Merge, Break, Bridge, FillHole, Flatten, Smooth, Triangulate, sep, Append, Boolean, Mirroring, sep,
    CombineObjects, UnifyNormals, ReverseNormals, SetObjectAxis, RecenterObjectAxis, sep, TopologyTool, SurfaceTool,
};
constexpr int subdivisionMenu[] = {
    Subdivide, Unsubdivide, ToggleCurrentSubdivision, RefineControlMesh, ClearHigherSubdivision, sep, CreaseEdges,
    UncreaseEdges, sep, PaintDisplacement, BrushEditor, GenerateNormalMap, GenerateDisplacementMap,
};
constexpr int selectionMenu[] = {
    SelectAll, Deselect, InvertSelection, DeselectInactive, sep, GrowSelection, ShrinkSelection, ExpandSelection,
    SelectLoop, SelectRing, SelectPath, sep, SelectionMode, ConvertSelectionTo, SelectionStyle, SelectBy, sep,
    HideSelection, HideUnselected, ShowAll, sep, SoftSelectionToggle,
};
constexpr int uvMenu[] = {
    MaterialEditor, sep, RecreateUVs, LSCMUnwrapping, NudgeUVs, sep, MoveAndSew, MirrorUVs, FlipUVs,
    ArrangeUVsInBounds, ScaleUVsToBounds, ScaleUVsProportionally, sep, ExportUVsToImage, ShowUVSeamsToggle,
};
constexpr int displayMenu[] = {
    ViewportLayout, ViewportCamera, ObjectDisplayMode, sep, FrameSelection, FocusSelection, ZoomViewIn, ZoomViewOut,
    WalkthroughModeToggle, sep, UseSceneLightsToggle, ShowLightsToggle, LockSceneLightingToCamera,
    MakeSceneLightsDefault, sep, ShowWorkGridsToggle, ShowButtonsToggle, ShowManipulatorToggle, sep, SetViewportImage,
    SelectViewportImage, DeleteViewportImage, ShowViewportImagesToggle,
};
constexpr int editorsMenu[] = {
    ManipulatorTool, OrientManipulator, AutoOrientManipulator, Snapping, ManipulatorEditModeToggle,
    EnableManipRepositioningToggle, sep, NumericalEditor, SceneEditor, ObjectProperties, ToolProperties,
    CreateProperties, sep, GeneralSettings, DisplaySettings, ColorSettings, SubdivisionSettings, KeyboardSettings,
    MouseSettings, ButtonSettings, FileFormatSettings, sep, OptionsSubmenu,
};
constexpr int optionsMenu[] = {
    SoftSelectionOptions, ManipulatorOptions, ExtrudeOptions, BevelOptions, ShellOptions, InsetOptions,
    LocalMoveOptions, LocalScaleOptions, SlideOptions, CutOptions, MergeOptions, FlattenOptions, SmoothOptions,
    BooleanOptions, MirrorGeometryOptions, InstanceMirrorOptions, SymmetryOptions, AreaSelectionOptions,
    SelectSpecialOptions, LightOptions, NormalMapOptions, DisplacementMapOptions, RecreateUVsOptions,
    RecreateUVsPlanarRegionsOptions, NudgeUVsOptions, ExportUVsToImageOptions, SaveIncrementalOptions,
    RenderExternalOptions, SnapManipulatorToolOptions,
};
constexpr int helpMenu[] = {ContextHelp, OnlineManual, Tutorials, SceneInfo, sep, AboutDialog};

constexpr MenuLayout menus[] = {
    {File, fileMenu},           {Edit, editMenu},       {Create, createMenu},   {Modify, modifyMenu},
    {Subdivision, subdivisionMenu}, {Selection, selectionMenu}, {UVsMaterials, uvMenu}, {Display, displayMenu},
    {EditorsOptions, editorsMenu}, {Help, helpMenu},
};

constexpr int appendMenu[] = {AppendPolygon, AppendEdges, PolygonTool, EdgeTool};
constexpr int booleanMenu[] = {BooleanSubtract, BooleanCombine, BooleanIntersect};
constexpr int mirroringMenu[] = {MirrorGeometry, InstanceMirrorToggle, CalculateSymmetry, SymmetryModeToggle,
                                 RestoreSymmetry};
constexpr int selectionModeMenu[] = {VertexSelectionMode, EdgeSelectionMode, FaceSelectionMode, ObjectSelectionMode,
                                     MultiSelectionMode};
constexpr int convertMenu[] = {ConvertToFaces, ConvertToEdges, ConvertToVertices};
constexpr int selectionStyleMenu[] = {PaintStyleSelection, AreaStyleSelection, LassoStyleSelection};
constexpr int selectByMenu[] = {SelectAllWithSameMaterial, SelectAllCreasedEdges, SelectAllUVSeams,
                                SelectSpecialGeometry, SelectAffectedGroups, SelectNextGroup};
constexpr int recreateUVsMenu[] = {RecreateUVsUsingXYZCoords, RecreateUVsPerFace, RecreateUVsUsingPlanarRegions,
                                   RecreateUVsUsingLSCMUnwrapping, RecreateUVsUsingNeighbors};
constexpr int lscmMenu[] = {UnwrapUVsUsingLSCM, LiveUVUnwrappingToggle, sep, MarkUVSeams, UnmarkUVSeams,
                            MarkUVSeamsToggle, sep, PinUVVertices, UnpinUVVertices, PinUVVerticesToggle};
constexpr int nudgeMenu[] = {NudgeUVsUPlus, NudgeUVsU, NudgeUVsVPlus, NudgeUVsV, NudgeUVsRotationPlus,
                             NudgeUVsRotation};
constexpr int layoutMenu[] = {SingleViewLayout, FourViewLayout, HorizontalSplitLayout, VerticalSplitLayout,
                              ThreeViewLayoutRight, ThreeViewLayoutLeft};
constexpr int cameraMenu[] = {FreePerspectiveView, FreeOrthographicView, sep, FrontOrthographicView,
                              BackOrthographicView, LeftOrthographicView, RightOrthographicView, TopOrthographicView,
                              BottomOrthographicView, sep, UV2DView, UV3DView};
constexpr int displayModeMenu[] = {SmoothShadeMode, FlatShadeMode, WireframeMode, GhostedShadeMode, FastShadeMode,
                                   CycleShadingForward, CycleShadingReverse, sep, ShowWireframe, HideWireframe,
                                   UnselectedToWireframe, UnselectedToGhostShading, sep, ShowNormals, HideNormals,
                                   ShowTextures, HideTextures};
constexpr int manipulatorMenu[] = {UniversalManipulatorTool, MoveManipulatorTool, RotateManipulatorTool,
                                   ScaleManipulatorTool, SnapManipulatorTool, NoManipulatorTool};
constexpr int orientMenu[] = {OrientManipulatorToWorld, OrientManipulatorToObject, OrientManipulatorToNormal,
                              OrientSelectionToWorld};
constexpr int autoOrientMenu[] = {AutoOrientManipStandard, AutoOrientManipToWorld, AutoOrientManipToObject,
                                  AutoOrientManipToNormal, AutoOrientManipOff};
constexpr int snappingMenu[] = {NoSnapping, GridSnapping, ComponentSnapping, SurfaceSnapping};

constexpr MenuLayout submenus[] = {
    {Append, appendMenu},
    {Boolean, booleanMenu},
    {Mirroring, mirroringMenu},
    {SelectionMode, selectionModeMenu},
    {ConvertSelectionTo, convertMenu},
    {SelectionStyle, selectionStyleMenu},
    {SelectBy, selectByMenu},
    {RecreateUVs, recreateUVsMenu},
    {LSCMUnwrapping, lscmMenu},
    {NudgeUVs, nudgeMenu},
    {ViewportLayout, layoutMenu},
    {ViewportCamera, cameraMenu},
    {ObjectDisplayMode, displayModeMenu},
    {ManipulatorTool, manipulatorMenu},
    {OrientManipulator, orientMenu},
    {AutoOrientManipulator, autoOrientMenu},
    {Snapping, snappingMenu},
    {OptionsSubmenu, optionsMenu, "Options"},
};
} // namespace

std::span<const MenuLayout> menuBarLayout() { return menus; }

std::span<const MenuLayout> submenuLayouts() { return submenus; }

const MenuLayout* findSubmenu(int titleId)
{
    auto found = std::ranges::find(submenus, titleId, &MenuLayout::titleId);
    return found == std::end(submenus) ? nullptr : &*found;
}
