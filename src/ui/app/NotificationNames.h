// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names the views post and the controller observes. They are literal strings, so a
// log line or a test can name them as the views send them.
namespace notificationnames {
inline constexpr char MyClosebuttonMouseDown[] = "MyClosebuttonMouseDown";
inline constexpr char MybuttonMouseDown[] = "MybuttonMouseDown";
inline constexpr char ZelbuttonMouseEntered[] = "ZelbuttonMouseEntered";
inline constexpr char ZelbuttonMouseExited[] = "ZelbuttonMouseExited";
inline constexpr char NSDragOperationImageNote[] = "NSDragOperationImageNote";
inline constexpr char NSDragOperationImageViewNote[] = "NSDragOperationImageViewNote";
} // namespace notificationnames
