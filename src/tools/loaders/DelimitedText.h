// Delimited text (CSV, TSV, space-separated columns) to columns of doubles.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::loaders {

// Every column holds one value per data row. Names holds one name per column: the header's,
// or empty strings when the text has no header.
struct DelimitedTable {
    char Delimiter = ',';
    bool HasHeader = false;
    std::vector<std::string> Names;
    std::vector<std::vector<double>> Columns;

    std::size_t Rows() const { return Columns.empty() ? 0 : Columns.front().size(); }
};

// Called now and then while parsing with the bytes parsed so far and the text's size.
using ParseProgress = std::function<void(std::size_t done, std::size_t total)>;

// The rules:
// - Lines end with LF or CR LF. Empty lines, and lines whose first character other than a blank
//   is '#', are skipped.
// - The delimiter is found in the first line that is not skipped: a tab if it holds one, else a
//   semicolon, else a comma, else runs of spaces. Blanks around fields are ignored.
// - That line is a header when one of its fields is not a number; its fields (without enclosing
//   double quotes) name the columns. Every other line is a data row with as many fields as the
//   first line.
// - A field is a decimal number, "inf" or "infinity" (any case, optionally negative), or "nan"
//   (any case); an empty field is NaN too. A NaN breaks the series' line where it stands.
// Failures raise vantrel::Error 380 with the text "SOURCE:LINE:COLUMN: what was wrong" (column
// in bytes from 1). Parsing keeps no state between calls and allocates per column, never per line.
DelimitedTable ParseDelimitedText(
    std::string_view text, const std::string& source, const ParseProgress& progress = {});

// The whole file (or standard input for "-") parsed as above; the file's path is the SOURCE of
// errors. Error 53 when the file does not exist, 75 when it cannot be read.
DelimitedTable LoadDelimitedText(const std::string& path, const ParseProgress& progress = {});

} // namespace vantrel::loaders
