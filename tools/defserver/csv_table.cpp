#include "csv_table.h"

#include "base/text.h"

namespace defserver {

Checked<std::vector<CsvRecord>> ReadCsv(std::string_view text) {
    using Result = Checked<std::vector<CsvRecord>>;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    std::vector<CsvRecord> records;
    std::size_t line = 1;
    std::size_t at = 0;
    while (at < text.size()) {
        CsvRecord record;
        record.line = line;
        // One field per pass; the record ends at a line end outside quotes.
        for (bool recordEnded = false; !recordEnded;) {
            std::string field;
            if (at < text.size() && text[at] == '"') {
                const std::size_t openedOn = line;
                ++at;
                for (;;) {
                    if (at >= text.size()) {
                        return Result::Failure("line " + std::to_string(openedOn) +
                                               ": a quoted field is never closed");
                    }
                    const char c = text[at++];
                    if (c == '"') {
                        if (at < text.size() && text[at] == '"') {
                            field.push_back('"');
                            ++at;
                            continue;
                        }
                        break;
                    }
                    if (c == '\n') {
                        ++line;
                    }
                    field.push_back(c);
                }
                if (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n') {
                    return Result::Failure("line " + std::to_string(line) +
                                           ": a closing quote is followed by text; a quote "
                                           "inside a quoted field is written twice");
                }
            } else {
                while (at < text.size() && text[at] != ',' && text[at] != '\r' &&
                       text[at] != '\n') {
                    field.push_back(text[at++]);
                }
            }
            record.fields.push_back(std::move(field));
            if (at < text.size() && text[at] == ',') {
                ++at;
                continue;
            }
            // A line end (CR LF, LF or a lone CR) or the end of the text.
            if (at < text.size() && text[at] == '\r') {
                ++at;
            }
            if (at < text.size() && text[at] == '\n') {
                ++at;
            }
            ++line;
            recordEnded = true;
        }
        // A blank line is no record.
        if (record.fields.size() > 1 || !record.fields.front().empty()) {
            records.push_back(std::move(record));
        }
    }
    return records;
}

CsvColumns::CsvColumns(const CsvRecord& header) {
    for (const std::string& name : header.fields) {
        m_names.push_back(base::Trim(name));
    }
}

std::optional<std::size_t> CsvColumns::Find(std::string_view name) const {
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (base::EqualsIgnoreCase(m_names[i], name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string_view CsvColumns::Field(const CsvRecord& record, std::optional<std::size_t> column) {
    if (!column || *column >= record.fields.size()) {
        return {};
    }
    return record.fields[*column];
}

}  // namespace defserver
