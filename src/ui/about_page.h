#pragma once
// The About page: picture, name, version, years, author, licence, links and the release notes.

#include "app/app_identity.h"

#include "ui/lazy_page.h"

class QPlainTextEdit;

namespace huebit {

class AboutPage : public LazyPage {
    Q_OBJECT
public:
    /// The captioned elements among the controls.
    static constexpr int CaptionCount = 1;

    /// The controls are made when first needed (LazyPage).
    explicit AboutPage(QWidget* parent = nullptr);

    QPlainTextEdit* releaseNotes = nullptr;

    static constexpr const char* WebPage = WebPageAddress;
    static constexpr const char* MailTo = "mailto:author@huebit.app";

protected:
    void makeControls() override;
};

/// The release notes, newest version first, ending with the legend.
QString ReleaseNotesText();

} // namespace huebit
