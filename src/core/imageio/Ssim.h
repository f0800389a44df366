// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;

// The structural similarity of two pictures of one size: the mean SSIM on the luma
// channel (Rec. 601 weights) with an 11-tap Gaussian window (sigma 1.5), edges clamped,
// and the usual constants (K1 0.01, K2 0.03, L 255). 1 for identical pixels.
// The benchmarks judge encoders by it and the compare view shows it, so both agree.
namespace ssim {

// NaN when the sizes differ or a picture is empty. Works through the rows in bands, so
// a 50-megapixel photo needs a few tens of megabytes, not gigabytes. Any thread.
double meanSsim(const QImage &reference, const QImage &image);

} // namespace ssim
