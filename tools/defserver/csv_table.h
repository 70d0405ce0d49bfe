#pragma once

// Comma-separated tables as spreadsheets and data sets write them: fields
// in double quotes may hold commas, line ends and doubled quotes; lines end
// in LF or CR LF; the first record names the columns.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checked.h"

namespace defserver {

struct CsvRecord {
    std::size_t line = 0;  // where the record starts, from 1
    std::vector<std::string> fields;
};

// Every record of the text, the header included; a UTF-8 byte order mark
// before it is dropped. Fails, naming the line, on a quoted field that is
// never closed or a quote followed by anything but a comma or a line end.
[[nodiscard]] Checked<std::vector<CsvRecord>> ReadCsv(std::string_view text);

// The columns of a table by their header names.
class CsvColumns {
public:
    explicit CsvColumns(const CsvRecord& header);

    // The column's index, when the header names it.
    [[nodiscard]] std::optional<std::size_t> Find(std::string_view name) const;

    // The record's field in the column; empty when the record is shorter.
    [[nodiscard]] static std::string_view Field(const CsvRecord& record,
                                                std::optional<std::size_t> column);

private:
    std::vector<std::string> m_names;
};

}  // namespace defserver
