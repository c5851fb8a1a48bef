#include "ui/font_color_dialog.h"

#include "ui/element_hint.h"
#include "ui/extra_text_binding.h"
#include "ui/qt_color.h"
#include "ui/qt_font.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace huebit {

namespace {

// The face's own name for a weight and slant; the dialog falls back to the first style of its
// list otherwise, which is often a condensed or oblique one.
QString styleOf(const QString& family, int weight, bool italic, int points) {
    QString best;
    int bestScore = -1;
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont f = QFontDatabase::font(family, style, points);
        if (f.weight() != weight || f.italic() != italic) continue;
        const int score = style.contains(QLatin1String("Condensed")) ? 1 : 2;
        if (score > bestScore) best = style, bestScore = score;
    }
    return best;
}

} // namespace

QFont FontForDialog(const FontSpec& wanted) {
    const QFontInfo resolved(ToQFont(wanted));
    QFont font(resolved.family());
    const int points = qMax(1, qRound(resolved.pointSizeF()));
    font.setPointSize(points);
    font.setWeight(QFont::Weight(wanted.weight));
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strikeOut);
    const QString style = QFontDatabase::styles(resolved.family()).contains(wanted.styleName)
                              ? wanted.styleName
                              : styleOf(resolved.family(), wanted.weight, wanted.italic, points);
    if (!style.isEmpty()) font.setStyleName(style);
    return font;
}

FontColorDialog::FontColorDialog(const FontChoice& initial, ColorDialog& colours, QWidget* parent)
    : QDialog(parent), m_colours(colours), m_initial(initial.font), m_color(initial.color) {
    setObjectName(QStringLiteral("FontDialog1"));
    BindExtraText(this, "windowTitle", QStringLiteral("Шрифт примера"));
    m_fonts = new QFontDialog(this);
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setSizeGripEnabled(false);
    m_fonts->setCurrentFont(FontForDialog(initial.font));
    m_startFont = m_fonts->currentFont();
    // Enter or Escape inside the embedded dialog ends this one.
    connect(m_fonts, &QDialog::finished, this, [this](int result) { done(result); });

    auto* colourLabel = new QLabel(this);
    BindExtraText(colourLabel, "text", QStringLiteral("Цвет:"));
    m_colorButton = new QToolButton(this);
    m_colorButton->setObjectName(QStringLiteral("FontColorButton"));
    m_colorButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    BindExtraText(m_colorButton, "text", QStringLiteral("Выбрать…"));
    SetElementHint(m_colorButton, QStringLiteral("Цвет шрифта"));
    colourLabel->setBuddy(m_colorButton);
    connect(m_colorButton, &QToolButton::clicked, this, [this] { chooseColor(); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(m_colorButton);
    colourRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    showColor();
}

FontChoice FontColorDialog::choice() const {
    const QFont chosen = m_fonts->currentFont();
    FontSpec font = m_initial;
    if (chosen.family() != m_startFont.family() || chosen.styleName() != m_startFont.styleName() ||
        chosen.pointSize() != m_startFont.pointSize()) {
        font = FromQFont(chosen);
    }
    font.underline = chosen.underline();
    font.strikeOut = chosen.strikeOut();
    return {font, m_color};
}

void FontColorDialog::chooseColor() {
    const std::optional<Color> chosen = m_colours.pick(m_color);
    if (!chosen) return;
    m_color = *chosen;
    showColor();
}

void FontColorDialog::showColor() {
    QPixmap swatch(16, 16);
    swatch.fill(ToQColor(m_color));
    m_colorButton->setIcon(swatch);
    // The dialog's own preview line shows the text in the colour as well.
    if (auto* preview =
            m_fonts->findChild<QLineEdit*>(QStringLiteral("qt_fontDialog_sampleEdit"))) {
        QPalette pal = preview->palette();
        pal.setColor(QPalette::Text, ToQColor(m_color));
        preview->setPalette(pal);
    }
}

} // namespace huebit
