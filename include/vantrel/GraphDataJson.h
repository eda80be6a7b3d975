// GraphData saved to and loaded from JSON text (docs/graphdata-json.md describes the format).
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vantrel/GraphData.h>
#include <vantrel/Ref.h>

namespace vantrel {

// Everything a GraphData holds is written: the bounds, both axes (type and format), every panel
// and every item with all of its properties and tags, the arrays bit for bit with their lower
// bounds. Arrays of more than 64 elements are written as base64 of little-endian doubles.
//
// Failures raise vantrel::Error and leave nothing behind:
//   380 malformed input: the text names the source, the line and column and what was wrong;
//       on writing, text that is not valid UTF-8
//   13  on writing, a tag holding an object, or an item of a host's own class
//   91  an absent GraphData
//   53  LoadGraphData: the file does not exist
//   75  the file cannot be read, or cannot be written
// SaveGraphData writes a temporary file beside Path and renames it over Path, so a failed save
// leaves the previous file as it was.
void SaveGraphData(const Ref<GraphData>& Data, const std::string& Path);
Ref<GraphData> LoadGraphData(const std::string& Path);

void WriteGraphDataJson(const Ref<GraphData>& Data, std::ostream& out);
// Reads to the end of the stream; positions in errors are counted from where reading started.
Ref<GraphData> ReadGraphDataJson(std::istream& in);

// Internal: the text form, for the file and stream functions and the tools. `source` names the
// input in error texts.
std::string GraphDataJsonText(const Ref<GraphData>& Data);
Ref<GraphData> GraphDataFromJsonText(std::string_view text, const std::string& source);

} // namespace vantrel
