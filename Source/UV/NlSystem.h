#pragma once
// A sparse linear least-squares system built row by row: variables, some of
// them locked at given values, and rows of coefficients with a right-hand
// side. Solving minimises |A x - b|^2 over the free variables, the locked
// ones held at their values, through the normal equations
//   (A_free^T A_free) x_free = A_free^T (b - A_locked x_locked).
//
// Use: setVariable / lockVariable, beginMatrix, then per row beginRow,
// coefficient..., rightHandSide, endRow; endMatrix; solve; variable(i).
// Calls out of that order are ignored.
#include <cstdint>
#include <vector>

enum class NlSolver : uint8_t {
    // Sparse LDL^T factorisation of the normal equations, eliminated in
    // nested-dissection order (NestedDissection.h). When every row pair
    // (2k, 2k+1) is the real and imaginary part of one complex row over the
    // variable pairs (2i, 2i+1), locked pairwise, it factorises the complex
    // system of half the size instead (same minimiser, about half the work).
    Direct,
    // Conjugate gradient on the normal equations with Jacobi preconditioning,
    // started from the variables' values; stops at `maxIterations` or when
    // the residual falls to `threshold` times the right-hand side's norm.
    ConjugateGradient,
};

class NlSystem {
public:
    // A system of `variableCount` variables, all zero and free.
    explicit NlSystem(int variableCount);

    NlSolver solver = NlSolver::Direct;
    int maxIterations = -1;   // conjugate gradient only; -1: 5 x the variable count
    double threshold = 1e-10; // conjugate gradient only; relative residual

    // Before beginMatrix. The value is the start of the iteration and, for a
    // locked variable, the value it keeps. Out-of-range indices are ignored.
    void setVariable(int i, double value);
    void lockVariable(int i);
    bool isLocked(int i) const { return i >= 0 && i < variableCount() && locked_[i]; }

    void beginMatrix();
    void beginRow();
    // Adds a * x_i to the current row; repeated indices add up.
    void coefficient(int i, double a);
    void rightHandSide(double b);
    void endRow();
    void endMatrix();

    // Solves after endMatrix. Free variables whose columns are all zero keep
    // their values. The direct solver falls back to conjugate gradient when
    // the factorisation fails (a singular system). Returns false when the
    // system was never completed or the result is not finite (values then
    // stay as set).
    bool solve();

    double variable(int i) const { return i >= 0 && i < variableCount() ? x_[i] : 0.0; }
    int variableCount() const { return static_cast<int>(x_.size()); }
    int rowCount() const { return static_cast<int>(rhs_.size()); }
    // Conjugate-gradient iterations of the last solve; 0 after a direct solve.
    int iterations() const { return iterations_; }

private:
    enum class Phase : uint8_t { Variables, Matrix, Row, Complete };

    bool solveDirect(std::vector<double>& outX) const;
    bool solveComplexDirect(std::vector<double>& outX) const;
    int solveConjugateGradient(std::vector<double>& inOutX) const;

    Phase phase_ = Phase::Variables;
    std::vector<double> x_;           // one value per variable
    std::vector<uint8_t> locked_;     // one flag per variable
    std::vector<int> rowStart_{0};    // row r's entries are [rowStart_[r], rowStart_[r + 1])
    std::vector<int> column_;         // variable of each entry
    std::vector<double> value_;       // coefficient of each entry
    std::vector<double> rhs_;         // one per completed row
    double pendingRhs_ = 0;
    int iterations_ = 0;
};
