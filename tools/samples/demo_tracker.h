#pragma once

// What the demo program and its planter share.

namespace samples {

// Held by a running demo program, so that a second copy leaves at once and the
// planter knows not to start another one.
inline constexpr char kDemoTrackerMutex[] = "SparkbarDemo.KeytrailAgent";

}  // namespace samples
