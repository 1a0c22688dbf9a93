#pragma once

// The program's version, shown on the splash and given to the application object.
namespace SidelinesVersion {
inline constexpr int kMajor = 2;
inline constexpr int kMinor = 0;
inline constexpr int kRevision = 0;
}  // namespace SidelinesVersion
