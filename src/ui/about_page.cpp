#include "ui/about_page.h"

#include "core/extra_texts.h"

#include "ui/decoration.h"
#include "ui/element_hint.h"
#include "ui/extra_text_binding.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QUrl>

namespace huebit {

namespace {

QLabel* fixedText(const QString& text, QWidget* parent, QRect geometry) {
    auto* l = new QLabel(text, parent);
    l->setAccessibleName(text);
    l->setGeometry(geometry);
    SetElementTag(l, 100); // fixed: never translated nor resized
    return l;
}

const QColor LinkColor(0x1a, 0x3f, 0xb0);

QLabel* linkText(const QString& text, const QString& hint, const QString& url, QWidget* parent,
                 QRect geometry) {
    QLabel* l = fixedText(text, parent, geometry);
    SetElementHint(l, hint, text);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, LinkColor);
    l->setPalette(pal);
    QFont font = l->font();
    font.setUnderline(true);
    l->setFont(font);
    l->setCursor(Qt::PointingHandCursor);
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    l->setText(QStringLiteral("<a href=\"%1\" style=\"color:#1a3fb0\">%2</a>").arg(url, text));
    QObject::connect(l, &QLabel::linkActivated,
                     [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });
    return l;
}

} // namespace

QString ReleaseNotesText() {
    return BuiltInReleaseNotes();
}

AboutPage::AboutPage(QWidget* parent) : LazyPage(CaptionCount, {}, parent) {
    setObjectName(QStringLiteral("TabSheet4"));
    setAutoFillBackground(true);
}

void AboutPage::makeControls() {
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image4"));
    ShowDecoration(picture, "about.jpg", QSize(120, 120));
    picture->setGeometry(10, 10, 120, 120);
    SetElementTag(picture, 100);
    MarkAsPicture(picture);

    QLabel* name = fixedText(QStringLiteral("Huebit"), this, QRect(146, 14, 240, 28));
    QFont big = name->font();
    big.setPixelSize(22);
    big.setBold(true);
    name->setFont(big);
    fixedText(QStringLiteral("version 5.1.2"), this, QRect(146, 46, 240, 16));
    fixedText(QStringLiteral("2019–2026"), this, QRect(146, 64, 240, 16));
    // Fixed, but not in Russian where the interface is not.
    QLabel* team = fixedText(QStringLiteral("Команда Huebit"), this, QRect(146, 82, 240, 16));
    BindExtraText(team, "text");
    BindExtraText(team, "accessibleName");
    fixedText(QStringLiteral("Freeware"), this, QRect(146, 100, 240, 16));
    linkText(QStringLiteral("huebit.app"), QStringLiteral("Открыть web-страницу программы"),
             QString::fromLatin1(WebPage), this, QRect(146, 118, 110, 16));
    linkText(QStringLiteral("author@huebit.app"), QStringLiteral("Написать письмо автору программы"),
             QString::fromLatin1(MailTo), this, QRect(260, 118, 130, 16));

    auto* history = new QGroupBox(QStringLiteral(" История версий "), this);
    history->setObjectName(QStringLiteral("GroupBox5"));
    history->setGeometry(8, 140, 382, 285);
    releaseNotes = new QPlainTextEdit(history);
    releaseNotes->setObjectName(QStringLiteral("Memo1"));
    releaseNotes->setReadOnly(true);
    releaseNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    BindExtraText(releaseNotes, "plainText", ReleaseNotesText());
    BindExtraText(releaseNotes, "accessibleName", QStringLiteral(" История версий "));
    releaseNotes->setGeometry(8, 20, 366, 256);
}

} // namespace huebit
