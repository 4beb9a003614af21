#include "UV/NlSystem.h"

#include <random>

#include <Eigen/Dense>
#include <gtest/gtest.h>

namespace {

// A random overdetermined system of 8 variables: 3 is locked, 6 appears in
// no row, and rows may name a variable twice (the coefficients add up).
// Both solvers must reach the minimiser that dense least squares finds.
TEST(NlSystem, BothSolversReachTheDenseLeastSquaresMinimiser)
{
    constexpr int Variables = 8, Rows = 20, Locked = 3, Untouched = 6;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::uniform_int_distribution<int> column(0, Variables - 2);

    Eigen::MatrixXd a = Eigen::MatrixXd::Zero(Rows, Variables);
    Eigen::VectorXd b(Rows);
    std::vector<std::vector<std::pair<int, double>>> rows(Rows);
    for (int r = 0; r < Rows; ++r) {
        for (int k = 0; k < 4; ++k) {
            int j = column(random);
            j += j >= Untouched; // skip the untouched variable
            const double c = value(random);
            rows[r].emplace_back(j, c);
            a(r, j) += c;
        }
        b[r] = value(random);
    }
    const double lockedValue = 0.75, untouchedValue = -2.5;

    // Dense reference: eliminate the locked column, drop the untouched one.
    std::vector<int> free;
    for (int j = 0; j < Variables; ++j) {
        if (j != Locked && j != Untouched)
            free.push_back(j);
    }
    Eigen::MatrixXd aFree(Rows, free.size());
    for (size_t k = 0; k < free.size(); ++k)
        aFree.col(k) = a.col(free[k]);
    const Eigen::VectorXd expected = aFree.colPivHouseholderQr().solve(b - a.col(Locked) * lockedValue);

    for (NlSolver solver : {NlSolver::Direct, NlSolver::ConjugateGradient}) {
        NlSystem system(Variables);
        system.solver = solver;
        system.setVariable(Locked, lockedValue);
        system.lockVariable(Locked);
        system.setVariable(Untouched, untouchedValue);
        EXPECT_FALSE(system.solve()) << "no matrix yet";
        system.beginMatrix();
        for (int r = 0; r < Rows; ++r) {
            system.beginRow();
            for (auto [j, c] : rows[r])
                system.coefficient(j, c);
            system.rightHandSide(b[r]);
            system.endRow();
        }
        system.endMatrix();
        ASSERT_TRUE(system.solve());
        EXPECT_EQ(system.variable(Locked), lockedValue);
        EXPECT_EQ(system.variable(Untouched), untouchedValue);
        for (size_t k = 0; k < free.size(); ++k)
            EXPECT_NEAR(system.variable(free[k]), expected[k], 1e-8) << "solver " << int(solver) << " variable " << free[k];
    }
}

} // namespace
