// GraphData JSON: every class of malformed input is refused with error 380 at its position.
#include "vantrel/ErrorOf.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vantrel/Error.h>
#include <vantrel/GraphDataJson.h>

namespace vantrel {
namespace {

// One series long enough to be written as base64, one label, in a panel named "P".
std::string ValidText()
{
    auto data = std::make_shared<GraphData>();
    auto panel = std::make_shared<PanelData>();
    panel->Name("P");
    std::vector<double> values(80, 1.5);
    panel->CreateData(DoubleArray(values), DoubleArray(values), 80, gdtLine);
    panel->CreateLabel(1, 2, "L");
    data->PanelList()->Add(panel);
    std::ostringstream out;
    WriteGraphDataJson(data, out);
    return out.str();
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string PositionOf(const std::string& text, std::size_t offset)
{
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i)
        if (text[i] == '\n') {
            line++;
            lineStart = i + 1;
        }
    return std::to_string(line) + ":" + std::to_string(offset - lineStart + 1);
}

TEST(GraphDataJsonErrors, EachMalformedClassNamesItsPosition)
{
    const std::string valid = ValidText();
    struct Row {
        const char* label;
        std::string text;
        std::string marker; // the error is where this first occurs (empty: at the end)
        std::size_t markerShift;
        const char* what;
    };
    const std::string panelName = "\"Name\": \"P\"";
    const Row rows[] = {
        { "bad JSON", Replaced(valid, "\"Version\": 1,", "\"Version\": 1,,"), ",,", 1,
            "malformed JSON" },
        { "wrong type", Replaced(valid, "\"GridLines\": 10", "\"GridLines\": \"ten\""), "\"ten\"",
            0, "where an integer is expected" },
        { "missing member", Replaced(valid, "\"Selected\": false,", ""), "", 0,
            "has no member \"Selected\"" },
        { "array that does not decode", Replaced(valid, "\"Base64\": \"", "\"Base64\": \"!"), "\"!",
            0, "is not padded base64 of 80 doubles" },
        { "unknown version", Replaced(valid, "\"Version\": 1", "\"Version\": 2"), "2,", 0,
            "unknown version 2" },
        { "other format", Replaced(valid, "vantrel-graphdata", "other"), "\"other\"", 0,
            "the format is" },
        { "unknown item kind", Replaced(valid, "\"Kind\": \"Label\"", "\"Kind\": \"Blob\""),
            "\"Blob\"", 0, "an item is Data, Label, Shape or Item" },
        { "integer out of range", Replaced(valid, "\"Color1\": 255", "\"Color1\": 99999999999"),
            "99999999999", 0, "is outside -2147483648 .. 2147483647" },
        { "bad number", Replaced(valid, "\"X\": 1.0", "\"X\": \"one\""), "\"one\"", 0,
            "is not a number" },
        // Fault found by fuzzing: the parser's overflow exception escaped the reader.
        { "number beyond double's range", Replaced(valid, "\"X\": 1.0", "\"X\": -4.1E656475"),
            "-4.1E656475", 0, "number overflow parsing '-4.1E656475'" },
        { "no such item state", Replaced(valid, "\"Length\": 80", "\"Length\": 81"), "", 0,
            "describe no state a data item can be in" },
        { "not an object", "[1, 2]", "[", 0, "where an object is expected" },
        { "cut short", valid.substr(0, valid.size() / 2), "", 0, "malformed JSON" },
    };
    for (const Row& row : rows) {
        std::size_t offset = 0;
        if (!row.marker.empty())
            offset = row.text.find(row.marker) + row.markerShift;
        else if (std::string(row.label) == "missing member")
            offset = row.text.rfind('{', row.text.find(panelName));
        else if (std::string(row.label) == "no such item state")
            offset = row.text.rfind('{', row.text.find("\"Kind\": \"Data\""));
        else
            offset = row.text.size();
        const std::string expected = "<stream>:" + PositionOf(row.text, offset) + ": ";
        std::istringstream in(row.text);
        std::string what;
        EXPECT_EQ(test::ErrorOf([&] { ReadGraphDataJson(in); }, what), errInvalidPropertyValue)
            << row.label;
        EXPECT_EQ(what.substr(0, expected.size()), expected) << row.label << ": " << what;
        EXPECT_NE(what.find(row.what), std::string::npos) << row.label << ": " << what;
    }
}

} // namespace
} // namespace vantrel
