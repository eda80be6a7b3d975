// vantrel-render: its pictures equal the library's drawing of the same series, its exit codes and
// error lines, and no output on failure.
#include "support/RandomModel.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <tuple>
#include <vantrel/GraphDataJson.h>
#include <vantrel/hostkit/PngFiles.h>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string Out(const std::string& name)
{
    return std::string(VANTREL_TEST_OUTPUT_DIR) + "/tool-" + name;
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the tool; returns its exit status, its standard error in `errors`.
int RunTool(const std::string& arguments, std::string* errors = nullptr)
{
    // One file per test: ctest runs the tests of this suite side by side.
    const std::string errorFile = Out(
        std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + "-stderr.txt");
    // The sanitizers' leak report must not add lines to the tool's standard error.
    const std::string environment
        = "LSAN_OPTIONS=print_suppressions=0:suppressions=" VANTREL_SOURCE_DIR "/tests/lsan.supp ";
    const int status = std::system(
        (environment + VANTREL_RENDER_TOOL + " --quiet " + arguments + " 2>" + errorFile).c_str());
    if (errors)
        *errors = ReadFile(errorFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<uint32_t> PngPixels(const std::string& path)
{
    const gdi::Pixmap image = hostkit::ReadPng(path);
    std::vector<uint32_t> pixels;
    for (int32_t y = 0; y < image.Height(); ++y)
        for (int32_t x = 0; x < image.Width(); ++x)
            pixels.push_back(image.At(x, y) & 0xFFFFFFu);
    return pixels;
}

std::vector<uint32_t> Masked(std::vector<uint32_t> pixels)
{
    for (uint32_t& p : pixels)
        p &= 0xFFFFFFu;
    return pixels;
}

TEST(RenderTool, CsvPictureEqualsTheLibraryDrawingTheSameSeries)
{
    const std::string csv = Out("plain.csv");
    WriteFile(csv, "0,1,5\n1,3,4\n2,2,\n3,5,2\n");
    ASSERT_EQ(RunTool(csv + " -o " + Out("plain.png") + " --size 200x150 --type steps"), 0);

    // The same series through the library: the data's bounds, the palette's first two colours.
    auto data = std::make_shared<GraphData>();
    data->Bounds()->Initialize(0, 1, 3, 5);
    auto panel = std::make_shared<PanelData>();
    const DoubleArray x(std::vector<double> { 0, 1, 2, 3 });
    panel->CreateData(x, DoubleArray(std::vector<double> { 1, 3, 2, 5 }), 4, gdtDiscreteLine, -1,
        "", true, 0xB27200, false, 0xB27200);
    panel->CreateData(x, DoubleArray(std::vector<double> { 5, 4, std::nan(""), 2 }), 4,
        gdtDiscreteLine, -1, "", true, 0x005ED5, false, 0x005ED5);
    data->PanelList()->Add(panel);
    EXPECT_EQ(PngPixels(Out("plain.png")), Masked(testsupport::DrawnScreen(data, 200, 150)));
}

TEST(RenderTool, SavedModelHoldsTheLegendAndDrawsThePicture)
{
    const std::string csv = Out("named.csv");
    WriteFile(csv, "# run 1\ntime;left;right\n0;1;2\n1;2;1\n2;0.5;3\n");
    ASSERT_EQ(RunTool(csv + " -o " + Out("named.png") + " --size 220x160 --save-model "
                  + Out("named.json")),
        0);
    const Ref<GraphData> model = LoadGraphData(Out("named.json"));
    ASSERT_EQ(model->PanelList()->Count(), 2);
    const Ref<PanelData> legend = model->PanelList()->Item(2);
    ASSERT_EQ(legend->LabelCount(), 2);
    EXPECT_EQ(
        std::tuple(legend->Label(1)->Text(), legend->Label(2)->Text(), legend->Label(2)->Color()),
        std::tuple("left", "right", model->PanelList()->Item(1)->Data(2)->Color1()));
    EXPECT_EQ(PngPixels(Out("named.png")), Masked(testsupport::DrawnScreen(model, 220, 160)));

    // The saved model drawn by the tool again gives the same picture.
    ASSERT_EQ(RunTool(Out("named.json") + " -o " + Out("named-again.png") + " --size 220x160"), 0);
    EXPECT_EQ(PngPixels(Out("named-again.png")), PngPixels(Out("named.png")));
}

TEST(RenderTool, ExitStatusAndErrorLines)
{
    WriteFile(Out("bad.csv"), "x,y\n1,2\n3,oops\n");
    WriteFile(Out("good.csv"), "1,2\n2,3\n");
    WriteFile(Out("bad.json"), "{\"XAxisName\": ");
    fs::remove(Out("bad.png"));
    struct Row {
        const char* label;
        std::string arguments;
        int status;
        std::string errorStart;
    };
    const Row rows[] = {
        { "unknown option", Out("good.csv") + " --colour red", 2, "" },
        { "no input", "", 2, "" },
        { "bad size", Out("good.csv") + " --size 12", 2, "" },
        { "bad type", Out("good.csv") + " --type bars", 2, "" },
        { "malformed input", Out("bad.csv") + " -o " + Out("bad.png"), 1,
            Out("bad.csv") + ":3:3: 'oops' is not a number\n" },
        { "missing input", Out("none.csv") + " -o " + Out("none.png"), 1,
            Out("none.csv") + ":0:0: " },
        { "malformed properties",
            Out("good.csv") + " --properties " + Out("bad.json") + " -o " + Out("c.png"), 1,
            Out("bad.json") + ":0:0: " },
        { "no such column", Out("good.csv") + " --columns 7 -o " + Out("c.png"), 1,
            Out("good.csv") + ":1:1: there is no column 7" },
    };
    for (const Row& row : rows) {
        std::string errors;
        EXPECT_EQ(RunTool(row.arguments, &errors), row.status) << row.label << ": " << errors;
        if (!row.errorStart.empty()) {
            EXPECT_EQ(errors.substr(0, row.errorStart.size()), row.errorStart) << row.label;
        }
        if (row.status == 1) {
            EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1)
                << row.label << ": " << errors;
        }
    }
    EXPECT_FALSE(fs::exists(Out("bad.png")));
}

// -j 3 keeps every thread at an input; -j 8 leaves threads over, which make the controls aside.
TEST(RenderTool, SeveralInputsOnSeveralThreads)
{
    std::string inputs;
    for (int i = 0; i < 5; ++i) {
        std::string text = "t,v\n";
        for (int r = 0; r < 50; ++r)
            text += std::to_string(r) + "," + std::to_string((r * (i + 3)) % 17) + "\n";
        if (i == 2)
            text += "x,1\n";
        WriteFile(Out("in" + std::to_string(i) + ".csv"), text);
        inputs += " " + Out("in" + std::to_string(i) + ".csv");
    }
    const fs::path alone = Out("jobs1");
    fs::remove_all(alone);
    EXPECT_EQ(RunTool(inputs + " --size 160x120 -j 1 -o " + alone.string()), 1);
    for (const char* jobs : { "3", "8" }) {
        const fs::path folder = Out(std::string("jobs") + jobs);
        fs::remove_all(folder);
        std::string errors;
        EXPECT_EQ(
            RunTool(inputs + " --size 160x120 -j " + jobs + " -o " + folder.string(), &errors), 1);
        EXPECT_EQ(errors, Out("in2.csv") + ":52:1: 'x' is not a number\n") << jobs;
        for (int i = 0; i < 5; ++i) {
            const std::string name = "tool-in" + std::to_string(i) + ".png";
            EXPECT_EQ(fs::exists(folder / name), i != 2) << name;
            if (i != 2) {
                EXPECT_EQ(PngPixels((folder / name).string()), PngPixels((alone / name).string()))
                    << jobs << " " << name;
            }
        }
    }
}

} // namespace
} // namespace vantrel
