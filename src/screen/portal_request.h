#pragma once
// The window-free half of a screenshot through the desktop portal
// (org.freedesktop.portal.Screenshot): where the answer will come from, what an answer code
// means, and turning the file it names into the screen picture.

#include "screen/screen_capture.h"

#include <QString>
#include <QStringList>

namespace huebit {

inline constexpr char PortalService[] = "org.freedesktop.portal.Desktop";
inline constexpr char PortalPath[] = "/org/freedesktop/portal/desktop";
inline constexpr char PortalScreenshotInterface[] = "org.freedesktop.portal.Screenshot";
inline constexpr char PortalRequestInterface[] = "org.freedesktop.portal.Request";
/// How long the desktop may take before the copy counts as unanswered.
inline constexpr int PortalTimeoutMs = 10000;

/// A fresh handle token: letters, digits and '_' only, different at every call.
QString PortalToken();
/// The request object the portal creates for `token` asked by the connection `uniqueName`
/// (":1.42" asks at /org/freedesktop/portal/desktop/request/1_42/TOKEN).
QString PortalRequestPath(const QString& uniqueName, const QString& token);
/// The Response code: 0 success, 1 cancelled by the user, anything else ended otherwise.
CaptureFailure PortalResponseFailure(uint response);
/// The places a screenshot file is only left for us to take: the system's temporary folders.
QStringList TemporaryFolders();
/// Whether `file` lies in one of `folders` (after resolving links on both sides).
bool InTemporaryFolder(const QString& file, const QStringList& folders);
/// Reads the picture a successful Response names by `uri` (a file: URL) in device pixels, and
/// deletes the file when it lies in one of `temporaryFolders`, read or not; a file elsewhere
/// (the user's pictures folder) is the user's and stays.
CaptureResult LoadPortalScreenshot(const QString& uri, const QStringList& temporaryFolders);
/// The answer timeout: `overrideMs` (tests shorten it) when it is a number from 1 to the
/// default, else the default.
int PortalTimeout(const QByteArray& overrideMs);

} // namespace huebit
