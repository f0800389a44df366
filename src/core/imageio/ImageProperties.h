// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names of the property dictionaries and keys a photo's metadata is exchanged in.
// The string values are the conventional ones, so property-list files we write
// are readable by people and by other tools.

namespace imageio {

namespace keys {

// Groups: each maps to a nested QVariantMap. Mapping a group to a null QVariant in
// an overlay removes the whole group from the written copy.
inline constexpr char ExifGroup[] = "{Exif}";
inline constexpr char TiffGroup[] = "{TIFF}";
inline constexpr char GpsGroup[] = "{GPS}";
inline constexpr char IptcGroup[] = "{IPTC}";

// Top level.
inline constexpr char PixelWidth[] = "PixelWidth";
inline constexpr char PixelHeight[] = "PixelHeight";
inline constexpr char Orientation[] = "Orientation";
inline constexpr char DpiWidth[] = "DPIWidth";
inline constexpr char DpiHeight[] = "DPIHeight";
inline constexpr char FileSize[] = "FileSize";

// {Exif}
inline constexpr char ExifDateTimeOriginal[] = "DateTimeOriginal";
inline constexpr char ExifDateTimeDigitized[] = "DateTimeDigitized";
inline constexpr char ExifLensMake[] = "LensMake";
inline constexpr char ExifLensModel[] = "LensModel";
inline constexpr char ExifUserComment[] = "UserComment";
inline constexpr char ExifPixelXDimension[] = "PixelXDimension";
inline constexpr char ExifPixelYDimension[] = "PixelYDimension";

// {TIFF}
inline constexpr char TiffDateTime[] = "DateTime";
inline constexpr char TiffMake[] = "Make";
inline constexpr char TiffModel[] = "Model";
inline constexpr char TiffArtist[] = "Artist";
inline constexpr char TiffCopyright[] = "Copyright";
inline constexpr char TiffImageDescription[] = "ImageDescription";
inline constexpr char TiffOrientation[] = "Orientation";
inline constexpr char TiffXResolution[] = "XResolution";
inline constexpr char TiffYResolution[] = "YResolution";

// {GPS}: latitude, longitude and altitude are unsigned decimal numbers; the refs say the side.
inline constexpr char GpsVersion[] = "GPSVersion";
inline constexpr char GpsLatitude[] = "Latitude";
inline constexpr char GpsLatitudeRef[] = "LatitudeRef";
inline constexpr char GpsLongitude[] = "Longitude";
inline constexpr char GpsLongitudeRef[] = "LongitudeRef";
inline constexpr char GpsAltitude[] = "Altitude";
inline constexpr char GpsAltitudeRef[] = "AltitudeRef";
inline constexpr char GpsSpeed[] = "Speed";
inline constexpr char GpsSpeedRef[] = "SpeedRef";
inline constexpr char GpsTrack[] = "Track";
inline constexpr char GpsTrackRef[] = "TrackRef";
inline constexpr char GpsDateStamp[] = "DateStamp";
inline constexpr char GpsTimeStamp[] = "TimeStamp";

// {IPTC}
inline constexpr char IptcKeywords[] = "Keywords";
inline constexpr char IptcCaptionAbstract[] = "Caption/Abstract";
inline constexpr char IptcCopyrightNotice[] = "CopyrightNotice";

} // namespace keys

// Container type identifiers.
namespace filetypes {
inline constexpr char Jpeg[] = "public.jpeg";
inline constexpr char Png[] = "public.png";
inline constexpr char Tiff[] = "public.tiff";
inline constexpr char WebP[] = "org.webmproject.webp";
inline constexpr char Gif[] = "com.compuserve.gif";
inline constexpr char Bmp[] = "com.microsoft.bmp";
inline constexpr char Heic[] = "public.heic";
} // namespace filetypes

} // namespace imageio
