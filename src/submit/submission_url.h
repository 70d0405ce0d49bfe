#pragma once

// The address that carries submitted data to the data collection server:
// the data goes last in the query, line-coded and then percent-encoded.

#include <string>
#include <string_view>

namespace core {
class Application;
}

namespace submit {

// Every byte but the unreserved characters of a URL (letters, digits, "-",
// ".", "_", "~") as "%XX": the line code yields bytes above 127 and
// characters such as "&", "%", "+" and space, and "|" is not a URL
// character either. The server decodes all of them back.
[[nodiscard]] std::string PercentEncode(std::string_view bytes);

// The data collection server's submission address for the line-coded data.
[[nodiscard]] std::string SubmissionUrl(const core::Application& app, std::string_view codedData);

}  // namespace submit
