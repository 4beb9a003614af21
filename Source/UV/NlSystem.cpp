#include "NlSystem.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include "NestedDissection.h"

namespace {

// Eigen's ordering interface over nestedDissectionOrder: it receives the
// full symmetric pattern and returns the elimination order.
struct NestedDissectionOrdering {
    template <class Matrix>
    void operator()(const Matrix& matrix, Eigen::PermutationMatrix<Eigen::Dynamic, Eigen::Dynamic, int>& outOrder) const
    {
        const int n = static_cast<int>(matrix.rows());
        std::vector<int> start(n + 1, 0), next;
        next.reserve(static_cast<size_t>(matrix.nonZeros()));
        for (int column = 0; column < n; ++column) {
            for (typename Matrix::InnerIterator it(matrix, column); it; ++it) {
                if (it.row() != column)
                    next.push_back(static_cast<int>(it.row()));
            }
            start[column + 1] = static_cast<int>(next.size());
        }
        const std::vector<int> order = nestedDissectionOrder(start, next);
        outOrder.resize(n);
        std::copy(order.begin(), order.end(), outOrder.indices().data());
    }
};

double squaredMagnitude(double a) { return a * a; }
double squaredMagnitude(const std::complex<double>& a) { return std::norm(a); }
double conjugate(double a) { return a; }
std::complex<double> conjugate(const std::complex<double>& a) { return std::conj(a); }
bool isFinite(double a) { return std::isfinite(a); }
bool isFinite(const std::complex<double>& a) { return std::isfinite(a.real()) && std::isfinite(a.imag()); }

// Rows over m unknowns of scalar type S, in compressed form.
template <class S>
struct Rows {
    const int* start;    // rowCount + 1 entries
    const int* column;
    const S* value;
    const S* rhs;
    int rowCount;
};

// Minimises |A x - b|^2 over the unlocked unknowns by an LDL^T factorisation
// of the normal equations. x holds the locked values on entry and the
// solution on success; `locked` gains the unknowns no row touches (they keep
// their values). Returns false when the factorisation fails.
template <class S>
bool solveNormalEquations(const Rows<S>& rows, std::vector<uint8_t> locked, std::vector<S>& x)
{
    const int m = static_cast<int>(x.size());
    std::vector<double> diagonal(m, 0.0);
    for (int e = 0; e < rows.start[rows.rowCount]; ++e)
        diagonal[rows.column[e]] += squaredMagnitude(rows.value[e]);
    std::vector<int> freeIndex(m, -1);
    int freeCount = 0;
    for (int j = 0; j < m; ++j) {
        if (!locked[j] && diagonal[j] > 0.0)
            freeIndex[j] = freeCount++;
    }
    if (freeCount == 0)
        return true;

    using Triplet = Eigen::Triplet<S>;
    std::vector<Triplet> triplets;
    triplets.reserve(static_cast<size_t>(rows.start[rows.rowCount]) * 3);
    Eigen::Matrix<S, Eigen::Dynamic, 1> rhs = Eigen::Matrix<S, Eigen::Dynamic, 1>::Zero(freeCount);
    for (int r = 0; r < rows.rowCount; ++r) {
        const int begin = rows.start[r], end = rows.start[r + 1];
        S residual = rows.rhs[r];
        for (int e = begin; e < end; ++e) {
            if (freeIndex[rows.column[e]] < 0)
                residual -= rows.value[e] * x[rows.column[e]];
        }
        for (int p = begin; p < end; ++p) {
            const int fp = freeIndex[rows.column[p]];
            if (fp < 0)
                continue;
            const S ap = conjugate(rows.value[p]);
            rhs[fp] += ap * residual;
            // Every ordered pair on or below the diagonal, so that a
            // variable repeated within a row still adds all its cross terms.
            for (int q = begin; q < end; ++q) {
                const int fq = freeIndex[rows.column[q]];
                if (fq >= 0 && fq <= fp)
                    triplets.emplace_back(fp, fq, ap * rows.value[q]);
            }
        }
    }
    Eigen::SparseMatrix<S> normal(freeCount, freeCount);
    normal.setFromTriplets(triplets.begin(), triplets.end());
    triplets = {};

    Eigen::SimplicialLDLT<Eigen::SparseMatrix<S>, Eigen::Lower, NestedDissectionOrdering> factor(normal);
    if (factor.info() != Eigen::Success)
        return false;
    const Eigen::Matrix<S, Eigen::Dynamic, 1> solution = factor.solve(rhs);
    if (factor.info() != Eigen::Success)
        return false;
    for (int j = 0; j < m; ++j) {
        if (freeIndex[j] >= 0) {
            if (!isFinite(solution[freeIndex[j]]))
                return false;
            x[j] = solution[freeIndex[j]];
        }
    }
    return true;
}

} // namespace

NlSystem::NlSystem(int variableCount)
    : x_(static_cast<size_t>(variableCount > 0 ? variableCount : 0), 0.0),
      locked_(x_.size(), 0)
{
}

void NlSystem::setVariable(int i, double value)
{
    if (phase_ == Phase::Variables && i >= 0 && i < variableCount())
        x_[i] = value;
}

void NlSystem::lockVariable(int i)
{
    if (phase_ == Phase::Variables && i >= 0 && i < variableCount())
        locked_[i] = 1;
}

void NlSystem::beginMatrix()
{
    if (phase_ == Phase::Variables)
        phase_ = Phase::Matrix;
}

void NlSystem::beginRow()
{
    if (phase_ != Phase::Matrix)
        return;
    phase_ = Phase::Row;
    pendingRhs_ = 0;
}

void NlSystem::coefficient(int i, double a)
{
    if (phase_ != Phase::Row || i < 0 || i >= variableCount())
        return;
    column_.push_back(i);
    value_.push_back(a);
}

void NlSystem::rightHandSide(double b)
{
    if (phase_ == Phase::Row)
        pendingRhs_ = b;
}

void NlSystem::endRow()
{
    if (phase_ != Phase::Row)
        return;
    rhs_.push_back(pendingRhs_);
    rowStart_.push_back(static_cast<int>(column_.size()));
    phase_ = Phase::Matrix;
}

void NlSystem::endMatrix()
{
    if (phase_ == Phase::Matrix)
        phase_ = Phase::Complete;
}

bool NlSystem::solve()
{
    if (phase_ != Phase::Complete)
        return false;
    iterations_ = 0;
    std::vector<double> x = x_;
    if (solver == NlSolver::Direct && (solveComplexDirect(x) || solveDirect(x))) {
        x_ = std::move(x);
        return true;
    }
    x = x_;
    iterations_ = solveConjugateGradient(x);
    for (double value : x) {
        if (!std::isfinite(value))
            return false;
    }
    x_ = std::move(x);
    return true;
}

bool NlSystem::solveDirect(std::vector<double>& outX) const
{
    const Rows<double> rows{rowStart_.data(), column_.data(), value_.data(), rhs_.data(), rowCount()};
    return solveNormalEquations(rows, locked_, outX);
}

bool NlSystem::solveComplexDirect(std::vector<double>& outX) const
{
    const int n = variableCount() / 2;
    if (variableCount() % 2 != 0 || rowCount() % 2 != 0)
        return false;
    for (int j = 0; j < n; ++j) {
        if (locked_[2 * j] != locked_[2 * j + 1])
            return false;
    }

    // Row pair (real, imaginary) is one complex row w when, per vertex j,
    // real row = Re(w_j) u_j - Im(w_j) v_j and imaginary row = Im(w_j) u_j + Re(w_j) v_j.
    struct Pair {
        int vertex;
        double uReal, vReal, uImaginary, vImaginary;
    };
    std::vector<int> start{0};
    std::vector<int> column;
    std::vector<std::complex<double>> value, rhs;
    start.reserve(rowCount() / 2 + 1);
    column.reserve(column_.size() / 2);
    value.reserve(column_.size() / 2);
    rhs.reserve(rowCount() / 2);
    std::vector<Pair> pairs;
    for (int r = 0; r < rowCount(); r += 2) {
        pairs.clear();
        for (int row = r; row <= r + 1; ++row) {
            for (int e = rowStart_[row]; e < rowStart_[row + 1]; ++e) {
                const int j = column_[e] / 2;
                auto it = pairs.begin();
                while (it != pairs.end() && it->vertex != j)
                    ++it;
                if (it == pairs.end()) {
                    pairs.push_back({j, 0, 0, 0, 0});
                    it = pairs.end() - 1;
                }
                const bool isU = column_[e] % 2 == 0;
                double& slot = row == r ? (isU ? it->uReal : it->vReal) : (isU ? it->uImaginary : it->vImaginary);
                slot += value_[e];
            }
        }
        for (const Pair& p : pairs) {
            if (p.uImaginary != -p.vReal || p.vImaginary != p.uReal)
                return false;
            column.push_back(p.vertex);
            value.emplace_back(p.uReal, p.uImaginary);
        }
        start.push_back(static_cast<int>(column.size()));
        rhs.emplace_back(rhs_[r], rhs_[r + 1]);
    }

    std::vector<uint8_t> locked(n);
    std::vector<std::complex<double>> z(n);
    for (int j = 0; j < n; ++j) {
        locked[j] = locked_[2 * j];
        z[j] = {outX[2 * j], outX[2 * j + 1]};
    }
    const Rows<std::complex<double>> rows{start.data(), column.data(), value.data(), rhs.data(), rowCount() / 2};
    if (!solveNormalEquations(rows, std::move(locked), z))
        return false;
    for (int j = 0; j < n; ++j) {
        outX[2 * j] = z[j].real();
        outX[2 * j + 1] = z[j].imag();
    }
    return true;
}

int NlSystem::solveConjugateGradient(std::vector<double>& inOutX) const
{
    const int m = variableCount();
    const int limit = maxIterations >= 0 ? maxIterations : 5 * m;
    std::vector<double> diagonal(m, 0.0);
    for (size_t e = 0; e < column_.size(); ++e)
        diagonal[column_[e]] += value_[e] * value_[e];
    std::vector<uint8_t> isFree(m);
    for (int j = 0; j < m; ++j)
        isFree[j] = !locked_[j] && diagonal[j] > 0.0;

    // A_free^T (b - A x) for the given x.
    auto residualOf = [&](const std::vector<double>& x, std::vector<double>& outR) {
        outR.assign(m, 0.0);
        for (int r = 0; r < rowCount(); ++r) {
            double t = rhs_[r];
            for (int e = rowStart_[r]; e < rowStart_[r + 1]; ++e)
                t -= value_[e] * x[column_[e]];
            for (int e = rowStart_[r]; e < rowStart_[r + 1]; ++e) {
                if (isFree[column_[e]])
                    outR[column_[e]] += value_[e] * t;
            }
        }
    };
    auto dot = [m](const std::vector<double>& a, const std::vector<double>& b) {
        double s = 0;
        for (int j = 0; j < m; ++j)
            s += a[j] * b[j];
        return s;
    };

    std::vector<double> r, q(m), z(m), p(m);
    std::vector<double> lockedOnly = inOutX;
    for (int j = 0; j < m; ++j) {
        if (isFree[j])
            lockedOnly[j] = 0.0;
    }
    residualOf(lockedOnly, r);
    const double stop = threshold * std::sqrt(dot(r, r));
    residualOf(inOutX, r);
    for (int j = 0; j < m; ++j)
        z[j] = isFree[j] ? r[j] / diagonal[j] : 0.0;
    p = z;
    double rz = dot(r, z);
    int it = 0;
    for (; it < limit && std::sqrt(dot(r, r)) > stop; ++it) {
        // q = A_free^T A_free p; p is zero off the free variables.
        std::fill(q.begin(), q.end(), 0.0);
        for (int row = 0; row < rowCount(); ++row) {
            double s = 0;
            for (int e = rowStart_[row]; e < rowStart_[row + 1]; ++e)
                s += value_[e] * p[column_[e]];
            for (int e = rowStart_[row]; e < rowStart_[row + 1]; ++e) {
                if (isFree[column_[e]])
                    q[column_[e]] += value_[e] * s;
            }
        }
        const double pq = dot(p, q);
        if (!(pq > 0.0))
            break;
        const double alpha = rz / pq;
        for (int j = 0; j < m; ++j) {
            inOutX[j] += alpha * p[j];
            r[j] -= alpha * q[j];
            z[j] = isFree[j] ? r[j] / diagonal[j] : 0.0;
        }
        const double rzNext = dot(r, z);
        const double beta = rzNext / rz;
        rz = rzNext;
        for (int j = 0; j < m; ++j)
            p[j] = z[j] + beta * p[j];
    }
    return it;
}
