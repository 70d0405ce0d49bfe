#pragma once

// The last phase of a scan: the files and folders that the definitions name
// at known places. Nothing is searched; each record names one place.

namespace core {
class Application;
}

namespace scan {

// The company that a found file must not name to be reported.
inline constexpr char kVendorExemption[] = "Microsoft Corporation";

void ScanKnownFiles(core::Application& app);
void ScanKnownFolders(core::Application& app);

}  // namespace scan
