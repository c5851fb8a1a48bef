#pragma once
// The window-free half of a screenshot through the desktop portal
// (org.freedesktop.portal.Screenshot): where the answer will come from, what an answer code
// means, and turning the file it names into the screen picture.

#include "screen/screen_capture.h"

#include <QDeadlineTimer>
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
/// `folders` with their links resolved; those that do not exist are left out.
QStringList ResolvedFolders(const QStringList& folders);

/// What is known of the file a portal answer names, taken from the file as opened.
struct PortalFileFacts {
    QString path;             ///< as the answer names it
    QString resolved;         ///< with every link resolved; empty when there is no such file
    bool regular = false;     ///< a regular file (not a folder, socket, FIFO or device)
    bool ownedByUser = false; ///< this user's own
    qint64 changedMs = 0;     ///< its last status change, ms since the epoch
};

/// How long before the request a file may have changed and still be its answer: file-system
/// clocks are coarser than ours.
inline constexpr qint64 PortalClockSlackMs = 2000;
/// The largest screenshot file read: far above any desktop's picture, far below memory.
inline constexpr qint64 MaxPortalFileBytes = qint64(512) << 20;

/// Whether the answer's file may be read: an absolute path to a regular file.
bool MayReadPortalFile(const PortalFileFacts& file);
/// Whether the file may be deleted after reading: it loaded as a picture (`loaded`), may be
/// read, is the user's own, lies (resolved) inside one of `resolvedTemporaryFolders` and was
/// made for this request, begun at `requestStartMs`. Anything else is not ours to delete.
bool MayDeletePortalFile(const PortalFileFacts& file, bool loaded,
                         const QStringList& resolvedTemporaryFolders, qint64 requestStartMs);

/// Reads the picture a successful Response names by `uri` (a file: URL) in device pixels, giving
/// up at `deadline`, and deletes the file when MayDeletePortalFile allows it, by the very path
/// it was read from. A file elsewhere (the user's pictures folder) is the user's and stays.
CaptureResult LoadPortalScreenshot(const QString& uri, const QStringList& temporaryFolders,
                                   qint64 requestStartMs, QDeadlineTimer deadline);
/// The answer timeout: `overrideMs` (tests shorten it) when it is a number from 1 to the
/// default, else the default.
int PortalTimeout(const QByteArray& overrideMs);

} // namespace huebit
