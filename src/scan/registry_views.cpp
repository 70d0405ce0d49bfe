#include "scan/registry_views.h"

#include <vector>

#include "base/text.h"

namespace scan {

namespace {

std::vector<std::string_view> Segments(std::string_view path) {
    std::vector<std::string_view> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        if (end > start) {
            segments.push_back(path.substr(start, end - start));
        }
        start = end + 1;
    }
    return segments;
}

}  // namespace

platform::RegistryView LiteralView(platform::Registry& registry) {
    return registry.HasWow32View() ? platform::RegistryView::Native64
                                   : platform::RegistryView::Default;
}

std::optional<std::string> RedirectedKeyPath(std::string_view requested,
                                             std::string_view kernelName) {
    const std::vector<std::string_view> asked = Segments(requested);
    const std::vector<std::string_view> named = Segments(kernelName);
    // The name ends with the requested path; walking both from their ends,
    // the first segment that only the name has is where the view led. Any
    // other difference (a link such as CurrentControlSet) leaves the path as
    // it was asked for.
    std::size_t a = asked.size();
    for (std::size_t n = named.size(); n > 0; --n) {
        const std::string_view segment = named[n - 1];
        if (a > 0 && base::EqualsIgnoreCase(segment, asked[a - 1])) {
            --a;
            continue;
        }
        if (!base::EqualsIgnoreCase(segment, kWow32KeyName)) {
            return std::nullopt;
        }
        // Above the inserted segment the name must be the requested path
        // again; otherwise a link led elsewhere (SOFTWARE\WOW6432Node\Classes
        // is SOFTWARE\Classes\Wow6432Node), and the path with a segment put
        // in names a key that does not exist.
        for (std::size_t k = a, m = n - 1; k > 0; --k, --m) {
            if (m == 0 || !base::EqualsIgnoreCase(named[m - 1], asked[k - 1])) {
                return std::nullopt;
            }
        }
        std::string path;
        for (std::size_t i = 0; i < asked.size(); ++i) {
            if (i == a) {
                path += std::string(kWow32KeyName) + "\\";
            }
            path += std::string(asked[i]) + "\\";
        }
        if (a == asked.size()) {
            path += std::string(kWow32KeyName) + "\\";
        }
        path.pop_back();
        return path;
    }
    return std::nullopt;
}

std::vector<std::string> KeyPlaces(platform::Registry& registry, platform::RegistryRoot root,
                                   const std::string& path) {
    std::vector<std::string> places{path};
    if (root != platform::RegistryRoot::LocalMachine || !registry.HasWow32View()) {
        return places;
    }
    const platform::RegistryOpenResult opened =
        registry.OpenKey(root, path, platform::reg_access::kRead, platform::RegistryView::Wow32);
    if (opened.status != platform::reg_status::kOk) {
        return places;
    }
    if (std::optional<std::string> redirected = RedirectedKeyPath(path, opened.key->KernelName())) {
        places.push_back(std::move(*redirected));
    }
    return places;
}

}  // namespace scan
