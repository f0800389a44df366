// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names of the property dictionaries and keys a photo's metadata is exchanged in.
// The string values are the conventional ones, so property-list files we write
// are readable by people and by other tools.

namespace imageio {

// Groups: each maps to a nested QVariantMap. Mapping a group to a null QVariant in
// an overlay removes the whole group from the written copy.
inline constexpr char kCGImagePropertyExifDictionary[] = "{Exif}";
inline constexpr char kCGImagePropertyTIFFDictionary[] = "{TIFF}";
inline constexpr char kCGImagePropertyGPSDictionary[] = "{GPS}";
inline constexpr char kCGImagePropertyIPTCDictionary[] = "{IPTC}";

// Top level.
inline constexpr char kCGImagePropertyPixelWidth[] = "PixelWidth";
inline constexpr char kCGImagePropertyPixelHeight[] = "PixelHeight";
inline constexpr char kCGImagePropertyOrientation[] = "Orientation";
inline constexpr char kCGImagePropertyDPIWidth[] = "DPIWidth";
inline constexpr char kCGImagePropertyDPIHeight[] = "DPIHeight";
inline constexpr char kCGImagePropertyFileSize[] = "FileSize";

// {Exif}
inline constexpr char kCGImagePropertyExifDateTimeOriginal[] = "DateTimeOriginal";
inline constexpr char kCGImagePropertyExifDateTimeDigitized[] = "DateTimeDigitized";
inline constexpr char kCGImagePropertyExifLensMake[] = "LensMake";
inline constexpr char kCGImagePropertyExifLensModel[] = "LensModel";
inline constexpr char kCGImagePropertyExifUserComment[] = "UserComment";
inline constexpr char kCGImagePropertyExifPixelXDimension[] = "PixelXDimension";
inline constexpr char kCGImagePropertyExifPixelYDimension[] = "PixelYDimension";

// {TIFF}
inline constexpr char kCGImagePropertyTIFFDateTime[] = "DateTime";
inline constexpr char kCGImagePropertyTIFFMake[] = "Make";
inline constexpr char kCGImagePropertyTIFFModel[] = "Model";
inline constexpr char kCGImagePropertyTIFFArtist[] = "Artist";
inline constexpr char kCGImagePropertyTIFFCopyright[] = "Copyright";
inline constexpr char kCGImagePropertyTIFFImageDescription[] = "ImageDescription";
inline constexpr char kCGImagePropertyTIFFOrientation[] = "Orientation";
inline constexpr char kCGImagePropertyTIFFXResolution[] = "XResolution";
inline constexpr char kCGImagePropertyTIFFYResolution[] = "YResolution";

// {GPS}: latitude, longitude and altitude are unsigned decimal numbers; the refs say the side.
inline constexpr char kCGImagePropertyGPSVersion[] = "GPSVersion";
inline constexpr char kCGImagePropertyGPSLatitude[] = "Latitude";
inline constexpr char kCGImagePropertyGPSLatitudeRef[] = "LatitudeRef";
inline constexpr char kCGImagePropertyGPSLongitude[] = "Longitude";
inline constexpr char kCGImagePropertyGPSLongitudeRef[] = "LongitudeRef";
inline constexpr char kCGImagePropertyGPSAltitude[] = "Altitude";
inline constexpr char kCGImagePropertyGPSAltitudeRef[] = "AltitudeRef";
inline constexpr char kCGImagePropertyGPSSpeed[] = "Speed";
inline constexpr char kCGImagePropertyGPSSpeedRef[] = "SpeedRef";
inline constexpr char kCGImagePropertyGPSTrack[] = "Track";
inline constexpr char kCGImagePropertyGPSTrackRef[] = "TrackRef";
inline constexpr char kCGImagePropertyGPSDateStamp[] = "DateStamp";
inline constexpr char kCGImagePropertyGPSTimeStamp[] = "TimeStamp";

// {IPTC}
inline constexpr char kCGImagePropertyIPTCKeywords[] = "Keywords";
inline constexpr char kCGImagePropertyIPTCCaptionAbstract[] = "Caption/Abstract";
inline constexpr char kCGImagePropertyIPTCCopyrightNotice[] = "CopyrightNotice";

// Container type identifiers.
inline constexpr char kUTTypeJPEG[] = "public.jpeg";
inline constexpr char kUTTypePNG[] = "public.png";
inline constexpr char kUTTypeTIFF[] = "public.tiff";
inline constexpr char kUTTypeWebP[] = "org.webmproject.webp";
inline constexpr char kUTTypeGIF[] = "com.compuserve.gif";
inline constexpr char kUTTypeBMP[] = "com.microsoft.bmp";
inline constexpr char kUTTypeHEIC[] = "public.heic";

} // namespace imageio
