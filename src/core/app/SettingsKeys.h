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
// How the window was left; not part of the stored data the program shares with others.
inline constexpr char WindowPosition[] = "WindowPosition";
inline constexpr char StartWindowSize[] = "StartWindowSize";
inline constexpr char ListWindowSize[] = "ListWindowSize";
inline constexpr char EditorHeight[] = "EditorHeight";
inline constexpr char Appearance[] = "Appearance";
inline constexpr char LastImportFolder[] = "LastImportFolder";
// Our own: where the version list is fetched from (the environment variable
// GLIMMERSET_UPDATE_URL overrides it).
inline constexpr char VersionListURL[] = "VersionListURL";
// Our own additions.
// The user answered "Replace Originals" to the question the first in-place job asks.
inline constexpr char bReplaceOriginalsConfirmed[] = "bReplaceOriginalsConfirmed";
// Folder jobs descend into subfolders.
inline constexpr char bIncludeSubfolders[] = "bIncludeSubfolders";
} // namespace settingskeys
