#include "submitted_names.h"

#include <algorithm>

#include "base/text.h"
#include "definitions/line_code.h"

namespace defserver {

std::vector<std::string> SubmittedNames(std::string_view codedData) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= codedData.size()) {
        const std::size_t end = std::min(codedData.find('|', start), codedData.size());
        std::string name = definitions::DecodeDefinitionLine(codedData.substr(start, end - start));
        if (!base::IsBlank(name)) {
            names.push_back(std::move(name));
        }
        start = end + 1;
    }
    return names;
}

}  // namespace defserver
