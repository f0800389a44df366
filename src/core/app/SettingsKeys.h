#pragma once

// The keys of the per-user settings store, declared once. Spelling is part of the
// stored data and must not change.
namespace settingskeys {
inline constexpr char PhotoLocatoin[] = "PhotoLocatoin";
inline constexpr char bkeepMetadata[] = "bkeepMetadata";
inline constexpr char bkeepOriginalPhoto[] = "bkeepOriginalPhoto";
inline constexpr char PhotoLibraryPath[] = "PhotoLibraryPath";
inline constexpr char PhotoLibraryData[] = "PhotoLibraryData";
inline constexpr char PhotoLibraryData2[] = "PhotoLibraryData2";
// Our own: where the version list is fetched from (the environment variable
// GLIMMERSET_UPDATE_URL overrides it).
inline constexpr char VersionListURL[] = "VersionListURL";
} // namespace settingskeys
