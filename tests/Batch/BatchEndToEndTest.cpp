// The built tavo-batch program, run as a process: its output, its error
// message and its exit status. Skipped when the program was not built.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The program sits in the build folder, one level above the test binary.
fs::path batchProgram()
{
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : self.parent_path().parent_path() / "tavo-batch";
}

std::string contents(const fs::path& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct BatchEndToEndTest : ::testing::Test {
    void SetUp() override
    {
        program = batchProgram();
        if (!fs::exists(program))
            GTEST_SKIP() << "tavo-batch is not built";
        folder = fs::temp_directory_path() / ("tavo-batch-test-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        if (!folder.empty())
            fs::remove_all(folder);
    }
    // Runs the program on `script` and returns its exit status.
    int run(const std::string& script, const std::string& options)
    {
        std::ofstream(folder / "script.txt") << script;
        std::string command = "'" + program.string() + "' --prefs '" + (folder / "none.tvp").string() + "' " +
                              options + " '" + (folder / "script.txt").string() + "' > '" +
                              (folder / "out.txt").string() + "' 2> '" + (folder / "err.txt").string() + "'";
        int status = std::system(command.c_str());
        out = contents(folder / "out.txt");
        errors = contents(folder / "err.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path program;
    fs::path folder;
    std::string out;
    std::string errors;
};

} // namespace

TEST_F(BatchEndToEndTest, ScriptsRunToTheirEndOrStopAtTheFailingLine)
{
    EXPECT_EQ(run("# a check\nGrid Snapping\nrun 100008\nselection\n", "--answer yes"), 0);
    EXPECT_EQ(out, "status: Grid Snapping\n"
                   "ask: Tavo, a modeller for polygon meshes and subdivision surfaces.\n"
                   "selection mode=4 objects=0 vertices=0 edges=0 faces=0\n");
    EXPECT_EQ(errors, "");
    EXPECT_EQ(run("Grid Snapping\n\nNo Such Command\nSurface Snapping\n", ""), 1);
    EXPECT_EQ(out, "status: Grid Snapping\n");
    EXPECT_EQ(errors, "line 3: unknown command \"No Such Command\"\n");
}
