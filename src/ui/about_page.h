#pragma once
// The About page: picture, name, version, years, author, licence, links and the release notes.

#include "app/app_identity.h"

#include <QWidget>

class QPlainTextEdit;

namespace huebit {

class AboutPage : public QWidget {
    Q_OBJECT
public:
    explicit AboutPage(QWidget* parent = nullptr);

    QPlainTextEdit* releaseNotes = nullptr;

    static constexpr const char* WebPage = WebPageAddress;
    static constexpr const char* MailTo = "mailto:author@huebit.app";
};

/// The release notes, newest version first, ending with the legend.
QString ReleaseNotesText();

} // namespace huebit
