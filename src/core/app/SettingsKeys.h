// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keys of the per-user settings store, declared once. Spelling is part of the
// stored data and must not change.
namespace settingskeys {
inline constexpr char photoLocation[] = "PhotoLocatoin";
inline constexpr char keepMetadata[] = "bkeepMetadata";
inline constexpr char keepOriginalPhoto[] = "bkeepOriginalPhoto";
inline constexpr char photoLibraryPath[] = "PhotoLibraryPath";
inline constexpr char photoLibraryData[] = "PhotoLibraryData";
inline constexpr char photoLibraryData2[] = "PhotoLibraryData2";
// How the window was left; not part of the stored data the program shares with others.
inline constexpr char windowPosition[] = "WindowPosition";
inline constexpr char startWindowSize[] = "StartWindowSize";
inline constexpr char listWindowSize[] = "ListWindowSize";
inline constexpr char editorHeight[] = "EditorHeight";
inline constexpr char appearance[] = "Appearance";
inline constexpr char lastImportFolder[] = "LastImportFolder";
// Our own: where the version list is fetched from (the environment variable
// GLIMMERSET_UPDATE_URL overrides it).
inline constexpr char versionListUrl[] = "VersionListURL";
// Our own additions.
// The user answered "Replace Originals" to the question the first in-place job asks.
inline constexpr char replaceOriginalsConfirmed[] = "bReplaceOriginalsConfirmed";
// Folder jobs descend into subfolders.
inline constexpr char includeSubfolders[] = "bIncludeSubfolders";
} // namespace settingskeys
