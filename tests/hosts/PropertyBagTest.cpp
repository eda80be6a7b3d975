// Property bags: case-insensitive keys, typed values, defaults left out, the JSON file.
#include "HostsTestSupport.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <vantrel/Error.h>
#include <vantrel/JsonPropertyBag.h>
#include <vantrel/MemoryPropertyBag.h>
#include <variant>

namespace {

using hoststest::ErrorOf;
using hoststest::OutputPath;

using vantrel::Empty;
using vantrel::JsonPropertyBag;
using vantrel::MemoryPropertyBag;
using vantrel::Variant;

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

// A value equal to its default is left out (and removes what was stored); equal means equal
// across number types, never across kinds nor between a single and a double that differ.
TEST(MemoryPropertyBag, WriteLeavesOutValuesEqualToTheirDefault)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::tuple<const char*, Variant, Variant, bool> rows[] = {
        { "32-bit equal to a 16-bit default", int32_t { 10 }, int16_t { 10 }, false },
        { "single 0.1 is not double 0.1", 0.1f, 0.1, true },
        { "True is not the number -1", true, int32_t { -1 }, true },
        { "letter case matters in text", std::string("a"), std::string("A"), true },
        { "NaN equals nothing", nan, nan, true },
    };
    for (const auto& [label, value, defaultValue, stored] : rows) {
        MemoryPropertyBag bag;
        bag.WriteProperty("Key", int32_t { 99 }, int32_t { 0 });
        bag.WriteProperty("key", value, defaultValue);
        EXPECT_EQ(bag.Contains("Key") ? bag.Get("Key").index() : std::variant_npos,
            stored ? value.index() : std::variant_npos)
            << label;
    }
}

TEST(JsonPropertyBag, RoundTripKeepsTypesAndOrder)
{
    struct Row {
        const char* key;
        Variant written;
        Variant read;
    };
    const Row rows[] = {
        { "Int16", int16_t { -7 }, int32_t { -7 } },
        { "Int32Min", std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::min() },
        { "SingleTenth", 0.1f, 0.1 }, // shortest text of the single, read as a double
        { "WholeDouble", 3.0, 3.0 },
        { "Third", 1.0 / 3.0, 1.0 / 3.0 },
        { "False", false, false },
        { "Text", std::string("\xC2\xB5s \"quoted\"\n"), std::string("\xC2\xB5s \"quoted\"\n") },
        { "Nothing", Empty {}, Empty {} },
    };
    JsonPropertyBag saved;
    for (const Row& row : rows)
        saved.Set(row.key, row.written);
    const std::string path = OutputPath("roundtrip.json");
    saved.Save(path);

    JsonPropertyBag loaded;
    loaded.Set("Stale", int32_t { 1 });
    loaded.Load(path);
    ASSERT_EQ(loaded.Count(), static_cast<int32_t>(std::size(rows))) << "replaces old contents";
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& entry = loaded.Entries()[i];
        EXPECT_EQ(entry.Key, rows[i].key);
        EXPECT_EQ(entry.Value.index(), rows[i].read.index()) << rows[i].key;
        EXPECT_EQ(entry.Value, rows[i].read) << rows[i].key;
    }
}

TEST(JsonPropertyBag, NumbersReadAsIntegersOnlyWhenTheyFit)
{
    const std::string path = OutputPath("numbers.json");
    WriteText(path, R"({"small": 2147483647, "big": 2147483648, "unsigned": 18446744073709551615,
                        "fraction": 1.0})");
    JsonPropertyBag bag;
    bag.Load(path);
    EXPECT_EQ(
        std::tuple(bag.Get("small"), bag.Get("big"), bag.Get("unsigned"), bag.Get("fraction")),
        std::tuple(Variant(int32_t { 2147483647 }), Variant(2147483648.0),
            Variant(18446744073709551615.0), Variant(1.0)));
}

TEST(JsonPropertyBag, BadFilesRaiseAndLeaveTheBagUnchanged)
{
    struct Row {
        const char* label;
        std::optional<std::string> text; // none: no file at all
        int32_t number;
        std::string inMessage;
    };
    const Row rows[] = {
        { "syntax error", "{\n  \"a\": 1,\n  \"b\": tru\n}", 380,
            "line 3, column 11 (byte offset 22)" },
        { "not an object", "[1, 2]", 380, "array" },
        { "nested value", "{\"a\": {\"b\": 1}}", 380, "'a'" },
        { "invalid UTF-8", "{\"a\": \"\xC3\"}", 380, "line 1" },
        { "missing", std::nullopt, 53, "" },
        // Faults found by fuzzing: a library exception escaped, or bytes were ignored.
        { "number beyond double's range", "{\"a\": 2, \"A\": 1e400}", 380, "1e400" },
        { "400-digit integer", "{\"a\": " + std::string(400, '9') + "}", 380, "overflow" },
        { "bytes after a NUL", std::string("{\"a\": 1}\0{", 10), 380, "NUL byte" },
    };
    for (const Row& row : rows) {
        const std::string path = OutputPath("bad.json");
        std::filesystem::remove(path);
        if (row.text)
            WriteText(path, *row.text);
        JsonPropertyBag bag;
        bag.Set("a", int32_t { 5 });
        std::string message;
        EXPECT_EQ(ErrorOf([&] { bag.Load(path); }, message), row.number) << row.label;
        EXPECT_NE(message.find(path), std::string::npos) << message;
        EXPECT_NE(message.find(row.inMessage), std::string::npos) << row.label << ": " << message;
        EXPECT_EQ(bag.Count(), 1) << row.label;
        EXPECT_EQ(bag.Get("a"), Variant(int32_t { 5 })) << row.label;
    }
}

TEST(JsonPropertyBag, UnsavableBagsRaiseAndLeaveTheFileAlone)
{
    struct Row {
        const char* label;
        Variant value;
        int32_t number;
        std::string folder;
    };
    const Row rows[] = {
        { "NaN", std::numeric_limits<double>::quiet_NaN(), 380, "" },
        { "infinite single", std::numeric_limits<float>::infinity(), 380, "" },
        { "invalid UTF-8", std::string("\xFF"), 380, "" },
        { "object", vantrel::Object(std::make_shared<int>(1)), 13, "" },
        { "missing folder", int32_t { 2 }, 75, "no_such_folder/" },
    };
    for (const Row& row : rows) {
        const std::string path = OutputPath(row.folder + "unsavable.json");
        WriteText(OutputPath("unsavable.json"), "{\"kept\": true}");
        JsonPropertyBag bag;
        bag.Set("fine", int32_t { 1 });
        bag.Set("bad", row.value);
        std::string message;
        EXPECT_EQ(ErrorOf([&] { bag.Save(path); }, message), row.number) << row.label;
        EXPECT_NE(message.find(row.folder.empty() ? "'bad'" : path), std::string::npos) << message;
        JsonPropertyBag file;
        file.Load(OutputPath("unsavable.json"));
        EXPECT_EQ(file.Get("kept"), Variant(true)) << row.label;
    }
}

// Fault: a directory or a file that cannot be read was reported as malformed JSON (380).
TEST(JsonPropertyBag, FaultDirectoryOrUnreadableFileIsNotMalformed)
{
    const std::string folder = OutputPath("folder.json");
    std::filesystem::create_directories(folder);
    const std::string fifo = OutputPath("fifo.json");
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::tuple<const char*, std::string, int32_t, const char*> rows[] = {
        { "directory", folder, 75, "directory" },
        { "FIFO", fifo, 75, "not a regular file" },
        { "inside a file", OutputPath("numbers.json/x"), 53, "" },
    };
    WriteText(OutputPath("numbers.json"), "{}");
    for (const auto& [label, path, number, reason] : rows) {
        JsonPropertyBag bag;
        std::string message;
        EXPECT_EQ(ErrorOf([&] { bag.Load(path); }, message), number) << label << ": " << message;
        EXPECT_NE(message.find(reason), std::string::npos) << label << ": " << message;
    }
}

// Fault: loading was quadratic in the number of keys (200,000 keys took minutes). Ten times the
// keys must take about ten times as long, far from the hundred of a quadratic load.
TEST(JsonPropertyBag, FaultLoadIsLinearInTheNumberOfKeys)
{
    const auto secondsToLoad = [](int32_t keys) {
        std::string text = "{";
        for (int32_t k = 0; k < keys; ++k)
            text += (k ? ",\"Key" : "\"Key") + std::to_string(k) + "\": " + std::to_string(k);
        text += "}";
        const std::string path = OutputPath("many.json");
        WriteText(path, text);
        JsonPropertyBag bag;
        const auto start = std::chrono::steady_clock::now();
        bag.Load(path);
        const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(bag.Count(), keys);
        EXPECT_EQ(bag.Get("KEY" + std::to_string(keys - 1)), Variant(keys - 1));
        return taken.count();
    };
    const double small = std::max(secondsToLoad(20000), 1e-3);
    const double large = secondsToLoad(200000);
    EXPECT_LT(large / small, 35.0) << small << " s for 20,000 keys, " << large << " s for 200,000";
}

} // namespace
