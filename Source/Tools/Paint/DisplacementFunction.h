#pragma once
// The six brush operations. A dab gathers vertices of one level mesh with a
// strength each; a function turns them into moves. Moves are computed for
// the whole dab before any vertex moves, so that no result depends on the
// order in which vertices are visited.
#include <memory>
#include <span>
#include <vector>

#include "Mesh/Point3D.h"
#include "Tools/Paint/Brush.h"

class InnerShape;
class LevelAdjacency;

// A vertex a dab reaches: its position in the level's vertex list and its
// strength s = falloff × brush strength × strengthScale × pen pressure.
struct GatheredVertex {
    int index = 0;
    float strength = 0;
};

// A move of one level vertex by `delta`.
struct VertexMove {
    int index = 0;
    Point3D delta;
};

// Everything one dab hands to a function.
struct DabContext {
    const InnerShape* mesh = nullptr;
    const LevelAdjacency* adjacency = nullptr;
    std::span<const GatheredVertex> gathered;
    Point3D point;          // the brush point P
    Point3D direction;      // the brush direction N (unit)
    bool second = false;    // the function's second mode
    bool firstDab = true;   // the first dab of a stroke
    Point3D strokeVector;   // motion of the brush point since the previous dab; zero at the first
    // For Move along the normal: the signed world distance the mouse has
    // travelled since the press along its dominant screen direction
    // (right and up positive).
    float normalTravel = 0;
};

class DisplacementFunction {
public:
    virtual ~DisplacementFunction() = default;
    // --- virtual operations, in slot order ---
    // Start of a stroke.
    virtual void reset() {}
    // Appends the moves of one dab to outMoves (at most one per vertex).
    virtual void apply(const DabContext& dab, std::vector<VertexMove>& outMoves) = 0;
    // The function's constant factor on the brush strength.
    virtual float strengthScale() const = 0;
    // True for every function but Move, which follows the mouse instead of
    // the surface: the tool gathers afresh at every dab for these.
    virtual bool gathersEachDab() const { return true; }
    // Whether f_i = weight × strength is limited to 1.
    virtual bool clampsFactor() const { return false; }

    // f_i for gathered vertex g.
    float factor(const DabContext& dab, const GatheredVertex& g) const;
};

// Push/Pull: Δ = N × f (pull: −N).
class DisplacementPush : public DisplacementFunction {
public:
    void apply(const DabContext& dab, std::vector<VertexMove>& outMoves) override;
    float strengthScale() const override { return 0.0025f; }
};

// Smooth: towards the mean of the neighbours. Noise: a random offset scaled
// by the length of the vertex's first side.
class DisplacementSmooth : public DisplacementFunction {
public:
    void apply(const DabContext& dab, std::vector<VertexMove>& outMoves) override;
    float strengthScale() const override { return 0.4f; }
    bool clampsFactor() const override { return true; }
};

// Pinch: towards the brush point. Inflate: along the vertex normal.
class DisplacementPinch : public DisplacementFunction {
public:
    void apply(const DabContext& dab, std::vector<VertexMove>& outMoves) override;
    float strengthScale() const override { return 0.01f; }
    bool clampsFactor() const override { return true; }
};

// Halfway to the plane through the stroke's first brush point with the
// brush direction there.
class DisplacementFlatten : public DisplacementFunction {
public:
    void reset() override { planeSet_ = false; }
    void apply(const DabContext& dab, std::vector<VertexMove>& outMoves) override;
    float strengthScale() const override { return 0.05f; }
    bool clampsFactor() const override { return true; }

private:
    bool planeSet_ = false;
    Point3D planePoint_, planeNormal_;
};

// Along the brush point's motion since the previous dab.
class DisplacementSmudge : public DisplacementFunction {
public:
    void apply(const DabContext& dab, std::vector<VertexMove>& outMoves) override;
    float strengthScale() const override { return 0.5f; }
};

// Drags what the first dab gathered: each vertex to start + (P − P_start) × f,
// or in the second mode along the first dab's direction by the mouse travel.
class DisplacementMove : public DisplacementFunction {
public:
    void reset() override { captured_.clear(), capturedAny_ = false; }
    void apply(const DabContext& dab, std::vector<VertexMove>& outMoves) override;
    float strengthScale() const override { return 1.0f; }
    bool gathersEachDab() const override { return false; }

private:
    struct Captured {
        int index;
        Point3D start;
        float factor;
    };
    std::vector<Captured> captured_;
    bool capturedAny_ = false;
    Point3D startPoint_, startDirection_;
};

// The function of each operation, in BrushOperation order.
std::vector<std::unique_ptr<DisplacementFunction>> makeDisplacementFunctions();
